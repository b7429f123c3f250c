// Reading a screenshot and finding the graph panel on it.
// SPDX-License-Identifier: MIT
#include "schermbeeld.h"

#include <algorithm>
#include <fstream>
#include <string>

bool leesPpm(const char* pad, Beeld& beeld)
{
  std::ifstream in(pad, std::ios::binary);
  std::string soort;
  int maximum = 0;
  in >> soort >> beeld.breedte >> beeld.hoogte >> maximum;
  in.get();
  if (soort != "P6" || maximum != 255 || beeld.breedte <= 0 || beeld.hoogte <= 0) {
    return false;
  }
  beeld.rgb.resize(3 * static_cast<std::size_t>(beeld.breedte) *
                   static_cast<std::size_t>(beeld.hoogte));
  in.read(reinterpret_cast<char*>(beeld.rgb.data()),
          static_cast<std::streamsize>(beeld.rgb.size()));
  return static_cast<bool>(in);
}

std::optional<PixelVak> vindPaneel(const Beeld& scherm)
{
  Int links = scherm.breedte;
  Int rechts = -1;
  Int boven = scherm.hoogte;
  Int onder = -1;
  for (Int y = 0; y < scherm.hoogte; ++y) {
    for (Int x = 0; x < scherm.breedte; ++x) {
      if (scherm.is(x, y, achtergrondKleur)) {
        links = std::min(links, x);
        rechts = std::max(rechts, x);
        boven = std::min(boven, y);
        onder = std::max(onder, y);
      }
    }
  }
  if (rechts < 0) {
    return std::nullopt;
  }
  // Column 0 of the panel is the red vertical axis, not background.
  if (links > 0 && scherm.is(links - 1, boven, asKleur) && scherm.is(links - 1, onder, asKleur)) {
    --links;
  }
  return PixelVak{links, boven, rechts, onder};
}
