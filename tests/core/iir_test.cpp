// The double-precision IIR engine against independently computed values.
// SPDX-License-Identifier: MIT
#include "bitgelijk.h"
#include "cyclus.h"
#include "frequenties.h"
#include "iir.h"
#include "iir_programma.h"
#include "rekenhulp.h"
#include "respons_hulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr Float pi01 = hoekFrequentieVan(0.1);

// Six outputs from `van` on, each within 5e-5 of the table's value.
void verwachtBijna(const SignaalBlok<Double>& y, std::size_t van,
                   const std::array<Double, 6>& verwacht)
{
  for (std::size_t i = 0; i < verwacht.size(); ++i) {
    EXPECT_NEAR(y[van + i], verwacht[i], 5e-5) << van + i;
  }
}

FilterIIR_Double_2 gebondenFilter()
{
  FilterIIR_Double_2 filter;
  bindFilter(filter);
  return filter;
}

std::vector<Double> filter(FilterIIR_Double_2& record, const std::vector<Double>& invoer)
{
  std::vector<Double> uitvoer(invoer.size());
  filterIIRSignaal(&record, invoer.data(), uitvoer.data(), invoer.size());
  return uitvoer;
}

std::vector<Double> eenheidsImpuls(std::size_t lengte)
{
  std::vector<Double> x(lengte, 0.0);
  x[0] = 1.0;
  return x;
}

CyclusResultaat<IIRProgramma> cyclus(UInt32 keuze, Float hoekFreq = pi01)
{
  return draaiCyclus<IIRProgramma>(keuze, 8192, hoekFreq);
}

TEST(IIRTabellen, BeschrijvenDeCascade)
{
  const UInt16 lengtes[] = {1, 3, 3, 3, 3, 3, 3, 2};
  for (UInt32 s = 0; s < MaxSekties; ++s) {
    EXPECT_EQ(TellerLengte[s], lengtes[s]);
    EXPECT_EQ(NoemerLengte[s], lengtes[s]);
    EXPECT_EQ(noemerCoefficienten[s][0], 1.0);
  }
  for (UInt32 s = 1; s <= 6; ++s) {
    EXPECT_EQ(tellerCoefficienten[s][0], tellerCoefficienten[s][2]) << "zeros on the unit circle";
  }
  const auto filter = gebondenFilter();
  EXPECT_EQ(filter.aantalSekties, 8u);
  EXPECT_EQ(filter.filterTeller[3 * 7 + 1], 0.4096996863761);
  EXPECT_EQ(filter.filterNoemer[3 * 6 + 2], 0.08472534046386);
}

TEST(IIRFilter, NulInNulUit)
{
  auto record = gebondenFilter();
  for (const Double y : filter(record, std::vector<Double>(300, 0.0))) {
    EXPECT_EQ(y, 0.0);
  }
}

TEST(IIRFilter, ImpulsResponsie)
{
  auto record = gebondenFilter();
  const auto h = filter(record, eenheidsImpuls(7));
  const Double verwacht[] = {0.01428899654, 0.0875526939,  0.2490279401, 0.4073890485,
                             0.3686322402,  0.08320590748, -0.1880702145};
  for (std::size_t n = 0; n < 7; ++n) {
    EXPECT_NEAR(h[n], verwacht[n], 1e-10) << n;
  }
  Double productVanB0 = 1.0;
  for (const auto& rij : tellerCoefficienten) {
    productVanB0 *= rij[0];
  }
  EXPECT_NEAR(h[0], productVanB0, 1e-15);
}

TEST(IIRFilter, ImpulsfunktieVanHetProgramma)
{
  const auto r = cyclus(impulsfunktie);
  for (std::size_t n = 0; n < 32; ++n) {
    EXPECT_EQ(r.gefilterd[n], 0.0) << n;
  }
  verwachtBijna(r.gefilterd, 32, {{117.0555, 717.2317, 2040.0369, 3337.3311, 3019.8353, 681.6228}});
}

TEST(IIRFilter, StapfunktieVanHetProgramma)
{
  const auto r = cyclus(stapfunktie);
  verwachtBijna(r.gefilterd, 32,
                {{117.0555, 834.2871, 2874.3240, 6211.6551, 9231.4904, 9913.1132}});
  const auto piek = std::max_element(r.gefilterd.begin(), r.gefilterd.end());
  EXPECT_EQ(piek - r.gefilterd.begin(), 37);
  EXPECT_NEAR(*piek, 9913.1132, 5e-5);
  EXPECT_NEAR(*piek / 8192.0, 1.21, 0.005) << "a step overshoots to about 1.21 A";
  EXPECT_NEAR(r.gefilterd[127], 8192.9627, 5e-5);
}

TEST(IIRFilter, CosinusVanHetProgramma)
{
  const auto r = cyclus(cosinus);
  verwachtBijna(r.gefilterd, 0, {{117.0555, 828.5580, 2816.8646, 5926.5775, 8302.0006, 7674.3547}});
}

TEST(IIRFilter, CosinusInDeSperbandWordtOnderdrukt)
{
  const auto r = cyclus(cosinus, *hoekFrequentie(5));
  for (std::size_t n = 120; n < BlokLengte; ++n) {
    EXPECT_LE(std::abs(r.gefilterd[n]), 1.2) << n;
  }
}

TEST(IIRFilter, BlokgolfSchiet57ProcentDoor)
{
  const auto r = cyclus(blokgolf);
  const Double piek = *std::max_element(r.gefilterd.begin(), r.gefilterd.end());
  EXPECT_NEAR(piek / 8192.0, 1.57, 0.01);
}

TEST(IIRFilter, VersterkingBijDCIsEen)
{
  auto record = gebondenFilter();
  const auto y = filter(record, std::vector<Double>(4000, 1.0));
  EXPECT_NEAR(y.back(), 1.0, 1e-9);
}

// Scaling by a power of two is exact in every step, so the output scales
// bit for bit; any other factor holds to rounding.
TEST(IIRFilter, IsLineair)
{
  const auto basis = cyclus(blokgolf);
  auto record = gebondenFilter();
  for (const Double factor : {4.0, 0.25, 3.0, -1.7}) {
    std::vector<Double> x(basis.signaal.begin(), basis.signaal.end());
    for (Double& s : x) {
      s *= factor;
    }
    const auto y = filter(record, x);
    for (std::size_t n = 0; n < BlokLengte; ++n) {
      const Double verwacht = basis.gefilterd[n] * factor;
      if (factor == 4.0 || factor == 0.25) {
        EXPECT_EQ(y[n], verwacht) << n;
      } else {
        EXPECT_NEAR(y[n], verwacht, 1e-9 * std::max(1.0, std::abs(verwacht))) << n;
      }
    }
  }
}

TEST(IIRFilter, ElkeCyclusBegintVanRust)
{
  auto record = gebondenFilter();
  const auto eerste = cyclus(cosinus);
  std::vector<Double> x(eerste.signaal.begin(), eerste.signaal.end());
  const auto a = filter(record, x);
  filter(record, std::vector<Double>(128, 5000.0));
  const auto b = filter(record, x);
  EXPECT_EQ(a, b);
  EXPECT_TRUE(std::equal(a.begin(), a.end(), eerste.gefilterd.begin()));
}

TEST(IIRFilter, ZonderSectiesAlleenDeVersterking)
{
  for (const UInt32 aantal : {0u, 1u}) {
    auto record = gebondenFilter();
    record.aantalSekties = aantal;
    const std::vector<Double> x = {1.0, -3.0, 1000.0, 0.5};
    const auto y = filter(record, x);
    for (std::size_t n = 0; n < x.size(); ++n) {
      EXPECT_EQ(y[n], 0.51615906391 * x[n]) << aantal;
    }
  }
}

// A hand-built record: gain 2, then a section with the given lengths.
struct EigenFilter {
  UInt16 teller[2] = {1, 1};
  UInt16 noemer[2] = {1, 1};
  Double b[6] = {2.0, 0.0, 0.0, 0.5, 0.25, 0.125};
  Double a[6] = {1.0, 0.0, 0.0, 4.0, 0.5, 0.25};
  FilterIIR_Double_2 record;

  EigenFilter(UInt16 tellerLengte, UInt16 noemerLengte)
  {
    teller[1] = tellerLengte;
    noemer[1] = noemerLengte;
    record.aantalSekties = 2;
    record.tellerSecties = teller;
    record.noemerSecties = noemer;
    record.filterTeller = b;
    record.filterNoemer = a;
  }
};

TEST(IIRFilter, A0WordtAlsEenGenomen)
{
  EigenFilter f(3, 3); // a0 = 4 would scale the section if it were read
  const auto y = filter(f.record, {1.0, 0.0, 0.0});
  // w = 2, -1, 0 ; y(n) = 0.5 w(n) + 0.25 w(n-1) + 0.125 w(n-2)
  EXPECT_EQ(y[0], 1.0);
  EXPECT_EQ(y[1], 0.0);
  EXPECT_EQ(y[2], 0.0);
  EXPECT_EQ(f.record.w[1][0], 0.0);
  EXPECT_EQ(f.record.w[1][1], -1.0);
}

TEST(IIRFilter, LengteEenVermenigvuldigtEnSchuiftToch)
{
  EigenFilter f(1, 1);
  const auto y = filter(f.record, {1.0, 3.0});
  EXPECT_EQ(y[0], 2.0 * 0.5);
  EXPECT_EQ(y[1], 6.0 * 0.5);
  EXPECT_EQ(f.record.w[1][0], 6.0);
  EXPECT_EQ(f.record.w[1][1], 2.0);
}

TEST(IIRFilter, LengteNulGedraagtZichAlsLengteEen)
{
  EigenFilter nul(0, 0);
  EigenFilter een(1, 1);
  const std::vector<Double> x = {1.0, -2.0, 7.0};
  EXPECT_EQ(filter(nul.record, x), filter(een.record, x));
}

TEST(IIRFilter, EersteOrdeSectie)
{
  EigenFilter f(2, 2); // w(n) = x - 0.5 w(n-1); y = 0.5 w(n) + 0.25 w(n-1)
  const auto y = filter(f.record, {1.0, 0.0, 0.0});
  EXPECT_EQ(y[0], 1.0);
  EXPECT_EQ(y[1], 0.5 * -1.0 + 0.25 * 2.0);
  EXPECT_EQ(y[2], 0.5 * 0.5 + 0.25 * -1.0);
}

TEST(IIRFilterDeathTest, ControlesBlijvenActief)
{
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  FilterIIR_Double_2 zonderTeller = gebondenFilter();
  zonderTeller.filterTeller = nullptr;
  EXPECT_DEATH(IIR_Double_2Init(&zonderTeller), "filter->filterTeller != \\(Double \\*\\) Null");
  FilterIIR_Double_2 zonderNoemer = gebondenFilter();
  zonderNoemer.filterNoemer = nullptr;
  EXPECT_DEATH(IIR_Double_2Init(&zonderNoemer), "filter->filterNoemer != \\(Double \\*\\) Null");
  EXPECT_DEATH(IIR_Double_2Filter(1.0, nullptr), "filter != \\(FilterIIR_Double_2 \\*\\)Null");
  FilterIIR_Double_2 teVeel = gebondenFilter();
  teVeel.aantalSekties = 9;
  EXPECT_DEATH(IIR_Double_2Init(&teVeel), "sectiesPassen");
}

} // namespace

namespace {

constexpr Double pi = std::numbers::pi;

Double versterking(Double factor)
{
  return iirVersterking(gebondenFilter(), factor * pi);
}

TEST(IIRRespons, DoorlaatBand)
{
  EXPECT_NEAR(versterking(0.0), 1.0, 1e-9);
  for (Double f = 0.0; f <= 0.4; f += 0.001) {
    EXPECT_GE(versterking(f), 0.999998) << f;
    EXPECT_LE(versterking(f), 1.0 + 1e-9) << f;
  }
  EXPECT_NEAR(versterking(0.45), 0.99976, 5e-6);
  EXPECT_NEAR(versterking(0.5), 0.94375, 5e-6);
  EXPECT_NEAR(dB(versterking(0.55)), -20.1, 0.05);
  EXPECT_NEAR(versterking(0.4), 0.9999986, 5e-8);
}

TEST(IIRRespons, MinDrieDecibelBij0517Pi)
{
  EXPECT_NEAR(minDrieDecibel(versterking, 0.5, 0.55), 0.517, 0.0005);
}

TEST(IIRRespons, SperBandMetGelijkeRimpel)
{
  Double piek = 0.0;
  for (Double f = 0.6; f <= 1.0; f += 0.0001) {
    piek = std::max(piek, versterking(f));
  }
  EXPECT_LE(piek, 1.0e-4 * 1.001);
  EXPECT_GE(piek, 0.99e-4) << "equal ripple reaches -80 dB";
  EXPECT_NEAR(dB(versterking(0.6)), -80.0, 0.05);
  EXPECT_NEAR(dB(versterking(0.8)), -91.9, 0.05);
  EXPECT_NEAR(dB(versterking(0.9)), -91.0, 0.05);
  for (const Double nul : {0.602, 0.620, 0.657, 0.714, 0.793, 0.890}) {
    Double minimum = 1.0;
    for (Double f = nul - 0.001; f <= nul + 0.001; f += 0.00001) {
      minimum = std::min(minimum, versterking(f));
    }
    EXPECT_LT(minimum, 1e-7) << "transmission zero near " << nul << " pi";
  }
  EXPECT_LT(versterking(1.0), 1e-12);
}

// The response computed from the tables is what the engine does to a cosine
// once the transient has died away.
TEST(IIRRespons, KloptMetHetFilter)
{
  for (const Double f : {0.1, 0.3, 0.45, 0.5, 0.52}) {
    std::vector<Double> x(3000);
    for (std::size_t n = 0; n < x.size(); ++n) {
      x[n] = std::cos(f * pi * static_cast<Double>(n));
    }
    auto record = gebondenFilter();
    const auto y = filter(record, x);
    // Correlation over 1000 samples, a whole number of periods of each f.
    std::complex<Double> som = 0.0;
    for (std::size_t n = 2000; n < y.size(); ++n) {
      som += y[n] * std::polar(1.0, -f * pi * static_cast<Double>(n));
    }
    const Double amplitude = 2.0 * std::abs(som) / 1000.0;
    EXPECT_NEAR(amplitude, versterking(f), 1e-9) << f;
  }
}

} // namespace

namespace {

// The block filter gives, to the last bit, what IIR_Double_2Filter gives one
// sample at a time, and leaves the same state, for every block length
// (shorter and longer than the pipeline), for blocks that continue from an
// earlier state, and for inputs that are not finite; in the portable variant
// and in the fastest this processor has.
class IIRBlok : public OpElkeRekenkern {};
INSTANTIATE_TEST_SUITE_P(Kern, IIRBlok, elkeRekenkern);

TEST_P(IIRBlok, BitVoorBitGelijkAanMonsterVoorMonster)
{
  std::mt19937 toeval(1207);
  std::uniform_real_distribution<Double> waarde(-40000.0, 40000.0);
  for (const std::size_t lengte : {0U, 1U, 2U, 7U, 13U, 14U, 15U, 16U, 17U, 128U, 129U, 1000U}) {
    std::vector<Double> x(lengte);
    std::generate(x.begin(), x.end(), [&] { return waarde(toeval); });
    if (lengte > 20) {
      x[3] = std::numeric_limits<Double>::infinity();
      x[9] = -0.0;
      x[lengte - 2] = std::numeric_limits<Double>::quiet_NaN();
    }
    auto blok = gebondenFilter();
    auto monster = gebondenFilter();
    // Both start from the same, non-zero state.
    const std::vector<Double> aanloop = {1000.0, -2000.0, 3000.5, 17.0};
    std::vector<Double> weg(aanloop.size());
    filterIIRSignaal(&blok, aanloop.data(), weg.data(), aanloop.size());
    filterIIRSignaal(&monster, aanloop.data(), weg.data(), aanloop.size());

    std::vector<Double> yBlok(lengte);
    IIR_Double_2FilterBlok(&blok, x.data(), yBlok.data(), lengte);
    for (std::size_t n = 0; n < lengte; ++n) {
      const Double y = IIR_Double_2Filter(x[n], &monster);
      ASSERT_TRUE(bitGelijk(yBlok[n], y)) << "length " << lengte << ", sample " << n;
    }
    for (UInt32 s = 0; s < MaxSekties; ++s) {
      for (UInt32 d = 0; d < 2; ++d) {
        EXPECT_TRUE(bitGelijk(blok.w[s][d], monster.w[s][d])) << lengte << " " << s << " " << d;
      }
    }
  }
}

} // namespace
