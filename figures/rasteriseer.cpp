// A drawing description turned into pixels, without a drawing library.
// SPDX-License-Identifier: MIT
#include "rasteriseer.h"

#include <algorithm>
#include <cstring>

namespace {

struct Vlakken {
  Int breedte = 0;
  Int hoogte = 0;
  std::vector<Vlak> lijst;

  // Fills columns x0..x1 and rows y0..y1 (inclusive), clipped to the picture.
  void vul(Int x0, Int y0, Int x1, Int y1, const Kleur& kleur)
  {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, breedte - 1);
    y1 = std::min(y1, hoogte - 1);
    if (x0 <= x1 && y0 <= y1) {
      lijst.push_back({{x0, y0, x1, y1}, kleur});
    }
  }

  // A bar of `staaf` pixels (up is positive) on the middle line: a white box
  // with an outline of staafPenBreedte. A bar above the line ends on the row above it,
  // a bar below the line starts on the line's row.
  void staaf(Int x, Int staafBreedte, Int midden, Int staafHoogte, const Kleur& rand)
  {
    if (staafBreedte <= 0 || staafHoogte == 0) {
      return;
    }
    const Int boven = staafHoogte > 0 ? midden - staafHoogte : midden;
    const Int onder = staafHoogte > 0 ? midden - 1 : midden - staafHoogte - 1;
    const Int rechts = x + staafBreedte - 1;
    vul(x, boven, rechts, onder, rand);
    constexpr Int pen = staafPenBreedte;
    vul(x + pen, boven + pen, rechts - pen, onder - pen, wit);
  }
};

// One row is painted pixel by pixel, the others are copies of it.
void verf(Beeld& beeld, const Vlak& vlak)
{
  for (Int x = vlak.x0; x <= vlak.x1; ++x) {
    beeld.zet(x, vlak.y0, vlak.kleur);
  }
  const std::size_t bytes = 3 * static_cast<std::size_t>(vlak.breedte());
  for (Int y = vlak.y0 + 1; y <= vlak.y1; ++y) {
    std::memcpy(&beeld.rgb[beeld.index(vlak.x0, y)], &beeld.rgb[beeld.index(vlak.x0, vlak.y0)],
                bytes);
  }
}

} // namespace

std::size_t Beeld::index(Int x, Int y) const
{
  return 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(breedte) +
              static_cast<std::size_t>(x));
}

void Beeld::zet(Int x, Int y, const Kleur& kleur)
{
  const std::size_t i = index(x, y);
  rgb[i] = kleur.rood;
  rgb[i + 1] = kleur.groen;
  rgb[i + 2] = kleur.blauw;
}

bool Beeld::is(Int x, Int y, const Kleur& kleur) const
{
  const std::size_t i = index(x, y);
  return rgb[i] == kleur.rood && rgb[i + 1] == kleur.groen && rgb[i + 2] == kleur.blauw;
}

std::vector<Vlak> vlakken(const std::optional<Tekening>& tekening, Int breedte, Int hoogte)
{
  Vlakken v;
  v.breedte = std::max(breedte, 0);
  v.hoogte = std::max(hoogte, 0);
  v.vul(0, 0, v.breedte - 1, v.hoogte - 1, achtergrondKleur);
  if (!tekening) {
    return std::move(v.lijst);
  }

  // Axes of pen width 2, centred on their line: the vertical axis keeps only
  // column 0 on the picture, the horizontal one covers the rows on both sides
  // of the middle line.
  const Int midden = tekening->midden;
  v.vul(0, 0, asPenBreedte / 2 - 1, v.hoogte - 1, asKleur);
  v.vul(0, midden - asPenBreedte / 2, v.breedte - 1, midden + asPenBreedte / 2 - 1, asKleur);

  const Int w = tekening->schaal.staafBreedte;
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    v.staaf(w * static_cast<Int>(n), w, midden, tekening->invoerHoogte[n], invoerKleur);
  }
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    v.staaf(w * static_cast<Int>(n) + uitvoerVerschuiving, w, midden, tekening->uitvoerHoogte[n],
            uitvoerKleur);
  }
  return std::move(v.lijst);
}

Beeld rasteriseer(const std::optional<Tekening>& tekening, Int breedte, Int hoogte)
{
  Beeld beeld;
  beeld.breedte = std::max(breedte, 0);
  beeld.hoogte = std::max(hoogte, 0);
  beeld.rgb.resize(3 * static_cast<std::size_t>(beeld.breedte) *
                   static_cast<std::size_t>(beeld.hoogte));
  for (const Vlak& vlak : vlakken(tekening, breedte, hoogte)) {
    verf(beeld, vlak);
  }
  return beeld;
}

Figuur alsFiguur(const std::vector<Vlak>& vlakken, Int breedte, Int hoogte)
{
  Figuur figuur{.breedte = breedte,
                .hoogte = hoogte,
                .achtergrond = std::nullopt,
                .inPixels = true,
                .vormen = {},
                .gegevens = std::nullopt};
  for (const Vlak& vlak : vlakken) {
    const auto d = [](Int waarde) { return static_cast<Double>(waarde); };
    figuur.vormen.emplace_back(Rechthoek{.hoek = {d(vlak.x0), d(vlak.y0)},
                                         .breedte = d(vlak.breedte()),
                                         .hoogte = d(vlak.hoogte()),
                                         .vulling = vlak.kleur,
                                         .rand = std::nullopt,
                                         .randDikte = 0.0});
  }
  return figuur;
}
