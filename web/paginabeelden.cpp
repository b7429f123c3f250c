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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace paginakern;

namespace {

// A fill as the page reads it from memory: x0, y0, x1, y1 (inclusive) and the
// colour as 0xRRGGBB.
constexpr std::size_t getallenPerVlak = 5;

std::vector<Int32> vlakGetallen; // the last fills handed out
std::vector<Int16> geluid;       // the last sound handed out

// A view of the filter drawn again only when what it shows changed: the
// response and the pole-zero plot depend on the program, their size, the
// marked frequency and whether a students' link hides them, not on the
// drawn cycle, so a press of Teken hands out the text drawn before.
class FilterBeeld {
public:
  template <typename Model, typename Teken>
  const std::string& voor(const Model& model, Grootte grootte, Teken teken)
  {
    using Programma = typename Model::Soort;
    const Sleutel nieuw{Programma::naam, grootte.breedte, grootte.hoogte,
                        model.instellingen().frequentieKeuze, model.antwoordenVerborgen()};
    if (!(nieuw == sleutel)) {
      svg = model.antwoordenVerborgen() ? std::string{} : teken();
      sleutel = nieuw;
    }
    return svg;
  }

private:
  struct Sleutel {
    std::string_view programma;
    Int breedte = 0;
    Int hoogte = 0;
    UInt32 frequentie = 0;
    bool verborgen = false;
    bool operator==(const Sleutel&) const = default;
  };
  std::optional<Sleutel> sleutel;
  std::string svg;
};

FilterBeeld responsBeeld;
FilterBeeld polenBeeld;

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
  std::vector<Vlak> lijst = vlakken(tekening, breedte, hoogte);
  // The sample being read, marked over the picture; the picture itself is
  // the same as without a reading.
  if (tekening && model.gelezenMonster()) {
    const std::vector<Vlak> markering = markeringVlakken(*tekening, *model.gelezenMonster());
    lijst.insert(lijst.end(), markering.begin(), markering.end());
  }
  return lijst;
}

} // namespace

extern "C" {

// The fills of the panel's picture at breedte x hoogte device pixels; the
// numbers stand at vlakkenAdres(), getallenPerVlak a fill.
EMSCRIPTEN_KEEPALIVE Int vlakkenVoor(Double breedte, Double hoogte)
{
  const Grootte grootte = gevraagdeGrootte(breedte, hoogte).value_or(Grootte{0, 0});
  const std::vector<Vlak> lijst = metModel(std::vector<Vlak>{}, [=](const auto& model) {
    return vlakkenVan(model, grootte.breedte, grootte.hoogte);
  });
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
// side the page cannot have gives filtercyclus's default size), the chosen
// frequency marked. The impulse and the step keep the mark where the (then
// disabled) frequency control stands. Empty while a students' link hides it.
EMSCRIPTEN_KEEPALIVE const char* responsSvg(Double breedte, Double hoogte)
{
  const Grootte grootte = gevraagdeGrootte(breedte, hoogte).value_or(standaardGrafiekGrootte);
  return geefTekstVan([=](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return responsBeeld.voor(model, grootte, [&] {
      return figuurSvg(responsGrafiek(Programma::grafiekTitel, Programma::versterking, grootte,
                                      model.instellingen().frequentieKeuze));
    });
  });
}

// Its accessible name: the title and the marked gain.
EMSCRIPTEN_KEEPALIVE const char* responsNaam()
{
  return geefTekstVan([](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return std::string(Programma::grafiekTitel) + ", gemarkeerd " +
           gekozenTekst(Programma::versterking, model.instellingen().frequentieKeuze);
  });
}

} // extern "C"

namespace {

// The drawn cycle's spectrum plot as `schrijf` writes it (figuurSvg, or
// figuurSvgGegevens for its data alone); "" when no cycle is drawn.
template <typename Schrijf>
const char* spectrumTekst(Double breedte, Double hoogte, Schrijf schrijf)
{
  const Grootte grootte = gevraagdeGrootte(breedte, hoogte).value_or(standaardGrafiekGrootte);
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
EMSCRIPTEN_KEEPALIVE const char* spectrumSvg(Double breedte, Double hoogte)
{
  return spectrumTekst(breedte, hoogte, figuurSvg);
}

// The same plot's data, the content of its group "gegevens": what a new cycle
// changes in a plot of the same size.
EMSCRIPTEN_KEEPALIVE const char* spectrumGegevensSvg(Double breedte, Double hoogte)
{
  return spectrumTekst(breedte, hoogte, figuurSvgGegevens);
}

// The top of the drawn cycle's spectrum scale in dB (0 without a cycle):
// the plot's frame is kept while it stays the same.
EMSCRIPTEN_KEEPALIVE Int spectrumBovenDb()
{
  return metModel(Int{0}, [](const auto& model) {
    const auto& getekend = model.cyclus();
    return getekend ? static_cast<Int>(::spectrumBovenDb(getekend->cyclus)) : Int{0};
  });
}

// Its accessible name: the title and the drawn cycle's settings.
EMSCRIPTEN_KEEPALIVE const char* spectrumNaam()
{
  return geefTekstVan([](const auto& model) {
    const auto& getekend = model.cyclus();
    if (!getekend) {
      return std::string{};
    }
    const auto& bij = getekend->instellingen;
    return std::string(spectrumTitel) + ", " +
           instellingTekst(bij.signaal, bij.amplitude, bij.frequentieKeuze);
  });
}

// The filter's zeros and poles, the frequency control's e^(jΩ) marked as in
// the response plot; empty while a students' link hides them.
EMSCRIPTEN_KEEPALIVE const char* polenSvg(Double breedte, Double hoogte)
{
  const Grootte grootte = gevraagdeGrootte(breedte, hoogte).value_or(standaardPolenGrootte);
  return geefTekstVan([=](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return polenBeeld.voor(model, grootte, [&] {
      return figuurSvg(polenGrafiek(Programma::soort, Programma::nullenEnPolen(), grootte,
                                    model.instellingen().frequentieKeuze));
    });
  });
}

// Its accessible name: the title, how many zeros and poles, the mark.
EMSCRIPTEN_KEEPALIVE const char* polenNaam()
{
  return geefTekstVan([](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    const NullenEnPolen np = Programma::nullenEnPolen();
    return polenTitel(Programma::soort) + ", " + std::to_string(np.nullen.size()) +
           " nulpunten en " + std::to_string(np.polen.size()) + " polen, gemarkeerd e^(jΩ) bij " +
           std::string(frequentieLabels.at(model.instellingen().frequentieKeuze));
  });
}

} // extern "C"
