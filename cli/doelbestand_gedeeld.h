// What the careful replacement shares on every platform
// (doelbestand_posix.cpp, doelbestand_windows.cpp): how a failure names the
// path, and the temporary file's random name.
// SPDX-License-Identifier: MIT
#pragma once

#include <random>
#include <string>

namespace doelbestand {

inline std::string kanNiet(const std::string& pad, const std::string& reden)
{
  return "cannot write '" + pad + "': " + reden;
}

// Six letters or digits, so that two runs writing beside the same file do not
// take the same temporary name.
template <typename Teken>
std::basic_string<Teken> willekeurigeLetters()
{
  static constexpr char tekens[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 toeval{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> kies(0, sizeof tekens - 2);
  std::basic_string<Teken> letters;
  for (int i = 0; i < 6; ++i) {
    letters += static_cast<Teken>(tekens[kies(toeval)]);
  }
  return letters;
}

// Temporary names tried before giving up.
inline constexpr int pogingen = 100;

} // namespace doelbestand
