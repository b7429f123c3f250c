// Numbers as text, both ways: through to_chars (the native builds) and
// through printf (the browser edition), against hand-written texts. The
// digits are Python's repr (shortest) and "%.2f" % v, laid out by hand as
// to_chars does: fixed or exponential, whichever is shorter, fixed on a tie,
// and a whole number past its shortest digits written exactly.
// SPDX-License-Identifier: MIT
#include "getaltekst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Geval {
  Double waarde;
  const char* kortste;
  const char* tweeDecimalen;
};

const Geval gevallen[] = {
    {0.0, "0", "0.00"},
    {-0.0, "-0", "0.00"},
    {1e-5, "1e-05", "0.00"},
    {1e-4, "1e-04", "0.00"},
    {0.001, "0.001", "0.00"},
    {-0.004, "-0.004", "0.00"},
    {0.1, "0.1", "0.10"},
    {0.125, "0.125", "0.12"},
    {2.675, "2.675", "2.67"},
    {100.0, "100", "100.00"},
    {-32768.0, "-32768", "-32768.00"},
    {1e16, "1e+16", "10000000000000000.00"},
    {1.5e20, "1.5e+20", "150000000000000000000.00"},
    {123456789012345680000.0, "123456789012345683968", "123456789012345683968.00"},
    {9007199254740992.0, "9007199254740992", "9007199254740992.00"},
    {1e23, "1e+23", "99999999999999991611392.00"},
    {5e-324, "5e-324", "0.00"},
    {1.7976931348623157e308, "1.7976931348623157e+308", nullptr},
    {2.6312680454787865, "2.6312680454787865", "2.63"},
};

TEST(Getaltekst, BeideWegenGevenDeTekstVanDeTabel)
{
  for (const Geval& g : gevallen) {
    EXPECT_EQ(kortsteTekst(g.waarde), g.kortste) << g.kortste;
    EXPECT_EQ(viaPrintf::kortsteTekst(g.waarde), g.kortste) << g.kortste;
    if (g.tweeDecimalen != nullptr) {
      EXPECT_EQ(vasteTekst(g.waarde, 2), g.tweeDecimalen) << g.kortste;
      EXPECT_EQ(viaPrintf::vasteTekst(g.waarde, 2), g.tweeDecimalen) << g.kortste;
    }
  }
  EXPECT_EQ(viaPrintf::vasteTekst(1.7976931348623157e308, 2),
            vasteTekst(1.7976931348623157e308, 2));
}

// At every power of two the gap below is half the gap above: where the
// nearest digits do not read back, a neighbour of them may.
TEST(Getaltekst, BeideWegenGelijkBijElkeMachtVanTwee)
{
  for (int macht = -1074; macht <= 1023; ++macht) {
    for (const Double waarde : {std::ldexp(1.0, macht), std::ldexp(1.0, macht) * 3.0 / 2.0}) {
      ASSERT_EQ(viaPrintf::kortsteTekst(waarde), kortsteTekst(waarde)) << macht;
      ASSERT_EQ(viaPrintf::vasteTekst(waarde, 1), vasteTekst(waarde, 1)) << macht;
    }
  }
}

} // namespace
