// What a page shows before any cycle: its texts, the controls' items, ranges
// and start values, as JSON for the page's script, taken from the same
// constants the window uses.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <string>

// What differs per program.
struct ProgrammaTeksten {
  const char* titel = "";
  const char* kopTekst = "";
  UInt32 startAmplitude = 0;
  std::size_t kostenRegels = 0; // the lines of what its arithmetic cost a cycle
};

std::string paginaBeschrijving(const ProgrammaTeksten& programma);
