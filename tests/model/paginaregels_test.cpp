// The rules the page only shows: the readout's cursor and where a tap reads,
// the amplitude's step and typed notes, Luister and the table, a link
// followed anew with its message, and a students' link. Expected values
// worked out by hand.
// SPDX-License-Identifier: MIT
#include "fir_programma.h"
#include "index.h"
#include "venstermodel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

using FirModel = VensterModel<FIRProgramma>;
constexpr Double oneindig = std::numeric_limits<Double>::infinity();
constexpr Double nan = std::numeric_limits<Double>::quiet_NaN();

// An index from outside: a whole number below the count, nothing else.
TEST(PaginaRegels, IndexBinnen)
{
  const struct {
    Double waarde;
    std::optional<std::size_t> index;
  } gevallen[] = {{0.0, 0},
                  {127.0, 127},
                  {128.0, std::nullopt},
                  {-1.0, std::nullopt},
                  {nan, std::nullopt},
                  {oneindig, std::nullopt},
                  {-oneindig, std::nullopt},
                  {4294967296.0, std::nullopt},
                  {1.5, std::nullopt}};
  for (const auto& geval : gevallen) {
    EXPECT_EQ(indexBinnen(geval.waarde, 128), geval.index) << geval.waarde;
  }
}

// A panel 1170 pixels wide: W = 9, sample n's bars span 9n .. 9n + 10, their
// centre at 9n + 5,5; midway between two centres a tap goes right.
TEST(PaginaRegels, AflezingEnTik)
{
  FirModel model;
  model.leesMonster(5);
  model.schuifAflezing(1);
  model.leesBij(100.0, 1170);
  EXPECT_FALSE(model.gelezenMonster()) << "nothing to read without a cycle";
  model.schakel();
  const struct {
    const char* wat;
    void (*doe)(FirModel&);
    std::optional<std::size_t> gelezen;
  } stappen[] = {
      {"a step from none reads the first", [](FirModel& m) { m.schuifAflezing(1); }, 0},
      {"not before the first", [](FirModel& m) { m.schuifAflezing(-1); }, 0},
      {"the last", [](FirModel& m) { m.leesMonster(127); }, 127},
      {"not beyond the last", [](FirModel& m) { m.schuifAflezing(1); }, 127},
      {"beyond the block changes nothing", [](FirModel& m) { m.leesMonster(128); }, 127},
      {"a long step stops at the first", [](FirModel& m) { m.schuifAflezing(-1000); }, 0},
      {"between centres 14,5 and 23,5", [](FirModel& m) { m.leesBij(18.9, 1170); }, 1},
      {"midway goes right", [](FirModel& m) { m.leesBij(19.0, 1170); }, 2},
      {"on the next bar's edge, nearer this centre", [](FirModel& m) { m.leesBij(27.5, 1170); }, 2},
      {"left of the panel: nothing", [](FirModel& m) { m.leesBij(-5.0, 1170); }, 2},
      {"the panel's left edge", [](FirModel& m) { m.leesBij(0.0, 1170); }, 0},
      {"right of the bars", [](FirModel& m) { m.leesBij(1160.0, 1170); }, 127},
      {"no number", [](FirModel& m) { m.leesBij(nan, 1170); }, 127},
      {"right of the panel: nothing", [](FirModel& m) { m.leesBij(1170.5, 1170); }, 127},
      {"a panel too narrow for bars", [](FirModel& m) { m.leesBij(3.0, 100); }, 127},
      {"Stop: none", [](FirModel& m) { m.schakel(); }, std::nullopt},
  };
  for (const auto& stap : stappen) {
    stap.doe(model);
    EXPECT_EQ(model.gelezenMonster(), stap.gelezen) << stap.wat;
  }
  model.schakel();
  EXPECT_FALSE(model.gelezenMonster()) << "Teken starts without a reading";
}

// Typed text and the note beside the box, from the FIR's 20000.
TEST(PaginaRegels, GetypteMelding)
{
  const struct {
    const char* tekst;
    UInt32 amplitude;
    const char* melding;
  } gevallen[] = {
      {"13", 13, ""},
      {"12,0", 12, ""},
      {"12,5", 13, "Afgerond: de amplitude is nu 13."},
      {"-5", 0, "Buiten 0 tot 32768: de amplitude is nu 0."},
      {"99999", 32768, "Buiten 0 tot 32768: de amplitude is nu 32768."},
      {"12.345", 20000,
       "Bedoel je 12345 of 12,345? Typ het zonder punt. De amplitude is niet veranderd."},
      {"12.3456", 12, "Afgerond: de amplitude is nu 12."},
      {"abc", 20000, "Geen getal: de amplitude is niet veranderd."},
  };
  for (const auto& geval : gevallen) {
    FirModel model;
    model.zetAmplitudeTekst(geval.tekst);
    EXPECT_EQ(model.instellingen().amplitude, geval.amplitude) << geval.tekst;
    EXPECT_EQ(model.amplitudeMelding(), geval.melding) << geval.tekst;
    model.kiesSignaal(blokgolf);
    EXPECT_EQ(model.amplitudeMelding(), "") << "gone at the next event";
  }
}

TEST(PaginaRegels, StapLuisterTabel)
{
  FirModel model;
  model.zetAmplitude(32768);
  model.stapAmplitude(1);
  EXPECT_EQ(model.instellingen().amplitude, 32768);
  model.zetAmplitude(oneindig);
  model.zetAmplitude(nan);
  model.stapAmplitude(-1);
  EXPECT_EQ(model.instellingen().amplitude, 32767) << "an infinity changes nothing";
  model.wisselLuister();
  model.wisselTabel();
  EXPECT_FALSE(model.speeltGeluid() || model.tabelGetoond()) << "nothing drawn";
  model.schakel();
  model.wisselLuister();
  model.wisselTabel();
  EXPECT_TRUE(model.speeltGeluid() && model.tabelGetoond() && model.besturing().tabel);
  model.stapAmplitude(-1);
  EXPECT_EQ(model.instellingen().amplitude, 32767) << "locked";
  model.wisselLuister();
  EXPECT_FALSE(model.speeltGeluid()) << "a second press stops it";
  model.wisselLuister();
  model.schakel();
  EXPECT_FALSE(model.speeltGeluid() || model.tabelGetoond() || model.besturing().tabel)
      << "Stop stops the sound and takes the table away";
}

// A link followed anew, and what its message names.
TEST(PaginaRegels, LinkOpnieuw)
{
  FirModel model;
  model.zetAmplitude(5);
  model.schakel();
  model.volgLink("frequentie=0,6*PI&x=1");
  EXPECT_FALSE(model.vergrendeld()) << "the drawn cycle stopped";
  EXPECT_EQ(model.fragment(), "signaal=cosinus&amplitude=20000&frequentie=0,6*PI");
  EXPECT_EQ(model.linkMelding(), "Niet herkend in de link en genegeerd: \"x=1\".");
  model.kiesFrequentie(2);
  EXPECT_EQ(model.linkMelding(), "") << "gone at the next event";

  // 45 letters cut to 40 and "…"; RLO (U+202E), LRI (U+2066), a C1 control
  // (U+0085) and an invalid byte removed; the fourth part not named.
  model.volgLink("a=aaaaaaaaaabbbbbbbbbbccccccccccdddddddddd12345&b%E2%80%AEc%E2%81%A6d&"
                 "%C2%85e%FFf&g&teken");
  EXPECT_TRUE(model.vergrendeld()) << "the link's teken";
  EXPECT_EQ(model.linkMelding(), "Niet herkend in de link en genegeerd: "
                                 "\"a=aaaaaaaaaabbbbbbbbbbccccccccccdddddddd…\", \"bcd\", \"ef\" "
                                 "en nog 1.");
}

// A students' link hides what answers the question until Teken, and says so
// in the address while it does.
TEST(PaginaRegels, Proef)
{
  FirModel model;
  model.volgLink("proef&signaal=blokgolf");
  EXPECT_TRUE(model.antwoordenVerborgen());
  EXPECT_EQ(model.fragment(), "proef&signaal=blokgolf&amplitude=20000&frequentie=0,1*PI");
  model.kiesFrequentie(5);
  EXPECT_TRUE(model.antwoordenVerborgen());
  model.schakel();
  EXPECT_FALSE(model.antwoordenVerborgen());
  EXPECT_EQ(model.fragment(), "signaal=blokgolf&amplitude=20000&frequentie=0,6*PI&teken");
  model.volgLink("proef=1");
  EXPECT_FALSE(model.antwoordenVerborgen()) << "proef takes no value";
  model.volgLink("");
  EXPECT_FALSE(model.antwoordenVerborgen()) << "any other link behaves as before";
}

} // namespace
