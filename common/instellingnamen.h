// The names of a cycle's three settings, as filtercyclus's options write
// them (--signaal) and a page's link (signaal=); their values are the texts
// of signaalNamen and frequentieLabels, and a whole number for the amplitude.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <array>
#include <optional>
#include <string_view>

inline constexpr std::string_view signaalInstelling = "signaal";
inline constexpr std::string_view amplitudeInstelling = "amplitude";
inline constexpr std::string_view frequentieInstelling = "frequentie";

// A setting's value read back from its text: the index of `tekst` among the
// first `aantal` of `teksten` (an empty text is never one of them).
template <std::size_t N>
std::optional<UInt32> indexVan(const std::array<std::string_view, N>& teksten, std::size_t aantal,
                               std::string_view tekst)
{
  for (std::size_t i = 0; i < aantal && i < N && !tekst.empty(); ++i) {
    if (teksten[i] == tekst) {
      return static_cast<UInt32>(i);
    }
  }
  return std::nullopt;
}
