#include "fir_exact.h"

#include "fir.h"
#include "testsignaal.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

FirAfwijking firAfwijking(std::span<const Double> exact, std::span<const Int16> gefilterd)
{
  // The engine rounds down, so an exact value x fits 16 bits exactly when
  // floor(x) does: −32768 <= x < 32768. Just above 32767 (32767,21, say) it
  // still gives 32767 by rounding alone, and nothing was cut off.
  constexpr Double kleinste = std::numeric_limits<Int16>::min();
  constexpr Double voorbij = Double{std::numeric_limits<Int16>::max()} + 1.0;
  FirAfwijking afwijking;
  Double som = 0.0;
  std::size_t geteld = 0;
  for (std::size_t n = 0; n < std::min(exact.size(), gefilterd.size()); ++n) {
    if (exact[n] < kleinste || exact[n] >= voorbij) {
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
