// Phase and group delay of a filter's frequency response.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <complex>
#include <cstddef>
#include <vector>

using OverdrachtVan = std::complex<Double> (*)(Double omega);

// The group delay in samples, −d arg C / dω = Re(Σ k·c_k·e^(−jωk) / C), of
// the polynomial C(ω) = Σ c_k·e^(−jωk) with `lengte` coefficients, exactly
// from the derivative rather than by differencing. It is taken about the
// centre m = (lengte − 1)/2, as m + Re(Σ (k − m)·c_k·e^(−jω(k−m)) / Σ c_k·e^(−jω(k−m))),
// so that a symmetric polynomial (linear phase) gives m exactly. Undefined at
// a zero of C on the unit circle.
Double polynoomLooptijd(const Double* coefficienten, std::size_t lengte, Double omega);

// arg H at the frequencies `omegas` (ascending, from 0 on), unwrapped from DC:
// the principal value at 0, then followed continuously over a grid at most
// π/8192 apart, so that a step of more than π between neighbours counts as a
// wrap. At a zero on the unit circle the phase steps by +π.
std::vector<Double> ontvouwdeFase(OverdrachtVan overdracht, const std::vector<Double>& omegas);
