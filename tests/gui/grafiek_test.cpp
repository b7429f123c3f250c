// The main window of both programs on a real display: its controls, the
// handlers driven by real events, and what ends up on the screen.
// SPDX-License-Identifier: MIT
#include "cyclus.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "grafiek.h"
#include "grafiek_toegang.h"
#include "iir_programma.h"
#include "venster_hulp.h"

#include <gtest/gtest.h>
#include <wx/toplevel.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

template <typename Programma>
class GrafiekTest : public testing::Test {
protected:
  void SetUp() override
  {
    venster = new Grafiek<Programma>(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                     wxDefaultSize, 0);
    ASSERT_TRUE(toonEnWacht(venster, ik().paneel()));
  }

  void TearDown() override { sluit(venster); }

  bool gesloten() const { return wxTopLevelWindows.Find(venster) == nullptr; }

  // A click on the toggle button with the real pointer.
  void klikStart() { ASSERT_TRUE(drukOp(ik().start())); }

  GrafiekToegang<Programma> ik() const { return GrafiekToegang<Programma>(*venster); }

  // Signal, amplitude and frequency can be set exactly while the button is up.
  void verwachtBesturingVrij(bool vrij) const
  {
    EXPECT_EQ(ik().radio()->IsEnabled(), vrij);
    EXPECT_EQ(ik().spin()->IsEnabled(), vrij);
    EXPECT_EQ(ik().freq()->IsEnabled(), vrij);
  }

  // The panel as the screen shows it, once the toolkit has painted it.
  wxImage scherm()
  {
    ik().paneel()->Update();
    return leesScherm(ik().paneel());
  }

  Grafiek<Programma>* venster = nullptr;
};

using Programmas = testing::Types<IIRProgramma, FIRProgramma>;
TYPED_TEST_SUITE(GrafiekTest, Programmas);

const wxColour achtergrond = alsWxKleur(achtergrondKleur);

// Whether every pixel of `beeld` has the panel's background colour.
bool alleenAchtergrond(const wxImage& beeld)
{
  if (!beeld.IsOk()) {
    return false;
  }
  for (int y = 0; y < beeld.GetHeight(); ++y) {
    for (int x = 0; x < beeld.GetWidth(); ++x) {
      if (pixel(beeld, x, y) != achtergrond) {
        return false;
      }
    }
  }
  return true;
}

TYPED_TEST(GrafiekTest, TitelKopTekstEnLabels)
{
  auto ik = this->ik();
  EXPECT_EQ(this->venster->GetTitle(), TypeParam::titel);
  EXPECT_EQ(ik.kopTekst()->GetLabel(), TypeParam::kopTekst);
  EXPECT_EQ(ik.kopTekst()->GetFont().GetPointSize(), 16);
  EXPECT_EQ(ik.kopTekst()->GetFont().GetWeight(), wxFONTWEIGHT_NORMAL);
  EXPECT_EQ(ik.kopTekst()->GetFont().GetStyle(), wxFONTSTYLE_NORMAL);
  EXPECT_FALSE(ik.kopTekst()->GetFont().GetUnderlined());
  EXPECT_EQ(ik.radio()->GetLabel(), "Signaal");
  EXPECT_EQ(ik.amplitudeLabel()->GetLabel(), "Signaalamplitude");
  EXPECT_EQ(ik.freqLabel()->GetLabel(), "Signaalfrequentie");
  EXPECT_EQ(ik.start()->GetLabel(), "Teken");
  EXPECT_EQ(ik.einde()->GetLabel(), "Einde");
  EXPECT_EQ(this->venster->GetWindowStyleFlag() & wxDEFAULT_FRAME_STYLE, wxDEFAULT_FRAME_STYLE)
      << "the style argument 0 is not used";
}

TYPED_TEST(GrafiekTest, ItemsBereikEnIdentifiers)
{
  auto ik = this->ik();
  const char* signalen[] = {"cosinus", "blokgolf", "impulsfunktie", "stapfunktie"};
  ASSERT_EQ(ik.radio()->GetCount(), 4u);
  for (unsigned i = 0; i < 4; ++i) {
    EXPECT_EQ(ik.radio()->GetString(i), signalen[i]);
  }
  EXPECT_EQ(ik.radio()->GetSelection(), 0);
  const char* frequenties[] = {"DC",     "0,05*PI", "0,1*PI", "0,2*PI", "0,4*PI",
                               "0,6*PI", "0,8*PI",  "0,9*PI", "",       ""};
  ASSERT_EQ(ik.freq()->GetCount(), 10u);
  for (unsigned i = 0; i < 10; ++i) {
    EXPECT_EQ(ik.freq()->GetString(i), frequenties[i]);
  }
  EXPECT_EQ(ik.freq()->GetSelection(), 2);
  EXPECT_EQ(ik.spin()->GetMin(), 0);
  EXPECT_EQ(ik.spin()->GetMax(), 32768);

  EXPECT_EQ(ik.start()->GetId(), 0);
  EXPECT_EQ(ik.einde()->GetId(), 2);
  EXPECT_EQ(ik.radio()->GetId(), 3);
  EXPECT_EQ(ik.spin()->GetId(), 4);
  EXPECT_EQ(ik.freq()->GetId(), 5);
  EXPECT_LT(ik.paneel()->GetId(), 0) << "labels and panel are made with wxID_ANY";
  EXPECT_LT(ik.kopTekst()->GetId(), 0);
  EXPECT_EQ(this->venster->FindWindow(schoonKnopID), nullptr);
}

TYPED_TEST(GrafiekTest, StarttoestandIsLosgelaten)
{
  auto ik = this->ik();
  EXPECT_FALSE(ik.start()->GetValue());
  this->verwachtBesturingVrij(true);
  EXPECT_EQ(std::bit_cast<UInt32>(ik.hoekFreq()), 0x3EA0D97Cu);
  // The control shows the amplitude that the first cycle uses.
  EXPECT_EQ(ik.spin()->GetValue(), static_cast<int>(TypeParam::startAmplitude));
  EXPECT_EQ(ik.amplitude(), TypeParam::startAmplitude);
  EXPECT_FALSE(ik.paneel()->toontSignalen());
  EXPECT_TRUE(alleenAchtergrond(this->scherm()));
}

TYPED_TEST(GrafiekTest, MinimumGrootteIsDeBeginGrootte)
{
  const wxSize begin = this->venster->GetSize();
  EXPECT_EQ(this->venster->GetMinSize(), begin);
  EXPECT_GE(this->ik().paneel()->GetClientSize().x, 512);
  EXPECT_GE(this->ik().paneel()->GetClientSize().y, 500);
  // The graph column takes six parts of the width, the control column one.
  EXPECT_GT(this->ik().paneel()->GetSize().x, 5 * this->ik().start()->GetSize().x);
  this->venster->SetSize(wxSize(200, 200));
  bijgewerkt();
  EXPECT_GE(this->venster->GetSize().x, begin.x);
  EXPECT_GE(this->venster->GetSize().y, begin.y);
}

TYPED_TEST(GrafiekTest, TekenDraaitEenCyclusMetDeGetoondeAmplitude)
{
  this->klikStart();
  auto ik = this->ik();
  EXPECT_TRUE(ik.start()->GetValue());
  EXPECT_EQ(ik.start()->GetLabel(), "Stop");
  this->verwachtBesturingVrij(false);

  const auto verwacht = draaiCyclus<TypeParam>(cosinus, TypeParam::startAmplitude, startHoekFreq);
  EXPECT_EQ(ik.signaal(), verwacht.signaal);
  EXPECT_EQ(ik.gefilterd(), verwacht.gefilterd);
  EXPECT_TRUE(ik.paneel()->toontSignalen());

  // The screen shows exactly what the panel's drawing gives at its size.
  const wxImage scherm = this->scherm();
  EXPECT_FALSE(alleenAchtergrond(scherm));
  EXPECT_EQ(beeldVerschil(scherm, render(*ik.paneel(), ik.paneel()->GetClientSize())), "");
}

TYPED_TEST(GrafiekTest, StopMaaktSchoonEnGeeftDeBesturingVrij)
{
  this->klikStart();
  this->klikStart();
  auto ik = this->ik();
  EXPECT_FALSE(ik.start()->GetValue());
  EXPECT_EQ(ik.start()->GetLabel(), "Teken");
  this->verwachtBesturingVrij(true);
  EXPECT_FALSE(ik.paneel()->toontSignalen());
  EXPECT_TRUE(alleenAchtergrond(this->scherm()));

  // A resize repaints the panel; a released window still shows nothing.
  ASSERT_TRUE(verfNaGrootte(
      ik.paneel(), [this] { this->venster->SetSize(this->venster->GetSize() + wxSize(88, 200)); }));
  EXPECT_TRUE(alleenAchtergrond(this->scherm()));
}

// filtercyclus --png draws the same picture as the window, without a window.
TYPED_TEST(GrafiekTest, ExportGelijkAanHetScherm)
{
  kiesItem(this->ik().radio(), wxEVT_RADIOBOX, blokgolf);
  kiesItem(this->ik().freq(), wxEVT_CHOICE, 3);
  this->klikStart();
  const wxSize grootte = this->ik().paneel()->GetClientSize();
  const std::string pad = testing::TempDir() + "export-" + TypeParam::naam + ".png";
  const std::string opdracht = std::string(FILTERCYCLUS) + " --programma " + TypeParam::naam +
                               " --signaal blokgolf --frequentie 0,2*PI --png " + pad +
                               " --grootte " + std::to_string(grootte.x) + "x" +
                               std::to_string(grootte.y);
  ASSERT_EQ(std::system(opdracht.c_str()), 0) << opdracht;
  const wxImage export_(pad, wxBITMAP_TYPE_PNG);
  ASSERT_TRUE(export_.IsOk());
  EXPECT_EQ(beeldVerschil(this->scherm(), export_), "");
  std::remove(pad.c_str());
}

TYPED_TEST(GrafiekTest, TweeCycliGevenHetzelfdeBeeld)
{
  this->klikStart();
  const wxImage eerste = this->scherm();
  this->klikStart();
  this->klikStart();
  EXPECT_EQ(beeldVerschil(eerste, this->scherm()), "");
}

TYPED_TEST(GrafiekTest, EersteAmplitudeStapMetDePijltoets)
{
  auto ik = this->ik();
  drukToets(ik.spin(), WXK_UP);
  ASSERT_TRUE(wachtTot([&] { return ik.spin()->GetValue() == TypeParam::startAmplitude + 1; }));
  EXPECT_EQ(ik.amplitude(), TypeParam::startAmplitude + 1);
}

TYPED_TEST(GrafiekTest, EindeSluitLosgelaten)
{
  klikOp(this->ik().einde());
  EXPECT_TRUE(wachtTot([this] { return this->gesloten(); }));
}

TYPED_TEST(GrafiekTest, EindeSluitOokMetGrafiek)
{
  this->klikStart();
  klikOp(this->ik().einde());
  EXPECT_TRUE(wachtTot([this] { return this->gesloten(); }));
}

TYPED_TEST(GrafiekTest, SluitknopSluitMetGrafiek)
{
  this->klikStart();
  this->venster->Close(false);
  EXPECT_TRUE(wachtTot([this] { return this->gesloten(); }));
}

} // namespace
