#include "wortels.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

namespace {

constexpr int maxRondes = 500;
constexpr int maxPolijststappen = 8;
constexpr Double eps = std::numeric_limits<Double>::epsilon();
// Two roots nearer than this (relative) are taken as one conjugate pair.
constexpr Double paarAfstand = 1e-6;
// Angles closer than this (radians) count as one.
constexpr Double zelfdeHoek = 1e-9;

struct Waarde {
  Wortel p;
  Wortel afgeleide;
};

Waarde horner(std::span<const Double> c, Wortel z)
{
  Waarde w{c[0], 0.0};
  for (std::size_t i = 1; i < c.size(); ++i) {
    w.afgeleide = w.afgeleide * z + w.p;
    w.p = w.p * z + c[i];
  }
  return w;
}

// p/p' at z; 0 at an exact root (where the step would be 0 anyway).
Wortel newtonStap(std::span<const Double> c, Wortel z)
{
  const Waarde w = horner(c, z);
  return w.p == 0.0 ? Wortel{0.0} : w.p / w.afgeleide;
}

std::vector<Wortel> aberth(std::span<const Double> c)
{
  const std::size_t graad = c.size() - 1;
  const Double straal = std::pow(std::abs(c[graad] / c[0]), 1.0 / static_cast<Double>(graad));
  std::vector<Wortel> z(graad);
  for (std::size_t i = 0; i < graad; ++i) {
    // The offset keeps the start off the real axis, where conjugate pairs meet.
    const Double hoek =
        2.0 * std::numbers::pi * static_cast<Double>(i) / static_cast<Double>(graad);
    z[i] = std::polar(straal, hoek + 0.4);
  }
  std::vector<bool> klaar(graad, false);
  for (int ronde = 0; ronde < maxRondes; ++ronde) {
    bool alles = true;
    for (std::size_t i = 0; i < graad; ++i) {
      if (klaar[i]) {
        continue;
      }
      const Wortel r = newtonStap(c, z[i]);
      Wortel som = 0.0;
      for (std::size_t j = 0; j < graad; ++j) {
        if (j != i) {
          som += 1.0 / (z[i] - z[j]);
        }
      }
      const Wortel w = r / (1.0 - r * som);
      z[i] -= w;
      klaar[i] = std::abs(w) <= 4.0 * eps * std::abs(z[i]);
      alles = alles && klaar[i];
    }
    if (alles) {
      break;
    }
  }
  return z;
}

Wortel gepolijst(std::span<const Double> c, Wortel z)
{
  Double vorige = std::numeric_limits<Double>::infinity();
  for (int i = 0; i < maxPolijststappen; ++i) {
    const Wortel stap = newtonStap(c, z);
    if (!(std::abs(stap) < vorige)) {
      break;
    }
    vorige = std::abs(stap);
    z -= stap;
  }
  return z;
}

// Whether `a` comes after `b`: by angle, and at the same angle (a zero and
// its reciprocal, as linear phase gives them) the outer one after, so the
// order does not hang on the angles' last bits.
bool naLater(Wortel a, Wortel b)
{
  const Double verschil = std::arg(a) - std::arg(b);
  return verschil > zelfdeHoek || (verschil >= -zelfdeHoek && std::abs(a) > std::abs(b));
}

// Pairs each root above the real axis with the nearest one below its mirror
// image and makes them exact conjugates; what finds no partner is real.
// Ordered by insertion (the page's module stays smaller without a library
// sort).
std::vector<Wortel> inParen(const std::vector<Wortel>& z)
{
  std::vector<Wortel> onder;
  for (const Wortel& w : z) {
    if (!(w.imag() > 0.0)) {
      onder.push_back(w);
    }
  }
  struct Paar {
    Wortel w;
    bool reeel;
  };
  std::vector<Paar> paren;
  const auto voegIn = [&paren](Paar paar) {
    auto plek = paren.end();
    while (plek != paren.begin() && naLater(std::prev(plek)->w, paar.w)) {
      --plek;
    }
    paren.insert(plek, paar);
  };
  for (const Wortel& b : z) {
    if (!(b.imag() > 0.0)) {
      continue;
    }
    const auto afstand = [&b](const Wortel& o) { return std::abs(o - std::conj(b)); };
    const auto naast =
        std::min_element(onder.begin(), onder.end(),
                         [&](const auto& x, const auto& y) { return afstand(x) < afstand(y); });
    if (naast != onder.end() && afstand(*naast) <= paarAfstand * std::abs(b)) {
      voegIn({(b + std::conj(*naast)) / 2.0, false});
      onder.erase(naast);
    } else {
      voegIn({b.real(), true});
    }
  }
  for (const Wortel& o : onder) {
    voegIn({o.real(), true});
  }
  std::vector<Wortel> uit;
  for (const Paar& paar : paren) {
    uit.push_back(paar.w);
    if (!paar.reeel) {
      uit.push_back(std::conj(paar.w));
    }
  }
  return uit;
}

} // namespace

std::vector<Wortel> veeltermWortels(std::span<const Double> coefficienten)
{
  auto c = coefficienten;
  while (!c.empty() && c.front() == 0.0) {
    c = c.subspan(1);
  }
  std::size_t nulWortels = 0;
  while (c.size() > 1 && c.back() == 0.0) {
    c = c.first(c.size() - 1);
    ++nulWortels;
  }
  std::vector<Wortel> wortels;
  if (c.size() > 1) {
    for (const Wortel& w : aberth(c)) {
      wortels.push_back(gepolijst(c, w));
    }
  }
  wortels = inParen(wortels);
  wortels.insert(wortels.end(), nulWortels, Wortel{0.0});
  return wortels;
}
