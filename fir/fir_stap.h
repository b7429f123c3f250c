// One sample through the FIR's delay line, with a look at every term: the engine's own step.
// SPDX-License-Identifier: MIT
//
// acc = Σ_{k=0..60} h[k]·x[n−k]: each product 2.30 in Int32 (exact), the sum
// with guard bits in Int64, k in ascending order. The engine's sample filter
// and the explanation of an output (fir_berekening.h) both run this step, so
// the explanation shows the engine's values, not a second model of them.
#pragma once

#include "fir.h"

#include <array>
#include <cstddef>

// The 61 newest input samples. The line is circular: each sample is written
// once, into the slot at schrijfPositie, and never moved; only the positions
// walk.
struct FirLijn {
  std::array<Int16, FilterLengte> monsters{};
  std::size_t schrijfPositie = 0; // slot 0..60 that takes the next sample
};

inline std::size_t slotErvoor(std::size_t slot)
{
  return slot == 0 ? FilterLengte - 1 : slot - 1;
}

inline std::size_t slotErna(std::size_t slot)
{
  return slot + 1 == FilterLengte ? 0 : slot + 1;
}

// Stores x, sums the 61 terms over the line and moves the write position on;
// `opnemer(k, h, x, product, som)` sees each term after it is added. Returns
// the sum.
template <typename Opnemer>
Int64 firSomMet(FirLijn& lijn, Int16 x, Opnemer&& opnemer)
{
  lijn.monsters[lijn.schrijfPositie] = x;
  Int64 acc = 0;
  std::size_t lees = lijn.schrijfPositie;
  for (std::size_t k = 0; k < FilterLengte; ++k) { // tap k weighs the sample of k steps ago
    const Int16 monster = lijn.monsters[lees];
    const Int32 product = Int32{monster} * Int32{firCoefficienten[k]};
    acc += product;
    opnemer(k, firCoefficienten[k], monster, product, acc);
    lees = slotErvoor(lees);
  }
  lijn.schrijfPositie = slotErna(lijn.schrijfPositie);
  return acc;
}

inline Int64 firSom(FirLijn& lijn, Int16 x)
{
  return firSomMet(lijn, x, [](std::size_t, Int16, Int16, Int32, Int64) {});
}
