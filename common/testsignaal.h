// The four test signals, built into one block of samples.
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

// Fills `signaal`, of any length, with test signal `keuze` of peak value
// `amplitude` at the angular frequency `hoekFreq` (radians per sample), sample
// n by the same rule for every n: cos(n * hoekFreq) in Double, the impulse at
// n = 32, the step from n = 32. n * hoekFreq stays exact while n < 2^29 (a
// Float has a 24-bit significand, a Double 53). An index that names no signal
// writes nothing, so the samples keep what they held.
template <typename Monster>
void bouwTestSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::span<Monster> signaal)
{
  const Double a = amplitude;
  const Double omega = hoekFreq;
  const auto cosinusVan = [omega](std::size_t n) {
    return std::cos(static_cast<Double>(n) * omega);
  };
  switch (keuze) {
  case cosinus:
    for (std::size_t n = 0; n < signaal.size(); ++n) {
      signaal[n] = alsMonster<Monster>(cosinusVan(n) * a);
    }
    break;
  case blokgolf: {
    const Monster positief = alsMonster<Monster>(a);
    const Monster negatief = alsMonster<Monster>(-a);
    for (std::size_t n = 0; n < signaal.size(); ++n) {
      // A cosine of exactly 0, or NaN, counts as not positive.
      signaal[n] = cosinusVan(n) > 0.0 ? positief : negatief;
    }
    break;
  }
  case impulsfunktie:
    for (std::size_t n = 0; n < signaal.size(); ++n) {
      signaal[n] = n == impulsPositie ? alsMonster<Monster>(a) : Monster{0};
    }
    break;
  case stapfunktie:
    for (std::size_t n = 0; n < signaal.size(); ++n) {
      signaal[n] = n < impulsPositie ? Monster{0} : alsMonster<Monster>(a);
    }
    break;
  default:
    break;
  }
}

// The same for one block of 128 samples.
template <typename Monster>
void bouwTestSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, SignaalBlok<Monster>& signaal)
{
  bouwTestSignaal(keuze, amplitude, hoekFreq, std::span<Monster>(signaal));
}
