// Double-precision IIR low-pass: a gain stage, six biquads in direct form II
// and one first-order section, run as a cascade,
//
//   H(z) = g · Π_{s=1..7} (b0_s + b1_s·z^-1 + b2_s·z^-2) / (1 + a1_s·z^-1 + a2_s·z^-2)
//
// with g = b0 of section 0 and b2 = a2 = 0 in section 7. The denominators are
// stored with this plus sign, so each section's recursion subtracts:
//
//   w(n) = x(n) − a1·w(n−1) − a2·w(n−2)
//   y(n) = b0·w(n) + b1·w(n−1) + b2·w(n−2)
//
// x is the previous section's output, y the next section's input. Every value
// is a Double; each step is one product and one addition or subtraction, in
// this order, each rounded (no fused multiply-add), so every machine gives
// the same bits.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <array>
#include <complex>
#include <cstddef>

inline constexpr UInt32 MaxSekties = 8;
inline constexpr UInt32 MaxSectieLengte = 3; // coefficients per section: two delays

// The filter record: which tables describe the cascade, and its delay state.
// Coefficient b_s[k] is filterTeller[3*s + k], a_s[k] is filterNoemer[3*s + k].
struct FilterIIR_Double_2 {
  UInt32 aantalSekties = 0; // sections in use, the gain section included
  const UInt16* tellerSecties = nullptr;
  const UInt16* noemerSecties = nullptr;
  const Double* filterTeller = nullptr;
  const Double* filterNoemer = nullptr;
  Double w[MaxSekties][2] = {}; // w[s][0] = w(n-1), w[s][1] = w(n-2) of section s
};

// The design of the 13th-order inverse-Chebyshev low-pass (pass band to 0.5*pi,
// stop band from 0.6*pi at -80 dB).
extern const UInt16 TellerLengte[MaxSekties];
extern const UInt16 NoemerLengte[MaxSekties];
extern const Double tellerCoefficienten[MaxSekties][MaxSectieLengte];
extern const Double noemerCoefficienten[MaxSekties][MaxSectieLengte];

// Points the record at the tables above, with all eight sections in use.
void bindFilter(FilterIIR_Double_2& filter);

// Clears the delay state of every row, whatever aantalSekties says.
FoutCode IIR_Double_2Init(FilterIIR_Double_2* filter);

// One sample in, one sample out; samples must come in time order.
Double IIR_Double_2Filter(Double inv, FilterIIR_Double_2* filter);

// IIR_Double_2Filter for `aantal` samples in a row, with the same result to
// the last bit and the same state afterwards, only faster.
void IIR_Double_2FilterBlok(FilterIIR_Double_2* filter, const Double* invoer, Double* uitvoer,
                            std::size_t aantal);

// Text logged when IIR_Double_2Init does not return Ok.
inline constexpr const char* initFoutMelding = "(init) kon filter niet initialiseren.";

// Filters `aantal` samples from a cleared state: the zero-state response, so
// nothing carries over from an earlier call. A failed reset is reported
// through `meld` (when given) and filtering goes on all the same.
void filterIIRSignaal(FilterIIR_Double_2* filter, const Double* signaal, Double* sigGefilterd,
                      std::size_t aantal, Melder meld = nullptr);

// |H(e^jw)| of the cascade the record describes, read from the same tables
// and lengths the filter uses (a0 taken as 1, a length of 0 as 1).
Double iirVersterking(const FilterIIR_Double_2& filter, Double omega);

// H(e^jw) itself, from the same tables.
std::complex<Double> iirOverdracht(const FilterIIR_Double_2& filter, Double omega);

// The group delay in samples, the sum over the sections of the numerator's
// delay minus the denominator's, each exact from its coefficients.
Double iirGroepslooptijd(const FilterIIR_Double_2& filter, Double omega);
