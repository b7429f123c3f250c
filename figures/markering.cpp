// The mark of the sample being read on the panel: a triangle at the top and
// one at the bottom edge, each pointing at the sample's pair of bars.
// SPDX-License-Identifier: MIT
#include "rasteriseer.h"

#include <algorithm>

namespace {

// Row `rij` of a triangle whose base spans columns links..rechts, as a fill;
// rows count from the base inward.
Vlak driehoekRij(Int links, Int rechts, Int rij, Int y, const Tekening& tekening)
{
  return {{std::max(links + rij, 0), y, std::min(rechts - rij, tekening.breedte - 1), y},
          markeringKleur};
}

} // namespace

std::vector<Vlak> markeringVlakken(const Tekening& tekening, std::size_t n)
{
  const Int w = tekening.schaal.staafBreedte;
  if (n >= BlokLengte || w == 0 || tekening.hoogte <= 0) {
    return {};
  }
  // The pair spans w + uitvoerVerschuiving columns; the base reaches half as
  // far again on each side, so the apex stands on the pair's middle column.
  const Int span = w + uitvoerVerschuiving;
  const Int links = w * static_cast<Int>(n) - span / 2;
  const Int rechts = w * static_cast<Int>(n) + span - 1 + span / 2;
  const Int rijen = std::min((rechts - links) / 2 + 1, tekening.hoogte / 4);
  std::vector<Vlak> lijst;
  for (Int rij = 0; rij < rijen; ++rij) {
    lijst.push_back(driehoekRij(links, rechts, rij, rij, tekening));
    lijst.push_back(driehoekRij(links, rechts, rij, tekening.hoogte - 1 - rij, tekening));
  }
  return lijst;
}
