// The four test signals against their definitions.
// SPDX-License-Identifier: MIT
#include "frequenties.h"
#include "signaal.h"
#include "testsignaal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr Float pi01 = hoekFrequentieVan(0.1);

template <typename Monster>
SignaalBlok<Monster> bouw(UInt32 keuze, UInt32 amplitude, Float hoekFreq)
{
  SignaalBlok<Monster> signaal{};
  bouwTestSignaal(keuze, amplitude, hoekFreq, signaal);
  return signaal;
}

TEST(Frequenties, BitPatronenVanDeKeuze)
{
  const UInt32 verwacht[] = {0x00000000, 0x3E20D97C, 0x3EA0D97C, 0x3F20D97C,
                             0x3FA0D97C, 0x3FF1463A, 0x4020D97C, 0x4034F4AB};
  for (UInt32 i = 0; i < 8; ++i) {
    ASSERT_TRUE(hoekFrequentie(i).has_value()) << i;
    EXPECT_EQ(std::bit_cast<UInt32>(*hoekFrequentie(i)), verwacht[i]) << frequentieLabels[i];
  }
  EXPECT_EQ(std::bit_cast<UInt32>(startHoekFreq), 0x3EA0D97Cu);
}

TEST(Frequenties, LegeItemsEnGeenKeuzeGevenNiets)
{
  EXPECT_FALSE(hoekFrequentie(8));
  EXPECT_FALSE(hoekFrequentie(9));
  EXPECT_FALSE(hoekFrequentie(static_cast<UInt32>(-1)));
  EXPECT_EQ(frequentieLabels[8], "");
  EXPECT_EQ(frequentieLabels[startFrequentieKeuze], "0,1*PI");
}

TEST(NaarInt16, TrunceertNaarNulEnVerzadigt)
{
  EXPECT_EQ(naarInt16(19021.13), 19021);
  EXPECT_EQ(naarInt16(-19999.9999999999), -19999);
  EXPECT_EQ(naarInt16(-0.0004), 0);
  EXPECT_EQ(naarInt16(32767.9), 32767);
  EXPECT_EQ(naarInt16(32768.0), 32767);
  EXPECT_EQ(naarInt16(-32768.0), -32768);
  EXPECT_EQ(naarInt16(-32768.9), -32768);
  EXPECT_EQ(naarInt16(1e300), 32767);
  EXPECT_EQ(naarInt16(std::numeric_limits<Double>::infinity()), 32767);
  EXPECT_EQ(naarInt16(-std::numeric_limits<Double>::infinity()), -32768);
  EXPECT_EQ(naarInt16(std::numeric_limits<Double>::quiet_NaN()), 0);
}

TEST(TestSignaalDouble, CosinusBijDeStartwaarden)
{
  const auto s = bouw<Double>(cosinus, 8192, pi01);
  const Double verwacht[] = {8192.0, 7791.0550, 6627.4671, 4815.1366, 2531.4669, -0.0004};
  for (std::size_t n = 0; n < 6; ++n) {
    EXPECT_NEAR(s[n], verwacht[n], 5e-5) << n;
  }
  EXPECT_LT(s[5], 0.0) << "the Float lies just above 0.1*pi";
}

TEST(TestSignaalDouble, DCGeeftOveralDeAmplitude)
{
  const auto cos = bouw<Double>(cosinus, 1234, 0.0F);
  const auto blok = bouw<Double>(blokgolf, 1234, 0.0F);
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    EXPECT_EQ(cos[n], 1234.0);
    EXPECT_EQ(blok[n], 1234.0);
  }
}

TEST(TestSignaalDouble, AmplitudeNulGeeftNullen)
{
  for (UInt32 keuze = 0; keuze < 4; ++keuze) {
    for (const Double s : bouw<Double>(keuze, 0, pi01)) {
      EXPECT_EQ(s, 0.0) << signaalNamen[keuze];
    }
  }
}

TEST(TestSignaalDouble, BlokgolfHeeftDePeriodeVanDeCosinus)
{
  const auto s = bouw<Double>(blokgolf, 8192, pi01);
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    const Double verwacht = (n % 20) < 5 || (n % 20) >= 15 ? 8192.0 : -8192.0;
    EXPECT_EQ(s[n], verwacht) << n;
  }
}

TEST(TestSignaalDouble, BlokgolfBijNegenTiendePiWisseltNietSimpel)
{
  const auto s = bouw<Double>(blokgolf, 100, *hoekFrequentie(7));
  const Double verwacht[] = {100, -100, 100, -100, 100, 100, -100};
  for (std::size_t n = 0; n < 7; ++n) {
    EXPECT_EQ(s[n], verwacht[n]) << n;
  }
}

TEST(TestSignaalDouble, ImpulsEnStapBeginnenBijMonster32)
{
  const auto impuls = bouw<Double>(impulsfunktie, 777, pi01);
  const auto stap = bouw<Double>(stapfunktie, 777, pi01);
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    EXPECT_EQ(impuls[n], n == 32 ? 777.0 : 0.0) << n;
    EXPECT_EQ(stap[n], n >= 32 ? 777.0 : 0.0) << n;
  }
}

TEST(TestSignaalDouble, OnbekendeKeuzeLaatHetBlokStaan)
{
  SignaalBlok<Double> signaal;
  signaal.fill(42.0);
  bouwTestSignaal(4, 8192, pi01, signaal);
  bouwTestSignaal(static_cast<UInt32>(-1), 8192, pi01, signaal);
  for (const Double s : signaal) {
    EXPECT_EQ(s, 42.0);
  }
}

TEST(TestSignaalDouble, TweeAanroepenGevenHetzelfde)
{
  for (UInt32 keuze = 0; keuze < 4; ++keuze) {
    EXPECT_EQ(bouw<Double>(keuze, 3000, *hoekFrequentie(5)),
              bouw<Double>(keuze, 3000, *hoekFrequentie(5)));
  }
}

TEST(TestSignaalInt16, CosinusBijDeStartwaarden)
{
  const auto s = bouw<Int16>(cosinus, 20000, pi01);
  const Int16 verwacht[] = {20000, 19021, 16180, 11755, 6180, 0};
  for (std::size_t n = 0; n < 6; ++n) {
    EXPECT_EQ(s[n], verwacht[n]) << n;
  }
  EXPECT_EQ(s[10], -19999) << "truncated toward zero, not rounded";
}

// A square wave at 0,1*PI: high for the first and last five samples of
// every period of 20, low in between.
void verwachtBlokgolf(const SignaalBlok<Int16>& s, Int16 hoog, Int16 laag)
{
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    EXPECT_EQ(s[n], (n % 20) < 5 || (n % 20) >= 15 ? hoog : laag) << n;
  }
}

TEST(TestSignaalInt16, BlokgolfBijDeStartwaarden)
{
  const auto s = bouw<Int16>(blokgolf, 20000, pi01);
  verwachtBlokgolf(s, 20000, -20000);
}

// 32767 fits 16 bits exactly; +32768 does not: it saturates to +32767
// instead of wrapping.
TEST(TestSignaalInt16, GrootsteAmplitudes)
{
  for (const UInt32 amplitude : {32767U, 32768U}) {
    EXPECT_EQ(bouw<Int16>(cosinus, amplitude, pi01)[0], 32767) << amplitude;
    EXPECT_EQ(bouw<Int16>(impulsfunktie, amplitude, pi01)[32], 32767) << amplitude;
    const auto stap = bouw<Int16>(stapfunktie, amplitude, pi01);
    EXPECT_EQ(stap[31], 0) << amplitude;
    EXPECT_EQ(stap[32], 32767) << amplitude;
    EXPECT_EQ(stap[127], 32767) << amplitude;
  }
  verwachtBlokgolf(bouw<Int16>(blokgolf, 32768, pi01), 32767, -32768);
  for (const Int16 s : bouw<Int16>(cosinus, 32768, 0.0F)) {
    EXPECT_EQ(s, 32767);
  }
}

TEST(TestSignaalInt16, BlijftBinnenBereikVoorElkeAmplitude)
{
  for (UInt32 a = 0; a <= 32767; a += 977) {
    for (UInt32 f = 0; f < 8; ++f) {
      for (const Int16 s : bouw<Int16>(cosinus, a, *hoekFrequentie(f))) {
        EXPECT_LE(std::abs(s), static_cast<int>(a));
      }
    }
  }
}

// The integer samples are the double samples truncated toward zero.
TEST(TestSignaalInt16, VolgtDeDoubleMonstersAfgekapt)
{
  for (UInt32 keuze = 0; keuze < 4; ++keuze) {
    for (UInt32 f = 0; f < 8; ++f) {
      const auto d = bouw<Double>(keuze, 12345, *hoekFrequentie(f));
      const auto i = bouw<Int16>(keuze, 12345, *hoekFrequentie(f));
      for (std::size_t n = 0; n < BlokLengte; ++n) {
        EXPECT_EQ(i[n], static_cast<Int16>(std::trunc(d[n])));
      }
    }
  }
}

} // namespace
