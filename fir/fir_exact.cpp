// The FIR's output in exact arithmetic, and how far the engine's 16-bit output lies from it.
// SPDX-License-Identifier: MIT
#include "fir_exact.h"

#include "fir.h"
#include "testsignaal.h"

#include <algorithm>
#include <cmath>
#include <vector>

void firExactSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::span<Double> exact)
{
  std::vector<Double> s(exact.size());
  for (std::size_t n = 0; n < s.size(); ++n) {
    s[n] = testSignaalWaarde(keuze, amplitude, hoekFreq, n);
  }
  for (std::size_t n = 0; n < exact.size(); ++n) {
    Double som = 0.0;
    for (std::size_t k = 0; k < FilterLengte && k <= n; ++k) {
      som += firCoefficienten[k] / q15Eenheid * s[n - k];
    }
    exact[n] = som;
  }
}

FirAfwijking firAfwijking(std::span<const Double> exact, std::span<const Int16> signaal,
                          std::span<const Int16> gefilterd)
{
  const std::size_t aantal = std::min({exact.size(), signaal.size(), gefilterd.size()});
  std::vector<Int64> geschoven(aantal);
  firGeschovenSommen(signaal.first(aantal), geschoven);
  FirAfwijking afwijking;
  Double som = 0.0;
  std::size_t geteld = 0;
  for (std::size_t n = 0; n < aantal; ++n) {
    if (wordtVerzadigd(geschoven[n])) {
      ++afwijking.verzadigd;
      continue;
    }
    const Double verschil = gefilterd[n] - exact[n];
    afwijking.grootsteAfwijking = std::max(afwijking.grootsteAfwijking, std::abs(verschil));
    som += verschil;
    ++geteld;
  }
  if (geteld > 0) {
    afwijking.gemiddeldeAfwijking = som / static_cast<Double>(geteld);
  }
  return afwijking;
}
