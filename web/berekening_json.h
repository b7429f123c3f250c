// How one output comes about (berekening.h) as JSON for the page's panel, its numbers in Dutch.
// SPDX-License-Identifier: MIT
#pragma once

#include "berekening.h"
#include "getaltekst.h"
#include "json.h"

#include <string>
#include <vector>

namespace berekening_json {

// A cell as the page shows it: the CSV's exact text with a decimal comma and
// a true minus sign; empty where the engine keeps no value.
inline std::string celTekst(const BerekeningCel& cel)
{
  switch (cel.soort) {
  case BerekeningCel::Soort::geheel:
    return alsZinGetal(std::to_string(cel.geheel));
  case BerekeningCel::Soort::reeel:
    return alsZinGetal(kortsteTekst(cel.reeel));
  default:
    return {};
  }
}

template <typename T, typename Json>
std::string lijst(const std::vector<T>& elementen, Json json)
{
  std::string uit = "[";
  for (std::size_t i = 0; i < elementen.size(); ++i) {
    uit += (i > 0 ? "," : "") + json(elementen[i]);
  }
  return uit + ']';
}

inline std::string tekstLijst(const std::vector<std::string>& teksten)
{
  return lijst(teksten, [](const std::string& t) { return jsonTekst(t); });
}

} // namespace berekening_json

// {"titel", "kolommen": [...], "rijen": [{"cellen": [...], "voorBlok"}], "slotregels": [...]};
// "" for an empty table.
inline std::string berekeningJson(const Berekening& berekening)
{
  using namespace berekening_json;
  if (berekening.kolommen.empty()) {
    return {};
  }
  const auto rij = [](const BerekeningRij& r) {
    const auto cel = [](const BerekeningCel& c) { return jsonTekst(celTekst(c)); };
    return JsonObject{}
        .veld("cellen", lijst(r.cellen, cel))
        .waarheid("voorBlok", r.voorBlok)
        .klaar();
  };
  return JsonObject{}
      .tekst("titel", berekening.titel)
      .veld("kolommen", tekstLijst(berekening.kolommen))
      .veld("rijen", lijst(berekening.rijen, rij))
      .veld("slotregels", tekstLijst(berekening.slotregels))
      .klaar();
}
