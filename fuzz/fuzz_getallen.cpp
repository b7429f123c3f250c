// filtercyclus's number parsers on any text, each against a plain reading of
// what it promises: a value exactly when the text has the promised form and
// range, and then the value the text means.
// SPDX-License-Identifier: MIT
#include "frequenties.h"
#include "getallen.h"
#include "instellingnamen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void eis(bool waar)
{
  if (!waar) {
    std::abort();
  }
}

bool isCijfer(char c)
{
  return c >= '0' && c <= '9';
}

// The digits' value, capped just above a UInt32; nothing unless all are digits.
std::optional<std::uint64_t> getalVan(std::string_view t)
{
  if (t.empty()) {
    return std::nullopt;
  }
  std::uint64_t waarde = 0;
  for (const char c : t) {
    if (!isCijfer(c)) {
      return std::nullopt;
    }
    waarde = std::min<std::uint64_t>(waarde * 10 + static_cast<std::uint64_t>(c - '0'), 1ULL << 33);
  }
  return waarde;
}

void controleerDuur(std::string_view t)
{
  const auto scheiding = t.find_first_of(",.");
  const auto heel = getalVan(t.substr(0, scheiding));
  const std::string_view breuk = scheiding == t.npos ? "0" : t.substr(scheiding + 1);
  const bool vorm = t.substr(0, scheiding).size() <= 2 && breuk.size() <= 6 && heel &&
                    getalVan(breuk).has_value();
  std::string metPunt(t);
  if (scheiding != t.npos) {
    metPunt[scheiding] = '.';
  }
  // Six decimals at most: the nearest Double, scaled, rounds to the exact count.
  const auto micro = vorm ? std::llround(std::strtod(metPunt.c_str(), nullptr) * 1e6) : -1;
  const bool verwacht = vorm && micro >= minDuur && micro <= maxDuur;
  const auto duur = leesDuur(t);
  eis(duur.has_value() == verwacht && (!duur || *duur == static_cast<std::uint64_t>(micro)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string_view t(reinterpret_cast<const char*>(data), size);

  const auto getal = getalVan(t);
  const auto gelezen = cijfers(t);
  eis(gelezen.has_value() == (getal && *getal <= UINT32_MAX) && (!gelezen || *gelezen == *getal));

  const auto punten = geheelGetal(t, minPunten, maxPunten);
  eis(punten.has_value() == (gelezen && *gelezen >= minPunten && *gelezen <= maxPunten));

  controleerDuur(t);

  const auto x = t.find('x');
  const auto breedte = x == t.npos ? std::nullopt : getalVan(t.substr(0, x));
  const auto hoogte = x == t.npos ? std::nullopt : getalVan(t.substr(x + 1));
  const bool zijden = breedte && hoogte && x <= 5 && t.size() - x - 1 <= 5;
  const auto grootte = leesGrootte(t);
  eis(grootte.has_value() == zijden &&
      (!grootte || (static_cast<std::uint64_t>(grootte->breedte) == *breedte &&
                    static_cast<std::uint64_t>(grootte->hoogte) == *hoogte)));

  const auto label = indexVan(frequentieLabels, frequentieFactoren.size(), t);
  eis(!label || (*label < frequentieFactoren.size() && frequentieLabels[*label] == t));
  return 0;
}
