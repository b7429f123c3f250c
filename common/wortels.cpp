// The roots of a polynomial with real coefficients.
// SPDX-License-Identifier: MIT
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
// Approximations closer than this many times their uncertainty are one
// multiple root: an m-fold root's m approximations lie about 2·m·sin(π/m)
// (at most 2π) times their Newton step apart, distinct roots many orders of
// magnitude more.
constexpr Double samenFactor = 20.0;
// The farthest (relative to 1 or |z|) an approximation of a multiple root
// is taken to lie from it: about eps^(1/5), a fivefold root's spread. Two
// roots closer than this, and closer than their uncertainty, are one.
constexpr Double grootsteSpreiding = 1e-2;
// Simple roots nearer than this (relative) are taken as one conjugate pair.
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

// Newton's method on the polynomial c for as long as a step shrinks.
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

// How far a root found at z may lie from the true one: the rounding error
// of Horner's rule at z (about eps·Σ|c_i|·|z|^(N−i)) over |p'(z)|, which
// near an m-fold root grows as its approximations spread; at least a few
// units in the last place, at most grootsteSpreiding.
Double onzekerheid(std::span<const Double> c, Wortel z)
{
  Double fout = 0.0;
  for (const Double ci : c) {
    fout = fout * std::abs(z) + std::abs(ci);
  }
  fout *= eps;
  const Double schaal = std::max(1.0, std::abs(z));
  const Double afgeleide = std::abs(horner(c, z).afgeleide);
  const Double grootste = grootsteSpreiding * schaal;
  return std::max(16.0 * eps * schaal, fout < grootste * afgeleide ? fout / afgeleide : grootste);
}

// The (m)th derivative of c, in the same order: z^(N−i) becomes
// (N−i)!/(N−i−m)!·z^(N−i−m).
std::vector<Double> afgeleide(std::span<const Double> c, std::size_t m)
{
  std::vector<Double> d(c.begin(), c.end() - static_cast<std::ptrdiff_t>(m));
  for (std::size_t i = 0; i < d.size(); ++i) {
    for (std::size_t k = 0; k < m; ++k) {
      d[i] *= static_cast<Double>(c.size() - 1 - i - k);
    }
  }
  return d;
}

// A root as often as it occurs, and how far its value may be off.
struct Groep {
  Wortel w;
  std::size_t aantal = 1;
  Double onzeker = 0.0;
};

// An m-fold root is found as m approximations spread around it by about
// (rounding error)^(1/m), each closer to a neighbour than its own
// uncertainty allows to tell apart. Such a group becomes one root of
// multiplicity m at its mean, in which the spread cancels to first order,
// polished by Newton's method on the (m−1)th derivative, of which it is a
// simple root.
std::vector<Groep> gegroepeerd(std::span<const Double> c, const std::vector<Wortel>& z)
{
  const std::size_t n = z.size();
  std::vector<Double> onzeker(n);
  for (std::size_t i = 0; i < n; ++i) {
    onzeker[i] = std::min(samenFactor * onzekerheid(c, z[i]),
                          grootsteSpreiding * std::max(1.0, std::abs(z[i])));
  }
  // Each approximation joins the group of the first one it cannot be told
  // apart from, directly or through others.
  std::vector<std::size_t> groep(n);
  for (std::size_t i = 0; i < n; ++i) {
    groep[i] = i;
  }
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (groep[j] != groep[i] && std::abs(z[i] - z[j]) <= std::max(onzeker[i], onzeker[j])) {
        const std::size_t oud = groep[j];
        std::replace(groep.begin(), groep.end(), oud, groep[i]);
      }
    }
  }
  std::vector<Groep> groepen;
  for (std::size_t i = 0; i < n; ++i) {
    if (groep[i] != i) {
      continue;
    }
    Groep g{0.0, 0, 0.0};
    for (std::size_t j = 0; j < n; ++j) {
      if (groep[j] == i) {
        g.w += z[j];
        ++g.aantal;
      }
    }
    g.w /= static_cast<Double>(g.aantal);
    if (g.aantal == 1) {
      g.onzeker = onzeker[i];
    } else {
      g.w = gepolijst(afgeleide(c, g.aantal - 1), g.w);
      for (std::size_t j = 0; j < n; ++j) {
        g.onzeker = std::max(g.onzeker, groep[j] == i ? std::abs(z[j] - g.w) : 0.0);
      }
    }
    groepen.push_back(g);
  }
  return groepen;
}

// Whether `a` comes after `b`: by angle, and at the same angle (a zero and
// its reciprocal, as linear phase gives them) the outer one after, so the
// order does not hang on the angles' last bits.
bool naLater(Wortel a, Wortel b)
{
  const Double verschil = std::arg(a) - std::arg(b);
  return verschil > zelfdeHoek || (verschil >= -zelfdeHoek && std::abs(a) > std::abs(b));
}

// A root nearer the real axis than its uncertainty is real. Each other root
// above the axis is paired with the one below nearest its mirror image, if
// they are as near as their uncertainties allow, and both made exact
// conjugates, as often as the root occurs; what finds no partner is real. Ordered by insertion (the
// page's module stays smaller without a library sort).
std::vector<Wortel> inParen(const std::vector<Groep>& groepen)
{
  std::vector<Groep> boven;
  std::vector<Groep> onder;
  std::vector<Wortel> reeel;
  for (const Groep& g : groepen) {
    if (std::abs(g.w.imag()) <= g.onzeker) {
      reeel.insert(reeel.end(), g.aantal, g.w);
    } else {
      (g.w.imag() > 0.0 ? boven : onder)
          .insert((g.w.imag() > 0.0 ? boven : onder).end(), g.aantal, g);
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
  for (const Groep& b : boven) {
    const auto afstand = [&b](const Groep& o) { return std::abs(o.w - std::conj(b.w)); };
    const auto naast =
        std::min_element(onder.begin(), onder.end(),
                         [&](const auto& x, const auto& y) { return afstand(x) < afstand(y); });
    if (naast != onder.end() &&
        afstand(*naast) <= std::max(paarAfstand * std::abs(b.w), b.onzeker + naast->onzeker)) {
      voegIn({(b.w + std::conj(naast->w)) / 2.0, false});
      onder.erase(naast);
    } else {
      reeel.push_back(b.w);
    }
  }
  for (const Groep& o : onder) {
    reeel.push_back(o.w);
  }
  for (const Wortel& r : reeel) {
    voegIn({r.real(), true});
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
  std::vector<Wortel> benaderd;
  if (c.size() > 1) {
    for (const Wortel& w : aberth(c)) {
      benaderd.push_back(gepolijst(c, w));
    }
  }
  std::vector<Wortel> wortels = inParen(gegroepeerd(c, benaderd));
  wortels.insert(wortels.end(), nulWortels, Wortel{0.0});
  return wortels;
}
