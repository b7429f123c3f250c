// What the 16-bit arithmetic of the FIR filter costs: the same 61 taps as
// real numbers applied, with no rounding, to the test signal as the generator
// computes it before it becomes a 16-bit sample,
//
//   exact[n] = Σ_{k=0..min(n,60)} (h[k]/32768)·s(n−k),
//
// s(n) = testSignaalWaarde (A·cos(n·Ω), ±A, A; A up to 32768), in Double,
// summed over k in order. The engine's output y[n] differs from it by both
// roundings (the input's toward zero, the sum's down) and by saturation;
// fir_berekening.h splits the difference of one output into these parts.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <span>

void firExactSignaal(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::span<Double> exact);

struct FirAfwijking {
  Double grootsteAfwijking = 0.0;   // max |y[n] − exact[n]|, in units of the last bit
  Double gemiddeldeAfwijking = 0.0; // the mean of y[n] − exact[n], signed
  UInt32 verzadigd = 0;             // outputs the engine cut off
};

// The deviation of the engine's output `gefilterd` of the input `signaal`
// from `exact`. An output is saturated when the engine's shifted sum
// (firGeschovenSommen) fell outside −32768..32767 and was cut off; those are
// counted apart and left out, every other output counts. With none left,
// both deviations are 0.
FirAfwijking firAfwijking(std::span<const Double> exact, std::span<const Int16> signaal,
                          std::span<const Int16> gefilterd);
