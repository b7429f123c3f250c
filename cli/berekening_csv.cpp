// How one output comes about, written as CSV.
// SPDX-License-Identifier: MIT
#include "berekening_csv.h"

#include "getaltekst.h"

namespace {

std::string celTekst(const BerekeningCel& cel)
{
  if (const auto* geheel = std::get_if<Int64>(&cel)) {
    return std::to_string(*geheel);
  }
  if (const auto* reeel = std::get_if<Double>(&cel)) {
    return kortsteTekst(*reeel);
  }
  return {};
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
