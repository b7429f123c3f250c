// A cycle as CSV, as filtercyclus prints it and the page's table shows it.
// SPDX-License-Identifier: MIT
#pragma once

#include "cyclus.h"
#include "getaltekst.h"

#include <span>
#include <string>

// "n,signaal,gefilterd" and one row per sample; with `exact` (one value a
// sample) a fourth column "exact".
template <typename Programma>
std::string cyclusCsv(const CyclusResultaat<Programma>& cyclus, std::span<const Double> exact = {})
{
  std::string uitvoer = exact.empty() ? "n,signaal,gefilterd\n" : "n,signaal,gefilterd,exact\n";
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    uitvoer += std::to_string(n) + ',' + kortsteTekst(cyclus.signaal[n]) + ',' +
               kortsteTekst(cyclus.gefilterd[n]);
    if (!exact.empty()) {
      uitvoer += ',' + kortsteTekst(exact[n]);
    }
    uitvoer += '\n';
  }
  return uitvoer;
}
