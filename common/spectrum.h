// The amplitude spectrum of one block of 128 samples: a direct DFT with a
// rectangular window,
//
//   X[k] = Σ_{n=0..127} x[n]·e^(−j·2π·k·n/128),   k = 0 .. 64, Ω_k = 2π·k/128,
//
// scaled so that a cosine of amplitude A on bin k shows A:
//
//   S[k] = |X[k]|·2/128 for 0 < k < 64,   S[k] = |X[k]|/128 for k = 0 and 64.
//
// Samples and S are Double, in the samples' units. The twiddle factor of
// k·n is read from one table of e^(−j·2π·m/128) at m = k·n mod 128, so no
// angle grows with k·n; the sum runs over n in order.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "signaal.h"

#include <array>
#include <cstddef>
#include <span>

inline constexpr std::size_t spectrumLijnen = BlokLengte / 2 + 1;

using Spectrum = std::array<Double, spectrumLijnen>;

// Ω_k in radians per sample.
Double spectrumOmega(std::size_t k);

Spectrum amplitudeSpectrum(std::span<const Double, BlokLengte> monsters);

// The same for a block of any sample type, each sample taken as its value.
template <typename Monster>
Spectrum amplitudeSpectrum(const SignaalBlok<Monster>& blok)
{
  std::array<Double, BlokLengte> monsters{};
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    monsters[n] = static_cast<Double>(blok[n]);
  }
  return amplitudeSpectrum(std::span<const Double, BlokLengte>(monsters));
}
