// The browser pages' way into the core, compiled to WebAssembly: the window
// model (venstermodel.h) of the chosen program, the panel's picture as a list
// of fills, and every text the page shows. The page's JavaScript only passes
// the controls' events in, shows the state this returns and puts the fills on
// its canvas; every rule stays in C++.
//
// One module serves both pages: the page names its program once, and from
// then on every call works on that program's window. Before that every entry
// point does nothing and returns 0, an empty text or an empty list.

#include "berekening_json.h"
#include "beschrijving.h"
#include "fir_programma.h"
#include "geluid.h"
#include "iir_programma.h"
#include "json.h"
#include "polengrafiek.h"
#include "rasteriseer.h"
#include "responsgrafiek.h"
#include "spectrumgrafiek.h"
#include "venstermodel.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

// A fill as the page reads it from memory: x0, y0, x1, y1 (inclusive) and the
// colour as 0xRRGGBB.
constexpr std::size_t getallenPerVlak = 5;

// The largest side of a response plot the page may ask for, as filtercyclus's.
constexpr Int grootsteGrafiekZijde = 10000;

std::variant<std::monostate, VensterModel<IIRProgramma>, VensterModel<FIRProgramma>> venster;
std::string uitgegeven;          // the last text handed out; valid until the next one
std::vector<Int32> vlakGetallen; // the last fills handed out
std::vector<Int16> geluid;       // the last sound handed out

// `doe(model)` on the chosen program's model, as an R; `leeg` while no
// program is chosen.
template <typename R, typename Doe>
R metModel(R leeg, Doe doe)
{
  return std::visit(
      [&](auto& model) -> R {
        if constexpr (std::is_same_v<std::decay_t<decltype(model)>, std::monostate>) {
          return leeg;
        } else {
          return static_cast<R>(doe(model));
        }
      },
      venster);
}

template <typename Doe>
void metModel(Doe doe)
{
  metModel(0, [&](auto& model) {
    doe(model);
    return 0;
  });
}

const char* geefTekst(std::string nieuw)
{
  uitgegeven = std::move(nieuw);
  return uitgegeven.c_str();
}

template <typename Doe>
const char* geefTekstVan(Doe doe)
{
  return geefTekst(metModel(std::string{}, doe));
}

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

template <typename Model>
std::string toestandVan(const Model& model)
{
  const auto& instellingen = model.instellingen();
  const auto besturing = model.besturing();
  return JsonObject{}
      .getal("signaal", instellingen.signaal)
      .getal("amplitude", instellingen.amplitude)
      .getal("frequentie", instellingen.frequentieKeuze)
      .waarheid("getekend", model.vergrendeld())
      .waarheid("signaalAan", besturing.signaal)
      .waarheid("amplitudeAan", besturing.amplitude)
      .waarheid("frequentieAan", besturing.frequentie)
      .waarheid("luisterAan", besturing.luister)
      .klaar();
}

} // namespace

extern "C" {

// Chooses the program by its name ("iir", "fir") and starts its window at
// its start values; 0 for a name that names no program, which leaves the
// window as it was.
EMSCRIPTEN_KEEPALIVE int kiesProgramma(const char* naam)
{
  const std::string_view gevraagd = naam != nullptr ? naam : "";
  if (gevraagd == IIRProgramma::naam) {
    venster.emplace<VensterModel<IIRProgramma>>();
  } else if (gevraagd == FIRProgramma::naam) {
    venster.emplace<VensterModel<FIRProgramma>>();
  } else {
    return 0;
  }
  return 1;
}

// The page's texts, items and start values as JSON.
EMSCRIPTEN_KEEPALIVE const char* beschrijving()
{
  return geefTekstVan([](const auto& model) {
    using Programma = typename std::decay_t<decltype(model)>::Soort;
    return paginaBeschrijving({.titel = Programma::titel,
                               .kopTekst = Programma::kopTekst,
                               .startAmplitude = Programma::startAmplitude,
                               .kostenRegels = kostenRegels<Programma>});
  });
}

// The radio choice: signal `signaal` for the next cycle.
EMSCRIPTEN_KEEPALIVE void kiesSignaal(UInt32 signaal)
{
  metModel([=](auto& model) { model.kiesSignaal(signaal); });
}

// The amplitude the next cycle uses, after the control's value `waarde`
// (NaN leaves it as it was).
EMSCRIPTEN_KEEPALIVE UInt32 zetAmplitude(Double waarde)
{
  return metModel(UInt32{0}, [=](auto& model) { return model.zetAmplitude(waarde); });
}

// Typed text in the amplitude box: 1 when it was a number (taken: a decimal
// comma or point, rounded, brought into range), 0 when it was not (the
// amplitude stays as it was).
EMSCRIPTEN_KEEPALIVE int zetAmplitudeTekst(const char* getypt)
{
  const std::string_view tekst = getypt != nullptr ? getypt : "";
  return metModel(0, [=](auto& model) { return model.zetAmplitudeTekst(tekst) ? 1 : 0; });
}

EMSCRIPTEN_KEEPALIVE void kiesFrequentie(UInt32 keuze)
{
  metModel([=](auto& model) { model.kiesFrequentie(keuze); });
}

// Whether signal `signaal` has a frequency; a rule of the signals, not of a
// program, so it answers also before kiesProgramma.
EMSCRIPTEN_KEEPALIVE int gebruiktFrequentieVan(UInt32 signaal)
{
  return gebruiktFrequentie(signaal) ? 1 : 0;
}

// What each control shows and whether it takes input, as JSON.
EMSCRIPTEN_KEEPALIVE const char* toestand()
{
  return geefTekstVan([](const auto& model) { return toestandVan(model); });
}

// The Teken/Stop toggle pressed: 1 when a cycle is drawn now (the settings
// locked), 0 when it was stopped.
EMSCRIPTEN_KEEPALIVE int schakel()
{
  return metModel(0, [](auto& model) { return model.schakel() ? 1 : 0; });
}

// "Teken" with signal `signaal`: one cycle at the current settings, drawn
// from now on (a cycle already drawn is stopped first).
EMSCRIPTEN_KEEPALIVE void tekenCyclus(UInt32 signaal)
{
  metModel([=](auto& model) {
    if (model.vergrendeld()) {
      model.schakel();
    }
    model.kiesSignaal(signaal);
    model.schakel();
  });
}

// "Stop": the panel shows nothing until the next cycle.
EMSCRIPTEN_KEEPALIVE void maakPaneelSchoon()
{
  metModel([](auto& model) {
    if (model.vergrendeld()) {
      model.schakel();
    }
  });
}

// The settings of a link (the address after '#', percent-encoding allowed)
// as JSON: {"teken": press Teken now, "melding": one line naming what was
// ignored, or ""}.
EMSCRIPTEN_KEEPALIVE const char* pasFragmentToe(const char* fragment)
{
  const std::string_view tekst = fragment != nullptr ? fragment : "";
  return geefTekstVan([=](auto& model) {
    const FragmentUitkomst uitkomst = model.pasFragmentToe(tekst);
    return JsonObject{}
        .waarheid("teken", uitkomst.teken)
        .tekst("melding", uitkomst.melding)
        .klaar();
  });
}

// The current settings as a link's fragment, without '#'.
EMSCRIPTEN_KEEPALIVE const char* fragment()
{
  return geefTekstVan([](const auto& model) { return model.fragment(); });
}

// Sample n of the drawn cycle in words, "" when none is drawn.
EMSCRIPTEN_KEEPALIVE const char* aflezing(int n)
{
  return geefTekstVan([=](const auto& model) {
    return n < 0 ? std::string{} : model.aflezing(static_cast<std::size_t>(n));
  });
}

// How output n of the drawn cycle comes about, as JSON (berekening_json.h);
// "" when none is drawn.
EMSCRIPTEN_KEEPALIVE const char* berekening(int n)
{
  return geefTekstVan([=](const auto& model) {
    return n < 0 ? std::string{} : berekeningJson(model.berekening(static_cast<std::size_t>(n)));
  });
}

// The drawn cycle as filtercyclus prints its CSV, "" when none is drawn.
EMSCRIPTEN_KEEPALIVE const char* cyclusCsv()
{
  return geefTekstVan([](const auto& model) { return model.cyclusCsv(); });
}

// The canvas's accessible name.
EMSCRIPTEN_KEEPALIVE const char* toegankelijkeNaam()
{
  return geefTekstVan([](const auto& model) { return model.toegankelijkeNaam(); });
}

// What the live region announces after Teken, "" after Stop.
EMSCRIPTEN_KEEPALIVE const char* aankondiging()
{
  return geefTekstVan([](const auto& model) { return model.aankondiging(); });
}

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

// Sample n of the drawn cycle's input (gefilterd 0) or output (1); 0 when
// none is drawn.
EMSCRIPTEN_KEEPALIVE Double cyclusMonster(int gefilterd, int n)
{
  return metModel(0.0, [=](const auto& model) {
    if (!model.cyclus() || n < 0 || static_cast<std::size_t>(n) >= BlokLengte) {
      return 0.0;
    }
    const auto& cyclus = model.cyclus()->cyclus;
    const auto i = static_cast<std::size_t>(n);
    return static_cast<Double>(gefilterd != 0 ? cyclus.gefilterd.at(i) : cyclus.signaal.at(i));
  });
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

// For the FIR's drawn cycle, what its 16-bit arithmetic cost, a line per
// fact; empty otherwise.
EMSCRIPTEN_KEEPALIVE const char* kostenTekst()
{
  return geefTekstVan([](const auto& model) { return model.kostenTekst(); });
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
