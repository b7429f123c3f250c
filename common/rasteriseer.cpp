#include "rasteriseer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Kleur wit = {"WHITE", 255, 255, 255};

std::size_t index(const Beeld& beeld, Int x, Int y)
{
  return 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(beeld.breedte) +
              static_cast<std::size_t>(x));
}

// Fills columns x0..x1 and rows y0..y1 (inclusive), clipped to the picture.
void vul(Beeld& beeld, Int x0, Int y0, Int x1, Int y1, const Kleur& kleur)
{
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, beeld.breedte - 1);
  y1 = std::min(y1, beeld.hoogte - 1);
  if (x0 > x1 || y0 > y1) {
    return;
  }
  // One row is painted pixel by pixel, the others are copies of it.
  for (Int x = x0; x <= x1; ++x) {
    beeld.zet(x, y0, kleur);
  }
  const std::size_t bytes = 3 * static_cast<std::size_t>(x1 - x0 + 1);
  for (Int y = y0 + 1; y <= y1; ++y) {
    std::memcpy(&beeld.rgb[index(beeld, x0, y)], &beeld.rgb[index(beeld, x0, y0)], bytes);
  }
}

// A bar of `hoogte` pixels (up is positive) on the middle line: a white box
// with a one-pixel outline. A bar above the line ends on the row above it, a
// bar below the line starts on the line's row.
void staaf(Beeld& beeld, Int x, Int breedte, Int midden, Int hoogte, const Kleur& rand)
{
  if (breedte <= 0 || hoogte == 0) {
    return;
  }
  const Int boven = hoogte > 0 ? midden - hoogte : midden;
  const Int onder = hoogte > 0 ? midden - 1 : midden - hoogte - 1;
  const Int rechts = x + breedte - 1;
  vul(beeld, x, boven, rechts, onder, rand);
  vul(beeld, x + 1, boven + 1, rechts - 1, onder - 1, wit);
}

} // namespace

void Beeld::zet(Int x, Int y, const Kleur& kleur)
{
  const std::size_t i = index(*this, x, y);
  rgb[i] = kleur.rood;
  rgb[i + 1] = kleur.groen;
  rgb[i + 2] = kleur.blauw;
}

bool Beeld::is(Int x, Int y, const Kleur& kleur) const
{
  const std::size_t i = index(*this, x, y);
  return rgb[i] == kleur.rood && rgb[i + 1] == kleur.groen && rgb[i + 2] == kleur.blauw;
}

Beeld rasteriseer(const std::optional<Tekening>& tekening, Int breedte, Int hoogte)
{
  Beeld beeld;
  beeld.breedte = std::max(breedte, 0);
  beeld.hoogte = std::max(hoogte, 0);
  beeld.rgb.resize(3 * static_cast<std::size_t>(beeld.breedte) *
                   static_cast<std::size_t>(beeld.hoogte));
  vul(beeld, 0, 0, beeld.breedte - 1, beeld.hoogte - 1, achtergrondKleur);
  if (!tekening) {
    return beeld;
  }

  // Axes of pen width 2, centred on their line: the vertical axis keeps only
  // column 0 on the picture, the horizontal one covers the rows on both sides
  // of the middle line.
  const Int midden = tekening->midden;
  vul(beeld, 0, 0, asPenBreedte / 2 - 1, beeld.hoogte - 1, asKleur);
  vul(beeld, 0, midden - asPenBreedte / 2, beeld.breedte - 1, midden + asPenBreedte / 2 - 1,
      asKleur);

  const Int w = tekening->schaal.staafBreedte;
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    staaf(beeld, w * static_cast<Int>(n), w, midden, tekening->invoerHoogte[n], invoerKleur);
  }
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    staaf(beeld, w * static_cast<Int>(n) + uitvoerVerschuiving, w, midden,
          tekening->uitvoerHoogte[n], uitvoerKleur);
  }
  return beeld;
}
