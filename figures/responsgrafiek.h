// The magnitude response of a filter as a plot for a slide: gain in dB from 0
// to pi, a grid, the curve and the eight frequencies of the choice on it,
// each named with its label and its gain.
//
// x = omega in 0..pi (rad/sample), y = 20*log10|H(e^j*omega)| in dB, both
// Double, with |H| from the engine's own response function; pixels are
// Double too, written with one decimal.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"
#include "respons.h"

#include <optional>
#include <string>

// The plot's range in dB: the pass band at 0 dB and both filters' stop bands
// (around -80 dB for the IIR, below -45 dB for the FIR) on one scale.
inline constexpr Double grafiekBovenDb = 5.0;
inline constexpr Double grafiekOnderDb = -100.0;

// The plot's size where none is asked for: filtercyclus's default, and the
// browser pages'.
inline constexpr Grootte standaardGrafiekGrootte = {960, 600};

// With `gekozen` (an item 0..7 of the frequency choice) that frequency is
// marked, and its gain written in the plot as gekozenTekst gives it; without
// it, or for an item that names no frequency, the plot is as it always was.
Figuur responsGrafiek(const std::string& titel, VersterkingVan versterking, Grootte grootte,
                      std::optional<UInt32> gekozen = std::nullopt);

// Item `keuze` of the frequency choice and the gain there, in the format of
// the plot's labels: "0,6*PI: −80,0 dB". Empty for an item that names no
// frequency.
std::string gekozenTekst(VersterkingVan versterking, UInt32 keuze);

// The gain as the plot names it: one decimal, a decimal comma, a true minus.
std::string decibelTekst(Double dB);
