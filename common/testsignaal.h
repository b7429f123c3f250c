// The four test signals, built into one block of samples.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "signaal.h"

#include <array>
#include <cmath>
#include <span>
#include <string_view>

// Index of the signal choice; the order is that of the items of the window's
// radio box.
enum SignaalSoort : UInt32 {
  cosinus = 0,
  blokgolf = 1,
  impulsfunktie = 2,
  stapfunktie = 3,
};

inline constexpr std::array<std::string_view, 4> signaalNamen = {"cosinus", "blokgolf",
                                                                 "impulsfunktie", "stapfunktie"};

// The largest amplitude the user can set: one more than the largest Int16, so
// that an Int16 square wave of full amplitude reaches -32768.
inline constexpr UInt32 maxAmplitude = 32768;

// Where the impulse stands and the step begins: a quarter of the block.
inline constexpr std::size_t impulsPositie = 32;

// Only the cosine and the square wave have a frequency; the impulse and the
// step ignore it.
constexpr bool gebruiktFrequentie(UInt32 keuze)
{
  return keuze == cosinus || keuze == blokgolf;
}

// Sample n of test signal `keuze` of peak value `amplitude` at the angular
// frequency `hoekFreq` (radians per sample) as a real number, before it
// becomes a sample: A·cos(n·Ω) for the cosine, +A where cos(n·Ω) > 0 and −A
// elsewhere for the square wave (a cosine of exactly 0, or NaN, counts as not
// positive), A at n = 32 for the impulse, A from n = 32 for the step, and 0
// elsewhere. cos is taken of n·Ω in Double: exact while n < 2^29 (a Float has
// a 24-bit significand, a Double 53). An index that names no signal gives 0.
inline Double testSignaalWaarde(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::size_t n)
{
  const Double a = amplitude;
  const auto cosinusVan = [&] { return std::cos(static_cast<Double>(n) * Double{hoekFreq}); };
  switch (keuze) {
  case cosinus:
    return cosinusVan() * a;
  case blokgolf:
    return cosinusVan() > 0.0 ? a : -a;
  case impulsfunktie:
    return n == impulsPositie ? a : 0.0;
  case stapfunktie:
    return n < impulsPositie ? 0.0 : a;
  default:
    return 0.0;
  }
}

// Fills `signaal`, of any length, with test signal `keuze`: sample n is
// testSignaalWaarde(n) as the program's sample type stores it. An index that
// names no signal writes nothing, so the samples keep what they held.
template <typename Monster>
void bouwTestSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::span<Monster> signaal)
{
  if (keuze >= signaalNamen.size()) {
    return;
  }
  for (std::size_t n = 0; n < signaal.size(); ++n) {
    signaal[n] = alsMonster<Monster>(testSignaalWaarde(keuze, amplitude, hoekFreq, n));
  }
}

// The same for one block of 128 samples.
template <typename Monster>
void bouwTestSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, SignaalBlok<Monster>& signaal)
{
  bouwTestSignaal(keuze, amplitude, hoekFreq, std::span<Monster>(signaal));
}
