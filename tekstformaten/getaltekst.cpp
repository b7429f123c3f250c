// Numbers as text whatever the locale: shortest, fixed, with the Dutch comma and minus.
// SPDX-License-Identifier: MIT
#include "getaltekst.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <utility>

// Emscripten's C++ library (Debian's 3.1.6) has no floating-point to_chars;
// there the C library's printf gives the same bytes.
#ifndef __EMSCRIPTEN__
#include <charconv>
#define FILTERDEMO_TO_CHARS 1
#endif

namespace {

// Room for any double with a few decimals (the largest has 309 digits before
// the point); a longer text is written as nothing, both ways.
constexpr std::size_t vastBuffer = 400;

// A value as decimal digits without trailing zeros: waarde = ±0.cijfers...
// shifted so that the first digit stands at 10^exponent.
struct Cijfers {
  bool negatief = false;
  std::string cijfers;
  int exponent = 0;
};

// printf's "%.*e" of `waarde`, split into digits and exponent.
Cijfers wetenschappelijk(Double waarde, int precisie)
{
  std::array<char, 48> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.*e", precisie, waarde);
  const std::string tekst = buffer.data();
  const std::size_t e = tekst.find('e');
  Cijfers uit;
  uit.negatief = tekst.starts_with('-');
  for (std::size_t i = uit.negatief ? 1 : 0; i < e; ++i) {
    if (tekst[i] != '.') {
      uit.cijfers += tekst[i];
    }
  }
  uit.exponent = std::atoi(tekst.c_str() + e + 1);
  return uit;
}

std::string alsE(const Cijfers& c)
{
  return std::string(c.negatief ? "-" : "") + c.cijfers.front() + "." + c.cijfers.substr(1) + "e" +
         std::to_string(c.exponent);
}

bool leestTerug(const Cijfers& c, Double waarde)
{
  return std::strtod(alsE(c).c_str(), nullptr) == waarde;
}

// The digits one unit in the last place further (stap +1 or -1); empty when
// that leaves the digits' length.
Cijfers naast(Cijfers c, int stap)
{
  unsigned long long getal = std::stoull(c.cijfers);
  getal = stap > 0 ? getal + 1 : getal - 1;
  const std::string cijfers = std::to_string(getal);
  c.cijfers = cijfers.size() == c.cijfers.size() ? cijfers : std::string{};
  return c;
}

// The fewest digits that read back to `waarde`; of those, the nearest to it.
// Rounding to a precision gives the nearest; where the gaps to the
// neighbouring doubles differ (at a power of two), a neighbour of it may read
// back when it does not.
Cijfers kortsteCijfers(Double waarde)
{
  constexpr int meestePrecisie = 16; // 17 digits always read back
  for (int precisie = 0; precisie < meestePrecisie; ++precisie) {
    const Cijfers afgerond = wetenschappelijk(waarde, precisie);
    for (const Cijfers& c : {afgerond, naast(afgerond, +1), naast(afgerond, -1)}) {
      if (!c.cijfers.empty() && leestTerug(c, waarde)) {
        return c;
      }
    }
  }
  return wetenschappelijk(waarde, meestePrecisie);
}

// A whole number past the digits that read back is written exactly, as
// printf's "%.0f" does, not with zeros: it has as many digits.
std::string vast(const Cijfers& c, Double waarde)
{
  const auto aantal = static_cast<int>(c.cijfers.size());
  std::string tekst = c.negatief ? "-" : "";
  if (c.exponent < 0) {
    return tekst + "0." + std::string(static_cast<std::size_t>(-c.exponent - 1), '0') + c.cijfers;
  }
  if (aantal < c.exponent + 1) {
    return viaPrintf::vasteTekst(waarde, 0);
  }
  if (aantal == c.exponent + 1) {
    return tekst + c.cijfers;
  }
  const auto punt = static_cast<std::size_t>(c.exponent + 1);
  return tekst + c.cijfers.substr(0, punt) + "." + c.cijfers.substr(punt);
}

std::string exponentieel(const Cijfers& c)
{
  const int grootte = std::abs(c.exponent);
  return std::string(c.negatief ? "-" : "") + c.cijfers.front() +
         (c.cijfers.size() > 1 ? "." + c.cijfers.substr(1) : "") + (c.exponent < 0 ? "e-" : "e+") +
         (grootte < 10 ? "0" : "") + std::to_string(grootte);
}

std::string zonderMinNul(std::string tekst)
{
  if (tekst.starts_with('-') && tekst.find_first_not_of("0.", 1) == std::string::npos) {
    tekst.erase(0, 1);
  }
  return tekst;
}

} // namespace

std::string viaPrintf::kortsteTekst(Double waarde)
{
  if (std::isnan(waarde)) {
    return std::signbit(waarde) ? "-nan" : "nan";
  }
  if (std::isinf(waarde)) {
    return waarde < 0 ? "-inf" : "inf";
  }
  Cijfers c = kortsteCijfers(waarde);
  c.cijfers.erase(c.cijfers.find_last_not_of('0') + 1);
  if (c.cijfers.empty()) {
    c.cijfers = "0";
    c.exponent = 0;
  }
  // As to_chars's shortest form: fixed or exponential, whichever is shorter;
  // fixed when both are as long.
  const std::string eVorm = exponentieel(c);
  const auto punten = static_cast<int>(c.cijfers.size());
  // The fixed form's length: the digits, zeros to the point or after it, the
  // point itself.
  const int vastLang = (c.negatief ? 1 : 0) + (c.exponent < 0             ? punten + 1 - c.exponent
                                               : punten <= c.exponent + 1 ? c.exponent + 1
                                                                          : punten + 1);
  return static_cast<std::size_t>(vastLang) <= eVorm.size() ? vast(c, waarde) : eVorm;
}

std::string viaPrintf::vasteTekst(Double waarde, int decimalen)
{
  std::array<char, vastBuffer> buffer{};
  const int lengte = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimalen, waarde);
  const bool past = lengte >= 0 && static_cast<std::size_t>(lengte) < buffer.size();
  return zonderMinNul({buffer.data(), past ? static_cast<std::size_t>(lengte) : 0});
}

#ifdef FILTERDEMO_TO_CHARS

std::string kortsteTekst(Double waarde)
{
  char buffer[32];
  const auto [einde, fout] = std::to_chars(std::begin(buffer), std::end(buffer), waarde);
  return {buffer, fout == std::errc{} ? einde : buffer};
}

std::string vasteTekst(Double waarde, int decimalen)
{
  std::array<char, vastBuffer - 1> buffer{}; // printf also needs room for the '\0'
  const auto [einde, fout] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), waarde,
                                           std::chars_format::fixed, decimalen);
  return zonderMinNul({buffer.data(), fout == std::errc{} ? einde : buffer.data()});
}

#else

std::string kortsteTekst(Double waarde)
{
  return viaPrintf::kortsteTekst(waarde);
}

std::string vasteTekst(Double waarde, int decimalen)
{
  return viaPrintf::vasteTekst(waarde, decimalen);
}

#endif

std::string kortsteTekst(Int16 waarde)
{
  return std::to_string(waarde);
}

std::string metKomma(std::string tekst)
{
  std::replace(tekst.begin(), tekst.end(), '.', ',');
  return tekst;
}

std::string alsZinGetal(std::string tekst)
{
  tekst = metKomma(std::move(tekst));
  if (tekst.starts_with('-')) {
    tekst.replace(0, 1, minTeken);
  }
  return tekst;
}

std::string frequentieTekst(Double factor)
{
  if (factor == 0.0) {
    return "DC";
  }
  return metKomma(kortsteTekst(factor)) + "*PI";
}
