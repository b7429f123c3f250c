// Typed text as a number, the way a Dutch student types it.
// SPDX-License-Identifier: MIT
#include "getypt.h"

#include "teksten.h"

#include <algorithm>
#include <cmath>

namespace {

bool isCijfer(char teken)
{
  return teken >= '0' && teken <= '9';
}

std::string_view zonderSpaties(std::string_view tekst)
{
  constexpr std::string_view spaties = " \t\r\n";
  const auto begin = tekst.find_first_not_of(spaties);
  if (begin == std::string_view::npos) {
    return {};
  }
  return tekst.substr(begin, tekst.find_last_not_of(spaties) - begin + 1);
}

// The sign and spaces taken off; what is left names the number's digits.
std::string_view cijfers(std::string_view tekst)
{
  tekst = zonderSpaties(tekst);
  if (tekst.starts_with('-') || tekst.starts_with('+')) {
    tekst.remove_prefix(1);
  }
  return tekst;
}

// "12.345": in Dutch a point separates thousands, so the reader may mean
// 12345 where the program would read twelve.
bool duizendtalPunt(std::string_view tekst)
{
  const std::string_view getal = cijfers(tekst);
  const auto punt = getal.find('.');
  return punt != std::string_view::npos && punt >= 1 && punt <= 3 && getal.size() - punt - 1 == 3;
}

// Decimals that are not all zero: the value was rounded.
bool afgerond(std::string_view tekst)
{
  const std::string_view getal = cijfers(tekst);
  const auto scheiding = getal.find_first_of(",.");
  return scheiding != std::string_view::npos &&
         getal.substr(scheiding + 1).find_first_not_of('0') != std::string_view::npos;
}

std::string heelTekst(Double waarde)
{
  return std::to_string(std::llround(waarde));
}

} // namespace

std::optional<Double> getypteWaarde(std::string_view tekst)
{
  tekst = zonderSpaties(tekst);
  const bool negatief = tekst.starts_with('-');
  if (negatief || tekst.starts_with('+')) {
    tekst.remove_prefix(1);
  }
  const auto scheiding = tekst.find_first_of(",.");
  const std::string_view heel = tekst.substr(0, scheiding);
  const std::string_view decimalen =
      scheiding == std::string_view::npos ? std::string_view{} : tekst.substr(scheiding + 1);
  if (heel.size() + decimalen.size() == 0 || !std::all_of(heel.begin(), heel.end(), isCijfer) ||
      !std::all_of(decimalen.begin(), decimalen.end(), isCijfer)) {
    return std::nullopt;
  }
  Double waarde = 0.0;
  for (const char cijfer : heel) {
    waarde = std::min(waarde * 10.0 + (cijfer - '0'), grootsteGetypt);
  }
  if (!decimalen.empty() && decimalen.front() >= '5') {
    waarde += 1.0;
  }
  return negatief ? -waarde : waarde;
}

GetypteInvoer leesGetypt(std::string_view tekst, Double kleinste, Double grootste)
{
  const auto waarde = getypteWaarde(tekst);
  if (!waarde) {
    return {.waarde = std::nullopt, .melding = geenGetalTekst};
  }
  if (duizendtalPunt(tekst)) {
    std::string bedoeld(cijfers(tekst));
    bedoeld.erase(bedoeld.find('.'), 1);
    std::string komma(cijfers(tekst));
    komma[komma.find('.')] = ',';
    return {.waarde = std::nullopt,
            .melding = "Bedoel je " + bedoeld + " of " + komma +
                       "? Typ het zonder punt. De amplitude is niet veranderd."};
  }
  const Double binnen = std::clamp(*waarde, kleinste, grootste);
  if (binnen != *waarde) {
    return {.waarde = binnen,
            .melding = "Buiten " + heelTekst(kleinste) + " tot " + heelTekst(grootste) +
                       ": de amplitude is nu " + heelTekst(binnen) + "."};
  }
  return {.waarde = binnen,
          .melding = afgerond(tekst) ? "Afgerond: de amplitude is nu " + heelTekst(binnen) + "."
                                     : std::string{}};
}
