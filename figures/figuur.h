// A figure (a plot, or the graph panel's picture) as a list of simple shapes in pixels, in painting
// order, so that every format (SVG, and PNG through cairo) draws the same layout: the text widths
// the layout allows for are estimates, the same for every format.
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

using Vorm = std::variant<Lijn, Rechthoek, Cirkel, Kromme, Tekst>;

struct Figuur {
  Int breedte = 0;
  Int hoogte = 0;
  std::optional<Kleur> achtergrond = wit; // none: the shapes cover the figure
  // Whole pixels drawn without smoothing, as the graph panel's picture is:
  // numbers without decimals, and a renderer gives the rasteriser's pixels.
  bool inPixels = false;
  std::vector<Vorm> vormen;
};

// "#rrggbb", as SVG writes a colour.
std::string hexKleur(const Kleur& kleur);

// The figure as SVG: text stays text, in a generic sans-serif family; numbers
// with one decimal, or none in pixels. The same figure gives the same bytes.
std::string figuurSvg(const Figuur& figuur);
