// Compares the graph panel on a screenshot with the picture it must show.
//   paneelvergelijk zoek SCREENSHOT.ppm              prints the panel as "WIDTH HEIGHT X Y"
//   paneelvergelijk beeld SCREENSHOT.ppm X Y EXPECTED.ppm
//                               the panel at X,Y against a picture of its size
//   paneelvergelijk leeg SCREENSHOT.ppm X Y WIDTH HEIGHT
//                               the panel at X,Y shows the background only
// Exit status 0 when the panel was found or every pixel matches, 1 when not,
// 2 for a usage error.
// SPDX-License-Identifier: MIT
#include "rasteriseer.h"
#include "schermbeeld.h"

#include <iostream>
#include <string>

namespace {

int gebruik()
{
  std::cerr << "usage: paneelvergelijk zoek SCREENSHOT.ppm\n"
               "       paneelvergelijk beeld SCREENSHOT.ppm X Y EXPECTED.ppm\n"
               "       paneelvergelijk leeg SCREENSHOT.ppm X Y WIDTH HEIGHT\n";
  return 2;
}

// Counts the pixels of `verwacht` that differ from the screenshot's at x,y.
int vergelijk(const Beeld& scherm, Int x, Int y, const Beeld& verwacht)
{
  if (x < 0 || y < 0 || x + verwacht.breedte > scherm.breedte ||
      y + verwacht.hoogte > scherm.hoogte) {
    std::cerr << "paneelvergelijk: the panel does not lie within the screenshot\n";
    return 1;
  }
  Int verschillend = 0;
  Int eersteX = -1;
  Int eersteY = -1;
  for (Int j = 0; j < verwacht.hoogte; ++j) {
    for (Int i = 0; i < verwacht.breedte; ++i) {
      const std::size_t a =
          3 * (static_cast<std::size_t>(y + j) * static_cast<std::size_t>(scherm.breedte) +
               static_cast<std::size_t>(x + i));
      const std::size_t b =
          3 * (static_cast<std::size_t>(j) * static_cast<std::size_t>(verwacht.breedte) +
               static_cast<std::size_t>(i));
      if (scherm.rgb[a] != verwacht.rgb[b] || scherm.rgb[a + 1] != verwacht.rgb[b + 1] ||
          scherm.rgb[a + 2] != verwacht.rgb[b + 2]) {
        if (verschillend++ == 0) {
          eersteX = i;
          eersteY = j;
        }
      }
    }
  }
  std::cout << verschillend << " of " << verwacht.breedte * verwacht.hoogte << " pixels differ";
  if (verschillend > 0) {
    std::cout << " (the first at " << eersteX << "," << eersteY << " in the panel)";
  }
  std::cout << "\n";
  return verschillend == 0 ? 0 : 1;
}

// Reads a P6 picture, or says on stderr that the file is not one.
bool leesPpmOfMeld(const char* pad, Beeld& beeld)
{
  if (leesPpm(pad, beeld)) {
    return true;
  }
  std::cerr << "paneelvergelijk: " << pad << " is not a P6 picture\n";
  return false;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc < 3) {
    return gebruik();
  }
  const std::string opdracht = argv[1];
  Beeld scherm;
  if (!leesPpmOfMeld(argv[2], scherm)) {
    return 2;
  }
  try {
    if (opdracht == "zoek" && argc == 3) {
      const auto paneel = vindPaneel(scherm);
      if (!paneel) {
        std::cerr << "paneelvergelijk: no graph panel in the screenshot\n";
        return 1;
      }
      std::cout << paneel->breedte() << ' ' << paneel->hoogte() << ' ' << paneel->x0 << ' '
                << paneel->y0 << '\n';
      return 0;
    }
    if (opdracht == "beeld" && argc == 6) {
      Beeld verwacht;
      if (!leesPpmOfMeld(argv[5], verwacht)) {
        return 2;
      }
      return vergelijk(scherm, std::stoi(argv[3]), std::stoi(argv[4]), verwacht);
    }
    if (opdracht == "leeg" && argc == 7) {
      return vergelijk(scherm, std::stoi(argv[3]), std::stoi(argv[4]),
                       rasteriseer(std::nullopt, std::stoi(argv[5]), std::stoi(argv[6])));
    }
  } catch (const std::exception&) { // a coordinate that is not a number
    return gebruik();
  }
  return gebruik();
}
