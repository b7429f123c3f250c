// veeltermWortels against polynomials built from known roots, simple and multiple.
// SPDX-License-Identifier: MIT
#include "wortels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Lang = std::complex<long double>;

// A root of the polynomial: r·e^(jπ·hoek), as often as `aantal` says; one
// off the real axis stands for itself and its conjugate.
struct Bekend {
  long double straal;
  long double hoek; // a multiple of π
  int aantal = 1;
};

struct Geval {
  std::string naam;
  std::vector<Bekend> wortels;
  Double marge; // how far each found root may lie from the true one
};

std::vector<Lang> alleWortels(const std::vector<Bekend>& bekend)
{
  std::vector<Lang> alle;
  for (const Bekend& b : bekend) {
    const Lang z = std::polar(b.straal, std::numbers::pi_v<long double> * b.hoek);
    const bool reeel = b.hoek == 0.0L || b.hoek == 1.0L;
    for (int i = 0; i < b.aantal; ++i) {
      alle.push_back(reeel ? Lang{z.real(), 0.0L} : z);
      if (!reeel) {
        alle.push_back(std::conj(z));
      }
    }
  }
  return alle;
}

std::vector<long double> maal(const std::vector<long double>& a, const std::vector<long double>& b)
{
  std::vector<long double> c(a.size() + b.size() - 1, 0.0L);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) {
      c[i + j] += a[i] * b[j];
    }
  }
  return c;
}

// The product of the factors, the even and the odd ones (in angle order)
// apart first: each half's roots spread around the circle as the whole's,
// so no partial product has coefficients much larger than the result's,
// and the rounding stays in the result's last bits.
std::vector<long double> product(const std::vector<std::vector<long double>>& factoren)
{
  if (factoren.size() == 1) {
    return factoren[0];
  }
  std::vector<std::vector<long double>> even;
  std::vector<std::vector<long double>> oneven;
  for (std::size_t i = 0; i < factoren.size(); ++i) {
    (i % 2 == 0 ? even : oneven).push_back(factoren[i]);
  }
  return maal(product(even), product(oneven));
}

// The coefficients of Π(z − z_i), highest power first: a real factor per
// real root and per conjugate pair, multiplied out in long double and
// rounded to Double once.
std::vector<Double> coefficienten(const std::vector<Bekend>& bekend)
{
  std::vector<std::vector<long double>> factoren;
  for (const Bekend& b : bekend) {
    const Lang z = std::polar(b.straal, std::numbers::pi_v<long double> * b.hoek);
    for (int i = 0; i < b.aantal; ++i) {
      if (b.hoek == 0.0L || b.hoek == 1.0L) {
        factoren.push_back({1.0L, -z.real()});
      } else {
        factoren.push_back({1.0L, -2.0L * z.real(), std::norm(z)});
      }
    }
  }
  std::vector<Double> uit;
  for (const long double ci : product(factoren)) {
    uit.push_back(static_cast<Double>(ci));
  }
  return uit;
}

const std::vector<Geval> gevallen = {
    {"graad 1", {{0.5L, 0.0L}}, 1e-15},
    {"±j drievoudig", {{1.0L, 0.5L, 3}}, 1e-4},
    {"1 drievoudig op de cirkel", {{1.0L, 0.0L, 3}, {0.5L, 0.25L}}, 1e-4},
    {"reeel dubbel binnen en buiten", {{0.5L, 0.0L, 2}, {2.0L, 1.0L, 2}, {0.3L, 0.7L}}, 1e-6},
    {"complex dubbel buiten de cirkel",
     {{0.8L, 0.3L, 2}, {1.5L, 0.7L, 2}, {1.2L, 0.1L}, {0.9L, 1.0L}},
     1e-6},
    {"viervoudig naast enkelvoudig", {{0.9L, 0.6L, 4}, {0.9L, 0.8L}, {1.1L, 0.6L}}, 1e-3},
    {"nulpunt en reciproke",
     {{0.7L, 0.2L}, {1.0L / 0.7L, 0.2L}, {1.0L, 0.9L}, {0.0L, 0.0L, 3}},
     1e-12},
    {"60 eenheidswortels",
     [] {
       std::vector<Bekend> w{{1.0L, 0.0L}, {1.0L, 1.0L}};
       for (int k = 1; k < 30; ++k) {
         w.push_back({1.0L, k / 30.0L});
       }
       return w;
     }(),
     1e-12},
    {"graad 60 binnen en buiten",
     [] {
       std::vector<Bekend> w;
       for (int k = 0; k < 30; ++k) {
         w.push_back({k % 2 == 0 ? 0.9L : 1.1L, (k + 0.5L) / 30.0L});
       }
       return w;
     }(),
     1e-9},
    {"graad 60 drievoudig",
     [] {
       std::vector<Bekend> w;
       for (int k = 0; k < 10; ++k) {
         w.push_back({1.0L, (k + 0.5L) / 10.0L, 3});
       }
       return w;
     }(),
     1e-4},
};

TEST(VeeltermWortels, VindtBekendeWortelsMetHunMultipliciteit)
{
  for (const Geval& geval : gevallen) {
    const std::vector<Lang> verwacht = alleWortels(geval.wortels);
    const std::vector<Double> c = coefficienten(geval.wortels);
    const std::vector<Wortel> gevonden = veeltermWortels(c);
    ASSERT_EQ(gevonden.size(), verwacht.size()) << geval.naam;
    // Each true root has its own found one near it, as real as it is.
    std::vector<bool> genomen(gevonden.size(), false);
    for (const Lang& w : verwacht) {
      const Wortel z{static_cast<Double>(w.real()), static_cast<Double>(w.imag())};
      std::size_t beste = gevonden.size();
      for (std::size_t i = 0; i < gevonden.size(); ++i) {
        if (!genomen[i] && (beste == gevonden.size() ||
                            std::abs(gevonden[i] - z) < std::abs(gevonden[beste] - z))) {
          beste = i;
        }
      }
      genomen[beste] = true;
      EXPECT_LE(std::abs(gevonden[beste] - z), geval.marge) << geval.naam << ": " << z;
      EXPECT_EQ(gevonden[beste].imag() == 0.0, w.imag() == 0.0L) << geval.naam << ": " << z;
    }
    // Off the axis in exact conjugate pairs, the upper one first.
    for (std::size_t i = 0; i < gevonden.size(); ++i) {
      if (gevonden[i].imag() > 0.0) {
        ASSERT_LT(i + 1, gevonden.size()) << geval.naam;
        EXPECT_EQ(gevonden[i + 1], std::conj(gevonden[i])) << geval.naam << ": " << i;
        ++i;
      } else {
        EXPECT_EQ(gevonden[i].imag(), 0.0) << geval.naam << ": " << i;
      }
    }
  }
}

} // namespace
