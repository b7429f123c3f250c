// The test signal of any length, and the samples a listener hears.
// SPDX-License-Identifier: MIT
#include "fir_programma.h"
#include "frequenties.h"
#include "geluid.h"
#include "iir_programma.h"
#include "testsignaal.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

// A long signal begins with the block of a cycle, bit for bit, and follows
// the same rule far beyond it.
TEST(TestSignaalLang, BegintMetHetBlokEnGaatDoor)
{
  for (UInt32 keuze = 0; keuze < 4; ++keuze) {
    std::vector<Double> lang(20000, -1.0);
    bouwTestSignaal(keuze, 3000, *hoekFrequentie(5), std::span<Double>(lang));
    SignaalBlok<Double> blok{};
    bouwTestSignaal(keuze, 3000, *hoekFrequentie(5), blok);
    EXPECT_TRUE(std::equal(blok.begin(), blok.end(), lang.begin())) << keuze;
  }
  std::vector<Int16> impuls(20000, 5);
  std::vector<Int16> stap(20000, 5);
  std::vector<Int16> dc(20000, 5);
  bouwTestSignaal(impulsfunktie, 700, 0.0F, std::span<Int16>(impuls));
  bouwTestSignaal(stapfunktie, 700, 0.0F, std::span<Int16>(stap));
  bouwTestSignaal(cosinus, 700, 0.0F, std::span<Int16>(dc));
  EXPECT_EQ(std::count(impuls.begin(), impuls.end(), Int16{0}), 19999);
  EXPECT_EQ(impuls[32], 700);
  EXPECT_EQ(stap[31], 0);
  EXPECT_EQ(stap[19999], 700);
  EXPECT_EQ(std::count(dc.begin(), dc.end(), Int16{700}), 20000);
}

TEST(Geluid, HalveWaardeAfgerondVanNulAf)
{
  const struct {
    Double waarde;
    Int16 verwacht;
  } gevallen[] = {{3.0, 2},
                  {-3.0, -2},
                  {2.0, 1},
                  {1.0, 1},
                  {-1.0, -1},
                  {0.9, 0},
                  {-0.9, 0},
                  {39650.4, 19825},
                  {-32768.0, -16384},
                  {32767.0, 16384},
                  {1e9, 32767},
                  {-1e9, -32768},
                  {std::numeric_limits<Double>::quiet_NaN(), 0}};
  for (const auto& g : gevallen) {
    EXPECT_EQ(geluidsMonster(g.waarde), g.verwacht) << g.waarde;
  }
}

// An impulse of 2 through the FIR: floor(2·h[k] / 32768) is 1 for the centre
// tap (18017), −1 for every negative tap and 0 for the others; halved, the
// ±1 stay ±1 (ties away from zero).
TEST(Geluid, ImpulsDoorDeFirNaStilte)
{
  const auto monsters = luisterMonsters<FIRProgramma>(impulsfunktie, 2, 0.0F, 100, 7);
  ASSERT_EQ(monsters.size(), 207u);
  for (std::size_t n = 0; n < 107; ++n) {
    EXPECT_EQ(monsters[n], n == 32 ? 1 : 0) << n;
  }
  for (std::size_t n = 0; n < 100; ++n) {
    const bool tap = n >= 32 && n < 32 + FilterLengte;
    const Int16 h = tap ? firCoefficienten[n - 32] : Int16{0};
    EXPECT_EQ(monsters[107 + n], h == 18017 ? 1 : (h < 0 ? -1 : 0)) << n;
  }
  const auto iir = luisterMonsters<IIRProgramma>(stapfunktie, 10, 0.0F, 3, 2);
  EXPECT_EQ(iir, std::vector<Int16>(8, 0)) << "the step begins after the three samples";
}

} // namespace
