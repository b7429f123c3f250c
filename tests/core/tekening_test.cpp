// The graph panel's drawing description and its fills.
// SPDX-License-Identifier: MIT
#include "rasteriseer.h"
#include "tekening.h"

#include <gtest/gtest.h>

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

// 512 x 500: W = 4, H = 131, middle line at row 250; 8192 gives +62,
// -20000 gives -152.
TEST(Vlakken, UitgewerktVoorbeeld)
{
  const Beeld b = beeldVan(8192.0, -20000.0, 512, 500);
  // Input bar n: columns 4n..4n+3, rows 188..249 (62 rows above the line).
  // Output bar n: two columns further right, rows 250..401 (152 rows from
  // the line's row down).
  const struct {
    Int links;
    Kleur kleur;
    Int boven;  // top outline
    Int binnen; // a row inside
    Int onder;  // bottom outline
    Int buiten; // the background row beyond the bar's end
  } staven[] = {
      {4 * 1, invoerKleur, 188, 200, 249, 187},
      {4 * 22, invoerKleur, 188, 200, 249, 187},
      {4 * 64, invoerKleur, 188, 200, 249, 187},
      {4 * 127, invoerKleur, 188, 200, 249, 187},
      {4 * 0 + 2, uitvoerKleur, 250, 300, 401, 402},
      {4 * 21 + 2, uitvoerKleur, 250, 300, 401, 402},
      {4 * 63 + 2, uitvoerKleur, 250, 300, 401, 402},
      {4 * 126 + 2, uitvoerKleur, 250, 300, 401, 402},
  };
  for (const auto& s : staven) {
    EXPECT_TRUE(b.is(s.links, s.binnen, s.kleur)) << s.links << ": left outline";
    EXPECT_TRUE(b.is(s.links + 1, s.binnen, wit)) << s.links << ": inside";
    EXPECT_TRUE(b.is(s.links + 1, s.boven, s.kleur)) << s.links << ": top outline";
    EXPECT_TRUE(b.is(s.links + 1, s.onder, s.kleur)) << s.links << ": bottom outline";
    EXPECT_TRUE(b.is(s.links + 1, s.buiten, achtergrondKleur)) << s.links << ": beyond the end";
  }
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

// The axes and the edges, in the worked example (512 x 500) and at 600 x 700:
// W = 4, H = 93; the bars end at x = 512 while the horizontal axis runs to
// the right edge; 32767 gives 352 rows, cut off at the top.
TEST(Vlakken, AssenEnRanden)
{
  const Beeld voorbeeld = beeldVan(8192.0, -20000.0, 512, 500);
  const Beeld breed = beeldVan(32767.0, 0.0, 600, 700);
  const struct {
    const Beeld& beeld;
    Pixel pixel;
  } gevallen[] = {
      {voorbeeld, {0, 0, asKleur, "vertical axis, full height"}},
      {voorbeeld, {0, 100, asKleur, "vertical axis"}},
      {voorbeeld, {0, 499, asKleur, "vertical axis, last row"}},
      {voorbeeld, {1, 100, achtergrondKleur, "the vertical axis is one column wide"}},
      {voorbeeld, {300, 100, achtergrondKleur, "background"}},
      {breed, {520, 349, asKleur, "horizontal axis, upper row"}},
      {breed, {520, 350, asKleur, "horizontal axis, lower row"}},
      {breed, {599, 350, asKleur, "horizontal axis to the right edge"}},
      {breed, {520, 348, achtergrondKleur, "above the axis"}},
      {breed, {520, 100, achtergrondKleur, "right of the bars"}},
      {breed, {511, 100, invoerKleur, "right edge of the last input bar"}},
      {breed, {512, 100, achtergrondKleur, "no bar beyond 128 x W"}},
      {breed, {509, 0, wit, "the bar reaches beyond the top edge"}},
  };
  for (const auto& [beeld, p] : gevallen) {
    EXPECT_TRUE(beeld.is(p.x, p.y, p.kleur)) << "(" << p.x << "," << p.y << "): " << p.waarom;
  }
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
