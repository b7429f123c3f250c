// How one output of the IIR comes about, stage by stage, with the engine's own values.
// SPDX-License-Identifier: MIT
//
// For output n of a cycle the cascade runs from a cleared state over the
// samples 0..n−1 and then, recorded, over sample n (iir_stap.h): the gain
// stage (section 0, y = g·x, no state) and each section s = 1..7 in order,
// with its input x (the previous stage's output), its state w[s][0] = w(n−1)
// and w[s][1] = w(n−2) before and after the step, and its output; the last
// section's output is y[n]. All values are the engine's Doubles.
#pragma once

#include "algdef.h"
#include "berekening.h"
#include "iir.h"
#include "iir_stap.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

struct IirStadium {
  UInt32 sectie = 0;
  Double invoer = 0.0;
  std::optional<SectieToestand> voor; // none for the gain stage
  std::optional<SectieToestand> na;
  Double uitvoer = 0.0;
};

struct IirBerekening {
  std::size_t n = 0;
  std::vector<IirStadium> stadia; // section 0 first
  Double uitvoer = 0.0;           // y[n]
};

// Output n of `signaal` through the cascade `filter` describes, from a
// cleared state; `filter` itself is left as it was.
IirBerekening iirBerekening(const FilterIIR_Double_2& filter, std::span<const Double> signaal,
                            std::size_t n);

// As a table: sectie, invoer, uitvoer and the state before and after
// (w0_voor, w1_voor, w0_na, w1_na), a row per stage, and a closing line.
Berekening iirBerekeningTabel(const IirBerekening& berekening);
