// The amplitude spectra of a cycle's input and output as a plot: two stem
// series at Ω_k = 2π·k/128, k = 0..64, from DC at the left to the Nyquist
// frequency π at the right-hand edge, each line at
//
//   L[k] = 20·log10(S[k] / 32768) dB   (dB re 32768, dBFS),
//
// on a scale from −100 dB to 0 dB, or to the next 10 dB step above the
// largest line where one is above 0 dB (a square wave's fundamental is 4/π
// of its amplitude). A line at or below −100 dB (a bin of 0 included) keeps
// its head on the bottom line, without a stem, so each series shows all 65
// heads. S[k] and the pixels are Double, written with one
// decimal; the input in the panel's blue, the output in its brown.
//
// The two series and the chosen frequency's mark are the figure's data
// (Figuur::gegevens): the grid, the scales, the legend and the titles depend
// on the size and the scale's top alone, so that a page keeps them from one
// cycle to the next of the same top.
// SPDX-License-Identifier: MIT
#pragma once

#include "cyclus.h"
#include "figuur.h"
#include "spectrum.h"

#include <optional>

inline constexpr const char* spectrumTitel = "Spectrum van invoer en uitvoer";

inline constexpr Double spectrumOnderDb = -100.0;
inline constexpr Double volleSchaal = 32768.0; // 0 dBFS

// The top of the scale in dB: 0, or the next multiple of 10 dB above the
// largest line of either spectrum.
Double spectrumBovenDb(const Spectrum& invoer, const Spectrum& uitvoer);

// With `gekozen` (an item 0..7 of the frequency choice) that frequency is
// marked by a line from top to bottom.
Figuur spectrumGrafiek(const Spectrum& invoer, const Spectrum& uitvoer, Grootte grootte,
                       std::optional<UInt32> gekozen = std::nullopt);

// The top of the scale of a cycle's plot.
template <typename Programma>
Double spectrumBovenDb(const CyclusResultaat<Programma>& cyclus)
{
  return spectrumBovenDb(amplitudeSpectrum(cyclus.signaal), amplitudeSpectrum(cyclus.gefilterd));
}

// The plot of a cycle: its input's and its output's spectrum.
template <typename Programma>
Figuur spectrumGrafiek(const CyclusResultaat<Programma>& cyclus, Grootte grootte,
                       std::optional<UInt32> gekozen = std::nullopt)
{
  return spectrumGrafiek(amplitudeSpectrum(cyclus.signaal), amplitudeSpectrum(cyclus.gefilterd),
                         grootte, gekozen);
}
