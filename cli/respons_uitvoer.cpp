// The magnitude response as filtercyclus prints it.
// SPDX-License-Identifier: MIT
#include "respons_uitvoer.h"

#include "frequenties.h"
#include "getaltekst.h"

namespace {

std::string frequentieNaam(const ResponsPunt& punt)
{
  return punt.keuze ? std::string(frequentieLabels[*punt.keuze]) : frequentieTekst(punt.factor);
}

} // namespace

std::string responsCsv(const Respons& respons)
{
  std::string uitvoer = "frequentie,omega,versterking,dB,fase,groepslooptijd\n";
  for (const auto& punt : respons) {
    uitvoer += '"' + frequentieNaam(punt) + "\",";
    uitvoer += kortsteTekst(punt.omega) + ',' + kortsteTekst(punt.versterking) + ',' +
               kortsteTekst(inDecibel(punt.versterking)) + ',' + kortsteTekst(punt.fase) + ',' +
               kortsteTekst(punt.groepslooptijd) + '\n';
  }
  return uitvoer;
}
