// Settings in a link: the part of a page's address after '#', as
// "signaal=blokgolf&amplitude=12345&frequentie=0,2*PI&teken". Parts are
// separated by '&', a part is a name with an optional "=value", and both may
// be percent-encoded ("0%2C2*PI" is "0,2*PI").
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FragmentDeel {
  std::string naam;
  std::optional<std::string> waarde; // none: the part had no '='
  std::string tekst;                 // the whole part decoded, to name it in a message
};

// The parts in order, empty parts left out; a leading '#' is allowed.
std::vector<FragmentDeel> fragmentDelen(std::string_view fragment);

// `tekst` with every byte that a fragment's value may not carry as it is
// (the separators '&', '=' and '#', spaces, non-ASCII) percent-encoded.
std::string fragmentWaarde(std::string_view tekst);

// One line naming the parts that were ignored, empty when there are none: the
// first three, each at most 40 characters ("…" where cut), without control
// characters or marks that change the text's direction, and how many more.
std::string genegeerdMelding(const std::vector<std::string>& genegeerd);
