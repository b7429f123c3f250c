// Settings in a link's fragment, read and written.
// SPDX-License-Identifier: MIT
#include "fragment.h"

#include <algorithm>
#include <array>
#include <utility>

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

namespace {

// How many ignored parts a message names, and how many characters of each:
// a link cannot make the line under the panel long.
constexpr std::size_t genoemdeDelen = 3;
constexpr std::size_t genoemdeTekens = 40;

// The code point of the UTF-8 sequence at `tekst[i]` and its length; an
// invalid sequence reads as one byte that is no character (-1).
std::pair<long, std::size_t> tekenBij(std::string_view tekst, std::size_t i)
{
  const auto byte = [&](std::size_t j) { return static_cast<unsigned char>(tekst[j]); };
  const unsigned char eerste = byte(i);
  const std::size_t lengte = eerste < 0x80U ? 1 : eerste >= 0xF0U ? 4 : eerste >= 0xE0U ? 3 : 2;
  if (lengte == 1) {
    return {long{eerste}, std::size_t{1}};
  }
  if (eerste < 0xC2U || eerste > 0xF4U || i + lengte > tekst.size()) {
    return {-1L, std::size_t{1}};
  }
  long punt = eerste & (0x7F >> lengte);
  for (std::size_t j = i + 1; j < i + lengte; ++j) {
    if ((byte(j) & 0xC0U) != 0x80U) {
      return {-1L, std::size_t{1}};
    }
    punt = (punt << 6) | (byte(j) & 0x3F);
  }
  const bool teLang = (lengte == 3 && punt < 0x800) || (lengte == 4 && punt < 0x10000);
  return teLang || punt > 0x10FFFF || (punt >= 0xD800 && punt <= 0xDFFF)
             ? std::pair<long, std::size_t>{-1, 1}
             : std::pair<long, std::size_t>{punt, lengte};
}

// Control characters (C0, DEL, C1) and the marks that change the direction
// of text (LRM, RLM, ALM, the embeddings, overrides and isolates): none of
// them may act on the page's line.
bool weggelaten(long punt)
{
  return punt < 0x20 || (punt >= 0x7F && punt <= 0x9F) || punt == 0x061C || punt == 0x200E ||
         punt == 0x200F || (punt >= 0x202A && punt <= 0x202E) || (punt >= 0x2066 && punt <= 0x2069);
}

// A part as the message names it: characters that may not act removed, at
// most genoemdeTekens of the rest, "…" where it was cut.
std::string genoemd(std::string_view deel)
{
  std::string uit;
  std::size_t tekens = 0;
  for (std::size_t i = 0; i < deel.size();) {
    const auto [punt, lengte] = tekenBij(deel, i);
    if (punt >= 0 && !weggelaten(punt)) {
      if (tekens == genoemdeTekens) {
        return uit + "…";
      }
      uit += deel.substr(i, lengte);
      ++tekens;
    }
    i += lengte;
  }
  return uit;
}

} // namespace

std::string genegeerdMelding(const std::vector<std::string>& genegeerd)
{
  if (genegeerd.empty()) {
    return {};
  }
  std::string melding = "Niet herkend in de link en genegeerd: ";
  const std::size_t genoemdAantal = std::min(genegeerd.size(), genoemdeDelen);
  for (std::size_t i = 0; i < genoemdAantal; ++i) {
    melding += (i > 0 ? ", \"" : "\"") + genoemd(genegeerd[i]) + "\"";
  }
  if (genegeerd.size() > genoemdAantal) {
    melding += " en nog " + std::to_string(genegeerd.size() - genoemdAantal);
  }
  return melding + ".";
}
