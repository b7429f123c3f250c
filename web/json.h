// JSON for the page's script: strings, numbers and truth values in objects.
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// A JSON string. Every control character is escaped, so any text stays one
// valid string.
inline std::string jsonTekst(std::string_view tekst)
{
  constexpr std::string_view hex = "0123456789abcdef";
  std::string uit = "\"";
  for (const char teken : tekst) {
    const auto byte = static_cast<unsigned char>(teken);
    if (teken == '"' || teken == '\\') {
      uit += '\\';
      uit += teken;
    } else if (byte < 0x20U) {
      uit += "\\u00";
      uit += hex.at(byte / 16U);
      uit += hex.at(byte % 16U);
    } else {
      uit += teken;
    }
  }
  return uit + '"';
}

class JsonObject {
public:
  JsonObject& tekst(std::string_view naam, std::string_view waarde)
  {
    return veld(naam, jsonTekst(waarde));
  }
  JsonObject& getal(std::string_view naam, long long waarde)
  {
    return veld(naam, std::to_string(waarde));
  }
  JsonObject& waarheid(std::string_view naam, bool waarde)
  {
    return veld(naam, waarde ? "true" : "false");
  }
  JsonObject& veld(std::string_view naam, const std::string& json)
  {
    inhoud += (inhoud.size() > 1 ? "," : "") + jsonTekst(naam) + ':' + json;
    return *this;
  }
  [[nodiscard]] std::string klaar() const { return inhoud + '}'; }

private:
  std::string inhoud = "{";
};
