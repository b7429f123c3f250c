#include "spectrumgrafiek.h"

#include "frequenties.h"
#include "getaltekst.h"
#include "grafiekhulp.h"
#include "tekening.h"

#include <cmath>
#include <numbers>

namespace {

// Sizes for a plot of 960 x 600 pixels; other sizes scale them.
constexpr Double ontwerpBreedte = 960.0;
constexpr Double ontwerpHoogte = 600.0;
constexpr Int stappenPi = 10; // x grid every 0,1*PI
constexpr Double stapDb = 10.0;

struct Gebied {
  Double s = 1.0;
  Plek linksBoven;
  Plek rechtsOnder;

  [[nodiscard]] Double x(Double omega) const
  {
    return linksBoven.x + omega / std::numbers::pi * (rechtsOnder.x - linksBoven.x);
  }
  [[nodiscard]] Double y(Double dB) const
  {
    const Double binnen = std::clamp(dB, spectrumOnderDb, spectrumBovenDb);
    return linksBoven.y + (spectrumBovenDb - binnen) / (spectrumBovenDb - spectrumOnderDb) *
                              (rechtsOnder.y - linksBoven.y);
  }
};

void raster(const Gebied& g, std::vector<Vorm>& vormen)
{
  const Double s = g.s;
  for (Int i = 0; i <= stappenPi; ++i) {
    const Double factor = static_cast<Double>(i) / stappenPi;
    const Double x = g.x(factor * std::numbers::pi);
    vormen.emplace_back(Lijn{{x, g.linksBoven.y}, {x, g.rechtsOnder.y}, rasterKleur, 1.0 * s});
    vormen.emplace_back(rechteTekst({x, g.rechtsOnder.y + 24.0 * s}, frequentieTekst(factor),
                                    14.0 * s, Letter::gewoon));
  }
  for (Double dB = spectrumBovenDb; dB >= spectrumOnderDb; dB -= stapDb) {
    const Double y = g.y(dB);
    vormen.emplace_back(Lijn{{g.linksBoven.x, y}, {g.rechtsOnder.x, y}, rasterKleur, 1.0 * s});
    const std::string tekst = dB == 0.0 ? "0" : minTeken + std::to_string(static_cast<Int>(-dB));
    vormen.emplace_back(rechteTekst({g.linksBoven.x - 10.0 * s, y + 5.0 * s}, tekst, 14.0 * s,
                                    Letter::gewoon, Anker::einde));
  }
}

// One series: a stem from the bottom line up to each line's head, the
// series shifted by `opzij` pixels so that input and output stand apart.
void stelen(const Gebied& g, const Spectrum& spectrum, Double opzij, Kleur kleur,
            std::vector<Vorm>& vormen)
{
  const Double s = g.s;
  for (std::size_t k = 0; k < spectrum.size(); ++k) {
    const Double dB = 20.0 * std::log10(spectrum[k] / volleSchaal);
    const Plek kop{g.x(spectrumOmega(k)) + opzij, g.y(dB)};
    if (dB > spectrumOnderDb) {
      vormen.emplace_back(Lijn{{kop.x, g.rechtsOnder.y}, kop, kleur, 1.5 * s});
    }
    vormen.emplace_back(Cirkel{kop, 3.0 * s, kleur, kleur, 1.0 * s});
  }
}

void legenda(const Gebied& g, std::vector<Vorm>& vormen)
{
  const Double s = g.s;
  Double y = g.linksBoven.y + 22.0 * s;
  for (const auto& [naam, kleur] : {std::pair{"invoer", invoerKleur}, {"uitvoer", uitvoerKleur}}) {
    const Double x = g.rechtsOnder.x - 90.0 * s;
    vormen.emplace_back(Rechthoek{{x, y - 10.0 * s}, 16.0 * s, 10.0 * s, kleur, std::nullopt, 0.0});
    vormen.emplace_back(
        rechteTekst({x + 24.0 * s, y}, naam, 14.0 * s, Letter::gewoon, Anker::begin));
    y += 22.0 * s;
  }
}

} // namespace

Figuur spectrumGrafiek(const Spectrum& invoer, const Spectrum& uitvoer, Grootte grootte,
                       std::optional<UInt32> gekozen)
{
  const Double s = schaalVoor(grootte, ontwerpBreedte, ontwerpHoogte);
  const Double b = grootte.breedte;
  const Double h = grootte.hoogte;
  const Gebied g{s, {95.0 * s, 70.0 * s}, {b - 40.0 * s, h - 85.0 * s}};
  Figuur figuur;
  figuur.breedte = grootte.breedte;
  figuur.hoogte = grootte.hoogte;
  auto& vormen = figuur.vormen;

  raster(g, vormen);
  if (const auto omega = gekozen ? hoekFrequentie(*gekozen) : std::nullopt) {
    const Double x = g.x(*omega);
    vormen.emplace_back(Lijn{{x, g.linksBoven.y}, {x, g.rechtsOnder.y}, merkKleur, 1.5 * s});
  }
  const Double opzij = 2.0 * s;
  stelen(g, invoer, -opzij, invoerKleur, vormen);
  stelen(g, uitvoer, opzij, uitvoerKleur, vormen);
  kader(g.linksBoven, g.rechtsOnder, 1.2 * s, vormen);
  legenda(g, vormen);

  const Double midden = (g.linksBoven.x + g.rechtsOnder.x) / 2;
  vormen.emplace_back(
      rechteTekst({midden, 42.0 * s}, "Spectrum van invoer en uitvoer", 24.0 * s, Letter::vet));
  vormen.emplace_back(
      rechteTekst({midden, h - 22.0 * s}, "Ω (rad/sample)", 17.0 * s, Letter::gewoon));
  vormen.emplace_back(staandeTekst({32.0 * s, (g.linksBoven.y + g.rechtsOnder.y) / 2},
                                   "Amplitude (dB t.o.v. 32768)", 17.0 * s));
  return figuur;
}
