// 61-tap linear-phase FIR low-pass in signed 16-bit integer arithmetic:
//
//   y[n] = sat16( floor( (h[0]·x[n] + h[1]·x[n-1] + ... + h[60]·x[n-60]) / 2^15 ) )
//
// Samples x, y and taps h are 1.15 (Q15) numbers. Each product h[k]·x[n-k] is
// exact in 2.30 (32 bits); the 61 products are summed exactly in 64 bits (guard
// bits: the sum can reach 67027 · 32768 > 2^31). The sum is shifted right by 15,
// which rounds toward minus infinity, and saturated to -32768..32767 (1.15).
// Samples before the last reset count as 0.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <algorithm>
#include <array>
#include <complex>
#include <cstddef>
#include <limits>
#include <span>

inline constexpr std::size_t FilterLengte = 61;

// A Q15 number q stands for q / 2^15: a tap weighs h[k] / q15Eenheid.
inline constexpr Double q15Eenheid = 32768.0;

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

// The sum of products shifted back to the sample scale: floor(acc / 2^15),
// an arithmetic shift, before saturation.
inline Int64 geschovenSom(Int64 acc)
{
  return acc >> 15;
}

// Whether a shifted sum lies outside −32768..32767, so that saturation cuts
// it off.
inline bool wordtVerzadigd(Int64 geschoven)
{
  return geschoven < std::numeric_limits<Int16>::min() ||
         geschoven > std::numeric_limits<Int16>::max();
}

// A shifted sum to a 1.15 sample: saturated to −32768..32767.
inline Int16 verzadig16(Int64 geschoven)
{
  return static_cast<Int16>(std::clamp<Int64>(geschoven, std::numeric_limits<Int16>::min(),
                                              std::numeric_limits<Int16>::max()));
}

// Clears the delay line: the next sample is filtered as if all earlier ones
// were 0.
void firReset();

// One sample in, one sample out, through the delay line: the filter as the sum
// above defines it, and the reference that firFilterBlok equals bit for bit.
Int16 firFilterMonster(Int16 x);

// firFilterMonster for `aantal` samples in a row, with the same results and
// the same delay line afterwards (a long signal can be fed in pieces), faster.
void firFilterBlok(const Int16* invoer, Int16* uitvoer, std::size_t aantal);

// One block from a cleared delay line, so every call stands on its own.
void firFilterSignaal(const Int16* signaal, Int16* sigGefilterd, std::size_t aantal);

// The shifted sum geschovenSom of every output of `signaal` filtered from a
// cleared delay line, as the engine forms it before saturation: what tells a
// saturated output. Leaves the engine's delay line alone.
void firGeschovenSommen(std::span<const Int16> signaal, std::span<Int64> geschoven);

// |H(e^jw)| of the taps, with the Q15 scale: 1.0 is unity gain.
Double firVersterking(Double omega);

// H(e^jw) itself, with the same scale.
std::complex<Double> firOverdracht(Double omega);

// The group delay of the taps in samples: 30 at every frequency where the
// gain is not 0, since the taps are symmetric.
Double firGroepslooptijd(Double omega);
