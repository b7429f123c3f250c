// The 16-bit FIR engine against exact integer expectations.
// SPDX-License-Identifier: MIT
#include "cyclus.h"
#include "fir.h"
#include "fir_exact.h"
#include "fir_programma.h"
#include "frequenties.h"
#include "rekenhulp.h"
#include "respons_hulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr Float pi01 = hoekFrequentieVan(0.1);

// Closed form, computed independently of the engine's delay line:
// y[n] = sat16(floor(sum_k h[k] x[n-k] / 32768)), earlier samples taken as 0.
std::vector<Int16> gesloten(const std::vector<Int16>& x)
{
  std::vector<Int16> y(x.size());
  for (std::size_t n = 0; n < x.size(); ++n) {
    Int64 som = 0;
    for (std::size_t k = 0; k < FilterLengte && k <= n; ++k) {
      som += Int64{firCoefficienten[k]} * x[n - k];
    }
    const Int64 gedeeld = som >= 0 ? som / 32768 : -((-som + 32767) / 32768); // floor
    y[n] = static_cast<Int16>(std::clamp<Int64>(gedeeld, -32768, 32767));
  }
  return y;
}

// The engine's reference: one sample at a time through the delay line.
std::vector<Int16> referentie(const std::vector<Int16>& x)
{
  firReset();
  std::vector<Int16> y(x.size());
  std::transform(x.begin(), x.end(), y.begin(), firFilterMonster);
  return y;
}

std::vector<Int16> willekeurig(std::mt19937& gen, std::size_t lengte, int grens = 32768)
{
  std::uniform_int_distribution<int> monster(-grens, grens - 1);
  std::vector<Int16> x(lengte);
  std::generate(x.begin(), x.end(), [&] { return static_cast<Int16>(monster(gen)); });
  return x;
}

// 50 random blocks of 128 to 471 samples.
std::vector<std::vector<Int16>> willekeurigeBlokken()
{
  std::mt19937 gen(20261207);
  std::vector<std::vector<Int16>> blokken;
  for (std::size_t ronde = 0; ronde < 50; ++ronde) {
    blokken.push_back(willekeurig(gen, 128 + ronde * 7));
  }
  return blokken;
}

// Every product at full scale with the sign of its tap (or against it), so
// that the 32-bit sum of the products would wrap.
std::vector<Int16> volleSchaal(bool meegaand)
{
  std::vector<Int16> x(FilterLengte);
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    const bool tapNegatief = firCoefficienten[FilterLengte - 1 - k] < 0;
    x[k] = tapNegatief == meegaand ? Int16{-32768} : Int16{32767};
  }
  return x;
}

std::vector<Int16> filter(const std::vector<Int16>& x)
{
  std::vector<Int16> y(x.size());
  firFilterSignaal(x.data(), y.data(), x.size());
  return y;
}

SignaalBlok<Int16> gefilterd(UInt32 keuze, UInt16 amplitude, Float hoekFreq = pi01)
{
  return draaiCyclus<FIRProgramma>(keuze, amplitude, hoekFreq).gefilterd;
}

// Every output from `van` up to `tot` is `waarde`.
void verwachtGelijk(const SignaalBlok<Int16>& y, std::size_t van, std::size_t tot, Int16 waarde)
{
  for (std::size_t n = van; n < tot; ++n) {
    EXPECT_EQ(y[n], waarde) << n;
  }
}

TEST(FIRTabel, SymmetrischMetDeJuisteSommen)
{
  for (std::size_t k = 0; k < FilterLengte; ++k) {
    EXPECT_EQ(firCoefficienten[k], firCoefficienten[FilterLengte - 1 - k]) << k;
  }
  EXPECT_EQ(firCoefficienten[30], 18017);
  EXPECT_EQ(std::accumulate(firCoefficienten.begin(), firCoefficienten.end(), 0), 32775);
  int absSom = 0;
  for (const Int16 h : firCoefficienten) {
    absSom += std::abs(h);
  }
  EXPECT_EQ(absSom, 67027);
}

TEST(FIRFilter, NulInNulUit)
{
  for (const Int16 y : filter(std::vector<Int16>(128, 0))) {
    EXPECT_EQ(y, 0);
  }
}

TEST(FIRFilter, ImpulsVan20000)
{
  const auto y = gefilterd(impulsfunktie, 20000);
  verwachtGelijk(y, 0, 32, 0);
  EXPECT_EQ(y[32], 9);
  EXPECT_EQ(y[33], -3) << "-2.44 is rounded down by the shift";
  EXPECT_EQ(y[34], -19);
  EXPECT_EQ(y[35], 12);
  EXPECT_EQ(y[62], 10996) << "the centre tap";
  EXPECT_EQ(y[92], 9);
  verwachtGelijk(y, 93, BlokLengte, 0);
}

TEST(FIRFilter, StapVan20000)
{
  const auto y = gefilterd(stapfunktie, 20000);
  verwachtGelijk(y, 0, 32, 0);
  const auto piek = std::max_element(y.begin(), y.end());
  EXPECT_EQ(*piek, 21773);
  EXPECT_EQ(piek - y.begin(), 63);
  verwachtGelijk(y, 92, BlokLengte, 20004);
}

// 32767 * 32775 / 32768 = 32773 does not fit 16 bits; it saturates instead of
// wrapping to -32763.
TEST(FIRFilter, GroteUitvoerVerzadigt)
{
  const auto y = gefilterd(stapfunktie, 32767);
  verwachtGelijk(y, 92, BlokLengte, 32767);
  for (const Int16 s : gefilterd(blokgolf, 32768)) {
    EXPECT_GE(s, -32768);
  }
  const auto negatief = filter(std::vector<Int16>(128, -32768));
  EXPECT_EQ(negatief[100], -32768);
}

TEST(FIRFilter, CosinusBijDeStartwaarden)
{
  const auto r = draaiCyclus<FIRProgramma>(cosinus, 20000, pi01);
  const Int16 begin[] = {9, 6, -13, -2, 24, -7};
  for (std::size_t n = 0; n < 6; ++n) {
    EXPECT_EQ(r.gefilterd[n], begin[n]) << n;
  }
  EXPECT_EQ(r.signaal[30], -19999);
  EXPECT_EQ(r.gefilterd[60], -19993);
  for (std::size_t n = 60; n < BlokLengte; ++n) {
    EXPECT_LE(std::abs(r.gefilterd[n] - r.signaal[n - 30]), 8) << n;
  }
}

TEST(FIRFilter, SperbandDooftUit)
{
  const auto zes = gefilterd(cosinus, 20000, *hoekFrequentie(5));
  const auto acht = gefilterd(cosinus, 20000, *hoekFrequentie(6));
  for (std::size_t n = 60; n < BlokLengte; ++n) {
    EXPECT_LE(std::abs(zes[n]), 101) << n;
    EXPECT_LE(std::abs(acht[n]), 3) << n;
  }
}

// The reference against the closed form, computed independently of the
// delay line, for random input and for the largest sums the taps allow.
TEST(FIRReferentie, VolgtDeGeslotenVorm)
{
  for (const auto& x : willekeurigeBlokken()) {
    EXPECT_EQ(referentie(x), gesloten(x)) << x.size();
  }
  for (const bool meegaand : {true, false}) {
    EXPECT_EQ(referentie(volleSchaal(meegaand)), gesloten(volleSchaal(meegaand))) << meegaand;
  }
}

// Both arithmetic variants of the block filter, the portable one and the
// fastest this processor has, against the reference.
class FIRKernen : public OpElkeRekenkern {};
INSTANTIATE_TEST_SUITE_P(Kern, FIRKernen, elkeRekenkern);

TEST_P(FIRKernen, GelijkAanDeReferentieVoorWillekeurigeInvoer)
{
  for (const auto& x : willekeurigeBlokken()) {
    EXPECT_EQ(filter(x), referentie(x)) << x.size();
  }
}

TEST_P(FIRKernen, VolleSchaalMetMeegaandTeken)
{
  const auto positief = volleSchaal(true);
  const auto negatief = volleSchaal(false);
  EXPECT_EQ(filter(positief), referentie(positief));
  EXPECT_EQ(filter(positief).back(), 32767);
  EXPECT_EQ(filter(negatief), referentie(negatief));
  EXPECT_EQ(filter(negatief).back(), -32768);
}

TEST(FIRFilter, ElkeAanroepBegintVanRust)
{
  const auto eerste = gefilterd(cosinus, 20000);
  filter(std::vector<Int16>(77, 31000));
  EXPECT_EQ(gefilterd(cosinus, 20000), eerste);
}

// Long blocks are filtered a piece at a time inside the engine; the pieces
// join without a seam.
TEST_P(FIRKernen, LangBlokGelijkAanDeReferentie)
{
  std::mt19937 gen(11);
  const auto x = willekeurig(gen, 5000);
  EXPECT_EQ(filter(x), referentie(x));
}

// Blocks of any length, and single samples in between, carry the delay line
// over to each other.
TEST_P(FIRKernen, InStukkenGelijkAanInEenKeer)
{
  std::mt19937 gen(7);
  const auto x = willekeurig(gen, 1006, 20000);

  std::vector<Int16> inStukken(x.size());
  firReset();
  std::size_t begin = 0;
  for (const std::size_t stuk : {1u, 60u, 61u, 62u, 128u, 688u}) {
    firFilterBlok(x.data() + begin, inStukken.data() + begin, stuk);
    begin += stuk;
    inStukken[begin] = firFilterMonster(x[begin]);
    ++begin;
  }
  ASSERT_EQ(begin, x.size());
  EXPECT_EQ(inStukken, referentie(x));
}

} // namespace

namespace {

Double versterking(Double factor)
{
  return firVersterking(factor * std::numbers::pi);
}

TEST(FIRRespons, BijDeFrequentiesVanDeKeuze)
{
  const Double verwacht[] = {1.0002, 1.0002, 0.9996, 1.0003, 0.9996, 0.0051, 0.00016, 0.00033};
  const Double marge[] = {5e-5, 5e-5, 5e-5, 5e-5, 5e-5, 5e-5, 5e-6, 5e-6};
  for (UInt32 i = 0; i < 8; ++i) {
    EXPECT_NEAR(firVersterking(*hoekFrequentie(i)), verwacht[i], marge[i]) << frequentieLabels[i];
  }
  EXPECT_EQ(firVersterking(0.0), 32775.0 / 32768.0);
  EXPECT_NEAR(dB(versterking(0.6)), -45.9, 0.05);
  EXPECT_NEAR(dB(versterking(0.8)), -75.9, 0.05);
  EXPECT_NEAR(dB(versterking(0.9)), -69.6, 0.05);
}

TEST(FIRRespons, BandenVanHetFilter)
{
  for (Double f = 0.0; f <= 0.5; f += 0.001) {
    EXPECT_GE(dB(versterking(f)), -0.05) << f;
    EXPECT_LE(dB(versterking(f)), 0.02) << f;
  }
  for (Double f = 0.6; f <= 1.0; f += 0.0005) {
    EXPECT_LE(dB(versterking(f)), -45.9 + 0.05) << f;
    if (f >= 0.65) {
      EXPECT_LE(dB(versterking(f)), -60.0) << f;
    }
  }
  EXPECT_NEAR(dB(versterking(0.55)), -6.0, 0.1);
  EXPECT_NEAR(minDrieDecibel(versterking, 0.5, 0.55), 0.537, 0.001);
}

// An impulse of 32768 at n = 32 is exactly the taps: exact[32 + k] = h[k].
// Its 16-bit sample saturates to 32767, and floor(32767·h/32768) is h − 1
// for each of the 33 positive taps and h for the 28 negative ones: the
// largest deviation is 1 and the mean −33/128. A step of 32768 reaches the
// partial sums of the taps: the full sum 32775 from n = 92 on (36 outputs)
// and 15 partial sums before it lie above 32767, 51 saturated outputs.
TEST(FIRExact, ImpulsEnStapVanVolleSchaal)
{
  std::array<Double, BlokLengte> exact{};
  firExactSignaal(impulsfunktie, maxAmplitude, 0.0F, exact);
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    const bool tap = n >= impulsPositie && n - impulsPositie < FilterLengte;
    EXPECT_EQ(exact[n], tap ? firCoefficienten[n - impulsPositie] : 0) << n;
  }
  const auto impuls = draaiCyclus<FIRProgramma>(impulsfunktie, maxAmplitude, 0.0F);
  const auto afwijking = firAfwijking(exact, impuls.signaal, impuls.gefilterd);
  EXPECT_EQ(afwijking.grootsteAfwijking, 1.0);
  EXPECT_EQ(afwijking.gemiddeldeAfwijking, -33.0 / 128.0);
  EXPECT_EQ(afwijking.verzadigd, 0u);

  firExactSignaal(stapfunktie, maxAmplitude, 0.0F, exact);
  const auto stap = draaiCyclus<FIRProgramma>(stapfunktie, maxAmplitude, 0.0F);
  EXPECT_EQ(firAfwijking(exact, stap.signaal, stap.gefilterd).verzadigd, 51u);
}

} // namespace
