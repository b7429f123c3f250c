// The FIR engine against its closed form, for any input, any split of the
// input into two blocks and either arithmetic kernel:
// y[n] = sat16(floor(sum_k h[k] x[n-k] / 32768)).
#include "fir.h"
#include "rekenkern.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

Int16 geslotenVorm(const std::vector<Int16>& x, std::size_t n)
{
  Int64 som = 0;
  for (std::size_t k = 0; k < FilterLengte && k <= n; ++k) {
    som += Int64{firCoefficienten[k]} * x[n - k];
  }
  // floor(som / 32768) without relying on the shift under test
  Int64 quotient = som / 32768;
  if (som % 32768 != 0 && som < 0) {
    --quotient;
  }
  return static_cast<Int16>(std::clamp<Int64>(quotient, -32768, 32767));
}

} // namespace

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

  // The lowest bit picks the arithmetic: the portable kernel or the fastest.
  kiesRekenkern((data[0] & 1U) != 0 ? Rekenkern::basis : Rekenkern::snelste);
  std::vector<Int16> y(aantal);
  firReset();
  firFilterBlok(x.data(), y.data(), snede);
  firFilterBlok(x.data() + snede, y.data() + snede, aantal - snede);
  for (std::size_t n = 0; n < aantal; ++n) {
    if (y[n] != geslotenVorm(x, n)) {
      std::abort();
    }
  }

  std::vector<Int16> opnieuw(aantal);
  firFilterSignaal(x.data(), opnieuw.data(), aantal);
  if (opnieuw != y) {
    std::abort(); // every call starts from a cleared line
  }
  return 0;
}
