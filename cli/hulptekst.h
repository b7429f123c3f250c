// What filtercyclus --help prints.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Every line within 80 columns: the text is for a terminal and for the
// manual page made from it. The numbers and lists come from the constants
// the options are checked against.
std::string hulpTekst();
