// The roots of a polynomial with real coefficients,
//
//   p(z) = c[0]·z^N + c[1]·z^(N−1) + ... + c[N]   (the order numpy.roots takes),
//
// by the Aberth–Ehrlich iteration (O. Aberth 1973, L. W. Ehrlich 1967), which
// refines all N approximations together and converges cubically to simple
// roots:
//
//   z_i ← z_i − w_i,   w_i = r_i / (1 − r_i·Σ_{j≠i} 1/(z_i − z_j)),   r_i = p(z_i)/p'(z_i),
//
// started from N points on the circle of the roots' geometric mean radius
// |c[N]/c[0]|^(1/N), then each root polished by Newton's method on p for as
// long as a step shrinks. An m-fold root comes out of this as m values
// spread around it by about (rounding error)^(1/m), closer together than
// their uncertainty (a Newton step p/p') can tell apart: such
// a group is taken as one root of multiplicity m at its mean, polished on
// the (m−1)th derivative of p, of which it is a simple root. p and its
// derivatives by Horner's rule, all in complex Double. Leading zero
// coefficients lower the degree; trailing ones are roots at 0 exactly.
// Since the coefficients are real, the roots come out in exact conjugate
// pairs (the upper one first, a multiple pair as often as it occurs) and
// real roots (those nearer the axis than their uncertainty) with no
// imaginary part, ordered by the upper root's angle from 0 to π, at one
// angle inner before outer.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <complex>
#include <span>
#include <vector>

using Wortel = std::complex<Double>;

std::vector<Wortel> veeltermWortels(std::span<const Double> coefficienten);

// A filter's zeros and poles in the z-plane, each as often as its
// multiplicity.
struct NullenEnPolen {
  std::vector<Wortel> nullen;
  std::vector<Wortel> polen;
};
