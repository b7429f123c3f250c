// The IIR cascade's zeros and poles, from the sections as the record holds
// them. Section s (s ≥ 1) with numerator length L_b and denominator length
// L_a is, over the common power z^(M) with M = max(L_b, L_a) − 1,
//
//   H_s(z) = (b0·z^M + b1·z^(M−1) + ...) / (z^M + a1·z^(M−1) + ...),
//
// the shorter polynomial padded with zero coefficients (roots at 0). Each
// polynomial of degree 1 or 2 is solved in closed form: −c1/c0, or for
// c0·z² + c1·z + c2 the pair (−c1 ± j·√(4·c0·c2 − c1²)) / (2·c0) when the
// discriminant is negative, else q = −(c1 + sign(c1)·√(c1² − 4·c0·c2))/2 and
// the roots q/c0 and c2/q, which loses no digits to cancellation. Section 0,
// the gain, has neither.
// SPDX-License-Identifier: MIT
#pragma once

#include "iir.h"
#include "wortels.h"

NullenEnPolen iirNullenEnPolen(const FilterIIR_Double_2& filter);
