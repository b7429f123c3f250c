// A monkey on the real window: a seeded random run of user actions (toggle,
// signal choice, amplitudes including the limits and typed nonsense, every
// frequency item, resizes from the minimum to beyond the screen), checking
// after every action the window's rules against a model of what it should
// show. AAP_ACTIES sets the number of actions (default 500), AAP_ZAAD the
// seed.
// SPDX-License-Identifier: MIT
#include "cyclus.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "grafiek.h"
#include "grafiek_toegang.h"
#include "iir_programma.h"
#include "rasteriseer.h"
#include "venster_hulp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

long omgevingsGetal(const char* naam, long standaard)
{
  const char* waarde = std::getenv(naam);
  return waarde != nullptr ? std::strtol(waarde, nullptr, 10) : standaard;
}

// What the window should show, kept apart from the window.
template <typename Programma>
struct Model {
  bool ingedrukt = false;
  UInt32 keuze = cosinus;
  typename Programma::Amplitude amplitude = Programma::startAmplitude;
  Float hoekFreq = startHoekFreq;
  CyclusResultaat<Programma> getekend{}; // the cycle of the last "Teken"
};

template <typename Programma>
class AapTest : public testing::Test {
protected:
  void SetUp() override
  {
    venster = new Grafiek<Programma>(nullptr, wxID_ANY, wxEmptyString);
    ASSERT_TRUE(toonEnWacht(venster, ik().paneel()));
    minimum = venster->GetSize();
  }

  void TearDown() override { sluit(venster); }

  GrafiekToegang<Programma> ik() const { return GrafiekToegang<Programma>(*venster); }

  void klikStart()
  {
    const bool was = ik().start()->GetValue();
    ASSERT_TRUE(drukOp(ik().start()));
    model.ingedrukt = !was;
    if (model.ingedrukt) {
      model.getekend = draaiCyclus<Programma>(model.keuze, model.amplitude, model.hoekFreq);
    }
  }

  void kiesSignaal(std::mt19937& toeval)
  {
    model.keuze = std::uniform_int_distribution<UInt32>(0, 3)(toeval);
    kiesItem(ik().radio(), wxEVT_RADIOBOX, static_cast<int>(model.keuze));
  }

  void kiesFrequentie(std::mt19937& toeval)
  {
    const auto item = std::uniform_int_distribution<UInt32>(0, 9)(toeval);
    kiesItem(ik().freq(), wxEVT_CHOICE, static_cast<int>(item));
    if (const auto f = hoekFrequentie(item)) {
      model.hoekFreq = *f;
    }
  }

  void zetAmplitude(std::mt19937& toeval)
  {
    static const int grenzen[] = {0, 1, 32767, 32768};
    const int soort = std::uniform_int_distribution<int>(0, 5)(toeval);
    if (soort < 4) { // a limit, as the arrows or the keyboard would set it
      zetSpinWaarde(ik().spin(), grenzen[soort]);
    } else { // typed with the real keyboard: numbers in and out of range, nonsense
      static const char* teksten[] = {"12345", "40000", "abc", "-5", "", "7e3", "32768", "00042"};
      typTekst(ik().spin(), teksten[std::uniform_int_distribution<int>(0, 7)(toeval)]);
    }
    // The control decides what it accepts; the window must follow it.
    model.amplitude = static_cast<typename Programma::Amplitude>(ik().spin()->GetValue());
  }

  void verander(std::mt19937& toeval)
  {
    const int soort = std::uniform_int_distribution<int>(0, 5)(toeval);
    wxSize grootte = wxDefaultSize;
    if (soort == 0) {
      grootte = wxSize(100, 100); // below the minimum: held at the minimum
    } else if (soort == 1) {
      grootte = wxSize(2600, 2000); // beyond the screen
    } else {
      grootte = wxSize(std::uniform_int_distribution<int>(minimum.x, 1550)(toeval),
                       std::uniform_int_distribution<int>(minimum.y, 1150)(toeval));
    }
    venster->SetSize(grootte);
    bijgewerkt();
  }

  // The rules of the window, after any action.
  void controleer(int actie)
  {
    auto ik = this->ik();
    const std::string waar = "after action " + std::to_string(actie);
    ASSERT_EQ(ik.start()->GetValue(), model.ingedrukt) << waar;
    EXPECT_EQ(ik.start()->GetLabel(), model.ingedrukt ? "Stop" : "Teken") << waar;
    EXPECT_EQ(ik.radio()->IsEnabled(), !model.ingedrukt) << waar;
    EXPECT_EQ(ik.spin()->IsEnabled(), !model.ingedrukt) << waar;
    EXPECT_EQ(ik.freq()->IsEnabled(), !model.ingedrukt && gebruiktFrequentie(model.keuze)) << waar;
    EXPECT_EQ(ik.amplitude(), model.amplitude) << waar;
    EXPECT_EQ(ik.amplitude(), ik.spin()->GetValue()) << waar;
    EXPECT_EQ(ik.hoekFreq(), model.hoekFreq) << waar;
    EXPECT_EQ(ik.paneel()->toontSignalen(), model.ingedrukt) << waar;
    EXPECT_GE(venster->GetSize().x, minimum.x) << waar;
    EXPECT_GE(venster->GetSize().y, minimum.y) << waar;

    if (!heelOpHetScherm(ik.paneel())) {
      return; // the picture can only be read where the screen shows it
    }
    // The toolkit may still be laying out a resize: the picture follows the
    // size the panel has when the screen is read.
    wxSize grootte = wxDefaultSize;
    Beeld verwacht;
    EXPECT_TRUE(wachtTot([&] {
      if (ik.paneel()->GetClientSize() != grootte) {
        grootte = ik.paneel()->GetClientSize();
        verwacht = rasteriseer(model.ingedrukt
                                   ? maakTekening(model.getekend.signaal, model.getekend.gefilterd,
                                                  grootte.x, grootte.y)
                                   : std::nullopt,
                               grootte.x, grootte.y);
      }
      const wxImage scherm = leesScherm(ik.paneel());
      return scherm.IsOk() && scherm.GetSize() == grootte &&
             std::equal(verwacht.rgb.begin(), verwacht.rgb.end(), scherm.GetData());
    })) << waar
        << ": the screen differs from the " << (model.ingedrukt ? "cycle's picture" : "empty panel")
        << " at " << grootte.x << "x" << grootte.y;
  }

  Grafiek<Programma>* venster = nullptr;
  wxSize minimum;
  Model<Programma> model;
};

using Programmas = testing::Types<IIRProgramma, FIRProgramma>;
TYPED_TEST_SUITE(AapTest, Programmas);

TYPED_TEST(AapTest, WillekeurigeGebruiker)
{
  const long acties = omgevingsGetal("AAP_ACTIES", 500);
  const auto zaad = static_cast<std::mt19937::result_type>(omgevingsGetal("AAP_ZAAD", 20261207));
  std::mt19937 toeval(zaad);
  std::printf("monkey: %ld actions, seed %lu\n", acties, static_cast<unsigned long>(zaad));

  for (int actie = 1; actie <= acties && !this->HasFatalFailure(); ++actie) {
    const bool losgelaten = !this->model.ingedrukt;
    switch (std::uniform_int_distribution<int>(0, 9)(toeval)) {
    case 0:
    case 1:
    case 2:
      this->klikStart();
      break;
    case 3:
    case 4:
      if (losgelaten) {
        this->kiesSignaal(toeval);
      }
      break;
    case 5:
    case 6:
      if (losgelaten) {
        this->zetAmplitude(toeval);
      }
      break;
    case 7:
    case 8:
      if (losgelaten && this->ik().freq()->IsEnabled()) {
        this->kiesFrequentie(toeval);
      }
      break;
    default:
      this->verander(toeval);
      break;
    }
    this->controleer(actie);
    if (testing::Test::HasFailure()) {
      FAIL() << "stopped at action " << actie << " (seed " << zaad << ")";
    }
  }
}

} // namespace
