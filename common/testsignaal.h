// The four test signals, built into one block of samples.
#pragma once

#include "algdef.h"
#include "signaal.h"

#include <array>
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

// cos(n * hoekFreq) for n = 0..127: the 128 cosines of one cycle. n * hoekFreq
// is exact: n < 2^7 and a Float has a 24-bit significand.
inline std::array<Double, BlokLengte> cosinussen(Float hoekFreq)
{
  const Double omega = hoekFreq;
  std::array<Double, BlokLengte> c{};
  for (UInt32 n = 0; n < BlokLengte; ++n) {
    c[n] = std::cos(static_cast<Double>(n) * omega);
  }
  return c;
}

// Fills `signaal` with test signal `keuze` of peak value `amplitude` at the
// angular frequency `hoekFreq` (radians per sample). An index that names no
// signal writes nothing, so the block keeps what it held.
template <typename Monster>
void bouwTestSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, SignaalBlok<Monster>& signaal)
{
  const Double a = amplitude;
  switch (keuze) {
  case cosinus: {
    const auto c = cosinussen(hoekFreq);
    for (UInt32 n = 0; n < BlokLengte; ++n) {
      signaal[n] = alsMonster<Monster>(c[n] * a);
    }
    break;
  }
  case blokgolf: {
    const auto c = cosinussen(hoekFreq);
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
