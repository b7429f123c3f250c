// A figure (a plot, or the graph panel's picture) as a list of simple shapes in pixels, in painting
// order, so that every format (SVG, and PNG through cairo) draws the same layout: the text widths
// the layout allows for are estimates, the same for every format.
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "kleur.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// A picture's size in pixels.
struct Grootte {
  Int breedte = 0;
  Int hoogte = 0;
};

struct Plek {
  Double x = 0.0;
  Double y = 0.0;
};

struct Lijn {
  Plek van;
  Plek naar;
  Kleur kleur;
  Double dikte = 1.0;
};

struct Rechthoek {
  Plek hoek; // top left
  Double breedte = 0.0;
  Double hoogte = 0.0;
  Kleur vulling;
  std::optional<Kleur> rand;
  Double randDikte = 1.0;
};

struct Cirkel {
  Plek midden;
  Double straal = 0.0;
  Kleur vulling;
  Kleur rand;
  Double randDikte = 1.0;
};

// One series of a stem plot: a stem from the base line up to each head, and
// the head a filled circle; a head on the base line has no stem. SVG writes
// the series as two paths, not an element a point, so that a page redraws it
// at little cost.
struct Stelen {
  std::vector<Plek> koppen;
  Double voet = 0.0; // the base line's y, below every head
  Double straal = 0.0;
  Kleur kleur;
  Double steelDikte = 1.0;
  Double randDikte = 1.0; // of the heads' outline
};

// A line through many points, cut off at the edges of `binnen`.
struct Kromme {
  std::vector<Plek> punten;
  Rechthoek binnen;
  Kleur kleur;
  Double dikte = 1.0;
};

enum class Anker { begin, midden, einde };

struct Tekst {
  Plek plek;         // on the baseline, at the anchor
  std::string tekst; // UTF-8
  Double grootte = 12.0;
  bool vet = false;
  Anker anker = Anker::begin;
  bool staand = false; // turned a quarter to the left, read from below
  Kleur kleur;
};

using Vorm = std::variant<Lijn, Rechthoek, Cirkel, Stelen, Kromme, Tekst>;

// The shapes vormen[van, tot) that show a figure's data, among the frame's
// (grid, scales, titles) that stay while the data change.
struct Gegevens {
  std::size_t van = 0;
  std::size_t tot = 0;
};

struct Figuur {
  Int breedte = 0;
  Int hoogte = 0;
  std::optional<Kleur> achtergrond = wit; // none: the shapes cover the figure
  // Whole pixels drawn without smoothing, as the graph panel's picture is:
  // numbers without decimals, and a renderer gives the rasteriser's pixels.
  bool inPixels = false;
  std::vector<Vorm> vormen;
  std::optional<Gegevens> gegevens; // SVG writes them as one group
};

// "#rrggbb", as SVG writes a colour.
std::string hexKleur(const Kleur& kleur);

// The figure as SVG: text stays text, in a generic sans-serif family; numbers
// with one decimal, or none in pixels. The same figure gives the same bytes.
// The data, where a figure marks them, stand in `<g class="gegevens">`, its
// content figuurSvgGegevens's text: a page that keeps the frame rewrites the
// group alone.
std::string figuurSvg(const Figuur& figuur);
std::string figuurSvgGegevens(const Figuur& figuur);
