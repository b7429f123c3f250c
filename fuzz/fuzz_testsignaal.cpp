// The test signal generator for any selection, amplitude and frequency bit
// pattern, and the bar heights drawn from its samples. Checks the rules that
// tie the Int16 samples to the Double ones.
#include "signaal.h"
#include "tekening.h"
#include "testsignaal.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  UInt32 keuze = 0;
  UInt32 amplitude = 0;
  Float hoekFreq = 0.0F;
  Int32 breedte = 0;
  Int32 hoogte = 0;
  if (size < 20) {
    return 0;
  }
  std::memcpy(&keuze, data, 4);
  std::memcpy(&amplitude, data + 4, 4);
  std::memcpy(&hoekFreq, data + 8, 4);
  std::memcpy(&breedte, data + 12, 4);
  std::memcpy(&hoogte, data + 16, 4);
  keuze %= 6; // the four signals and two that name none

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
