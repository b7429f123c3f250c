// The magnitude response of a program's filter as numbers.
// SPDX-License-Identifier: MIT
#include "respons.h"

#include "frequenties.h"

#include <cmath>
#include <numbers>

Respons berekenRespons(VersterkingVan versterking, std::optional<UInt32> punten)
{
  Respons respons;
  const auto voegToe = [&](std::optional<UInt32> keuze, Double factor, Double omega) {
    respons.push_back({keuze, factor, omega, versterking(omega)});
  };
  if (!punten) {
    for (UInt32 i = 0; i < frequentieFactoren.size(); ++i) {
      voegToe(i, frequentieFactoren[i], *hoekFrequentie(i));
    }
    return respons;
  }
  for (UInt32 i = 0; i < *punten; ++i) {
    const Double factor = static_cast<Double>(i) / static_cast<Double>(*punten - 1);
    voegToe(std::nullopt, factor, std::numbers::pi * factor);
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
