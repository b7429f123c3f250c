// A line of what a program's arithmetic cost a cycle, as its description states it.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <string_view>

// "Verzadigd: 3": the label, the value, and its decimals when written as
// text. A program states its lines as an array of these, so their number is
// the array's size and is kept equal nowhere by hand.
struct KostenRegel {
  std::string_view label;
  Double waarde = 0.0;
  int decimalen = 0;
};
