// The FIR block filter against the engine's reference (firFilterMonster),
// for any input, any split of the input into two blocks, single samples
// between blocks, and either arithmetic variant.
// SPDX-License-Identifier: MIT
#include "fir.h"
#include "rekenkern.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size < 1) {
    return 0;
  }
  // The first byte chooses where the input is cut into two blocks.
  const std::size_t aantal = std::min<std::size_t>((size - 1) / 2, 4096);
  std::vector<Int16> x(aantal);
  if (aantal == 0) {
    return 0;
  }
  std::memcpy(x.data(), data + 1, aantal * sizeof(Int16));
  const std::size_t snede = aantal == 0 ? 0 : data[0] % (aantal + 1);

  // The lowest bit picks the arithmetic: the portable variant or the fastest.
  kiesRekenkern((data[0] & 1U) != 0 ? Rekenkern::basis : Rekenkern::snelste);
  std::vector<Int16> referentie(aantal);
  firReset();
  std::transform(x.begin(), x.end(), referentie.begin(), firFilterMonster);

  std::vector<Int16> y(aantal);
  firReset();
  firFilterBlok(x.data(), y.data(), snede);
  firFilterBlok(x.data() + snede, y.data() + snede, aantal - snede);
  if (y != referentie) {
    std::abort();
  }

  // One sample at the cut, through the reference, between the two blocks.
  std::vector<Int16> gemengd(aantal);
  firReset();
  firFilterBlok(x.data(), gemengd.data(), snede);
  if (snede < aantal) {
    gemengd[snede] = firFilterMonster(x[snede]);
    firFilterBlok(x.data() + snede + 1, gemengd.data() + snede + 1, aantal - snede - 1);
  }
  if (gemengd != referentie) {
    std::abort();
  }

  std::vector<Int16> opnieuw(aantal);
  firFilterSignaal(x.data(), opnieuw.data(), aantal);
  if (opnieuw != y) {
    std::abort(); // every call starts from a cleared line
  }
  return 0;
}
