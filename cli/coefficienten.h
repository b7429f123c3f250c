// The coefficients of a program's filter as its engine uses them, as CSV:
// for checking a hand calculation against the very numbers that run.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// "k,h" and the 61 taps h[0..60] as Q15 integers (tap k weighs h/32768).
std::string firCoefficientenCsv();

// "sectie,b0,b1,b2,a1,a2": one row per section of the cascade, in the order
// the samples pass them, section 0 being the gain stage (b0 = g). Each
// denominator is 1 + a1·z^-1 + a2·z^-2; coefficients beyond a section's
// length are 0. Every value in the shortest form that reads back to the same
// Double.
std::string iirCoefficientenCsv();
