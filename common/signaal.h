// A block of samples as the programs process it, and the conversion of a
// computed value to the sample type of a program.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

inline constexpr std::size_t BlokLengte = 128;

template <typename Monster>
using SignaalBlok = std::array<Monster, BlokLengte>;

// Double to Int16 as the FIR program stores its samples: truncation toward
// zero, then saturation. Saturating keeps +32768 (the top of the amplitude
// range) at +32767 instead of wrapping it to -32768. NaN has no sign and no
// size; it becomes 0, the value a silent sample has.
inline Int16 naarInt16(Double waarde)
{
  constexpr Double kleinste = std::numeric_limits<Int16>::min();
  constexpr Double grootste = std::numeric_limits<Int16>::max();
  if (std::isnan(waarde)) {
    return 0;
  }
  if (waarde <= kleinste) {
    return std::numeric_limits<Int16>::min();
  }
  if (waarde >= grootste) {
    return std::numeric_limits<Int16>::max();
  }
  return static_cast<Int16>(waarde); // in range: truncates toward zero
}

template <typename Monster>
Monster alsMonster(Double waarde);

template <>
inline Double alsMonster<Double>(Double waarde)
{
  return waarde;
}

template <>
inline Int16 alsMonster<Int16>(Double waarde)
{
  return naarInt16(waarde);
}
