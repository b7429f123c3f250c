// Helpers for the tests of the filters' magnitude responses.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <cmath>

inline Double dB(Double versterking)
{
  return 20.0 * std::log10(versterking);
}

// Where the response, falling between the factors `laag` and `hoog` of pi,
// crosses -3 dB: bisection to well below the resolution the figures give.
template <typename Versterking>
Double minDrieDecibel(Versterking versterking, Double laag, Double hoog)
{
  for (int i = 0; i < 50; ++i) {
    const Double midden = (laag + hoog) / 2;
    (dB(versterking(midden)) > -3.0 ? laag : hoog) = midden;
  }
  return laag;
}
