// The FIR filter's zeros and poles.
// SPDX-License-Identifier: MIT
#include "fir_wortels.h"

#include "fir.h"

#include <array>

NullenEnPolen firNullenEnPolen()
{
  std::array<Double, FilterLengte> taps{};
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    taps[k] = firCoefficienten[k];
  }
  // Found once: the taps never change.
  static const std::vector<Wortel> nullen = veeltermWortels(taps);
  return {nullen, std::vector<Wortel>(FilterLengte - 1, Wortel{0.0})};
}
