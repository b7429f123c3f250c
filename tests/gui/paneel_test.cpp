// The graph panel's picture, read back pixel by pixel: rendered into a bitmap
// of a known size, and as the screen shows it.
// SPDX-License-Identifier: MIT
#include "grafiekpaneel.h"
#include "rasteriseer.h"
#include "venster_hulp.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/sizer.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace {

class PaneelTest : public testing::Test {
protected:
  void SetUp() override
  {
    frame = new wxFrame(nullptr, wxID_ANY, "paneel");
    paneel = new GrafiekPaneel<Double>(frame, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(paneel, 1, wxEXPAND);
    frame->SetSizerAndFit(sizer);
    ASSERT_TRUE(toonEnWacht(frame, paneel));
  }

  void TearDown() override { sluit(frame); }

  void laad(Double invoer, Double uitvoer)
  {
    SignaalBlok<Double> a;
    SignaalBlok<Double> b;
    a.fill(invoer);
    b.fill(uitvoer);
    ASSERT_EQ(paneel->kopieerSignaal(a.data(), b.data()), Ok);
  }

  wxImage render(int breedte, int hoogte) const { return ::render(*paneel, {breedte, hoogte}); }

  // The panel as the screen shows it once it has painted what it holds.
  wxImage geschilderd() const
  {
    paneel->Refresh();
    paneel->Update();
    return leesScherm(paneel);
  }

  wxFrame* frame = nullptr;
  GrafiekPaneel<Double>* paneel = nullptr;
};

TEST_F(PaneelTest, KleurenUitDeKleurenDatabase)
{
  EXPECT_EQ(wxColour(asKleur.naam), alsWxKleur(asKleur));
  EXPECT_EQ(wxColour(invoerKleur.naam), alsWxKleur(invoerKleur));
  EXPECT_EQ(wxColour(uitvoerKleur.naam), alsWxKleur(uitvoerKleur));
  EXPECT_EQ(paneel->GetBackgroundColour(), alsWxKleur(achtergrondKleur));
  EXPECT_EQ(paneel->GetMinSize(), wxSize(512, 500));
  EXPECT_EQ(paneel->GetWindowStyleFlag() & wxTAB_TRAVERSAL, wxTAB_TRAVERSAL);
}

TEST_F(PaneelTest, VoorDeEersteKopieAlleenAchtergrond)
{
  const wxImage scherm = geschilderd();
  ASSERT_TRUE(scherm.IsOk());
  EXPECT_EQ(pixel(scherm, 0, 250), alsWxKleur(achtergrondKleur));
  EXPECT_EQ(pixel(scherm, 100, 100), alsWxKleur(achtergrondKleur));
  EXPECT_FALSE(paneel->toontSignalen());
}

// Copying does not paint: the screen shows the new pair only once the caller
// asks for the repaint. (Any paint that arrives later, for whatever cause,
// draws it too, so the screen is read before the toolkit gets a turn.)
TEST_F(PaneelTest, KopierenAlleenTekentNiet)
{
  paneel->Update();
  ASSERT_EQ(pixel(leesScherm(paneel), 5, 200), alsWxKleur(achtergrondKleur));
  laad(8192.0, 0.0);
  EXPECT_EQ(pixel(leesScherm(paneel), 5, 200), alsWxKleur(achtergrondKleur))
      << "the caller asks for the repaint";
  EXPECT_EQ(pixel(geschilderd(), 4, 200), alsWxKleur(invoerKleur));
}

TEST_F(PaneelTest, MaakSchoonBlijftSchoon)
{
  laad(8192.0, 0.0);
  ASSERT_EQ(pixel(geschilderd(), 4, 200), alsWxKleur(invoerKleur));
  paneel->maakSchoon();
  EXPECT_EQ(pixel(leesScherm(paneel), 4, 200), alsWxKleur(achtergrondKleur));
  ASSERT_TRUE(verfNaGrootte(paneel, [this] { frame->SetSize(frame->GetSize() + wxSize(40, 40)); }));
  EXPECT_EQ(pixel(geschilderd(), 4, 200), alsWxKleur(achtergrondKleur));
}

} // namespace

namespace {

wxImage alsImage(const Beeld& beeld)
{
  wxImage image(beeld.breedte, beeld.hoogte);
  std::copy(beeld.rgb.begin(), beeld.rgb.end(), image.GetData());
  return image;
}

struct Signalen {
  SignaalBlok<Double> invoer;
  SignaalBlok<Double> uitvoer;
};

// Samples up to beyond the panel's edges, with a zero and a tiny one.
Signalen willekeurig(std::mt19937& toeval)
{
  std::uniform_real_distribution<Double> monster(-45000.0, 45000.0);
  Signalen s;
  std::generate(s.invoer.begin(), s.invoer.end(), [&] { return monster(toeval); });
  std::generate(s.uitvoer.begin(), s.uitvoer.end(), [&] { return monster(toeval); });
  s.invoer[3] = 0.0;
  s.uitvoer[7] = -1.0;
  return s;
}

wxImage raster(const Signalen& s, const wxSize& grootte)
{
  return alsImage(
      rasteriseer(maakTekening(s.invoer, s.uitvoer, grootte.x, grootte.y), grootte.x, grootte.y));
}

// The exporter's rasterisation and the toolkit's drawing give the same
// pixels, for odd sizes, bars beyond the edges, and both signs.
class RasterTest : public PaneelTest {
protected:
  // Loads random signals into the panel; returns what the rasteriser makes
  // of them at `grootte`.
  wxImage laadWillekeurig(std::mt19937& toeval, const wxSize& grootte)
  {
    const Signalen s = willekeurig(toeval);
    EXPECT_EQ(paneel->kopieerSignaal(s.invoer.data(), s.uitvoer.data()), Ok);
    return raster(s, grootte);
  }
};

// On screen at sizes the window takes, and off screen in a bitmap at sizes
// the window never has.
TEST_F(RasterTest, GelijkOpSchermEnInEenBitmap)
{
  std::mt19937 toeval(42);
  const struct {
    wxSize grootte;
    bool opScherm;
  } gevallen[] = {{{512, 500}, true},  {{513, 501}, true},   {{600, 700}, true},
                  {{1000, 533}, true}, {{641, 900}, true},   {{130, 2}, false},
                  {{200, 3}, false},   {{700, 1001}, false}, {{1000, 333}, false},
                  {{888, 500}, false}};
  for (const auto& [grootte, opScherm] : gevallen) {
    if (opScherm && paneel->GetClientSize() != grootte) {
      ASSERT_TRUE(verfNaGrootte(paneel, [&] { frame->SetClientSize(grootte); }));
      ASSERT_EQ(paneel->GetClientSize(), grootte);
    }
    const wxImage verwacht = laadWillekeurig(toeval, grootte);
    const wxImage getekend = opScherm ? geschilderd() : render(grootte.x, grootte.y);
    EXPECT_EQ(beeldVerschil(getekend, verwacht), "")
        << grootte.x << "x" << grootte.y << (opScherm ? " on screen" : " in a bitmap");
  }
}

} // namespace
