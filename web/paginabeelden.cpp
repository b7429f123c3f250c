// The browser module's pictures and sound: the panel's fills, the views as
// SVG and the samples Luister plays, each of the chosen program's window.
// SPDX-License-Identifier: MIT
#include "geluid.h"
#include "paginakern.h"
#include "polengrafiek.h"
#include "rasteriseer.h"
#include "responsgrafiek.h"
#include "spectrumgrafiek.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <string>
#include <vector>

using namespace paginakern;

namespace {

// A fill as the page reads it from memory: x0, y0, x1, y1 (inclusive) and the
// colour as 0xRRGGBB.
constexpr std::size_t getallenPerVlak = 5;

// The largest side of a response plot the page may ask for, as filtercyclus's.
constexpr Int grootsteGrafiekZijde = 10000;

std::vector<Int32> vlakGetallen; // the last fills handed out
std::vector<Int16> geluid;       // the last sound handed out

Int32 alsGetal(const Kleur& kleur)
{
  return (Int32{kleur.rood} << 16) | (Int32{kleur.groen} << 8) | Int32{kleur.blauw};
}

template <typename Model>
std::vector<Vlak> vlakkenVan(const Model& model, Int breedte, Int hoogte)
{
  std::optional<Tekening> tekening;
  if (model.cyclus()) {
    const auto& cyclus = model.cyclus()->cyclus;
    tekening = maakTekening(cyclus.signaal, cyclus.gefilterd, breedte, hoogte);
  }
  return vlakken(tekening, breedte, hoogte);
}

} // namespace

extern "C" {

// The fills of the panel's picture at breedte x hoogte device pixels; the
// numbers stand at vlakkenAdres(), getallenPerVlak a fill.
EMSCRIPTEN_KEEPALIVE Int vlakkenVoor(Int breedte, Int hoogte)
{
  const std::vector<Vlak> lijst = metModel(
      std::vector<Vlak>{}, [=](const auto& model) { return vlakkenVan(model, breedte, hoogte); });
  vlakGetallen.clear();
  for (const Vlak& vlak : lijst) {
    vlakGetallen.insert(vlakGetallen.end(),
                        {vlak.x0, vlak.y0, vlak.x1, vlak.y1, alsGetal(vlak.kleur)});
  }
  return static_cast<Int>(lijst.size());
}

EMSCRIPTEN_KEEPALIVE const Int32* vlakkenAdres()
{
  return vlakGetallen.data();
}

EMSCRIPTEN_KEEPALIVE Int getallenPerVlakVan()
{
  return static_cast<Int>(getallenPerVlak);
}
// "Luister": the samples of the drawn cycle's sound at luisterAdres(), none
// while no cycle is drawn; played at luisterBemonstering() a second.
EMSCRIPTEN_KEEPALIVE Int luisterMonstersVoor()
{
  geluid =
      metModel(std::vector<Int16>{}, [](const auto& model) { return model.luisterMonsters(); });
  return static_cast<Int>(geluid.size());
}

EMSCRIPTEN_KEEPALIVE const Int16* luisterAdres()
{
  return geluid.data();
}

// A constant of the sound, the same for both programs.
EMSCRIPTEN_KEEPALIVE UInt32 luisterBemonstering()
{
  return standaardBemonstering;
}
// The magnitude response plot as SVG at breedte x hoogte (CSS pixels; a
// side below 1 gives filtercyclus's default size), the chosen frequency
// marked. The impulse and the step keep the mark where the (then disabled)
// frequency control stands.
EMSCRIPTEN_KEEPALIVE const char* responsSvg(Int breedte, Int hoogte)
{
  const Grootte grootte = breedte < 1 || hoogte < 1
                              ? standaardGrafiekGrootte
                              : Grootte{std::min(breedte, grootsteGrafiekZijde),
                                        std::min(hoogte, grootsteGrafiekZijde)};
  return geefTekstVan([=](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return figuurSvg(responsGrafiek(Programma::grafiekTitel, Programma::versterking, grootte,
                                    model.instellingen().frequentieKeuze));
  });
}

// The sample whose bars stand at device column x of a panel `breedte` device
// pixels wide, by the picture's own scale: a click's readout. Right of the
// last bar, the last; -1 left of the panel or where no bar can be drawn.
EMSCRIPTEN_KEEPALIVE int staafOnder(Int x, Int breedte)
{
  const auto schaal = schaalVoor(breedte, 1);
  if (!schaal || schaal->staafBreedte == 0 || x < 0) {
    return -1;
  }
  return static_cast<int>(std::min(x / schaal->staafBreedte, static_cast<Int>(BlokLengte) - 1));
}

} // extern "C"

// The frequency views, as filtercyclus --spectrum and --polen draw them, at
// breedte x hoogte CSS pixels (a side below 1 gives filtercyclus's default
// size); both empty before kiesProgramma.
namespace {
Grootte grafiekMaat(Int breedte, Int hoogte, Grootte standaard)
{
  return breedte < 1 || hoogte < 1 ? standaard
                                   : Grootte{std::min(breedte, grootsteGrafiekZijde),
                                             std::min(hoogte, grootsteGrafiekZijde)};
}

// The drawn cycle's spectrum plot as `schrijf` writes it (figuurSvg, or
// figuurSvgGegevens for its data alone); "" when no cycle is drawn.
template <typename Schrijf>
const char* spectrumTekst(Int breedte, Int hoogte, Schrijf schrijf)
{
  const Grootte grootte = grafiekMaat(breedte, hoogte, standaardGrafiekGrootte);
  return geefTekstVan([=](const auto& model) {
    const auto& getekend = model.cyclus();
    return getekend ? schrijf(spectrumGrafiek(getekend->cyclus, grootte,
                                              getekend->instellingen.frequentieKeuze))
                    : std::string{};
  });
}
} // namespace

extern "C" {

// The drawn cycle's spectra, its frequency marked.
EMSCRIPTEN_KEEPALIVE const char* spectrumSvg(Int breedte, Int hoogte)
{
  return spectrumTekst(breedte, hoogte, figuurSvg);
}

// The same plot's data, the content of its group "gegevens": what a new cycle
// changes in a plot of the same size.
EMSCRIPTEN_KEEPALIVE const char* spectrumGegevensSvg(Int breedte, Int hoogte)
{
  return spectrumTekst(breedte, hoogte, figuurSvgGegevens);
}

// The filter's zeros and poles, the frequency control's e^(jΩ) marked as in
// the response plot.
EMSCRIPTEN_KEEPALIVE const char* polenSvg(Int breedte, Int hoogte)
{
  const Grootte grootte = grafiekMaat(breedte, hoogte, standaardPolenGrootte);
  return geefTekstVan([=](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return figuurSvg(polenGrafiek(Programma::soort, Programma::nullenEnPolen(), grootte,
                                  model.instellingen().frequentieKeuze));
  });
}

} // extern "C"
