// How one output comes about (berekening.h) as the CSV filtercyclus --berekening prints.
// SPDX-License-Identifier: MIT
#pragma once

#include "berekening.h"

#include <string>

// The columns' names, then a line per row: integers as integers, Doubles in
// the shortest form that reads back, nothing where the engine keeps no value.
// The closing sentences are left out: they follow from the rows.
std::string berekeningCsv(const Berekening& berekening);
