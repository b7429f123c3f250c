// A filter's zeros and poles in the z-plane as a plot.
// SPDX-License-Identifier: MIT
#include "polengrafiek.h"

#include "frequenties.h"
#include "grafiekhulp.h"
#include "grafiekkader.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr Double ontwerpZijde = 600.0;
constexpr Double marge = 1.15;
constexpr Double aantalGrootte = 13.0; // a multiplicity's, the smallest text

struct Vlak {
  Double s = 1.0;
  Double t = 1.0; // of the text and the margins that hold it, see tekstSchaal
  Plek midden;
  Double pixelsPerEenheid = 1.0;
  Double bereik = 1.0; // |Re z| and |Im z| up to this fill the frame

  [[nodiscard]] Plek plek(Wortel z) const
  {
    return {midden.x + z.real() * pixelsPerEenheid, midden.y - z.imag() * pixelsPerEenheid};
  }
};

// The circle's labels stand this far outside it, at their centre, as the
// chosen frequency's does.
constexpr Double labelAfstand = 30.0;
constexpr Int hoekStappen = 10; // angle ticks over 0..π: every 0,1π

// The unit circle first (its white fill is the plane's own), then the grid
// at ±1 and the axes over it.
void assen(const Vlak& v, Double bereik, std::vector<Vorm>& vormen)
{
  const Double s = v.s;
  const Double r = bereik * v.pixelsPerEenheid;
  vormen.emplace_back(Cirkel{v.midden, v.pixelsPerEenheid, wit, kaderKleur, 1.5 * s});
  for (const Double t : {-1.0, 1.0}) {
    const Plek x = v.plek({t, 0.0});
    const Plek y = v.plek({0.0, t});
    vormen.emplace_back(Lijn{{x.x, v.midden.y - r}, {x.x, v.midden.y + r}, rasterKleur, 1.0 * s});
    vormen.emplace_back(Lijn{{v.midden.x - r, y.y}, {v.midden.x + r, y.y}, rasterKleur, 1.0 * s});
    const std::string tekst = t < 0.0 ? std::string(minTeken) + "1" : "1";
    vormen.emplace_back(rechteTekst({x.x, v.midden.y + r + 20.0 * v.t}, tekst, schaalGrootte * v.t,
                                    Letter::gewoon));
    vormen.emplace_back(rechteTekst({v.midden.x - r - 8.0 * v.t, y.y + 5.0 * v.t}, tekst,
                                    schaalGrootte * v.t, Letter::gewoon, Anker::einde));
  }
  vormen.emplace_back(
      Lijn{{v.midden.x - r, v.midden.y}, {v.midden.x + r, v.midden.y}, nulLijnKleur, 1.0 * s});
  vormen.emplace_back(
      Lijn{{v.midden.x, v.midden.y - r}, {v.midden.x, v.midden.y + r}, nulLijnKleur, 1.0 * s});
  kader({v.midden.x - r, v.midden.y - r}, {v.midden.x + r, v.midden.y + r}, 1.2 * s, vormen);
}

void aantalErnaast(const Vlak& v, Plek p, std::size_t aantal, Kleur kleur,
                   std::vector<Vorm>& vormen)
{
  if (aantal > 1) {
    vormen.emplace_back(rechteTekst({p.x + 8.0 * v.t, p.y - 8.0 * v.t}, std::to_string(aantal),
                                    aantalGrootte * v.t, Letter::vet, Anker::begin, kleur));
  }
}

void nullen(const Vlak& v, const std::vector<Wortel>& wortels, std::vector<Vorm>& vormen)
{
  for (const WortelPunt& punt : wortelPunten(wortels)) {
    const Plek p = v.plek(punt.z);
    vormen.emplace_back(Cirkel{p, 5.0 * v.s, wit, nulKleur, 2.0 * v.s});
    aantalErnaast(v, p, punt.aantal, nulKleur, vormen);
  }
}

void polen(const Vlak& v, const std::vector<Wortel>& wortels, std::vector<Vorm>& vormen)
{
  const Double d = 5.0 * v.s;
  for (const WortelPunt& punt : wortelPunten(wortels)) {
    const Plek p = v.plek(punt.z);
    vormen.emplace_back(Lijn{{p.x - d, p.y - d}, {p.x + d, p.y + d}, poolKleur, 2.0 * v.s});
    vormen.emplace_back(Lijn{{p.x - d, p.y + d}, {p.x + d, p.y - d}, poolKleur, 2.0 * v.s});
    aantalErnaast(v, p, punt.aantal, poolKleur, vormen);
  }
}

// e^(jΩ): a ray from the origin and a ring on the circle, its label just
// outside, all under the zeros and poles.
void gekozenMerk(const Vlak& v, UInt32 keuze, std::vector<Vorm>& vormen)
{
  const auto omega = hoekFrequentie(keuze);
  if (!omega) {
    return;
  }
  const Plek p = v.plek(std::polar(1.0, Double{*omega}));
  vormen.emplace_back(Lijn{v.midden, p, merkKleur, 1.5 * v.s});
  vormen.emplace_back(Cirkel{p, 8.0 * v.s, wit, merkKleur, 2.0 * v.s});
  const Double buiten = 1.0 + labelAfstand * v.t / v.pixelsPerEenheid;
  const Plek label = v.plek(std::polar(buiten, Double{*omega}));
  vormen.emplace_back(rechteTekst({label.x, label.y + 5.0 * v.t},
                                  std::string(frequentieLabels[keuze]), schaalGrootte * v.t,
                                  Letter::vet, Anker::midden, merkKleur));
}

// The angle of k·0,1π as the scale writes it: "0", "0,3π", "π", "−0,3π".
std::string hoekLabel(Int k)
{
  if (k == 0) {
    return "0";
  }
  const std::string teken = k < 0 ? minTeken : "";
  const Int n = k < 0 ? -k : k;
  return teken + (n == hoekStappen ? "" : "0," + std::to_string(n)) + "\u03C0";
}

// The angle scale: a tick across the circle every 0,1π, and its angle
// outside at as many ticks as there is room for, but not where the chosen
// frequency's label stands.
void hoekSchaal(const Vlak& v, std::optional<UInt32> keuze, std::vector<Vorm>& vormen)
{
  const Double grootte = schaalGrootte * v.t;
  const Double buiten = 1.0 + labelAfstand * v.t / v.pixelsPerEenheid;
  const Double breedste = tekstBreedte(hoekLabel(-1), grootte, false);
  const Double boog = std::numbers::pi / hoekStappen * buiten * v.pixelsPerEenheid;
  const Int stap = schaalStap(boog, breedste + 6.0 * v.t);
  const auto omega = keuze ? hoekFrequentie(*keuze) : std::nullopt;
  const Double merkBreedte =
      omega ? tekstBreedte(std::string(frequentieLabels[*keuze]), grootte, true) : 0.0;
  const Plek merk = v.plek(std::polar(buiten, omega ? Double{*omega} : 0.0));
  const Double tik = 5.0 * v.s / v.pixelsPerEenheid;
  for (Int n = 0; n < 2 * hoekStappen; ++n) {
    // π..0 first, then −0,9π..−0,1π: two labels in a row on one line are
    // written from left to right.
    const Int k = n <= hoekStappen ? hoekStappen - n : n - 2 * hoekStappen;
    const Double hoek = std::numbers::pi * static_cast<Double>(k) / hoekStappen;
    vormen.emplace_back(Lijn{v.plek(std::polar(1.0 - tik, hoek)),
                             v.plek(std::polar(1.0 + tik, hoek)), kaderKleur, 1.0 * v.s});
    const std::string label = hoekLabel(k);
    const Plek p = v.plek(std::polar(buiten, hoek));
    const Double breedte = tekstBreedte(label, grootte, false);
    const bool bijMerk = omega &&
                         std::abs(p.x - merk.x) < (breedte + merkBreedte) / 2 + 4.0 * v.t &&
                         std::abs(p.y - merk.y) < 1.2 * grootte;
    if (k % stap == 0 && !bijMerk) {
      vormen.emplace_back(rechteTekst({p.x, p.y + 5.0 * v.t}, label, grootte, Letter::gewoon));
    }
  }
}
} // namespace

namespace {

Double bereikVan(const NullenEnPolen& np)
{
  Double grootsteStraal = 1.0;
  for (const auto* lijst : {&np.nullen, &np.polen}) {
    for (const Wortel& z : *lijst) {
      grootsteStraal = std::max(grootsteStraal, std::abs(z));
    }
  }
  return marge * grootsteStraal;
}

Vlak vlakVan(const NullenEnPolen& np, Grootte grootte)
{
  const Double s = schaalVoor(grootte, ontwerpZijde, ontwerpZijde);
  const Double t = tekstSchaal(s, aantalGrootte);
  const Double boven = 70.0 * t;
  const Double onder = 50.0 * t;
  const Double zijde =
      std::min(static_cast<Double>(grootte.breedte) - 100.0 * t, grootte.hoogte - boven - onder);
  // The circle's labels inside the frame where there is room: labelAfstand
  // and half a label between the circle and the frame, but the circle not
  // under half the frame.
  const Double rand = 2.0 * (labelAfstand + 15.0) * t / zijde;
  const Double bereik = std::max(bereikVan(np), rand < 0.5 ? 1.0 / (1.0 - rand) : 2.0);
  return {s, t, {grootte.breedte / 2.0, boven + zijde / 2}, zijde / 2 / bereik, bereik};
}

} // namespace

PolenVlak polenVlak(const NullenEnPolen& np, Grootte grootte)
{
  const Vlak v = vlakVan(np, grootte);
  return {v.midden, v.pixelsPerEenheid};
}

std::vector<WortelPunt> wortelPunten(const std::vector<Wortel>& wortels)
{
  std::vector<WortelPunt> punten;
  for (const Wortel& z : wortels) {
    const auto zelfde = std::find_if(punten.begin(), punten.end(), [&](const WortelPunt& p) {
      return std::abs(p.z - z) <= zelfdePuntAfstand * std::max(1.0, std::abs(z));
    });
    if (zelfde != punten.end()) {
      ++zelfde->aantal;
    } else {
      punten.push_back({z, 1});
    }
  }
  return punten;
}

Figuur polenGrafiek(const std::string& soort, const NullenEnPolen& np, Grootte grootte,
                    std::optional<UInt32> gekozen)
{
  const Vlak v = vlakVan(np, grootte);
  const Double t = v.t;
  const Double bereik = v.bereik;
  Figuur figuur;
  figuur.breedte = grootte.breedte;
  figuur.hoogte = grootte.hoogte;
  auto& vormen = figuur.vormen;
  assen(v, bereik, vormen);
  hoekSchaal(v, gekozen, vormen);
  if (gekozen) {
    gekozenMerk(v, *gekozen, vormen);
  }
  nullen(v, np.nullen, vormen);
  polen(v, np.polen, vormen);
  const Double r = bereik * v.pixelsPerEenheid;
  zetTitel(polenTitel(soort), v.midden.x, t, grootte, vormen);
  vormen.emplace_back(rechteTekst({v.midden.x + r - 6.0 * t, v.midden.y - 8.0 * t}, "Re",
                                  schaalGrootte * t, Letter::gewoon, Anker::einde));
  // Left of the angle scale's 0,5π, which stands on the axis.
  vormen.emplace_back(rechteTekst({v.midden.x - 24.0 * t, v.midden.y - r + 18.0 * t}, "Im",
                                  schaalGrootte * t, Letter::gewoon, Anker::einde));
  return figuur;
}

std::string polenTitel(const std::string& soort)
{
  return "Polen en nulpunten van het " + soort + "-filter";
}
