// A colour by its RGB value: colour databases differ between toolkits (the
// same name can mean another colour on Windows), the picture must not.
#pragma once

#include "algdef.h"

struct Kleur {
  UInt8 rood = 0;
  UInt8 groen = 0;
  UInt8 blauw = 0;
  // The standard colour name the value stands for, where there is one; only
  // a check against a toolkit's colour database reads it.
  const char* naam = "";
};

inline constexpr Kleur wit{.rood = 255, .groen = 255, .blauw = 255, .naam = "WHITE"};
