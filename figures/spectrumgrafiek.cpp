// The amplitude spectra of a cycle's input and output as a plot.
// SPDX-License-Identifier: MIT
#include "spectrumgrafiek.h"

#include "frequenties.h"
#include "getaltekst.h"
#include "grafiekhulp.h"
#include "grafiekkader.h"
#include "tekening.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

Double inDbfs(Double lijn)
{
  return 20.0 * std::log10(lijn / volleSchaal);
}

struct Gebied {
  Double bovenDb = 0.0; // the scale's top
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
    const Double binnen = std::clamp(dB, spectrumOnderDb, bovenDb);
    return linksBoven.y +
           (bovenDb - binnen) / (bovenDb - spectrumOnderDb) * (rechtsOnder.y - linksBoven.y);
  }
};

void raster(const Gebied& g, std::vector<Vorm>& vormen)
{
  frequentieRaster(g.linksBoven, g.rechtsOnder, g.s, g.t, schaalGrootte, vormen);
  decibelRaster(g.linksBoven, g.rechtsOnder, g.bovenDb, spectrumOnderDb, g.s, g.t, vormen);
}

// One series, shifted by `opzij` pixels so that input and output stand
// apart; a line at or below the bottom keeps its head there.
Stelen stelen(const Gebied& g, const Spectrum& spectrum, Double opzij, Kleur kleur)
{
  const Double s = g.s;
  Stelen serie{{}, g.rechtsOnder.y, 3.0 * s, kleur, 1.5 * s, 1.0 * s};
  for (std::size_t k = 0; k < spectrum.size(); ++k) {
    serie.koppen.push_back({g.x(spectrumOmega(k)) + opzij, g.y(inDbfs(spectrum[k]))});
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

Double spectrumBovenDb(const Spectrum& invoer, const Spectrum& uitvoer)
{
  const Double grootste = std::max(*std::max_element(invoer.begin(), invoer.end()),
                                   *std::max_element(uitvoer.begin(), uitvoer.end()));
  return std::max(0.0, stapDb * std::ceil(inDbfs(grootste) / stapDb));
}

Figuur spectrumGrafiek(const Spectrum& invoer, const Spectrum& uitvoer, Grootte grootte,
                       std::optional<UInt32> gekozen)
{
  const Double s = schaalVoor(grootte, ontwerpBreedte, ontwerpHoogte);
  const Double b = grootte.breedte;
  const Double h = grootte.hoogte;
  const Double t = tekstSchaal(s, schaalGrootte);
  const Gebied g{
      spectrumBovenDb(invoer, uitvoer), s, t, {95.0 * t, 70.0 * t}, {b - 40.0 * t, h - 85.0 * t}};
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

  zetTitel(spectrumTitel, (g.linksBoven.x + g.rechtsOnder.x) / 2, t, grootte, vormen);
  zetAsTitels("Amplitude (dB t.o.v. 32768)", g.linksBoven, g.rechtsOnder, t, grootte, vormen);
  return figuur;
}
