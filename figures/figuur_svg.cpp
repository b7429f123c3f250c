// A figure's shapes written as SVG.
// SPDX-License-Identifier: MIT
#include "figuur.h"
#include "getaltekst.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>

namespace {

std::string xmlTekst(const std::string& tekst)
{
  std::string uit;
  for (const char c : tekst) {
    switch (c) {
    case '&':
      uit += "&amp;";
      break;
    case '<':
      uit += "&lt;";
      break;
    case '>':
      uit += "&gt;";
      break;
    case '"':
      uit += "&quot;";
      break;
    default:
      uit += c;
      break;
    }
  }
  return uit;
}

struct SvgSchrijver {
  std::string svg;
  int decimalen = 1;
  int clips = 0;

  [[nodiscard]] std::string getal(Double waarde) const { return vasteTekst(waarde, decimalen); }

  void operator()(const Lijn& l)
  {
    svg += "<line x1=\"" + getal(l.van.x) + "\" y1=\"" + getal(l.van.y) + "\" x2=\"" +
           getal(l.naar.x) + "\" y2=\"" + getal(l.naar.y) + "\" stroke=\"" + hexKleur(l.kleur) +
           "\" stroke-width=\"" + getal(l.dikte) + "\"/>\n";
  }

  void operator()(const Rechthoek& r)
  {
    svg += "<rect x=\"" + getal(r.hoek.x) + "\" y=\"" + getal(r.hoek.y) + "\" width=\"" +
           getal(r.breedte) + "\" height=\"" + getal(r.hoogte) + "\" fill=\"" +
           hexKleur(r.vulling) + "\"";
    if (r.rand) {
      svg += " stroke=\"" + hexKleur(*r.rand) + "\" stroke-width=\"" + getal(r.randDikte) + "\"";
    }
    svg += "/>\n";
  }

  void operator()(const Cirkel& c)
  {
    svg += "<circle cx=\"" + getal(c.midden.x) + "\" cy=\"" + getal(c.midden.y) + "\" r=\"" +
           getal(c.straal) + "\" fill=\"" + hexKleur(c.vulling) + "\" stroke=\"" +
           hexKleur(c.rand) + "\" stroke-width=\"" + getal(c.randDikte) + "\"/>\n";
  }

  // The stems as one stroked path and the heads as one filled path, each
  // head two half circles.
  void operator()(const Stelen& s)
  {
    const std::string kleur = hexKleur(s.kleur);
    svg += R"(<path d=")";
    for (const Plek& kop : s.koppen) {
      if (kop.y < s.voet) {
        svg += 'M';
        svg += getal(kop.x);
        svg += ' ';
        svg += getal(s.voet);
        svg += 'V';
        svg += getal(kop.y);
      }
    }
    svg += R"(" fill="none" stroke=")" + kleur + R"(" stroke-width=")" + getal(s.steelDikte) +
           "\"/>\n";
    const std::string r = getal(s.straal);
    const std::string middellijn = getal(2 * s.straal);
    const std::string heen = "a" + r + " " + r + " 0 1 0 " + middellijn + " 0";
    const std::string terug = "a" + r + " " + r + " 0 1 0 -" + middellijn + " 0";
    svg += R"(<path d=")";
    for (const Plek& kop : s.koppen) {
      svg += 'M';
      svg += getal(kop.x - s.straal);
      svg += ' ';
      svg += getal(kop.y);
      svg += heen;
      svg += terug;
    }
    svg += R"(" fill=")" + kleur + R"(" stroke=")" + kleur + R"(" stroke-width=")" +
           getal(s.randDikte) + "\"/>\n";
  }

  void operator()(const Kromme& k)
  {
    const std::string id = "binnen" + std::to_string(++clips);
    svg += "<clipPath id=\"" + id + "\"><rect x=\"" + getal(k.binnen.hoek.x) + "\" y=\"" +
           getal(k.binnen.hoek.y) + "\" width=\"" + getal(k.binnen.breedte) + "\" height=\"" +
           getal(k.binnen.hoogte) + "\"/></clipPath>\n";
    svg += "<polyline clip-path=\"url(#" + id + ")\" fill=\"none\" stroke=\"" + hexKleur(k.kleur) +
           "\" stroke-width=\"" + getal(k.dikte) +
           R"(" stroke-linejoin="round" stroke-linecap="round" points=")";
    bool eerste = true;
    for (const Plek& p : k.punten) {
      svg += (eerste ? "" : " ") + getal(p.x) + "," + getal(p.y);
      eerste = false;
    }
    svg += "\"/>\n";
  }

  void operator()(const Tekst& t)
  {
    static constexpr const char* ankers[] = {"start", "middle", "end"};
    svg += "<text x=\"" + getal(t.plek.x) + "\" y=\"" + getal(t.plek.y) +
           R"(" font-family="sans-serif" font-size=")" + getal(t.grootte) + "\"";
    if (t.vet) {
      svg += R"( font-weight="bold")";
    }
    if (t.anker != Anker::begin) {
      svg += std::string(R"( text-anchor=")") + ankers[static_cast<int>(t.anker)] + "\"";
    }
    if (t.staand) {
      svg += " transform=\"rotate(-90 " + getal(t.plek.x) + " " + getal(t.plek.y) + ")\"";
    }
    svg += " fill=\"" + hexKleur(t.kleur) + "\">" + xmlTekst(t.tekst) + "</text>\n";
  }
};

// The shapes vormen[van, tot), with the figure's numbers, and clip paths
// numbered in the whole figure.
std::string vormenSvg(const Figuur& figuur, std::size_t van, std::size_t tot)
{
  SvgSchrijver schrijver;
  schrijver.decimalen = figuur.inPixels ? 0 : 1;
  schrijver.clips = static_cast<int>(
      std::count_if(figuur.vormen.begin(), figuur.vormen.begin() + static_cast<std::ptrdiff_t>(van),
                    [](const Vorm& vorm) { return std::holds_alternative<Kromme>(vorm); }));
  for (std::size_t i = van; i < tot; ++i) {
    std::visit(schrijver, figuur.vormen[i]);
  }
  return std::move(schrijver.svg);
}

} // namespace

std::string hexKleur(const Kleur& kleur)
{
  constexpr std::string_view cijfers = "0123456789abcdef";
  std::string tekst = "#";
  for (const UInt8 deel : {kleur.rood, kleur.groen, kleur.blauw}) {
    tekst += cijfers[deel >> 4U];
    tekst += cijfers[deel & 0xFU];
  }
  return tekst;
}

// The group's content is a line break after its start tag, then its shapes.
std::string figuurSvgGegevens(const Figuur& figuur)
{
  const auto& g = figuur.gegevens;
  return g ? "\n" + vormenSvg(figuur, g->van, g->tot) : std::string{};
}

std::string figuurSvg(const Figuur& figuur)
{
  const std::string b = std::to_string(figuur.breedte);
  const std::string h = std::to_string(figuur.hoogte);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    b + "\" height=\"" + h + "\" viewBox=\"0 0 " + b + " " + h + "\"" +
                    (figuur.inPixels ? " shape-rendering=\"crispEdges\"" : "") + ">\n";
  if (figuur.achtergrond) {
    svg += "<rect width=\"" + b + "\" height=\"" + h + "\" fill=\"" +
           hexKleur(*figuur.achtergrond) + "\"/>\n";
  }
  const std::size_t alle = figuur.vormen.size();
  if (!figuur.gegevens) {
    return svg + vormenSvg(figuur, 0, alle) + "</svg>\n";
  }
  const Gegevens& g = *figuur.gegevens;
  return svg + vormenSvg(figuur, 0, g.van) + "<g class=\"gegevens\">" + figuurSvgGegevens(figuur) +
         "</g>\n" + vormenSvg(figuur, g.tot, alle) + "</svg>\n";
}
