#include "figuur.h"
#include "getaltekst.h"

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

std::string figuurSvg(const Figuur& figuur)
{
  SvgSchrijver schrijver;
  schrijver.decimalen = figuur.inPixels ? 0 : 1;
  const std::string b = std::to_string(figuur.breedte);
  const std::string h = std::to_string(figuur.hoogte);
  schrijver.svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                  b + "\" height=\"" + h + "\" viewBox=\"0 0 " + b + " " + h + "\"" +
                  (figuur.inPixels ? " shape-rendering=\"crispEdges\"" : "") + ">\n";
  if (figuur.achtergrond) {
    schrijver.svg += "<rect width=\"" + b + "\" height=\"" + h + "\" fill=\"" +
                     hexKleur(*figuur.achtergrond) + "\"/>\n";
  }
  for (const Vorm& vorm : figuur.vormen) {
    std::visit(schrijver, vorm);
  }
  schrijver.svg += "</svg>\n";
  return std::move(schrijver.svg);
}
