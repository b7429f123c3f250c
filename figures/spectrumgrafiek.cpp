#include "spectrumgrafiek.h"

#include "frequenties.h"
#include "getaltekst.h"
#include "grafiekhulp.h"
#include "tekening.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Sizes for a plot of 960 x 600 pixels; other sizes scale them.
constexpr Double ontwerpBreedte = 960.0;
constexpr Double ontwerpHoogte = 600.0;
constexpr Double titelGrootte = 24.0;
constexpr Double asTitelGrootte = 17.0;
constexpr Double schaalGrootte = 14.0; // also the legend's, the smallest text
constexpr Double stapDb = 10.0;

struct Gebied {
  Double s = 1.0;
  Double t = 1.0; // of the text and the margins that hold it, see tekstSchaal
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
  const Double t = g.t;
  frequentieRaster(g.linksBoven, g.rechtsOnder, s, t, schaalGrootte, vormen);
  const auto lijnen = static_cast<Int>((spectrumBovenDb - spectrumOnderDb) / stapDb);
  const Int yStap = schaalStap(g.y(-stapDb) - g.y(0.0), 1.5 * schaalGrootte * t);
  for (Int i = 0; i <= lijnen; ++i) {
    const Double dB = spectrumBovenDb - stapDb * i;
    const Double y = g.y(dB);
    vormen.emplace_back(Lijn{{g.linksBoven.x, y}, {g.rechtsOnder.x, y}, rasterKleur, 1.0 * s});
    if (i % yStap == 0) {
      const std::string tekst = dB == 0.0 ? "0" : minTeken + std::to_string(static_cast<Int>(-dB));
      vormen.emplace_back(rechteTekst({g.linksBoven.x - 10.0 * t, y + 5.0 * t}, tekst,
                                      schaalGrootte * t, Letter::gewoon, Anker::einde));
    }
  }
}

// One series, shifted by `opzij` pixels so that input and output stand
// apart; a line at or below the bottom keeps its head there.
Stelen stelen(const Gebied& g, const Spectrum& spectrum, Double opzij, Kleur kleur)
{
  const Double s = g.s;
  Stelen serie{{}, g.rechtsOnder.y, 3.0 * s, kleur, 1.5 * s, 1.0 * s};
  for (std::size_t k = 0; k < spectrum.size(); ++k) {
    const Double dB = 20.0 * std::log10(spectrum[k] / volleSchaal);
    serie.koppen.push_back({g.x(spectrumOmega(k)) + opzij, g.y(dB)});
  }
  return serie;
}

// The colour swatches go with the text beside them, so all of it takes t.
void legenda(const Gebied& g, std::vector<Vorm>& vormen)
{
  const Double t = g.t;
  Double y = g.linksBoven.y + 22.0 * t;
  for (const auto& [naam, kleur] : {std::pair{"invoer", invoerKleur}, {"uitvoer", uitvoerKleur}}) {
    const Double x = g.rechtsOnder.x - 90.0 * t;
    vormen.emplace_back(Rechthoek{{x, y - 10.0 * t}, 16.0 * t, 10.0 * t, kleur, std::nullopt, 0.0});
    vormen.emplace_back(
        rechteTekst({x + 24.0 * t, y}, naam, schaalGrootte * t, Letter::gewoon, Anker::begin));
    y += 22.0 * t;
  }
}

} // namespace

Figuur spectrumGrafiek(const Spectrum& invoer, const Spectrum& uitvoer, Grootte grootte,
                       std::optional<UInt32> gekozen)
{
  const Double s = schaalVoor(grootte, ontwerpBreedte, ontwerpHoogte);
  const Double b = grootte.breedte;
  const Double h = grootte.hoogte;
  const Double t = tekstSchaal(s, schaalGrootte);
  const Gebied g{s, t, {95.0 * t, 70.0 * t}, {b - 40.0 * t, h - 85.0 * t}};
  Figuur figuur;
  figuur.breedte = grootte.breedte;
  figuur.hoogte = grootte.hoogte;
  auto& vormen = figuur.vormen;

  raster(g, vormen);
  figuur.gegevens = Gegevens{vormen.size(), 0};
  if (const auto omega = gekozen ? hoekFrequentie(*gekozen) : std::nullopt) {
    const Double x = g.x(*omega);
    vormen.emplace_back(Lijn{{x, g.linksBoven.y}, {x, g.rechtsOnder.y}, merkKleur, 1.5 * s});
  }
  const Double opzij = 2.0 * s;
  vormen.emplace_back(stelen(g, invoer, -opzij, invoerKleur));
  vormen.emplace_back(stelen(g, uitvoer, opzij, uitvoerKleur));
  figuur.gegevens->tot = vormen.size();
  kader(g.linksBoven, g.rechtsOnder, 1.2 * s, vormen);
  legenda(g, vormen);

  const Double midden = (g.linksBoven.x + g.rechtsOnder.x) / 2;
  const Double ruimte = 2.0 * std::min(midden, b - midden) - 20.0 * t;
  const std::string titel = spectrumTitel;
  vormen.emplace_back(rechteTekst({midden, 42.0 * t}, titel,
                                  titelLetter(titel, titelGrootte, t, ruimte), Letter::vet));
  vormen.emplace_back(
      rechteTekst({midden, h - 22.0 * t}, "Ω (rad/sample)", asTitelGrootte * t, Letter::gewoon));
  // The y axis's long title fitted to the plot's height, and moved up or
  // down from the plot area's middle where it would stick out.
  const std::string asTitel = "Amplitude (dB t.o.v. 32768)";
  const Double asLetter = titelLetter(asTitel, asTitelGrootte, t, h - 20.0 * t);
  const Double helft = tekstBreedte(asTitel, asLetter, false) / 2;
  const Double asMidden =
      std::max(helft, std::min((g.linksBoven.y + g.rechtsOnder.y) / 2, h - helft));
  vormen.emplace_back(staandeTekst({32.0 * t, asMidden}, asTitel, asLetter));
  return figuur;
}
