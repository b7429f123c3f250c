// The magnitude response as filtercyclus prints it: CSV.
// SPDX-License-Identifier: MIT
#pragma once

#include "respons.h"

#include <string>

// "frequentie,omega,versterking,dB,fase,groepslooptijd" and one row per
// frequency, each named as the choice names it ("0,05*PI"), or by its factor
// of pi for evenly spaced ones.
std::string responsCsv(const Respons& respons);
