// How one output of the FIR comes about, term by term, with the engine's own values.
// SPDX-License-Identifier: MIT
//
// For output n of a cycle (x[m] the 16-bit input, 0 for m < 0: each cycle
// starts from a cleared delay line; h[k] the Q15 taps):
//
//   som      = Σ_{k=0..60} h[k]·x[n−k]   (2.30 products, summed in Int64)
//   geschoven = floor(som / 32768)        (the arithmetic shift by 15)
//   y[n]     = geschoven saturated to −32768..32767
//
// The terms come from the engine's own step (fir_stap.h), so they are the
// engine's values. Beside them the exact value of fir_exact.h,
//
//   exact = Σ_k (h[k]/32768)·s(n−k),   s the signal before it became 16-bit,
//
// and y[n] − exact split into its causes, each a sum over the same terms:
//
//   coefficienten = 0: the exact value weighs with the same Q15 taps, so
//                   their rounding to Q15 costs nothing against it (it
//                   shows in the response: a DC gain of 32775/32768);
//   invoer        = Σ_k (h[k]/32768)·(x[n−k] − s(n−k)): the input's rounding
//                   toward zero to 16 bits (and +32768 held at 32767);
//   schuif        = geschoven − som/32768, in (−1, 0]: the shift's floor;
//   verzadiging   = y[n] − geschoven: what saturation cut off, 0 otherwise.
//
// coefficienten + invoer + schuif + verzadiging = y[n] − exact, up to the
// rounding of the Doubles they are computed in.
#pragma once

#include "algdef.h"
#include "berekening.h"
#include "fir.h"

#include <array>
#include <cstddef>

struct FirTerm {
  Int16 h = 0;       // h[k], Q15
  Int16 x = 0;       // x[n−k]: 0 for a sample before the block
  Int32 product = 0; // h[k]·x[n−k], 2.30
  Int64 som = 0;     // the sum after this term
  bool voorBlok = false;
};

struct FirBerekening {
  std::size_t n = 0;
  std::array<FirTerm, FilterLengte> termen{}; // k = 0..60
  Int64 som = 0;
  Int64 geschoven = 0;
  bool verzadigd = false;
  Int16 uitvoer = 0;
  Double exact = 0.0;
  Double coefficienten = 0.0;
  Double invoer = 0.0;
  Double schuif = 0.0;
  Double verzadiging = 0.0;
};

// Output n (0..127) of the cycle of test signal `keuze` at `amplitude` and
// `hoekFreq`.
FirBerekening firBerekening(UInt32 keuze, UInt32 amplitude, Float hoekFreq, std::size_t n);

// As a table: the columns k, h, x, product, som, a row per term, and closing
// lines in Dutch for the shift, saturation, the output and the exact value.
Berekening firBerekeningTabel(const FirBerekening& berekening);
