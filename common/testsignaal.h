// The four test signals, built into one block of samples.
#pragma once

#include "algdef.h"
#include "frequenties.h"
#include "signaal.h"

#include <array>
#include <bit>
#include <cmath>
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

using CosinusBlok = std::array<Double, BlokLengte>;

// cos(n * hoekFreq) for n = 0..127. n * hoekFreq is exact: n < 2^7 and a
// Float has a 24-bit significand.
inline void berekenCosinussen(Float hoekFreq, CosinusBlok& cosinussen)
{
  const Double omega = hoekFreq;
  for (UInt32 n = 0; n < BlokLengte; ++n) {
    cosinussen[n] = std::cos(static_cast<Double>(n) * omega);
  }
}

// The cosines of the eight frequencies of the choice, computed once: every
// cycle at one of them then costs no cosine at all. Nothing for any other
// frequency.
inline const CosinusBlok* vasteCosinussen(Float hoekFreq)
{
  static const auto tabellen = [] {
    std::array<CosinusBlok, frequentieFactoren.size()> t{};
    for (UInt32 i = 0; i < t.size(); ++i) {
      berekenCosinussen(*hoekFrequentie(i), t[i]);
    }
    return t;
  }();
  for (UInt32 i = 0; i < tabellen.size(); ++i) {
    if (std::bit_cast<UInt32>(*hoekFrequentie(i)) == std::bit_cast<UInt32>(hoekFreq)) {
      return &tabellen[i];
    }
  }
  return nullptr;
}

// Fills `signaal` with test signal `keuze` of peak value `amplitude` at the
// angular frequency `hoekFreq` (radians per sample). An index that names no
// signal writes nothing, so the block keeps what it held.
template <typename Monster>
void bouwTestSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, SignaalBlok<Monster>& signaal)
{
  const Double a = amplitude;
  CosinusBlok eigen{}; // used only for a frequency outside the choice
  const auto cosinussen = [hoekFreq, &eigen]() -> const CosinusBlok& {
    if (const CosinusBlok* vast = vasteCosinussen(hoekFreq)) {
      return *vast;
    }
    berekenCosinussen(hoekFreq, eigen);
    return eigen;
  };

  switch (keuze) {
  case cosinus: {
    const CosinusBlok& c = cosinussen();
    for (UInt32 n = 0; n < BlokLengte; ++n) {
      signaal[n] = alsMonster<Monster>(c[n] * a);
    }
    break;
  }
  case blokgolf: {
    const CosinusBlok& c = cosinussen();
    const Monster positief = alsMonster<Monster>(a);
    const Monster negatief = alsMonster<Monster>(-a);
    for (UInt32 n = 0; n < BlokLengte; ++n) {
      // A cosine of exactly 0, or NaN, counts as not positive.
      signaal[n] = c[n] > 0.0 ? positief : negatief;
    }
    break;
  }
  case impulsfunktie:
    signaal.fill(Monster{0});
    signaal[impulsPositie] = alsMonster<Monster>(a);
    break;
  case stapfunktie:
    for (std::size_t n = 0; n < BlokLengte; ++n) {
      signaal[n] = n < impulsPositie ? Monster{0} : alsMonster<Monster>(a);
    }
    break;
  default:
    break;
  }
}
