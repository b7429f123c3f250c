// The FIR filter's zeros and poles. Over z^60,
//
//   H(z) = Σ_{k=0..60} h[k]·z^(−k) = (h[0]·z^60 + h[1]·z^59 + ... + h[60]) / z^60,
//
// so its 60 zeros are the roots of the polynomial with the Q15 taps h[k] as
// coefficients (the scale 1/32768 moves no root), found by veeltermWortels,
// and its 60 poles lie at the origin. Linear phase shows in the zeros: with
// symmetric taps each zero off the unit circle has its reciprocal among them.
// SPDX-License-Identifier: MIT
#pragma once

#include "wortels.h"

NullenEnPolen firNullenEnPolen();
