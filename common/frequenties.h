// The angular frequencies that the user can choose, with the texts of the
// choice.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <array>
#include <numbers>
#include <optional>
#include <string_view>

// Factor f of each frequency f*pi, in the order of the choice's items.
inline constexpr std::array<Double, 8> frequentieFactoren = {0.0, 0.05, 0.1, 0.2,
                                                             0.4, 0.6,  0.8, 0.9};

// The choice has two more, empty, items after the eight frequencies; choosing
// one of them leaves the frequency as it was.
inline constexpr std::array<std::string_view, 10> frequentieLabels = {
    "DC", "0,05*PI", "0,1*PI", "0,2*PI", "0,4*PI", "0,6*PI", "0,8*PI", "0,9*PI", "", ""};

// The item selected at start: "0,1*PI".
inline constexpr UInt32 startFrequentieKeuze = 2;

// The Float nearest to factor*pi, with the product taken in double precision.
constexpr Float hoekFrequentieVan(Double factor)
{
  return static_cast<Float>(factor * std::numbers::pi);
}

// The angular frequency of item `keuze`, or nothing for the empty items and
// for any index outside the eight frequencies (including "no selection").
constexpr std::optional<Float> hoekFrequentie(UInt32 keuze)
{
  if (keuze >= frequentieFactoren.size()) {
    return std::nullopt;
  }
  return hoekFrequentieVan(frequentieFactoren[keuze]);
}

inline constexpr Float startHoekFreq = hoekFrequentieVan(frequentieFactoren[startFrequentieKeuze]);
