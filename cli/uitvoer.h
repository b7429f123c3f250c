// What a run of filtercyclus writes, from its choices: each output with its
// target and a function that makes its bytes.
// SPDX-License-Identifier: MIT
#pragma once

#include "keuzes.h"

#include <functional>
#include <string>
#include <vector>

struct Uitvoer {
  std::string naam; // as a message names it: "--png", "--svg", "--wav", "CSV"
  Doel doel;
  std::function<std::string()> bytes; // made only when they are written
};

inline const Doel standaardUitvoer{true, "-"};

// In the order they are written: --png, --svg, then --wav; the CSV on stdout
// when none is given. Runs the cycle once; `meld` hears what the filter reports.
std::vector<Uitvoer> uitvoerVoor(const Keuzes& keuzes, Melder meld = nullptr);
