// Typed text as a number, the way a Dutch student types it: a decimal comma
// or point, whatever the locale of the machine.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <optional>
#include <string>
#include <string_view>

// Text of the form [+|-]digits[(,|.)digits], at least one digit, spaces
// around it allowed, as the nearest whole number, a half away from zero
// ("12,5" and "12.5" give 13, "1.000" gives 1). Nothing for any other text.
// The decimals are read as digits, not through a binary fraction, so the
// rounding is exact; a whole part beyond grootsteGetypt is read as
// grootsteGetypt, which lies beyond any range the programs take.
std::optional<Double> getypteWaarde(std::string_view tekst);

inline constexpr Double grootsteGetypt = 1e15;

// Typed text for a whole value in kleinste..grootste, as a control takes it:
// the value getypteWaarde reads, brought into the range, and the note beside
// the box that says what happened to the text: not a number, a point that
// may separate thousands ("12.345": 12345 or 12,345?), brought into the
// range, rounded; empty when the text was taken as typed. Without a value
// (no number, or asked back) the control keeps what it had.
struct GetypteInvoer {
  std::optional<Double> waarde;
  std::string melding;
};
GetypteInvoer leesGetypt(std::string_view tekst, Double kleinste, Double grootste);
