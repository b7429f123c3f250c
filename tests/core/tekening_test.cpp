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

} // namespace
