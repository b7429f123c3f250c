// The toolkit's colour for a Kleur: always by its RGB value.
#pragma once

#include "kleur.h"

#include <wx/colour.h>

inline wxColour alsWxKleur(const Kleur& kleur)
{
  return {kleur.rood, kleur.groen, kleur.blauw};
}
