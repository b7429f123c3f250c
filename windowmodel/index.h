// An index or count that arrives as a number from outside (a page's script,
// a link): taken only when it names one of the items.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"

#include <cmath>
#include <cstddef>
#include <optional>

// `waarde` as an index among `aantal` items: a whole number 0..aantal-1.
// NaN, an infinity, a fraction or anything out of range names none.
inline std::optional<std::size_t> indexBinnen(Double waarde, std::size_t aantal)
{
  if (!std::isfinite(waarde) || waarde < 0.0 || waarde >= static_cast<Double>(aantal) ||
      std::trunc(waarde) != waarde) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(waarde);
}
