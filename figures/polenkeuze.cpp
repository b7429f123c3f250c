// Picking a zero or pole of the z-plane plot, and the picked one in words.
// SPDX-License-Identifier: MIT
#include "polenkeuze.h"

#include "getaltekst.h"
#include "grafiekhulp.h"
#include "polengrafiek.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

// The angle counter-clockwise from the positive real axis, 0 ≤ hoek < 2π.
Double rondHoek(Wortel z)
{
  const Double hoek = std::arg(z);
  return hoek < 0.0 ? hoek + 2.0 * std::numbers::pi : hoek;
}

// Angles closer than this (radians) count as one: a zero and its
// reciprocal, as linear phase gives them, then stand inner before outer,
// whatever the angles' last bits.
constexpr Double zelfdeHoek = 1e-9;

bool eerder(const PolenPunt& a, const PolenPunt& b)
{
  const Double verschil = rondHoek(a.z) - rondHoek(b.z);
  if (std::abs(verschil) > zelfdeHoek) {
    return verschil < 0.0;
  }
  if (std::abs(a.z) != std::abs(b.z)) {
    return std::abs(a.z) < std::abs(b.z);
  }
  return !a.pool && b.pool;
}

} // namespace

std::vector<PolenPunt> polenPunten(const NullenEnPolen& np, Grootte grootte)
{
  const PolenVlak vlak = polenVlak(np, grootte);
  std::vector<PolenPunt> punten;
  for (const bool pool : {false, true}) {
    for (const WortelPunt& p : wortelPunten(pool ? np.polen : np.nullen)) {
      const PolenPunt punt{pool,
                           p.z,
                           p.aantal,
                           {vlak.midden.x + p.z.real() * vlak.pixelsPerEenheid,
                            vlak.midden.y - p.z.imag() * vlak.pixelsPerEenheid}};
      // Insertion keeps the page's module free of a library sort.
      auto plek = punten.end();
      while (plek != punten.begin() && eerder(punt, *std::prev(plek))) {
        --plek;
      }
      punten.insert(plek, punt);
    }
  }
  return punten;
}

std::optional<std::size_t> dichtstePunt(const std::vector<PolenPunt>& punten, Plek plek)
{
  std::optional<std::size_t> beste;
  Double kortste = 0.0;
  for (std::size_t i = 0; i < punten.size(); ++i) {
    const Double dx = punten[i].plek.x - plek.x;
    const Double dy = punten[i].plek.y - plek.y;
    const Double afstand = dx * dx + dy * dy; // squared: the order is the same
    if (!beste || afstand < kortste) {
      beste = i;
      kortste = afstand;
    }
  }
  return beste;
}

std::optional<std::size_t> puntNa(const std::vector<PolenPunt>& punten,
                                  std::optional<std::size_t> van, int stap)
{
  const auto aantal = static_cast<long long>(punten.size());
  if (aantal == 0) {
    return std::nullopt;
  }
  if (!van || *van >= punten.size()) {
    return static_cast<std::size_t>(stap < 0 ? aantal - 1 : 0);
  }
  const long long naar = (static_cast<long long>(*van) + stap % aantal + aantal) % aantal;
  return static_cast<std::size_t>(naar);
}

std::string polenPuntTekst(const PolenPunt& punt)
{
  const std::string soort = punt.pool ? "pool" : "nulpunt";
  const std::string aantal =
      punt.aantal > 1 ? ", multipliciteit " + std::to_string(punt.aantal) : "";
  if (punt.z == Wortel{0.0}) {
    return soort + " in de oorsprong" + aantal;
  }
  const auto getal = [](Double waarde) {
    const std::string tekst = metKomma(vasteTekst(waarde, 3));
    return tekst.front() == '-' ? minTeken + tekst.substr(1) : tekst;
  };
  return soort + ": hoek " + getal(std::arg(punt.z) / std::numbers::pi) + "\u03C0, straal " +
         getal(std::abs(punt.z)) + aantal;
}
