// The page's entries for the pole-zero plot's readout: the zero or pole a tap or a key picks.
// SPDX-License-Identifier: MIT
#include "getaltekst.h"
#include "json.h"
#include "paginakern.h"
#include "polengrafiek.h"
#include "polenkeuze.h"

#include <cmath>
#include <emscripten/emscripten.h>
#include <string>
#include <type_traits>
#include <vector>

using namespace paginakern;

namespace {

// The points of the plot the page drew at `breedte` x `hoogte`; none while a
// students' link hides the roots.
std::vector<PolenPunt> getekendePunten(Double breedte, Double hoogte)
{
  const Grootte grootte = gevraagdeGrootte(breedte, hoogte).value_or(standaardPolenGrootte);
  const NullenEnPolen np = metModel(NullenEnPolen{}, [](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return model.antwoordenVerborgen() ? NullenEnPolen{} : Programma::nullenEnPolen();
  });
  return polenPunten(np, grootte);
}

// JSON {"punt", "tekst", "x", "y", "straal", "kleur"}: the point's number,
// its words, and the ring that marks it; "" for none.
const char* polenKeuze(const std::vector<PolenPunt>& punten, std::optional<std::size_t> i)
{
  if (!i) {
    return geefTekst({});
  }
  const PolenPunt& p = punten[*i];
  return geefTekst(JsonObject{}
                       .getal("punt", static_cast<long long>(*i))
                       .tekst("tekst", polenPuntTekst(p))
                       .veld("x", vasteTekst(p.plek.x, 1))
                       .veld("y", vasteTekst(p.plek.y, 1))
                       .veld("straal", vasteTekst(keuzeStraal, 1))
                       .tekst("kleur", hexKleur(keuzeKleur))
                       .klaar());
}

} // namespace

extern "C" {

// The point drawn nearest (x, y) in the plot's pixels.
EMSCRIPTEN_KEEPALIVE const char* polenPuntBij(Double x, Double y, Double breedte, Double hoogte)
{
  const auto punten = getekendePunten(breedte, hoogte);
  const bool plek = std::isfinite(x) && std::isfinite(y);
  return polenKeuze(punten, plek ? dichtstePunt(punten, {x, y}) : std::nullopt);
}

// The point `stap` (-1, 0 or 1) on from point `van` in angle order; from
// none (any `van` that is no point's number) a step picks the first or last.
EMSCRIPTEN_KEEPALIVE const char* polenPuntNa(Double van, Double stap, Double breedte, Double hoogte)
{
  const auto punten = getekendePunten(breedte, hoogte);
  const auto vanaf = alsIndex(van);
  const int richting = stap > 0 ? 1 : stap < 0 ? -1 : 0;
  return polenKeuze(
      punten, puntNa(punten, vanaf ? std::optional<std::size_t>(*vanaf) : std::nullopt, richting));
}

} // extern "C"
