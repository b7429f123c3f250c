// The readout's cursor: the sample of the drawn cycle whose values are read,
// chosen by a tap, a step or a key, always within the block.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "tekening.h"

#include <algorithm>
#include <cstddef>
#include <optional>

class Aflezer {
public:
  void wis() { gelezen.reset(); }

  // An index beyond the block changes nothing.
  void lees(std::size_t n)
  {
    if (n < BlokLengte) {
      gelezen = n;
    }
  }

  // `stap` samples on, kept within the block; from none, the first sample.
  void schuif(Int stap)
  {
    constexpr Int laatste = static_cast<Int>(BlokLengte) - 1;
    const Int van = static_cast<Int>(gelezen.value_or(0));
    gelezen = static_cast<std::size_t>(
        gelezen ? std::clamp(van + std::clamp(stap, -laatste, laatste), 0, laatste) : 0);
  }

  // The sample whose bars stand nearest to device column x of a panel
  // `breedte` pixels wide (staafBij); nothing where no bar stands.
  void leesBij(Double x, Int breedte)
  {
    if (const auto n = staafBij(x, breedte)) {
      lees(*n);
    }
  }

  [[nodiscard]] const std::optional<std::size_t>& monster() const { return gelezen; }

private:
  std::optional<std::size_t> gelezen;
};
