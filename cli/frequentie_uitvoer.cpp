// The cycle and the filter in frequency as filtercyclus writes them: spectra and roots.
// SPDX-License-Identifier: MIT
#include "frequentie_uitvoer.h"

#include "getaltekst.h"

std::string spectrumCsv(const Spectrum& invoer, const Spectrum& uitvoer)
{
  std::string csv = "k,omega,invoer,uitvoer\n";
  for (std::size_t k = 0; k < spectrumLijnen; ++k) {
    csv += std::to_string(k) + ',' + kortsteTekst(spectrumOmega(k)) + ',' +
           kortsteTekst(invoer[k]) + ',' + kortsteTekst(uitvoer[k]) + '\n';
  }
  return csv;
}

std::string polenCsv(const NullenEnPolen& np)
{
  std::string csv = "soort,re,im\n";
  for (const auto& [soort, wortels] : {std::pair{"nul", &np.nullen}, {"pool", &np.polen}}) {
    for (const Wortel& z : *wortels) {
      csv +=
          std::string(soort) + ',' + kortsteTekst(z.real()) + ',' + kortsteTekst(z.imag()) + '\n';
    }
  }
  return csv;
}
