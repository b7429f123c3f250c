// The same arithmetic as firFilterMonster, sixteen outputs at a time: the
// outputs for a run of samples in a working window, the taps in window order,
// the sum in two halves that are each exact in 32 bits. Internal to the engine.
// SPDX-License-Identifier: MIT
#pragma once

#include "fir.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace fir_kern {

// The dot product runs over 64 taps, a multiple of the vector width: the 61
// taps are padded with zeros in front, which weigh whatever they meet by 0.
inline constexpr std::size_t VulTaps = 3;
inline constexpr std::size_t RekenLengte = VulTaps + FilterLengte; // 64
inline constexpr std::size_t HelftLengte = RekenLengte / 2;
static_assert(RekenLengte % 16 == 0);

// The taps in window order, oldest sample first, after the padding.
inline constexpr std::array<Int16, RekenLengte> rekenTaps = [] {
  std::array<Int16, RekenLengte> r{};
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    r[RekenLengte - 1 - k] = firCoefficienten[k];
  }
  return r;
}();

// Each half of the taps sums to less than 2^31 in magnitude at full scale, so
// its 2.30 products add up exactly in Int32; the two halves meet in Int64.
constexpr bool helftPastIn32Bit(std::size_t begin)
{
  Int64 som = 0;
  for (std::size_t k = begin; k < begin + HelftLengte; ++k) {
    som += (rekenTaps[k] < 0 ? -Int64{rekenTaps[k]} : Int64{rekenTaps[k]}) * 32768;
  }
  return som <= std::numeric_limits<Int32>::max();
}
static_assert(helftPastIn32Bit(0) && helftPastIn32Bit(HelftLengte),
              "each partial sum of the taps must fit in 32 bits");

// No tap is -32768, so two products of a pair never sum beyond 2^31 either.
static_assert(std::find(rekenTaps.begin(), rekenTaps.end(), Int16{-32768}) == rekenTaps.end());

// The exact sum of products to one 1.15 sample: an arithmetic shift, which
// rounds toward minus infinity (floor(acc / 2^15)), then saturation.
inline Int16 naarQ15(Int64 acc)
{
  return verzadig16(geschovenSom(acc));
}

// The two exact half sums to one 1.15 sample.
inline Int16 naarUitgang(Int32 eersteHelft, Int32 tweedeHelft)
{
  return naarQ15(Int64{eersteHelft} + tweedeHelft);
}

// Output n of `aantal` is the taps over venster[n .. n + 63]; the window holds
// the padding, the 60 samples before the run, and the run.
void uitgangenBasis(const Int16* venster, Int16* uitvoer, std::size_t aantal);

using Kern = void (*)(const Int16* venster, Int16* uitvoer, std::size_t aantal);

// The same with AVX2, sixteen outputs at a time; only for a processor that has
// AVX2 (see rekenkern.h). nullptr where the build has no AVX2 variant.
#if defined(__x86_64__)
void uitgangenAvx2(const Int16* venster, Int16* uitvoer, std::size_t aantal);
inline constexpr Kern avx2Uitgangen = uitgangenAvx2;
#else
inline constexpr Kern avx2Uitgangen = nullptr;
#endif

} // namespace fir_kern
