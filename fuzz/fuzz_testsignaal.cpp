// The test signal generator for any selection, amplitude and frequency bit
// pattern, and the bar heights drawn from its samples. Checks the rules that
// tie the Int16 samples to the Double ones.
// SPDX-License-Identifier: MIT
#include "signaal.h"
#include "tekening.h"
#include "testsignaal.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The value whose bytes stand at `positie` in the input.
template <typename T>
T lees(const std::uint8_t* data, std::size_t positie)
{
  T waarde{};
  std::memcpy(&waarde, data + positie, sizeof waarde);
  return waarde;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size < 20) {
    return 0;
  }
  const UInt32 keuze = lees<UInt32>(data, 0) % 6; // the four signals and two that name none
  const auto amplitude = lees<UInt32>(data, 4);
  const auto hoekFreq = lees<Float>(data, 8);
  const auto breedte = lees<Int32>(data, 12);
  const auto hoogte = lees<Int32>(data, 16);

  SignaalBlok<Double> d;
  SignaalBlok<Int16> i;
  d.fill(7.0);
  i.fill(7);
  bouwTestSignaal(keuze, amplitude, hoekFreq, d);
  bouwTestSignaal(keuze, amplitude, hoekFreq, i);

  for (std::size_t n = 0; n < BlokLengte; ++n) {
    if (keuze > stapfunktie) {
      if (d[n] != 7.0 || i[n] != 7) {
        std::abort(); // an unknown selection writes nothing
      }
      continue;
    }
    if (i[n] != naarInt16(d[n])) {
      std::abort();
    }
    if (std::abs(d[n]) > static_cast<Double>(amplitude)) {
      std::abort();
    }
  }
  if (keuze == impulsfunktie || keuze == stapfunktie) {
    if (d[impulsPositie - 1] != 0.0 || d[impulsPositie] != static_cast<Double>(amplitude)) {
      std::abort();
    }
  }

  if (const auto tekening = maakTekening(d, d, breedte, hoogte)) {
    if (tekening->schaal.eenhedenPerPixel < 1) {
      std::abort();
    }
  }
  static_cast<void>(maakTekening(i, i, breedte, hoogte));
  return 0;
}
