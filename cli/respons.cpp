#include "respons.h"

#include "frequenties.h"
#include "getaltekst.h"

#include <cmath>
#include <numbers>

std::string frequentieTekst(Double factor)
{
  if (factor == 0.0) {
    return "DC";
  }
  return metKomma(kortsteTekst(factor)) + "*PI";
}

Respons berekenRespons(VersterkingVan versterking, std::optional<UInt32> punten)
{
  Respons respons;
  const auto voegToe = [&](std::string frequentie, Double omega) {
    respons.push_back({std::move(frequentie), omega, versterking(omega)});
  };
  if (!punten) {
    for (UInt32 i = 0; i < frequentieFactoren.size(); ++i) {
      voegToe(std::string(frequentieLabels[i]), *hoekFrequentie(i));
    }
    return respons;
  }
  for (UInt32 i = 0; i < *punten; ++i) {
    const Double factor = static_cast<Double>(i) / static_cast<Double>(*punten - 1);
    voegToe(frequentieTekst(factor), std::numbers::pi * factor);
  }
  return respons;
}

void voegFaseToe(Respons& respons, OverdrachtVan overdracht, LooptijdVan looptijd)
{
  std::vector<Double> omegas;
  for (const auto& punt : respons) {
    omegas.push_back(punt.omega);
  }
  const auto fasen = ontvouwdeFase(overdracht, omegas);
  for (std::size_t i = 0; i < respons.size(); ++i) {
    respons[i].fase = fasen[i];
    respons[i].groepslooptijd = looptijd(respons[i].omega);
  }
}

Double inDecibel(Double versterking)
{
  return 20.0 * std::log10(versterking);
}

std::string responsCsv(const Respons& respons)
{
  std::string uitvoer = "frequentie,omega,versterking,dB,fase,groepslooptijd\n";
  for (const auto& punt : respons) {
    uitvoer += '"' + punt.frequentie + "\",";
    uitvoer += kortsteTekst(punt.omega) + ',' + kortsteTekst(punt.versterking) + ',' +
               kortsteTekst(inDecibel(punt.versterking)) + ',' + kortsteTekst(punt.fase) + ',' +
               kortsteTekst(punt.groepslooptijd) + '\n';
  }
  return uitvoer;
}
