// The careful replacement's rule for a path that is a symbolic link.
// SPDX-License-Identifier: MIT
#include "koppelregel.h"

std::filesystem::path koppelDoel(const std::filesystem::path& koppeling,
                                 const std::filesystem::path& doel)
{
  return doel.is_absolute() ? doel : koppeling.parent_path() / doel;
}

bool magVolgen(const KoppelMap& map, UInt32 koppelingEigenaar, UInt32 gebruiker)
{
  const bool gedeeld = map.plakkerig && map.voorIedereen;
  return !gedeeld || koppelingEigenaar == gebruiker || koppelingEigenaar == map.eigenaar;
}
