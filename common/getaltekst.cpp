#include "getaltekst.h"

#include <algorithm>
#include <charconv>
#include <iterator>

std::string kortsteTekst(Double waarde)
{
  char buffer[32];
  const auto [einde, fout] = std::to_chars(std::begin(buffer), std::end(buffer), waarde);
  return {buffer, fout == std::errc{} ? einde : buffer};
}

std::string kortsteTekst(Int16 waarde)
{
  return std::to_string(waarde);
}

std::string vasteTekst(Double waarde, int decimalen)
{
  char buffer[32];
  const auto [einde, fout] = std::to_chars(std::begin(buffer), std::end(buffer), waarde,
                                           std::chars_format::fixed, decimalen);
  std::string tekst(buffer, fout == std::errc{} ? einde : buffer);
  if (tekst.starts_with('-') && tekst.find_first_not_of("0.", 1) == std::string::npos) {
    tekst.erase(0, 1);
  }
  return tekst;
}

std::string metKomma(std::string tekst)
{
  std::replace(tekst.begin(), tekst.end(), '.', ',');
  return tekst;
}
