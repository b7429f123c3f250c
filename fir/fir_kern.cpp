// The kernels of the FIR block filter: the arithmetic of firFilterMonster,
// portable and with AVX2 sixteen outputs at a time.
// SPDX-License-Identifier: MIT
#include "fir_kern.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <cstring>

namespace fir_kern {

namespace {

Int32 halveSom(const Int16* x, const Int16* h)
{
  Int32 som = 0; // 2.30 products, exact for this half of the taps
  for (std::size_t k = 0; k < HelftLengte; ++k) {
    som += static_cast<Int32>(x[k]) * static_cast<Int32>(h[k]);
  }
  return som;
}

} // namespace

void uitgangenBasis(const Int16* venster, Int16* uitvoer, std::size_t aantal)
{
  for (std::size_t n = 0; n < aantal; ++n) {
    uitvoer[n] = naarUitgang(halveSom(venster + n, rekenTaps.data()),
                             halveSom(venster + n + HelftLengte, rekenTaps.data() + HelftLengte));
  }
}

#if defined(__x86_64__)

namespace {

constexpr std::size_t Breedte = 16; // outputs per round
constexpr std::size_t Paren = RekenLengte / 2;

// Tap pair j (taps 2j and 2j+1) in every 32-bit lane, as vpmaddwd wants it.
struct alignas(32) TapPaar {
  std::array<Int32, 8> lanen;
};

constexpr std::array<TapPaar, Paren> tapParen = [] {
  std::array<TapPaar, Paren> paren{};
  for (std::size_t j = 0; j < Paren; ++j) {
    const auto laag = static_cast<UInt16>(rekenTaps[2 * j]);
    const auto hoog = static_cast<UInt16>(rekenTaps[2 * j + 1]);
    paren[j].lanen.fill(
        static_cast<Int32>(static_cast<UInt32>(laag) | (static_cast<UInt32>(hoog) << 16U)));
  }
  return paren;
}();

// The half sums of tap pairs [begin, einde) for outputs n + 2i (even) and
// n + 2i + 1 (odd), i = 0..7.
__attribute__((target("avx2"))) inline void halveSommen(const Int16* venster, std::size_t begin,
                                                        std::size_t einde, __m256i& even,
                                                        __m256i& oneven)
{
  even = _mm256_setzero_si256();
  oneven = _mm256_setzero_si256();
  for (std::size_t j = begin; j < einde; ++j) {
    const __m256i taps = _mm256_load_si256(reinterpret_cast<const __m256i*>(&tapParen[j]));
    const auto* x = venster + 2 * j;
    const __m256i xe = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(x));
    const __m256i xo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(x + 1));
    even = _mm256_add_epi32(even, _mm256_madd_epi16(xe, taps));
    oneven = _mm256_add_epi32(oneven, _mm256_madd_epi16(xo, taps));
  }
}

// floor((a + b) / 2^15) for exact half sums a and b, in 32-bit lanes although
// a + b may not fit: with a = ah·2^15 + al (ah = a >> 15, 0 <= al < 2^15) and
// b likewise, it is ah + bh + ((al + bl) >> 15).
__attribute__((target("avx2"))) inline __m256i geschoven(__m256i a, __m256i b)
{
  const __m256i laag = _mm256_set1_epi32(0x7FFF);
  const __m256i hoog = _mm256_add_epi32(_mm256_srai_epi32(a, 15), _mm256_srai_epi32(b, 15));
  const __m256i rest = _mm256_add_epi32(_mm256_and_si256(a, laag), _mm256_and_si256(b, laag));
  return _mm256_add_epi32(hoog, _mm256_srli_epi32(rest, 15));
}

} // namespace

// Vertically: a load of 16 samples from venster + n + 2j holds, in 32-bit lane
// i, the pair that tap pair j weighs for output n + 2i; from one sample
// further on, for output n + 2i + 1. vpmaddwd multiplies and adds each pair
// exactly, and every lane accumulates one output's half sum, exact in 32 bits.
// The shifted sums are saturated to 16 bits by the pack, which also puts the
// even and odd outputs back in order.
__attribute__((target("avx2"))) void uitgangenAvx2(const Int16* venster, Int16* uitvoer,
                                                   std::size_t aantal)
{
  std::size_t n = 0;
  for (; n + Breedte <= aantal; n += Breedte) {
    __m256i evenA;
    __m256i onevenA;
    __m256i evenB;
    __m256i onevenB;
    halveSommen(venster + n, 0, Paren / 2, evenA, onevenA);
    halveSommen(venster + n, Paren / 2, Paren, evenB, onevenB);
    const __m256i even = geschoven(evenA, evenB);
    const __m256i oneven = geschoven(onevenA, onevenB);
    // Per 128-bit lane: e0 o0 e1 o1 | e4 o4 e5 o5, and e2 o2 e3 o3 | e6 o6 e7 o7;
    // packed: outputs 0..7 | 8..15.
    const __m256i uit = _mm256_packs_epi32(_mm256_unpacklo_epi32(even, oneven),
                                           _mm256_unpackhi_epi32(even, oneven));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(uitvoer + n), uit);
  }
  // The rest, and the caller, run SSE code: with the upper halves of the
  // vector registers still in use, many Intel processors make every SSE
  // instruction wait for them. GCC clears them of itself; other compilers
  // need not.
  _mm256_zeroupper();
  uitgangenBasis(venster + n, uitvoer + n, aantal - n);
}

#endif

} // namespace fir_kern
