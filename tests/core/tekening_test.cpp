#include "rasteriseer.h"
#include "tekening.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

namespace {

template <typename Monster>
Tekening teken(Monster invoer, Monster uitvoer, Int breedte, Int hoogte)
{
  SignaalBlok<Monster> signaal;
  SignaalBlok<Monster> gefilterd;
  signaal.fill(invoer);
  gefilterd.fill(uitvoer);
  const auto tekening = maakTekening(signaal, gefilterd, breedte, hoogte);
  EXPECT_TRUE(tekening.has_value());
  return tekening.value_or(Tekening{});
}

TEST(Tekening, UitgewerktVoorbeeld512x500)
{
  const auto t = teken<Double>(8192.0, -20000.0, 512, 500);
  EXPECT_EQ(t.schaal.staafBreedte, 4);
  EXPECT_EQ(t.schaal.eenhedenPerPixel, 131);
  EXPECT_EQ(t.midden, 250);
  EXPECT_EQ(t.invoerHoogte[0], 62);
  EXPECT_EQ(t.uitvoerHoogte[127], -152);
}

TEST(Tekening, BreedteGeenVeelvoudVan128)
{
  const auto t = teken<Int16>(32767, 0, 600, 700);
  EXPECT_EQ(t.schaal.staafBreedte, 4);
  EXPECT_EQ(t.schaal.eenhedenPerPixel, 93);
  EXPECT_EQ(t.midden, 350);
  EXPECT_EQ(t.invoerHoogte[5], 352) << "reaches beyond the edge, which cuts it off";
}

TEST(Tekening, KleineMonstersGevenGeenHoogte)
{
  EXPECT_EQ(teken<Double>(130.9, -130.9, 512, 500).invoerHoogte[0], 0);
  EXPECT_EQ(teken<Double>(130.9, -130.9, 512, 500).uitvoerHoogte[0], 0);
  EXPECT_EQ(teken<Int16>(-130, 131, 512, 500).invoerHoogte[0], 0);
  EXPECT_EQ(teken<Int16>(-130, 131, 512, 500).uitvoerHoogte[0], 1);
}

TEST(Tekening, NegatiefEvenLangAlsPositief)
{
  for (const Int16 s : {Int16{1}, Int16{131}, Int16{8192}, Int16{20000}, Int16{32767}}) {
    const auto t = teken<Int16>(s, static_cast<Int16>(-s), 512, 500);
    EXPECT_EQ(t.invoerHoogte[0], -t.uitvoerHoogte[0]) << s;
  }
}

TEST(Tekening, GeenHoogteGeenTekening)
{
  SignaalBlok<Double> leeg{};
  EXPECT_FALSE(maakTekening(leeg, leeg, 512, 0).has_value());
  EXPECT_FALSE(maakTekening(leeg, leeg, 512, -3).has_value());
}

TEST(Tekening, ZeerHoogPaneelDeeltNietDoorNul)
{
  const auto schaal = schaalVoor(512, 70000);
  ASSERT_TRUE(schaal.has_value());
  EXPECT_EQ(schaal->eenhedenPerPixel, 1);
  EXPECT_EQ(schaalVoor(512, 65536)->eenhedenPerPixel, 1);
  EXPECT_EQ(schaalVoor(100, 500)->staafBreedte, 0);
}

// The integer division of the FIR program and the floating-point division of
// the IIR program give the same bar for the same sample.
TEST(Tekening, Int16EnDoubleGevenDezelfdeStaaf)
{
  for (const Int eenheden : {1, 93, 131, 6553, 65536}) {
    for (int s = std::numeric_limits<Int16>::min(); s <= std::numeric_limits<Int16>::max(); ++s) {
      ASSERT_EQ(staafHoogte(static_cast<Int16>(s), eenheden),
                staafHoogte(static_cast<Double>(s), eenheden))
          << s << " / " << eenheden;
    }
  }
}

TEST(Tekening, NietEindigeWaardenBlijvenGedefinieerd)
{
  EXPECT_EQ(staafHoogte(std::numeric_limits<Double>::quiet_NaN(), 131), 0);
  EXPECT_GT(staafHoogte(std::numeric_limits<Double>::infinity(), 131), 10000);
  EXPECT_LT(staafHoogte(-1e300, 131), -10000);
}

// The picture's pixels, worked out by hand from the bar rules: each bar is a
// rectangle outlined one pixel wide in its colour and white inside.
Beeld beeldVan(Double invoer, Double uitvoer, Int breedte, Int hoogte)
{
  SignaalBlok<Double> signaal;
  SignaalBlok<Double> gefilterd;
  signaal.fill(invoer);
  gefilterd.fill(uitvoer);
  return rasteriseer(maakTekening(signaal, gefilterd, breedte, hoogte), breedte, hoogte);
}

struct Pixel {
  Int x;
  Int y;
  Kleur kleur;
  const char* waarom;
};

void verwachtPixels(const Beeld& beeld, std::initializer_list<Pixel> pixels, Int verschuiving = 0)
{
  for (const Pixel& p : pixels) {
    EXPECT_TRUE(beeld.is(p.x + verschuiving, p.y, p.kleur))
        << "(" << p.x + verschuiving << "," << p.y << "): " << p.waarom;
  }
}

// 512 x 500: W = 4, H = 131, middle line at row 250; 8192 gives +62,
// -20000 gives -152.
TEST(Vlakken, UitgewerktVoorbeeld)
{
  const Beeld b = beeldVan(8192.0, -20000.0, 512, 500);
  for (const Int n : {1, 22, 64, 127}) {
    verwachtPixels(b,
                   {{0, 200, invoerKleur, "input bar: left outline"},
                    {1, 200, wit, "input bar: inside"},
                    {1, 188, invoerKleur, "input bar: top outline, 62 rows above the line"},
                    {1, 187, achtergrondKleur, "above the input bar"},
                    {1, 249, invoerKleur, "input bar: bottom outline, the row above the line"}},
                   4 * n);
  }
  for (const Int n : {0, 21, 63, 126}) {
    verwachtPixels(b,
                   {{0, 300, uitvoerKleur, "output bar: left outline, 2 pixels right"},
                    {1, 300, wit, "output bar: inside"},
                    {1, 250, uitvoerKleur, "output bar: top outline on the line's row"},
                    {1, 401, uitvoerKleur, "output bar: bottom outline, 152 rows"},
                    {1, 402, achtergrondKleur, "below the output bar"}},
                   4 * n + 2);
  }
  verwachtPixels(b, {{0, 0, asKleur, "vertical axis, full height"},
                     {0, 100, asKleur, "vertical axis"},
                     {0, 499, asKleur, "vertical axis, last row"},
                     {1, 100, achtergrondKleur, "the vertical axis is one column wide"},
                     {300, 100, achtergrondKleur, "background"}});
}

TEST(Vlakken, PositiefEnNegatiefEvenLang)
{
  const Beeld b = beeldVan(20000.0, -20000.0, 512, 500);
  int boven = 0;
  int onder = 0;
  for (Int y = 0; y < 500; ++y) {
    boven += b.is(9, y, wit) ? 1 : 0;  // inside input bar 2
    onder += b.is(11, y, wit) ? 1 : 0; // inside output bar 2
  }
  EXPECT_EQ(boven, onder);
  EXPECT_EQ(boven, 152 - 2) << "152 rows, less the outline at both ends";
}

// 600 x 700: W = 4, H = 93; the bars end at x = 512 while the horizontal axis
// runs to the right edge; 32767 gives 352 rows, cut off at the top.
TEST(Vlakken, StrookZonderStavenRechts)
{
  verwachtPixels(beeldVan(32767.0, 0.0, 600, 700),
                 {{520, 349, asKleur, "horizontal axis, upper row"},
                  {520, 350, asKleur, "horizontal axis, lower row"},
                  {599, 350, asKleur, "horizontal axis to the right edge"},
                  {520, 348, achtergrondKleur, "above the axis"},
                  {520, 100, achtergrondKleur, "right of the bars"},
                  {511, 100, invoerKleur, "right edge of the last input bar"},
                  {512, 100, achtergrondKleur, "no bar beyond 128 x W"},
                  {509, 0, wit, "the bar reaches beyond the top edge"}});
}

TEST(Vlakken, KleineMonstersGevenGeenStaaf)
{
  const Beeld b = beeldVan(130.0, -130.0, 512, 500);
  for (Int y = 0; y < 500; ++y) {
    if (y != 249 && y != 250) { // the horizontal axis
      EXPECT_TRUE(b.is(5, y, achtergrondKleur)) << y;
    }
  }
}

// Without a drawing the picture is its background, and a picture without
// height has no fills at all.
TEST(Vlakken, ZonderTekeningAlleenAchtergrond)
{
  const auto alleen = vlakken(std::nullopt, 512, 10);
  ASSERT_EQ(alleen.size(), 1U);
  EXPECT_EQ(alleen[0].x1, 511);
  EXPECT_EQ(alleen[0].y1, 9);
  EXPECT_TRUE(vlakken(std::nullopt, 512, 0).empty());
}

} // namespace
