// The amplitude spectrum of one block by a direct DFT.
// SPDX-License-Identifier: MIT
#include "spectrum.h"

#include <complex>
#include <numbers>

namespace {

using Tabel = std::array<std::complex<Double>, BlokLengte>;

Tabel draaiFactoren()
{
  Tabel tabel{};
  for (std::size_t m = 0; m < BlokLengte; ++m) {
    tabel[m] = std::polar(1.0, -spectrumOmega(m));
  }
  return tabel;
}

} // namespace

Double spectrumOmega(std::size_t k)
{
  return 2.0 * std::numbers::pi * static_cast<Double>(k) / static_cast<Double>(BlokLengte);
}

Spectrum amplitudeSpectrum(std::span<const Double, BlokLengte> monsters)
{
  static const Tabel draai = draaiFactoren();
  Spectrum spectrum{};
  for (std::size_t k = 0; k < spectrumLijnen; ++k) {
    std::complex<Double> som = 0.0;
    for (std::size_t n = 0; n < BlokLengte; ++n) {
      som += monsters[n] * draai[(k * n) % BlokLengte];
    }
    const bool rand = k == 0 || k == spectrumLijnen - 1;
    spectrum[k] = std::abs(som) * (rand ? 1.0 : 2.0) / static_cast<Double>(BlokLengte);
  }
  return spectrum;
}
