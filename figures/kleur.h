// A colour by its RGB value: colour databases differ between toolkits (the
// same name can mean another colour on Windows), the picture must not.
// SPDX-License-Identifier: MIT
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

// The same colour: the same RGB value, whatever the names say.
constexpr bool zelfdeKleur(const Kleur& a, const Kleur& b)
{
  return a.rood == b.rood && a.groen == b.groen && a.blauw == b.blauw;
}

inline constexpr Kleur wit{.rood = 255, .groen = 255, .blauw = 255, .naam = "WHITE"};
