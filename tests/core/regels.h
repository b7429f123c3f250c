// Splits the text a tool wrote into its lines, without the line ends.
// SPDX-License-Identifier: MIT
#pragma once

#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> regels(const std::string& tekst)
{
  std::vector<std::string> r;
  std::istringstream stroom(tekst);
  for (std::string regel; std::getline(stroom, regel);) {
    r.push_back(regel);
  }
  return r;
}
