#include "getypt.h"

#include <algorithm>

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
