// The toolkit's colour for a Kleur: always by its RGB value.
// SPDX-License-Identifier: MIT
#pragma once

#include "kleur.h"

#include <wx/colour.h>

inline wxColour alsWxKleur(const Kleur& kleur)
{
  return {kleur.rood, kleur.groen, kleur.blauw};
}
