// Numbers as text, whatever the locale: the same value always gives the same
// bytes. Every decimal the programs write goes through here.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <string>

// Decimal text that reads back to exactly the same value: the shortest for a
// Double, plain digits for an Int16.
std::string kortsteTekst(Double waarde);
std::string kortsteTekst(Int16 waarde);

// `decimalen` digits after the point, rounded; a value that rounds to zero is
// written without a minus sign.
std::string vasteTekst(Double waarde, int decimalen);

// The decimal point as the programs' Dutch texts write it: a comma.
std::string metKomma(std::string tekst);

// The minus sign of the Dutch texts and the plots' scales: a true minus
// (U+2212), not the hyphen of the CSV.
inline constexpr const char* minTeken = "\u2212";

// A number's text as the Dutch sentences write it: a decimal comma and a true
// minus sign (U+2212).
std::string alsZinGetal(std::string tekst);

// A factor of pi as the choice writes a frequency, with a decimal comma:
// "DC", "0,05*PI", "0,123*PI".
std::string frequentieTekst(Double factor);

// The same bytes through the C library's printf and strtod, for a C++ library
// without floating-point to_chars (Emscripten's); built everywhere, so that
// the tests compare both ways. Needs the "C" locale, which the browser
// edition never leaves.
namespace viaPrintf {
std::string kortsteTekst(Double waarde);
std::string vasteTekst(Double waarde, int decimalen);
} // namespace viaPrintf
