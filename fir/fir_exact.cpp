#include "fir_exact.h"

#include "fir.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

void firExactSignaal(const Int16* signaal, Double* exact, std::size_t aantal)
{
  for (std::size_t n = 0; n < aantal; ++n) {
    Int64 som = 0;
    for (std::size_t k = 0; k < FilterLengte && k <= n; ++k) {
      som += Int64{firCoefficienten[k]} * signaal[n - k];
    }
    exact[n] = static_cast<Double>(som) / q15Eenheid;
  }
}

FirAfwijking firAfwijking(const Int16* signaal, const Int16* gefilterd, std::size_t aantal)
{
  std::vector<Double> exact(aantal);
  firExactSignaal(signaal, exact.data(), aantal);
  constexpr Double kleinste = std::numeric_limits<Int16>::min();
  constexpr Double bovenGrens = Double{std::numeric_limits<Int16>::max()} + 1.0;
  FirAfwijking afwijking;
  for (std::size_t n = 0; n < aantal; ++n) {
    // The engine floors the sum: only a value below -32768 or from 32768 on
    // is cut off.
    if (exact[n] < kleinste || exact[n] >= bovenGrens) {
      ++afwijking.verzadigd;
    } else {
      afwijking.grootsteAfwijking =
          std::max(afwijking.grootsteAfwijking, std::abs(gefilterd[n] - exact[n]));
    }
  }
  return afwijking;
}
