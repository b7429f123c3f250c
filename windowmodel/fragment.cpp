#include "fragment.h"

#include <array>

namespace {

int hexWaarde(char teken)
{
  if (teken >= '0' && teken <= '9') {
    return teken - '0';
  }
  if (teken >= 'a' && teken <= 'f') {
    return teken - 'a' + 10;
  }
  if (teken >= 'A' && teken <= 'F') {
    return teken - 'A' + 10;
  }
  return -1;
}

// "%XX" becomes its byte; a '%' not followed by two hex digits stays as it is.
std::string gedecodeerd(std::string_view tekst)
{
  std::string uit;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] == '%' && i + 2 < tekst.size() && hexWaarde(tekst[i + 1]) >= 0 &&
        hexWaarde(tekst[i + 2]) >= 0) {
      uit += static_cast<char>(hexWaarde(tekst[i + 1]) * 16 + hexWaarde(tekst[i + 2]));
      i += 2;
    } else {
      uit += tekst[i];
    }
  }
  return uit;
}

FragmentDeel deelVan(std::string_view deel)
{
  const auto is = deel.find('=');
  FragmentDeel uit{
      .naam = gedecodeerd(deel.substr(0, is)), .waarde = {}, .tekst = gedecodeerd(deel)};
  if (is != std::string_view::npos) {
    uit.waarde = gedecodeerd(deel.substr(is + 1));
  }
  return uit;
}

bool magOnvertaald(char teken)
{
  constexpr std::string_view leestekens = "-._~!$'()*+,;:@/?";
  return (teken >= 'a' && teken <= 'z') || (teken >= 'A' && teken <= 'Z') ||
         (teken >= '0' && teken <= '9') || leestekens.find(teken) != std::string_view::npos;
}

} // namespace

std::vector<FragmentDeel> fragmentDelen(std::string_view fragment)
{
  if (fragment.starts_with('#')) {
    fragment.remove_prefix(1);
  }
  std::vector<FragmentDeel> delen;
  while (!fragment.empty()) {
    const auto en = fragment.find('&');
    if (const std::string_view deel = fragment.substr(0, en); !deel.empty()) {
      delen.push_back(deelVan(deel));
    }
    fragment.remove_prefix(en == std::string_view::npos ? fragment.size() : en + 1);
  }
  return delen;
}

std::string fragmentWaarde(std::string_view tekst)
{
  constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                        '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  std::string uit;
  for (const char teken : tekst) {
    if (magOnvertaald(teken)) {
      uit += teken;
    } else {
      const auto byte = static_cast<std::size_t>(static_cast<unsigned char>(teken));
      uit += {'%', hex.at(byte / 16), hex.at(byte % 16)};
    }
  }
  return uit;
}

// A message is one line: control characters from a decoded part become spaces.
std::string genegeerdMelding(const std::vector<std::string>& genegeerd)
{
  if (genegeerd.empty()) {
    return {};
  }
  std::string melding = "Niet herkend in de link en genegeerd: ";
  for (std::size_t i = 0; i < genegeerd.size(); ++i) {
    std::string deel = genegeerd[i];
    for (char& teken : deel) {
      if (static_cast<unsigned char>(teken) < 0x20U || teken == 0x7F) {
        teken = ' ';
      }
    }
    melding += (i > 0 ? ", \"" : "\"") + deel + "\"";
  }
  return melding + ".";
}
