// filtercyclus's option values read from their text.
// SPDX-License-Identifier: MIT
#include "getallen.h"

#include <charconv>

namespace {

constexpr std::size_t duurDecimalen = 6; // microseconds
constexpr std::size_t grootsteZijdeCijfers = 5;

} // namespace

std::optional<UInt32> cijfers(std::string_view tekst)
{
  UInt32 waarde = 0;
  const char* einde = tekst.data() + tekst.size();
  const auto [stop, fout] = std::from_chars(tekst.data(), einde, waarde);
  if (tekst.empty() || tekst.front() < '0' || tekst.front() > '9' || fout != std::errc{} ||
      stop != einde) {
    return std::nullopt;
  }
  return waarde;
}

std::optional<UInt32> geheelGetal(std::string_view tekst, UInt32 kleinste, UInt32 grootste)
{
  const auto waarde = cijfers(tekst);
  if (!waarde || *waarde < kleinste || *waarde > grootste) {
    return std::nullopt;
  }
  return waarde;
}

std::optional<UInt32> leesDuur(std::string_view tekst)
{
  const auto scheiding = tekst.find_first_of(",.");
  const std::string_view heel = tekst.substr(0, scheiding);
  std::string decimalen(scheiding == std::string_view::npos ? "" : tekst.substr(scheiding + 1));
  if (heel.size() > 2 || (scheiding != std::string_view::npos && decimalen.empty()) ||
      decimalen.size() > duurDecimalen) {
    return std::nullopt;
  }
  decimalen.resize(duurDecimalen, '0');
  const auto seconden = cijfers(heel);
  const auto microseconden = cijfers(decimalen);
  if (!seconden || !microseconden) {
    return std::nullopt;
  }
  const UInt32 waarde = *seconden * microsecondenPerSeconde + *microseconden;
  if (waarde < minDuur || waarde > maxDuur) {
    return std::nullopt;
  }
  return waarde;
}

std::optional<Grootte> leesGrootte(std::string_view tekst)
{
  const auto x = tekst.find('x');
  if (x == std::string_view::npos) {
    return std::nullopt;
  }
  const auto zijde = [](std::string_view deel) {
    return deel.size() <= grootsteZijdeCijfers ? cijfers(deel) : std::nullopt;
  };
  const auto breedte = zijde(tekst.substr(0, x));
  const auto hoogte = zijde(tekst.substr(x + 1));
  if (!breedte || !hoogte) {
    return std::nullopt;
  }
  return Grootte{static_cast<Int>(*breedte), static_cast<Int>(*hoogte)};
}

bool grootteBinnen(const Grootte& grootte, const Grootte& kleinste)
{
  return grootte.breedte >= kleinste.breedte && grootte.hoogte >= kleinste.hoogte &&
         grootte.breedte <= grootsteZijde && grootte.hoogte <= grootsteZijde;
}

std::string grootteTekst(const Grootte& grootte)
{
  return std::to_string(grootte.breedte) + "x" + std::to_string(grootte.hoogte);
}
