// What the plots (response, spectrum, z-plane) share: their colours, their
// upright text and its estimated width, the scale against a design size and
// the least size of their text.
// SPDX-License-Identifier: MIT
#pragma once

#include "figuur.h"
#include "getaltekst.h"

#include <algorithm>
#include <numbers>
#include <string>

inline constexpr Kleur grafiekZwart{34, 34, 34};
inline constexpr Kleur rasterKleur{217, 217, 217};
inline constexpr Kleur nulLijnKleur{150, 150, 150};
inline constexpr Kleur kaderKleur{68, 68, 68};
inline constexpr Kleur merkKleur{214, 39, 40}; // the chosen frequency

enum class Letter { gewoon, vet };

// An upright text, by default centred on its place in the plot's black.
inline Tekst rechteTekst(Plek plek, std::string tekst, Double grootte, Letter letter,
                         Anker anker = Anker::midden, Kleur kleur = grafiekZwart)
{
  return Tekst{.plek = plek,
               .tekst = std::move(tekst),
               .grootte = grootte,
               .vet = letter == Letter::vet,
               .anker = anker,
               .staand = false,
               .kleur = kleur};
}

// An estimate of the width of a sans-serif text (DejaVu Sans digits are
// 0.64 em), generous rather than tight, so labels never touch.
inline Double tekstBreedte(const std::string& tekst, Double grootte, bool vet)
{
  std::size_t tekens = 0;
  for (const char c : tekst) {
    tekens += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
  }
  return static_cast<Double>(tekens) * grootte * (vet ? 0.7 : 0.64);
}

// A text turned a quarter to the left, the y axis's title.
inline Tekst staandeTekst(Plek plek, std::string tekst, Double grootte)
{
  return Tekst{.plek = plek,
               .tekst = std::move(tekst),
               .grootte = grootte,
               .vet = false,
               .anker = Anker::midden,
               .staand = true,
               .kleur = grafiekZwart};
}

// The four sides of a rectangle as lines, over whatever is drawn inside it.
inline void kader(Plek linksBoven, Plek rechtsOnder, Double dikte, std::vector<Vorm>& vormen)
{
  const Plek rechtsBoven{rechtsOnder.x, linksBoven.y};
  const Plek linksOnder{linksBoven.x, rechtsOnder.y};
  for (const auto& [van, naar] : {std::pair{linksBoven, rechtsBoven},
                                  {rechtsBoven, rechtsOnder},
                                  {rechtsOnder, linksOnder},
                                  {linksOnder, linksBoven}}) {
    vormen.emplace_back(Lijn{van, naar, kaderKleur, dikte});
  }
}

// The factor of a plot of `grootte` against its design size, `breedte` x
// `hoogte`: every length and font size is multiplied by it.
inline Double schaalVoor(Grootte grootte, Double breedte, Double hoogte)
{
  return std::min(grootte.breedte / breedte, grootte.hoogte / hoogte);
}

// No text smaller than this, in pixels (CSS pixels in a page): a plot drawn
// smaller than its design size keeps its text at this size at least.
inline constexpr Double kleinsteLetter = 11.0;

// The scale of a plot's text and of the margins that hold it: the plot's
// scale `s`, or more where its smallest font size (`kleinsteGrootte` at the
// design size) would come out under kleinsteLetter. Lines and marks keep `s`.
inline Double tekstSchaal(Double s, Double kleinsteGrootte)
{
  return std::max(s, kleinsteLetter / kleinsteGrootte);
}

// A title's font size: `grootte` at the text scale `t`, smaller where the
// title would not fit in `ruimte` pixels, but not below the smallest text.
inline Double titelLetter(const std::string& titel, Double grootte, Double t, Double ruimte)
{
  const Double past = grootte * ruimte / tekstBreedte(titel, grootte, true);
  return std::max(kleinsteLetter, std::min(grootte * t, past));
}

// Every how many grid lines a scale value is written, of 1, 2, 5 and 10 (the
// lines' divisors): the fewest skipped with `nodig` pixels for each value.
inline Int schaalStap(Double afstand, Double nodig)
{
  for (const Int stap : {1, 2, 5}) {
    if (static_cast<Double>(stap) * afstand >= nodig) {
      return stap;
    }
  }
  return 10;
}

// The frequency axis of a plot over 0..PI: a grid line every 0,1*PI across
// the plot area from `linksBoven` to `rechtsOnder`, and under it as many of
// the values as fit, in `letter` px times the text scale t (lines on s).
inline void frequentieRaster(Plek linksBoven, Plek rechtsOnder, Double s, Double t, Double letter,
                             std::vector<Vorm>& vormen)
{
  constexpr Int stappen = 10;
  const Double breed = tekstBreedte(frequentieTekst(0.1), letter * t, false) + 6.0 * t;
  const Int stap = schaalStap((rechtsOnder.x - linksBoven.x) / stappen, breed);
  for (Int i = 0; i <= stappen; ++i) {
    const Double factor = static_cast<Double>(i) / stappen;
    const Double omega = factor * std::numbers::pi;
    const Double x = linksBoven.x + omega / std::numbers::pi * (rechtsOnder.x - linksBoven.x);
    vormen.emplace_back(Lijn{{x, linksBoven.y}, {x, rechtsOnder.y}, rasterKleur, 1.0 * s});
    if (i % stap == 0) {
      vormen.emplace_back(rechteTekst({x, rechtsOnder.y + 24.0 * t}, frequentieTekst(factor),
                                      letter * t, Letter::gewoon));
    }
  }
}
