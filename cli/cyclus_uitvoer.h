// The outputs of one cycle, each a function from the cycle to the bytes of
// what filtercyclus writes: CSV, and the graph panel's picture as PNG or SVG.
// SPDX-License-Identifier: MIT
#pragma once

#include "cyclus.h"
#include "cyclus_csv.h"
#include "getaltekst.h"
#include "keuzes.h"
#include "png_uitvoer.h"
#include "rasteriseer.h"
#include "tekening.h"

#include <string>

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
