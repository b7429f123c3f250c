// How one output comes about, written as CSV.
// SPDX-License-Identifier: MIT
#include "berekening_csv.h"

#include "getaltekst.h"

namespace {

std::string celTekst(const BerekeningCel& cel)
{
  switch (cel.soort) {
  case BerekeningCel::Soort::geheel:
    return std::to_string(cel.geheel);
  case BerekeningCel::Soort::reeel:
    return kortsteTekst(cel.reeel);
  default:
    return {};
  }
}

std::string regel(const auto& velden, auto tekstVan)
{
  std::string tekst;
  for (std::size_t i = 0; i < velden.size(); ++i) {
    tekst += (i > 0 ? "," : "") + tekstVan(velden[i]);
  }
  return tekst + "\n";
}

} // namespace

std::string berekeningCsv(const Berekening& berekening)
{
  std::string csv = regel(berekening.kolommen, [](const std::string& naam) { return naam; });
  for (const BerekeningRij& rij : berekening.rijen) {
    csv += regel(rij.cellen, celTekst);
  }
  return csv;
}
