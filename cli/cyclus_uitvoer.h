// The outputs of one cycle, each a function from the cycle to the bytes of
// what filtercyclus writes: CSV, and the graph panel's picture as PNG or SVG.
#pragma once

#include "cyclus.h"
#include "getaltekst.h"
#include "keuzes.h"
#include "png_uitvoer.h"
#include "rasteriseer.h"
#include "tekening.h"

#include <span>
#include <string>

// "n,signaal,gefilterd" and one row per sample; with `exact` (one value a
// sample) a fourth column "exact".
template <typename Programma>
std::string cyclusCsv(const CyclusResultaat<Programma>& cyclus, std::span<const Double> exact = {})
{
  std::string uitvoer = exact.empty() ? "n,signaal,gefilterd\n" : "n,signaal,gefilterd,exact\n";
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    uitvoer += std::to_string(n) + ',' + kortsteTekst(cyclus.signaal[n]) + ',' +
               kortsteTekst(cyclus.gefilterd[n]);
    if (!exact.empty()) {
      uitvoer += ',' + kortsteTekst(exact[n]);
    }
    uitvoer += '\n';
  }
  return uitvoer;
}

template <typename Programma>
std::optional<Tekening> tekeningVan(const CyclusResultaat<Programma>& cyclus, Grootte grootte)
{
  return maakTekening(cyclus.signaal, cyclus.gefilterd, grootte.breedte, grootte.hoogte);
}

template <typename Programma>
std::string cyclusPng(const CyclusResultaat<Programma>& cyclus, Grootte grootte)
{
  return pngVan(rasteriseer(tekeningVan(cyclus, grootte), grootte.breedte, grootte.hoogte));
}

template <typename Programma>
std::string cyclusSvg(const CyclusResultaat<Programma>& cyclus, Grootte grootte)
{
  return figuurSvg(alsFiguur(vlakken(tekeningVan(cyclus, grootte), grootte.breedte, grootte.hoogte),
                             grootte.breedte, grootte.hoogte));
}
