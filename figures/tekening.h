// What the graph panel draws for a pair of blocks at a given client size:
// the scale and the height of every bar. vlakken() in rasteriseer.h turns it
// into fills; nothing here depends on a drawing library.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "kleur.h"
#include "signaal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

inline constexpr Kleur achtergrondKleur{.rood = 255, .groen = 251, .blauw = 223};
inline constexpr Kleur asKleur{.rood = 255, .groen = 0, .blauw = 0, .naam = "RED"};
inline constexpr Kleur invoerKleur{
    .rood = 100, .groen = 149, .blauw = 237, .naam = "CORNFLOWER BLUE"};
inline constexpr Kleur uitvoerKleur{.rood = 165, .groen = 42, .blauw = 42, .naam = "BROWN"};

inline constexpr Int asPenBreedte = 2;
inline constexpr Int staafPenBreedte = 1;
inline constexpr Int uitvoerVerschuiving = 2; // output bars stand 2 pixels right of the input bars
inline constexpr Int minimumBreedte = 512;
inline constexpr Int minimumHoogte = 500;

// 65536 sample units, the span of a 16-bit sample, over the panel's height.
inline constexpr Int monsterBereik = 65536;

struct Schaal {
  Int staafBreedte;     // W: pixels per sample
  Int eenhedenPerPixel; // H: sample units per pixel, at least 1
};

struct Tekening {
  Int breedte = 0;
  Int hoogte = 0;
  Int midden = 0; // device row of the middle line
  Schaal schaal{};
  std::array<Int, BlokLengte> invoerHoogte{}; // bar heights in pixels, up is positive
  std::array<Int, BlokLengte> uitvoerHoogte{};
};

// Nothing can be drawn on a panel without height.
constexpr std::optional<Schaal> schaalVoor(Int breedte, Int hoogte)
{
  if (breedte < 0 || hoogte <= 0) {
    return std::nullopt;
  }
  // Taller than 65536 pixels would make H zero; one unit per pixel is the
  // finest scale there is.
  const Int h = monsterBereik / hoogte;
  return Schaal{breedte / static_cast<Int>(BlokLengte), h < 1 ? 1 : h};
}

// The sample whose pair of bars (input, and output uitvoerVerschuiving to its
// right) has its centre nearest to device column x of a panel `breedte`
// pixels wide, x measured from the panel's left edge in pixels (pixel c
// spans c..c+1). Sample n's bars span n*W .. n*W+W+uitvoerVerschuiving, so
// the midpoint between two centres lies at (n+1)*W + uitvoerVerschuiving/2;
// a tie goes to the right. Nothing where no bar can be drawn or x lies off
// the panel (or is no number).
inline std::optional<std::size_t> staafBij(Double x, Int breedte)
{
  const auto schaal = schaalVoor(breedte, 1);
  if (!schaal || schaal->staafBreedte == 0 || !(x >= 0.0 && x <= breedte)) {
    return std::nullopt;
  }
  const Double plek = std::floor((x - uitvoerVerschuiving / 2.0) / schaal->staafBreedte);
  return static_cast<std::size_t>(std::clamp(plek, 0.0, static_cast<Double>(BlokLengte - 1)));
}

// The sample divided by H, truncated toward zero.
inline Int staafHoogte(Double monster, Int eenhedenPerPixel)
{
  const Double quotient = monster / eenhedenPerPixel;
  if (std::isnan(quotient)) {
    return 0;
  }
  // Bars beyond the panel are cut off anyway; the limit only keeps the
  // conversion defined.
  constexpr Double grens = 1 << 24;
  return static_cast<Int>(std::clamp(quotient, -grens, grens));
}

inline Int staafHoogte(Int16 monster, Int eenhedenPerPixel)
{
  return Int{monster} / eenhedenPerPixel;
}

template <typename Monster>
std::optional<Tekening> maakTekening(const SignaalBlok<Monster>& signaal,
                                     const SignaalBlok<Monster>& gefilterd, Int breedte, Int hoogte)
{
  const auto schaal = schaalVoor(breedte, hoogte);
  if (!schaal) {
    return std::nullopt;
  }
  Tekening tekening;
  tekening.breedte = breedte;
  tekening.hoogte = hoogte;
  tekening.midden = hoogte / 2;
  tekening.schaal = *schaal;
  for (std::size_t n = 0; n < BlokLengte; ++n) {
    tekening.invoerHoogte[n] = staafHoogte(signaal[n], schaal->eenhedenPerPixel);
    tekening.uitvoerHoogte[n] = staafHoogte(gefilterd[n], schaal->eenhedenPerPixel);
  }
  return tekening;
}
