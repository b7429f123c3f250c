// A fast block filter for records with the layout of the built-in design.
// SPDX-License-Identifier: MIT
#pragma once

#include "iir.h"

#include <cstddef>

// Whether the record has the built-in layout: a gain, six biquads and one
// first-order section, whatever its coefficients.
bool heeftStandaardIndeling(const FilterIIR_Double_2& filter);

// For such a record: IIR_Double_2Filter for `aantal` samples in a row, with
// the same result to the last bit and the same state afterwards.
void filterStandaardBlok(FilterIIR_Double_2& filter, const Double* invoer, Double* uitvoer,
                         std::size_t aantal);
