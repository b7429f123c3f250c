// The test signal and the filter's answer to it as sound: the samples a WAV
// file or a browser plays, without a window.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "testsignaal.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <span>
#include <vector>

// Samples per second at which the eight frequencies of the choice become
// tones from 0 to 3600 Hz.
inline constexpr UInt32 standaardBemonstering = 8000;

// What is played to listen to a cycle, "Luister" in the page and --wav by
// default: two seconds of the signal, half a second of silence, then the
// filter's output. At an odd rate the silence gets the extra half sample.
inline constexpr UInt32 luisterSeconden = 2;

constexpr std::size_t luisterInvoerLengte(UInt32 bemonstering)
{
  return std::size_t{luisterSeconden} * bemonstering;
}

constexpr std::size_t luisterStilteLengte(UInt32 bemonstering)
{
  return (std::size_t{bemonstering} + 1) / 2;
}

// A sample at half its value, rounded to the nearest integer, ties away from
// zero. Halved, input and output keep one scale and the IIR's overshoot (about
// 1.21 times the amplitude) still fits in 16 bits; beyond them it saturates,
// and NaN is silence.
inline Int16 geluidsMonster(Double waarde)
{
  if (std::isnan(waarde)) {
    return 0;
  }
  const Double half = std::round(waarde / 2.0);
  return static_cast<Int16>(std::clamp<Double>(half, std::numeric_limits<Int16>::min(),
                                               std::numeric_limits<Int16>::max()));
}

// `aantal` samples of test signal `keuze`, then `stilte` zeros, then the
// program's filter's output for the whole signal from a cleared state, each
// as geluidsMonster makes it.
template <typename Programma>
std::vector<Int16> luisterMonsters(UInt32 keuze, typename Programma::Amplitude amplitude,
                                   Float hoekFreq, std::size_t aantal, std::size_t stilte)
{
  using Monster = typename Programma::Monster;
  std::vector<Monster> signaal(aantal, Monster{0});
  bouwTestSignaal(keuze, amplitude, hoekFreq, std::span<Monster>(signaal));
  std::vector<Monster> gefilterd(aantal, Monster{0});
  typename Programma::FilterRecord filter{};
  Programma::bindFilterRecord(filter);
  Programma::filterLang(filter, signaal, gefilterd, nullptr);

  std::vector<Int16> monsters;
  monsters.reserve(2 * aantal + stilte);
  const auto alsGeluid = [](Monster m) { return geluidsMonster(static_cast<Double>(m)); };
  std::transform(signaal.begin(), signaal.end(), std::back_inserter(monsters), alsGeluid);
  monsters.insert(monsters.end(), stilte, Int16{0});
  std::transform(gefilterd.begin(), gefilterd.end(), std::back_inserter(monsters), alsGeluid);
  return monsters;
}
