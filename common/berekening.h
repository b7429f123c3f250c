// How one output of a cycle came about, as a table any shell can show without knowing the program.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <string>
#include <vector>

// A cell holds the engine's value itself: an integer as an integer, a Double
// as it is (a shell writes it in the shortest form that reads back), or
// nothing where the engine keeps no value. Plain data, so that a table's
// rows copy as bytes.
struct BerekeningCel {
  enum class Soort : UInt8 { leeg, geheel, reeel };
  Soort soort = Soort::leeg;
  Int64 geheel = 0;
  Double reeel = 0.0;

  BerekeningCel() = default;
  BerekeningCel(Int64 waarde) : soort(Soort::geheel), geheel(waarde) {}
  BerekeningCel(Double waarde) : soort(Soort::reeel), reeel(waarde) {}
};

struct BerekeningRij {
  std::vector<BerekeningCel> cellen; // one per column
  bool voorBlok = false;             // a term of a sample before the block began: 0
};

struct Berekening {
  std::string titel;                 // what the table computes, in Dutch
  std::vector<std::string> kolommen; // the columns' names, as the CSV's header
  std::vector<BerekeningRij> rijen;
  std::vector<std::string> slotregels; // what follows from the rows, a sentence each, in Dutch
};
