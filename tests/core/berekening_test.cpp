// The explanation of an output ends, for every n of many cycles, in the very bits the engine gave.
// SPDX-License-Identifier: MIT
#include "bitgelijk.h"
#include "cyclus.h"
#include "fir_berekening.h"
#include "fir_exact.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "iir_berekening.h"
#include "iir_programma.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// Every signal at every frequency of the choice, at three amplitudes: 96
// cycles a program, both roundings and saturation among them.
template <typename Doe>
void elkeCyclus(std::array<UInt32, 3> amplitudes, Doe doe)
{
  for (UInt32 keuze = 0; keuze < signaalNamen.size(); ++keuze) {
    for (std::size_t f = 0; f < frequentieFactoren.size(); ++f) {
      for (const UInt32 a : amplitudes) {
        doe(keuze, a, *hoekFrequentie(static_cast<UInt32>(f)));
      }
    }
  }
}

TEST(Berekening, FirEindigtInDeUitvoerVanDeMotor)
{
  elkeCyclus({20000, 31441, 32768}, [](UInt32 keuze, UInt32 a, Float omega) {
    const auto cyclus = draaiCyclus<FIRProgramma>(keuze, static_cast<UInt16>(a), omega);
    for (std::size_t n = 0; n < BlokLengte; ++n) {
      const FirBerekening b = firBerekening(keuze, a, omega, n);
      ASSERT_EQ(b.uitvoer, cyclus.gefilterd[n]) << keuze << ' ' << a << ' ' << omega << ' ' << n;
      ASSERT_EQ(b.termen.back().som, b.som);
      // The parts add up to the whole difference.
      const Double delen = b.coefficienten + b.invoer + b.schuif + b.verzadiging;
      ASSERT_NEAR(delen, b.uitvoer - b.exact, 1e-7) << keuze << ' ' << a << ' ' << n;
      ASSERT_TRUE(b.schuif > -1.0 && b.schuif <= 0.0);
      ASSERT_EQ(b.verzadigd, b.verzadiging != 0.0 || b.geschoven != b.uitvoer);
    }
  });
}

TEST(Berekening, IirEindigtInDeUitvoerVanDeMotor)
{
  elkeCyclus({1, 8192, 32768}, [](UInt32 keuze, UInt32 a, Float omega) {
    const auto cyclus = draaiCyclus<IIRProgramma>(keuze, a, omega);
    SignaalBlok<Double> signaal{};
    bouwTestSignaal(keuze, a, omega, signaal);
    FilterIIR_Double_2 filter;
    bindFilter(filter);
    for (std::size_t n = 0; n < BlokLengte; ++n) {
      const IirBerekening b = iirBerekening(filter, signaal, n);
      ASSERT_TRUE(zelfdeBits(b.uitvoer, cyclus.gefilterd[n])) << keuze << ' ' << a << ' ' << n;
      ASSERT_EQ(b.stadia.size(), MaxSekties);
      ASSERT_TRUE(zelfdeBits(b.stadia.back().uitvoer, b.uitvoer));
      for (std::size_t s = 1; s < b.stadia.size(); ++s) { // a stage takes the one before's output
        ASSERT_TRUE(zelfdeBits(b.stadia[s].invoer, b.stadia[s - 1].uitvoer));
        ASSERT_TRUE(zelfdeBits(b.stadia[s].na->at(1), b.stadia[s].voor->at(0)));
      }
    }
  });
}

// The case and three more, the expected values from numpy over the
// engine's shifted sums (floor of the integer sum of products / 32768):
// saturated are the outputs whose shifted sum lies outside −32768..32767.
// Cosine at 0,4*PI, A = 31441: n = 35 gives 32766 against an exact 32768,19,
// not cut off, so its deviation of 2,19 counts.
struct AfwijkingGeval {
  UInt32 keuze;
  UInt32 amplitude;
  Double factor;
  UInt32 verzadigd;
  Double grootste;
  Double gemiddelde;
};

constexpr std::array afwijkingGevallen = {
    AfwijkingGeval{cosinus, 31441, 0.4, 0, 2.1916626424790593, -0.6778680485835036},
    AfwijkingGeval{blokgolf, 32768, 0.1, 58, 2.0, -0.8142857142857143},
    AfwijkingGeval{stapfunktie, 32767, 0.0, 51, 0.99993896484375, -0.22349092557832792},
    AfwijkingGeval{cosinus, 32768, 0.05, 4, 1.5242862926079397, -0.4813534414360956},
};

TEST(FIRExact, VerzadigdIsWatDeMotorAfkapte)
{
  for (const AfwijkingGeval& g : afwijkingGevallen) {
    const Float omega = hoekFrequentieVan(g.factor);
    const auto cyclus = draaiCyclus<FIRProgramma>(g.keuze, static_cast<UInt16>(g.amplitude), omega);
    std::array<Double, BlokLengte> exact{};
    firExactSignaal(g.keuze, g.amplitude, omega, exact);
    const FirAfwijking afwijking = firAfwijking(exact, cyclus.signaal, cyclus.gefilterd);
    EXPECT_EQ(afwijking.verzadigd, g.verzadigd) << g.keuze << ' ' << g.amplitude;
    EXPECT_NEAR(afwijking.grootsteAfwijking, g.grootste, 1e-6) << g.keuze << ' ' << g.amplitude;
    EXPECT_NEAR(afwijking.gemiddeldeAfwijking, g.gemiddelde, 1e-6) << g.keuze << ' ' << g.amplitude;
  }
}

} // namespace
