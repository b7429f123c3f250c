// A filter's zeros and poles in the z-plane as a plot: the unit circle and
// the axes, each zero as ○ and each pole as ×, a point that occurs more than
// once with its multiplicity beside it, an angle scale around the circle (a
// tick every 0,1π, labelled as far as there is room) and the chosen
// frequency as the point e^(jΩ) on the circle. The plane is square and shows
// |Re z|, |Im z| up to 1.15 times the largest of 1 and every |z|, or more
// where the circle's labels need the room; pixels are Double, written with
// one decimal.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"
#include "wortels.h"

#include <optional>
#include <string>

// The plot's size where none is asked for.
inline constexpr Grootte standaardPolenGrootte = {600, 600};

// Points this close (relative to 1 or their size, the larger) are one point
// of the plot, its multiplicity their count.
inline constexpr Double zelfdePuntAfstand = 1e-6;

inline constexpr Kleur nulKleur{31, 95, 191};
inline constexpr Kleur poolKleur{34, 34, 34};

// Where the plot of `np` at `grootte` draws the z-plane: z at
// midden + pixelsPerEenheid·(Re z, −Im z).
struct PolenVlak {
  Plek midden;
  Double pixelsPerEenheid = 1.0;
};
PolenVlak polenVlak(const NullenEnPolen& np, Grootte grootte);

// A point of the plot: a root and how often it occurs there, in the order
// the roots first reach it.
struct WortelPunt {
  Wortel z;
  std::size_t aantal = 0;
};
std::vector<WortelPunt> wortelPunten(const std::vector<Wortel>& wortels);

// `soort` names the filter in the title ("IIR", "FIR"); with `gekozen` (an
// item 0..7 of the frequency choice) its e^(jΩ) is marked.
// The plot's title, for a filter of kind `soort` ("IIR", "FIR").
std::string polenTitel(const std::string& soort);

Figuur polenGrafiek(const std::string& soort, const NullenEnPolen& np, Grootte grootte,
                    std::optional<UInt32> gekozen = std::nullopt);
