// A plot as a list of simple shapes in pixels, in painting order, so that
// every format (SVG, and PNG through cairo) draws the same layout: the text
// widths the layout allows for are estimates, the same for every format.
#pragma once

#include "algdef.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

struct Rgb {
  UInt8 rood = 0;
  UInt8 groen = 0;
  UInt8 blauw = 0;
};

struct Plek {
  Double x = 0.0;
  Double y = 0.0;
};

struct Lijn {
  Plek van;
  Plek naar;
  Rgb kleur;
  Double dikte = 1.0;
};

struct Rechthoek {
  Plek hoek; // top left
  Double breedte = 0.0;
  Double hoogte = 0.0;
  Rgb vulling;
  std::optional<Rgb> rand;
  Double randDikte = 1.0;
};

struct Cirkel {
  Plek midden;
  Double straal = 0.0;
  Rgb vulling;
  Rgb rand;
  Double randDikte = 1.0;
};

// A line through many points, cut off at the edges of `binnen`.
struct Kromme {
  std::vector<Plek> punten;
  Rechthoek binnen;
  Rgb kleur;
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
  Rgb kleur;
};

using Vorm = std::variant<Lijn, Rechthoek, Cirkel, Kromme, Tekst>;

struct Grafiek {
  Int breedte = 0;
  Int hoogte = 0;
  Rgb achtergrond{255, 255, 255};
  std::vector<Vorm> vormen;
};

// "#rrggbb", as SVG writes a colour.
std::string hexKleur(UInt8 rood, UInt8 groen, UInt8 blauw);

// The plot as SVG: text stays text, in a generic sans-serif family. The same
// plot gives the same bytes.
std::string grafiekSvg(const Grafiek& grafiek);

// The plot as PNG, through cairo; only in builds with cairo.
std::string grafiekPng(const Grafiek& grafiek);
