// 61-tap linear-phase FIR low-pass in signed 16-bit integer arithmetic:
// Q15 coefficients, exact 2.30 products, a 64-bit accumulator, and the sum
// shifted back to 1.15 and saturated.
#pragma once

#include "algdef.h"

#include <array>
#include <cstddef>

inline constexpr std::size_t FilterLengte = 61;

// Tap weights in Q15: tap k weighs h[k] / 32768. Symmetric, centre tap 18017,
// sum 32775 (a DC gain of 1.0002).
// clang-format off
inline constexpr std::array<Int16, FilterLengte> firCoefficienten = {
    16,    -4,   -30,    20,    43,   -49,   -49,    93,    37,  -150,
     2,   210,   -80,  -259,   202,   276,  -371,  -236,   581,   106,
  -817,   153,  1061,  -606, -1287,  1393,  1471, -3034, -1591, 10278,
 18017, 10278, -1591, -3034,  1471,  1393, -1287,  -606,  1061,   153,
  -817,   106,   581,  -236,  -371,   276,   202,  -259,   -80,   210,
     2,  -150,    37,    93,   -49,   -49,    43,    20,   -30,    -4,
    16,
};
// clang-format on

// Clears the delay line: the next sample is filtered as if all earlier ones
// were 0.
void firReset();

// Filters `aantal` samples, carrying the delay line over from the previous
// call (a long signal can be fed in pieces).
void firFilterBlok(const Int16* invoer, Int16* uitvoer, std::size_t aantal);

// One block from a cleared delay line, so every call stands on its own.
void firFilterSignaal(const Int16* signaal, Int16* sigGefilterd, std::size_t aantal);

// |H(e^jw)| of the taps, with the Q15 scale: 1.0 is unity gain.
Double firVersterking(Double omega);
