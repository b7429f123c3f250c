// The state the browser module's entry points share: the chosen program's
// window model and the last text handed out, with the helpers that reach them.
// SPDX-License-Identifier: MIT
#pragma once

#include "fir_programma.h"
#include "iir_programma.h"
#include "venstermodel.h"

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
} // namespace paginakern
