// Turns a drawing description into pixels without any drawing library, with
// the same pixel rules as the toolkit's drawing of the graph panel (without
// smoothing): the exported picture equals the window's, pixel for pixel.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"
#include "tekening.h"

#include <cstddef>
#include <vector>

struct Beeld {
  Int breedte = 0;
  Int hoogte = 0;
  std::vector<UInt8> rgb; // rows top to bottom, 3 bytes a pixel

  // Where pixel (x, y) begins in rgb.
  [[nodiscard]] std::size_t index(Int x, Int y) const;
  void zet(Int x, Int y, const Kleur& kleur);
  [[nodiscard]] bool is(Int x, Int y, const Kleur& kleur) const;
};

// A rectangle of whole pixels: columns x0..x1 and rows y0..y1, inclusive.
struct PixelVak {
  Int x0 = 0;
  Int y0 = 0;
  Int x1 = 0;
  Int y1 = 0;

  [[nodiscard]] Int breedte() const { return x1 - x0 + 1; }
  [[nodiscard]] Int hoogte() const { return y1 - y0 + 1; }
};

// One filled rectangle of the picture, already clipped to the picture.
struct Vlak : PixelVak {
  Kleur kleur{};
};

// The fills that make the panel's picture at breedte x hoogte, in painting
// order (later ones cover earlier ones): the background alone when there is
// nothing to draw. rasteriseer paints them; a vector export writes them.
std::vector<Vlak> vlakken(const std::optional<Tekening>& tekening, Int breedte, Int hoogte);

// The mark of sample n on the panel, painted over vlakken()'s fills while a
// sample is read (markering.cpp); none for n beyond the block.
inline constexpr Kleur markeringKleur{.rood = 0, .groen = 0, .blauw = 0, .naam = "BLACK"};
std::vector<Vlak> markeringVlakken(const Tekening& tekening, std::size_t n);

// The fills as a figure of rectangles in whole pixels, for the one SVG writer.
Figuur alsFiguur(const std::vector<Vlak>& vlakken, Int breedte, Int hoogte);

// The panel's picture at breedte x hoogte: background only when there is
// nothing to draw.
Beeld rasteriseer(const std::optional<Tekening>& tekening, Int breedte, Int hoogte);
