// The filters' coefficients as CSV, as the engines use them.
// SPDX-License-Identifier: MIT
#include "coefficienten.h"

#include "fir.h"
#include "getaltekst.h"
#include "iir.h"

std::string firCoefficientenCsv()
{
  std::string csv = "k,h\n";
  for (std::size_t k = 0; k < firCoefficienten.size(); ++k) {
    csv += std::to_string(k) + ',' + kortsteTekst(firCoefficienten[k]) + '\n';
  }
  return csv;
}

namespace {

// Coefficient k of a section's row, or 0 beyond the section's length, as the
// cascade reads it.
Double coefficient(const Double* rij, UInt16 lengte, UInt32 k)
{
  return k < lengte ? rij[k] : 0.0;
}

} // namespace

std::string iirCoefficientenCsv()
{
  FilterIIR_Double_2 filter;
  bindFilter(filter);
  std::string csv = "sectie,b0,b1,b2,a1,a2\n";
  for (UInt32 s = 0; s < filter.aantalSekties; ++s) {
    const Double* teller = filter.filterTeller + MaxSectieLengte * s;
    const Double* noemer = filter.filterNoemer + MaxSectieLengte * s;
    csv += std::to_string(s);
    for (UInt32 k = 0; k < MaxSectieLengte; ++k) {
      csv += ',' + kortsteTekst(coefficient(teller, filter.tellerSecties[s], k));
    }
    for (UInt32 k = 1; k < MaxSectieLengte; ++k) { // a0 is 1 in every section
      csv += ',' + kortsteTekst(coefficient(noemer, filter.noemerSecties[s], k));
    }
    csv += '\n';
  }
  return csv;
}
