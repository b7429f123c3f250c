// What the 16-bit arithmetic of the FIR filter costs: the same 61 taps in
// real numbers, and how far the engine's output lies from them.
#pragma once

#include "algdef.h"

#include <cstddef>

// Σ h[k]·x[n−k] / 32768 for n = 0 .. aantal − 1, samples before the signal
// taken as 0: the filter's output without rounding or saturation, in units of
// the output's last bit. Exact in a Double: the sum is an integer below 2^32
// and the division by a power of two loses nothing.
void firExactSignaal(const Int16* signaal, Double* exact, std::size_t aantal);

struct FirAfwijking {
  Double grootsteAfwijking = 0.0; // in units of the last bit
  UInt32 verzadigd = 0;           // outputs whose exact value lies beyond 16 bits
};

// For the output `gefilterd` of the engine for `signaal` (from a cleared
// line): how many outputs saturated, and the largest |gefilterd[n] − exact[n]|
// among the others. A saturated output's distance is the overshoot the 16 bits
// cut off, counted apart, so the deviation shows what rounding costs.
FirAfwijking firAfwijking(const Int16* signaal, const Int16* gefilterd, std::size_t aantal);
