// The IIR cascade's zeros and poles, from its sections.
// SPDX-License-Identifier: MIT
#include "iir_wortels.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The roots of c[0]·z^graad + ... + c[graad], graad 0, 1 or 2.
void voegWortelsToe(const std::array<Double, MaxSectieLengte>& c, std::size_t graad,
                    std::vector<Wortel>& wortels)
{
  if (graad == 1) {
    wortels.emplace_back(-c[1] / c[0]);
  } else if (graad == 2) {
    const Double d = c[1] * c[1] - 4.0 * c[0] * c[2];
    if (d < 0.0) {
      const Wortel w{-c[1] / (2.0 * c[0]), std::abs(std::sqrt(-d) / (2.0 * c[0]))};
      wortels.insert(wortels.end(), {w, std::conj(w)});
    } else {
      const Double q = -(c[1] + std::copysign(std::sqrt(d), c[1])) / 2.0;
      wortels.emplace_back(q / c[0]);
      wortels.emplace_back(q == 0.0 ? 0.0 : c[2] / q);
    }
  }
}

// A section's polynomial over z^graad: its `lengte` coefficients, then zeros.
std::array<Double, MaxSectieLengte> veelterm(const Double* rij, std::size_t lengte, bool noemer)
{
  std::array<Double, MaxSectieLengte> c{};
  std::copy_n(rij, lengte, c.begin());
  if (noemer) {
    c[0] = 1.0; // a0 is taken as 1, as the filter does
  }
  return c;
}

} // namespace

NullenEnPolen iirNullenEnPolen(const FilterIIR_Double_2& filter)
{
  NullenEnPolen np;
  for (UInt32 s = 1; s < filter.aantalSekties; ++s) {
    const std::size_t rij = std::size_t{MaxSectieLengte} * s;
    // A length of 0 counts as 1, as in the response.
    const std::size_t lb = std::max<std::size_t>(filter.tellerSecties[s], 1);
    const std::size_t la = std::max<std::size_t>(filter.noemerSecties[s], 1);
    const std::size_t graad = std::max(lb, la) - 1;
    voegWortelsToe(veelterm(filter.filterTeller + rij, lb, false), graad, np.nullen);
    voegWortelsToe(veelterm(filter.filterNoemer + rij, la, true), graad, np.polen);
  }
  return np;
}
