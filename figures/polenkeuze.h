// A zero or pole of the z-plane plot as a student picks it: by a point of the plot, or a step.
// SPDX-License-Identifier: MIT
//
// The plot's points (polenGrafiek's, a multiple root once) are numbered in
// angle order: by arg z counter-clockwise from 0 to 2π, at one angle (to 1e-9
// rad) inner before outer, a zero before a pole. Positions are the plot's pixels.
#pragma once

#include "figuur.h"
#include "kleur.h"
#include "wortels.h"

#include <optional>
#include <string>
#include <vector>

// The picked point's ring, in the plot's pixels.
inline constexpr Double keuzeStraal = 11.0;
inline constexpr Kleur keuzeKleur{44, 160, 44};

struct PolenPunt {
  bool pool = false;
  Wortel z;
  std::size_t aantal = 1; // its multiplicity
  Plek plek;              // where the plot at its size draws it
};

// The plot's points at `grootte`, in angle order.
std::vector<PolenPunt> polenPunten(const NullenEnPolen& np, Grootte grootte);

// The number of the point drawn nearest `plek`; none without points.
std::optional<std::size_t> dichtstePunt(const std::vector<PolenPunt>& punten, Plek plek);

// The point `stap` on from point `van` in angle order, round the circle;
// from no point (or one out of range) the first step forward reaches the
// first point and the first step back the last.
std::optional<std::size_t> puntNa(const std::vector<PolenPunt>& punten,
                                  std::optional<std::size_t> van, int stap);

// The point in words: "nulpunt: hoek 0,600π, straal 1,000", with
// ", multipliciteit 3" where it occurs more than once; at the origin "pool
// in de oorsprong", where no angle is defined.
std::string polenPuntTekst(const PolenPunt& punt);
