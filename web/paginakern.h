// The state the browser module's entry points share: the chosen program's
// window model and the last text handed out, with the helpers that reach them.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"
#include "fir_programma.h"
#include "iir_programma.h"
#include "index.h"
#include "venstermodel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

namespace paginakern {

inline std::variant<std::monostate, VensterModel<IIRProgramma>, VensterModel<FIRProgramma>> venster;
inline std::string uitgegeven; // the last text handed out; valid until the next one

// `doe(model)` on the chosen program's model, as an R; `leeg` while no
// program is chosen.
template <typename R, typename Doe>
R metModel(R leeg, Doe doe)
{
  return std::visit(
      [&](auto& model) -> R {
        if constexpr (std::is_same_v<std::decay_t<decltype(model)>, std::monostate>) {
          return leeg;
        } else {
          return static_cast<R>(doe(model));
        }
      },
      venster);
}

template <typename Doe>
void metModel(Doe doe)
{
  metModel(0, [&](auto& model) {
    doe(model);
    return 0;
  });
}
inline const char* geefTekst(std::string nieuw)
{
  uitgegeven = std::move(nieuw);
  return uitgegeven.c_str();
}

template <typename Doe>
const char* geefTekstVan(Doe doe)
{
  return geefTekst(metModel(std::string{}, doe));
}
// A number from the page as an index: a whole number below 2^32 - 1, or
// none (the model then checks it against its items).
inline std::optional<UInt32> alsIndex(Double waarde)
{
  const auto index = indexBinnen(waarde, std::numeric_limits<UInt32>::max());
  return index ? std::optional<UInt32>(static_cast<UInt32>(*index)) : std::nullopt;
}

// The largest side of a picture the page may ask for, as filtercyclus's.
inline constexpr Int grootsteZijde = 10000;

// A side of a picture the page asks for, in pixels: a whole number of at
// least 1, at most grootsteZijde (larger is cut to it); none for anything
// else, which then draws at a default or not at all.
inline std::optional<Int> paneelZijde(Double waarde)
{
  if (!std::isfinite(waarde) || waarde < 1.0) {
    return std::nullopt;
  }
  return static_cast<Int>(std::min(std::floor(waarde), static_cast<Double>(grootsteZijde)));
}

// A picture's size from the page's two sides, or none.
inline std::optional<Grootte> gevraagdeGrootte(Double breedte, Double hoogte)
{
  const auto b = paneelZijde(breedte);
  const auto h = paneelZijde(hoogte);
  return b && h ? std::optional<Grootte>(Grootte{*b, *h}) : std::nullopt;
}

} // namespace paginakern
