// Checks a screenshot of a running program against the cycle that
// filtercyclus computes: finds the graph panel by its background colour and
// measures every output bar. Usage: staafcontrole SCREENSHOT.ppm CYCLUS.csv
// SPDX-License-Identifier: MIT
#include "rasteriseer.h"
#include "schermbeeld.h"
#include "signaal.h"
#include "tekening.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool leesGefilterd(const char* pad, std::vector<double>& gefilterd)
{
  std::ifstream in(pad);
  std::string regel;
  std::getline(in, regel); // header
  while (std::getline(in, regel)) {
    const auto laatste = regel.rfind(',');
    gefilterd.push_back(std::stod(regel.substr(laatste + 1)));
  }
  return gefilterd.size() == BlokLengte;
}

} // namespace

int main(int argc, char** argv)
{
  Beeld beeld;
  std::vector<double> gefilterd;
  if (argc != 3 || !leesPpm(argv[1], beeld) || !leesGefilterd(argv[2], gefilterd)) {
    std::cerr << "usage: staafcontrole SCREENSHOT.ppm CYCLUS.csv (P6 image, 128-row CSV)\n";
    return 2;
  }

  const auto paneel = vindPaneel(beeld);
  const auto schaal = paneel ? schaalVoor(paneel->breedte(), paneel->hoogte()) : std::nullopt;
  if (!schaal) {
    std::cerr << "staafcontrole: no graph panel in the screenshot\n";
    return 1;
  }
  const int links = paneel->x0;
  const int boven = paneel->y0;
  const int hoogte = paneel->hoogte();
  const int onder = boven + hoogte - 1;
  const int midden = boven + hoogte / 2;
  std::cout << "panel " << paneel->breedte() << "x" << hoogte << " at " << links << "," << boven
            << ", W=" << schaal->staafBreedte << " H=" << schaal->eenhedenPerPixel << "\n";

  int fouten = 0;
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    // The left edge of output bar n is drawn last in its column: its brown
    // run is the bar, cut off at the panel's edges.
    const int x = links + schaal->staafBreedte * static_cast<int>(n) + uitvoerVerschuiving;
    int verwacht = staafHoogte(gefilterd[n], schaal->eenhedenPerPixel);
    verwacht = std::clamp(verwacht, -(onder - midden + 1), midden - boven);
    int gemeten = 0;
    for (int y = midden - 1; y >= boven && beeld.is(x, y, uitvoerKleur); --y) {
      ++gemeten;
    }
    for (int y = midden; y <= onder && beeld.is(x, y, uitvoerKleur); ++y) {
      --gemeten;
    }
    if (gemeten != verwacht) {
      std::cerr << "bar " << n << ": " << gemeten << " pixels on screen, " << verwacht
                << " computed\n";
      ++fouten;
    }
  }
  std::cout << (BlokLengte - static_cast<std::size_t>(fouten)) << " of " << BlokLengte
            << " output bars as computed\n";
  return fouten == 0 ? 0 : 1;
}
