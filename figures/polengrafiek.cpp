#include "polengrafiek.h"

#include "frequenties.h"
#include "grafiekhulp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr Double ontwerpZijde = 600.0;
constexpr Double marge = 1.15;
constexpr Double titelGrootte = 24.0;
constexpr Double schaalGrootte = 14.0;
constexpr Double aantalGrootte = 13.0; // a multiplicity's, the smallest text

struct Vlak {
  Double s = 1.0;
  Double t = 1.0; // of the text and the margins that hold it, see tekstSchaal
  Plek midden;
  Double pixelsPerEenheid = 1.0;

  [[nodiscard]] Plek plek(Wortel z) const
  {
    return {midden.x + z.real() * pixelsPerEenheid, midden.y - z.imag() * pixelsPerEenheid};
  }
};

struct Punt {
  Wortel z;
  std::size_t aantal = 0;
};

std::vector<Punt> gegroepeerd(const std::vector<Wortel>& wortels)
{
  std::vector<Punt> punten;
  for (const Wortel& z : wortels) {
    const auto zelfde = std::find_if(punten.begin(), punten.end(), [&](const Punt& p) {
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
  for (const Punt& punt : gegroepeerd(wortels)) {
    const Plek p = v.plek(punt.z);
    vormen.emplace_back(Cirkel{p, 5.0 * v.s, wit, nulKleur, 2.0 * v.s});
    aantalErnaast(v, p, punt.aantal, nulKleur, vormen);
  }
}

void polen(const Vlak& v, const std::vector<Wortel>& wortels, std::vector<Vorm>& vormen)
{
  const Double d = 5.0 * v.s;
  for (const Punt& punt : gegroepeerd(wortels)) {
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
  const Double buiten = 1.0 + 30.0 * v.t / v.pixelsPerEenheid;
  const Plek label = v.plek(std::polar(buiten, Double{*omega}));
  vormen.emplace_back(rechteTekst({label.x, label.y + 5.0 * v.t},
                                  std::string(frequentieLabels[keuze]), schaalGrootte * v.t,
                                  Letter::vet, Anker::midden, merkKleur));
}

} // namespace

Figuur polenGrafiek(const std::string& soort, const NullenEnPolen& np, Grootte grootte,
                    std::optional<UInt32> gekozen)
{
  const Double s = schaalVoor(grootte, ontwerpZijde, ontwerpZijde);
  const Double t = tekstSchaal(s, aantalGrootte);
  Double grootsteStraal = 1.0;
  for (const auto* lijst : {&np.nullen, &np.polen}) {
    for (const Wortel& z : *lijst) {
      grootsteStraal = std::max(grootsteStraal, std::abs(z));
    }
  }
  const Double bereik = marge * grootsteStraal;
  const Double boven = 70.0 * t;
  const Double onder = 50.0 * t;
  const Double zijde =
      std::min(static_cast<Double>(grootte.breedte) - 100.0 * t, grootte.hoogte - boven - onder);
  const Vlak v{s, t, {grootte.breedte / 2.0, boven + zijde / 2}, zijde / 2 / bereik};

  Figuur figuur;
  figuur.breedte = grootte.breedte;
  figuur.hoogte = grootte.hoogte;
  auto& vormen = figuur.vormen;
  assen(v, bereik, vormen);
  if (gekozen) {
    gekozenMerk(v, *gekozen, vormen);
  }
  nullen(v, np.nullen, vormen);
  polen(v, np.polen, vormen);
  const Double r = bereik * v.pixelsPerEenheid;
  // The title is as designed where the text keeps the plot's scale, and
  // fitted to the width where it is drawn larger.
  const std::string titel = polenTitel(soort);
  const Double titelMaat =
      t > s ? titelLetter(titel, titelGrootte, t, grootte.breedte - 20.0 * t) : titelGrootte * s;
  vormen.emplace_back(rechteTekst({v.midden.x, 42.0 * t}, titel, titelMaat, Letter::vet));
  vormen.emplace_back(rechteTekst({v.midden.x + r - 6.0 * t, v.midden.y - 8.0 * t}, "Re",
                                  schaalGrootte * t, Letter::gewoon, Anker::einde));
  vormen.emplace_back(rechteTekst({v.midden.x + 8.0 * t, v.midden.y - r + 18.0 * t}, "Im",
                                  schaalGrootte * t, Letter::gewoon, Anker::begin));
  return figuur;
}

std::string polenTitel(const std::string& soort)
{
  return "Polen en nulpunten van het " + soort + "-filter";
}
