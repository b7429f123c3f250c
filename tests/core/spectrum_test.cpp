// amplitudeSpectrum against a direct DFT in long double of random blocks.
// SPDX-License-Identifier: MIT
#include "spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

// |X[k]|·2/128, or /128 at k = 0 and 64, each twiddle factor from its own
// angle 2π·k·n/128 in long double.
long double direct(const std::array<Double, BlokLengte>& x, std::size_t k)
{
  long double re = 0.0L;
  long double im = 0.0L;
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    const long double hoek = 2.0L * std::numbers::pi_v<long double> *
                             static_cast<long double>(k * n) / static_cast<long double>(BlokLengte);
    re += x[n] * std::cos(hoek);
    im -= x[n] * std::sin(hoek);
  }
  const long double schaal = k == 0 || k == BlokLengte / 2 ? 1.0L : 2.0L;
  return std::hypot(re, im) * schaal / static_cast<long double>(BlokLengte);
}

TEST(AmplitudeSpectrum, IsDeDirecteDftVanWillekeurigeBlokken)
{
  std::mt19937_64 toeval(20261208);
  for (const Double bereik : {1.0, 32768.0, 1e-3}) {
    std::uniform_real_distribution<Double> monster(-bereik, bereik);
    for (int blok = 0; blok < 4; ++blok) {
      std::array<Double, BlokLengte> x{};
      for (Double& v : x) {
        v = monster(toeval);
      }
      const Spectrum s = amplitudeSpectrum(std::span<const Double, BlokLengte>(x));
      for (std::size_t k = 0; k < spectrumLijnen; ++k) {
        // 128 products summed in Double: a few times 128·eps of the block's size.
        EXPECT_NEAR(s[k], static_cast<Double>(direct(x, k)), 1e-13 * bereik)
            << "bereik " << bereik << ", blok " << blok << ", k " << k;
      }
    }
  }
}

} // namespace
