// The window model's rules, which both shells only show: typed amplitudes,
// the frequency items, the lock, what Stop empties, a link's settings, and
// the texts beside the cycle. Expected values are worked out by hand (the
// FIR's numbers as docs/handleiding.md derives them from its coefficients).
// SPDX-License-Identifier: MIT
#include "fir_programma.h"
#include "iir_programma.h"
#include "venstermodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

using FirModel = VensterModel<FIRProgramma>;

// Typed text, starting from the FIR's start amplitude 20000.
TEST(VensterModel, GetypteAmplitude)
{
  const struct {
    const char* tekst;
    bool getal;
    UInt32 amplitude;
  } gevallen[] = {
      {"12,5", true, 13},
      {"12.5", true, 13},
      {"12,4999", true, 12},
      {"1.000", false, 20000},
      {" 40000 ", true, 32768},
      {"-5", true, 0},
      {"+7", true, 7},
      {"00042", true, 42},
      {",5", true, 1},
      {"32767,5", true, 32768},
      {"99999999999999999999", true, 32768},
      {"0,49", true, 0},
      {"abc", false, 20000},
      {"", false, 20000},
      {"1e3", false, 20000},
      {"12,5,3", false, 20000},
      {",", false, 20000},
      {"12 5", false, 20000},
  };
  for (const auto& geval : gevallen) {
    FirModel model;
    EXPECT_EQ(model.zetAmplitudeTekst(geval.tekst), geval.getal) << geval.tekst;
    EXPECT_EQ(model.instellingen().amplitude, geval.amplitude) << geval.tekst;
  }
  FirModel model;
  EXPECT_EQ(model.zetAmplitude(std::numeric_limits<Double>::quiet_NaN()), 20000);
  EXPECT_EQ(model.zetAmplitude(2.5), 3);
  EXPECT_EQ(model.zetAmplitude(-0.4), 0);
}

// The eight frequencies set it; the two empty items and any index beyond
// leave it as it was.
TEST(VensterModel, Frequentiekeuze)
{
  FirModel model;
  model.kiesFrequentie(5);
  for (const UInt32 leeg : {8U, 9U, 4000000000U}) {
    model.kiesFrequentie(leeg);
    EXPECT_EQ(model.instellingen().frequentieKeuze, 5U);
    EXPECT_EQ(model.instellingen().hoekFreq, static_cast<Float>(0.6 * std::numbers::pi));
  }
  model.kiesFrequentie(0);
  EXPECT_EQ(model.instellingen().hoekFreq, 0.0F);
}

// Which controls take input: the frequency only for the cosine and the
// square wave, nothing but Luister while a cycle is drawn.
TEST(VensterModel, Vergrendeling)
{
  using B = FirModel::Besturing;
  const auto gelijk = [](const B& a, const B& b) {
    return a.signaal == b.signaal && a.amplitude == b.amplitude && a.frequentie == b.frequentie &&
           a.luister == b.luister;
  };
  const B metFrequentie{true, true, true, false};
  const B zonderFrequentie{true, true, false, false};
  const B getekend{false, false, false, true};
  const struct {
    UInt32 signaal;
    B los;
  } gevallen[] = {{cosinus, metFrequentie},
                  {blokgolf, metFrequentie},
                  {impulsfunktie, zonderFrequentie},
                  {stapfunktie, zonderFrequentie}};
  for (const auto& geval : gevallen) {
    FirModel model;
    model.kiesSignaal(geval.signaal);
    EXPECT_TRUE(gelijk(model.besturing(), geval.los)) << geval.signaal;
    EXPECT_TRUE(model.schakel());
    EXPECT_TRUE(gelijk(model.besturing(), getekend)) << geval.signaal;
    // Locked: no event changes what the next cycle draws.
    model.kiesSignaal(geval.signaal ^ 1U);
    model.zetAmplitude(5);
    model.zetAmplitudeTekst("7");
    model.kiesFrequentie(6);
    EXPECT_EQ(model.instellingen().signaal, geval.signaal);
    EXPECT_EQ(model.instellingen().amplitude, 20000);
    EXPECT_EQ(model.instellingen().frequentieKeuze, startFrequentieKeuze);
    EXPECT_FALSE(model.schakel());
    EXPECT_TRUE(gelijk(model.besturing(), geval.los)) << geval.signaal;
  }
  FirModel model;
  model.kiesSignaal(4);
  EXPECT_EQ(model.instellingen().signaal, cosinus) << "an index that names no signal";
}

// A step of 20000 through the FIR: 0 before n = 32, then A·(h[0] + … +
// h[n − 32]) / 32768 rounded down; the first 29 taps add up to −2899, so
// n = 60 gives −1769,4 → −1770, and the impulse starts with 9 and −3.
TEST(VensterModel, GetekendeCyclusEnWatStopLeegmaakt)
{
  FirModel model;
  model.kiesSignaal(stapfunktie);
  EXPECT_EQ(model.aflezing(60), "");
  EXPECT_EQ(model.cyclusCsv(), "");
  EXPECT_EQ(model.toegankelijkeNaam(), "FIR filter implementatie demo: geen cyclus getekend");
  ASSERT_TRUE(model.schakel());

  EXPECT_EQ(model.aflezing(60), "n = 60: invoer 20000, uitvoer \u22121770");
  EXPECT_EQ(model.aflezing(31), "n = 31: invoer 0, uitvoer 0");
  EXPECT_EQ(model.aflezing(128), "");
  const std::string csv = model.cyclusCsv();
  EXPECT_TRUE(csv.starts_with("n,signaal,gefilterd\n0,0,0\n"));
  EXPECT_NE(csv.find("\n60,20000,-1770\n"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 129);
  EXPECT_EQ(model.toegankelijkeNaam(),
            "FIR filter implementatie demo: invoer en uitvoer van stapfunktie, amplitude 20000");
  EXPECT_TRUE(model.aankondiging().starts_with("Getekend: stapfunktie, amplitude 20000. "));
  EXPECT_TRUE(model.aankondiging().ends_with(". Verzadigd: 0.")) << "the cost lines announced";
  EXPECT_EQ(model.kostenTekst().substr(model.kostenTekst().rfind('\n')), "\nVerzadigd: 0");
  // Two seconds at 8000 samples/s, half a second of silence, the output;
  // each sample halved.
  const std::vector<Int16> geluid = model.luisterMonsters();
  ASSERT_EQ(geluid.size(), 16000U + 4000U + 16000U);
  EXPECT_EQ(geluid[31], 0);
  EXPECT_EQ(geluid[32], 10000);
  EXPECT_EQ(geluid[16000 + 3999], 0);
  EXPECT_EQ(geluid[20000 + 60], -885);

  EXPECT_FALSE(model.schakel());
  EXPECT_FALSE(model.cyclus().has_value());
  EXPECT_EQ(model.aflezing(60), "");
  EXPECT_EQ(model.cyclusCsv(), "");
  EXPECT_EQ(model.aankondiging(), "");
  EXPECT_EQ(model.kostenTekst(), "");
  EXPECT_TRUE(model.luisterMonsters().empty());

  model.kiesSignaal(impulsfunktie);
  model.schakel();
  EXPECT_EQ(model.aflezing(32), "n = 32: invoer 20000, uitvoer 9");
  EXPECT_EQ(model.aflezing(33), "n = 33: invoer 0, uitvoer \u22123");
}

TEST(VensterModel, IirTekstenEnStil)
{
  VensterModel<IIRProgramma> model;
  model.kiesSignaal(impulsfunktie);
  model.zetAmplitude(0);
  model.schakel();
  EXPECT_EQ(model.aankondiging(), "Getekend: impulsfunktie, amplitude 0. Uitvoer van 0 tot 0.");
  EXPECT_EQ(model.kostenTekst(), "") << "the IIR computes in Double";
  EXPECT_EQ(monsterTekst(-1.5), "\u22121,5");
  EXPECT_EQ(monsterTekst(0.1), "0,1");
  EXPECT_EQ(afgerondTekst(-8556.17), "\u22128556");
}

// A link's settings, each case from the start values (cosinus, 20000,
// 0,1*PI).
TEST(VensterModel, Fragment)
{
  const struct {
    const char* fragment;
    const char* daarna; // fragment() afterwards
    bool teken;
    const char* melding;
  } gevallen[] = {
      {"signaal=blokgolf&amplitude=12345&frequentie=0,2*PI&teken",
       "signaal=blokgolf&amplitude=12345&frequentie=0,2*PI", true, ""},
      {"#signaal=impulsfunktie&amplitude=12%2C5&frequentie=0%2C05%2aPI",
       "signaal=impulsfunktie&amplitude=13&frequentie=0,05*PI", false, ""},
      {"&&amplitude=40000&&teken=", "signaal=cosinus&amplitude=32768&frequentie=0,1*PI", true, ""},
      {"kleur=rood&signaal=zaagtand&amplitude=abc&frequentie=&teken=ja&signaal",
       "signaal=cosinus&amplitude=20000&frequentie=0,1*PI", false,
       "Niet herkend in de link en genegeerd: \"kleur=rood\", \"signaal=zaagtand\", "
       "\"amplitude=abc\" en nog 3."},
      {"frequentie=%zz&x=%0A", "signaal=cosinus&amplitude=20000&frequentie=0,1*PI", false,
       "Niet herkend in de link en genegeerd: \"frequentie=%zz\", \"x=\"."},
  };
  for (const auto& geval : gevallen) {
    FirModel model;
    const FragmentUitkomst uitkomst = model.pasFragmentToe(geval.fragment);
    EXPECT_EQ(model.fragment(), geval.daarna) << geval.fragment;
    EXPECT_EQ(uitkomst.teken, geval.teken) << geval.fragment;
    EXPECT_EQ(uitkomst.melding, geval.melding) << geval.fragment;
    // The fragment reads back to itself.
    FirModel terug;
    EXPECT_EQ(terug.pasFragmentToe(model.fragment()).melding, "");
    EXPECT_EQ(terug.fragment(), model.fragment());
  }
  FirModel model;
  model.schakel();
  EXPECT_EQ(model.fragment(), "signaal=cosinus&amplitude=20000&frequentie=0,1*PI&teken");
}

} // namespace
