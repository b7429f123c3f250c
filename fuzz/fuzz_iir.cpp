// The IIR engine on any input, including NaN and infinities, and on any
// record the engine accepts: 0..8 sections of lengths 0..3 with arbitrary
// coefficients, with either arithmetic variant. Checks that a cleared run repeats bit for bit, that
// the block filter equals the one-sample filter, and that the built-in filter keeps finite inputs
// finite.
// SPDX-License-Identifier: MIT
#include "bitgelijk.h"
#include "iir.h"
#include "rekenkern.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct EigenRecord {
  UInt16 teller[MaxSekties] = {};
  UInt16 noemer[MaxSekties] = {};
  Double b[MaxSekties * MaxSectieLengte] = {};
  Double a[MaxSekties * MaxSectieLengte] = {};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  if (size < 2) {
    return 0;
  }
  const bool eigenFilter = (data[0] & 1U) != 0;
  // The next bit picks the arithmetic: the portable variant or the fastest.
  kiesRekenkern((data[0] & 2U) != 0 ? Rekenkern::basis : Rekenkern::snelste);
  const UInt32 aantalSekties = data[1] % (MaxSekties + 1);
  data += 2;
  size -= 2;

  FilterIIR_Double_2 filter;
  EigenRecord eigen;
  if (eigenFilter) {
    for (UInt32 s = 0; s < MaxSekties && size > 0; ++s, ++data, --size) {
      eigen.teller[s] = static_cast<UInt16>(*data % (MaxSectieLengte + 1));
      eigen.noemer[s] = static_cast<UInt16>((*data >> 4U) % (MaxSectieLengte + 1));
    }
    const std::size_t coefficienten = std::min(size / sizeof(Double), std::size_t{48});
    for (std::size_t i = 0; i < coefficienten;
         ++i, data += sizeof(Double), size -= sizeof(Double)) {
      std::memcpy(i < 24 ? &eigen.b[i] : &eigen.a[i - 24], data, sizeof(Double));
    }
    filter.aantalSekties = aantalSekties;
    filter.tellerSecties = eigen.teller;
    filter.noemerSecties = eigen.noemer;
    filter.filterTeller = eigen.b;
    filter.filterNoemer = eigen.a;
  } else {
    bindFilter(filter);
  }

  const std::size_t aantal = std::min(size / sizeof(Double), std::size_t{2048});
  std::vector<Double> x(aantal);
  if (aantal == 0) {
    return 0;
  }
  std::memcpy(x.data(), data, aantal * sizeof(Double));

  std::vector<Double> y(aantal);
  std::vector<Double> opnieuw(aantal);
  filterIIRSignaal(&filter, x.data(), y.data(), aantal);
  filterIIRSignaal(&filter, x.data(), opnieuw.data(), aantal);
  if (!zelfdeBits(y, opnieuw)) {
    std::abort();
  }

  // The block filter equals the filter one sample at a time (NaNs aside,
  // whose payload the order of a product's operands decides).
  IIR_Double_2Init(&filter);
  for (std::size_t n = 0; n < aantal; ++n) {
    const Double z = IIR_Double_2Filter(x[n], &filter);
    if (!bitGelijk(z, y[n])) {
      std::abort();
    }
  }

  // The built-in cascade is stable: bounded finite input, finite output.
  if (!eigenFilter) {
    const bool begrensd =
        std::all_of(x.begin(), x.end(), [](Double s) { return std::abs(s) <= 1e12; });
    if (begrensd && !std::all_of(y.begin(), y.end(), [](Double s) { return std::isfinite(s); })) {
      std::abort();
    }
  }
  return 0;
}
