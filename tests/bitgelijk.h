// Bit-for-bit comparison of doubles, for the tests and the fuzz targets.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <span>

// The same 64 bits.
inline bool zelfdeBits(Double a, Double b)
{
  return std::bit_cast<UInt64>(a) == std::bit_cast<UInt64>(b);
}

inline bool zelfdeBits(std::span<const Double> p, std::span<const Double> q)
{
  return std::equal(p.begin(), p.end(), q.begin(), q.end(),
                    [](Double a, Double b) { return zelfdeBits(a, b); });
}

// The same bits, or both NaN: which NaN an operation passes on depends on the
// order the compiler gives the operands of a product, which IEEE 754 leaves
// open.
inline bool bitGelijk(Double a, Double b)
{
  return zelfdeBits(a, b) || (std::isnan(a) && std::isnan(b));
}
