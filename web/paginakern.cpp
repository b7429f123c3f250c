// The browser pages' way into the core, compiled to WebAssembly: the window
// model (venstermodel.h) of the chosen program, the panel's picture as a list
// of fills, and every text the page shows. The page's JavaScript only passes
// the controls' events in, shows the state this returns and puts the fills on
// its canvas; every rule stays in C++.
//
// One module serves both pages: the page names its program once, and from
// then on every call works on that program's window. Before that every entry
// point does nothing and returns 0, an empty text or an empty list.
// SPDX-License-Identifier: MIT

#include "paginakern.h"

#include "berekening_json.h"
#include "beschrijving.h"
#include "json.h"

#include <array>
#include <cmath>
#include <emscripten/emscripten.h>
#include <optional>
#include <string>
#include <string_view>

using namespace paginakern;

namespace {

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
      .waarheid("speelt", model.speeltGeluid())
      .waarheid("tabelAan", besturing.tabel)
      .waarheid("tabelOpen", model.tabelGetoond())
      .tekst("melding", model.linkMelding())
      .tekst("amplitudeMelding", model.amplitudeMelding())
      .klaar();
}

// The keys that step a value, and by how much.
struct ToetsStap {
  std::string_view toets;
  Int stap;
};
constexpr std::array<ToetsStap, 2> amplitudeToetsen = {{{"ArrowUp", 1}, {"ArrowDown", -1}}};
constexpr std::array<ToetsStap, 2> paneelToetsen = {{{"ArrowLeft", -1}, {"ArrowRight", 1}}};

template <typename Toetsen>
std::optional<Int> toetsStap(const char* toets, const Toetsen& toetsen)
{
  const std::string_view naam = toets != nullptr ? toets : "";
  for (const ToetsStap& t : toetsen) {
    if (t.toets == naam) {
      return t.stap;
    }
  }
  return std::nullopt;
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

// Every index below arrives as a JavaScript number, taken as a double and
// checked here (alsIndex): NaN, an infinity, a fraction or a value out of
// range changes nothing, where an int would have gone through ToInt32.

// The radio choice: signal `signaal` for the next cycle.
EMSCRIPTEN_KEEPALIVE void kiesSignaal(Double signaal)
{
  metModel([=](auto& model) {
    if (const auto index = alsIndex(signaal)) {
      model.kiesSignaal(*index);
    }
  });
}

// Typed text in the amplitude box: 1 when it was taken (leesGetypt), 0 when
// not (the amplitude stays as it was); the note beside the box is in toestand.
EMSCRIPTEN_KEEPALIVE int zetAmplitudeTekst(const char* getypt)
{
  const std::string_view tekst = getypt != nullptr ? getypt : "";
  return metModel(0, [=](auto& model) { return model.zetAmplitudeTekst(tekst) ? 1 : 0; });
}

// A key on the amplitude's box: 1 when it stepped the amplitude, as the
// window's spin control does (the arrow keys, one unit).
EMSCRIPTEN_KEEPALIVE int toetsOpAmplitude(const char* toets)
{
  const auto stap = toetsStap(toets, amplitudeToetsen);
  return metModel(0, [=](auto& model) {
    if (stap) {
      model.stapAmplitude(*stap);
    }
    return stap ? 1 : 0;
  });
}

EMSCRIPTEN_KEEPALIVE void kiesFrequentie(Double keuze)
{
  metModel([=](auto& model) {
    if (const auto index = alsIndex(keuze)) {
      model.kiesFrequentie(*index);
    }
  });
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

// A link opened (the address after '#', percent-encoding allowed), at the
// start or when the address changes: as volgLink says.
EMSCRIPTEN_KEEPALIVE void volgLink(const char* fragment)
{
  const std::string_view tekst = fragment != nullptr ? fragment : "";
  metModel([=](auto& model) { model.volgLink(tekst); });
}

// The current settings as a link's fragment, without '#'.
EMSCRIPTEN_KEEPALIVE const char* fragment()
{
  return geefTekstVan([](const auto& model) { return model.fragment(); });
}

// The sample read in words, "" while none is.
EMSCRIPTEN_KEEPALIVE const char* aflezing()
{
  return geefTekstVan([](const auto& model) { return model.aflezing(); });
}

// A tap or click at x CSS pixels from the panel's left edge, on a box
// `vakBreedte` CSS pixels wide drawn at `apparaatBreedte` device pixels: the
// sample whose bars stand nearest.
// A point off the box, or a box the page cannot have, reads nothing.
EMSCRIPTEN_KEEPALIVE void leesBij(Double x, Double vakBreedte, Double apparaatBreedte)
{
  const auto breedte = indexBinnen(apparaatBreedte, grootsteZijde + 1);
  if (!(vakBreedte > 0.0 && vakBreedte <= grootsteZijde && x >= 0.0 && x <= vakBreedte) ||
      !breedte) {
    return;
  }
  const auto apparaat = static_cast<Int>(*breedte);
  metModel([=](auto& model) { model.leesBij(x * apparaat / vakBreedte, apparaat); });
}

// The step buttons: `stap` samples on (a whole number, at most the block).
EMSCRIPTEN_KEEPALIVE void schuifAflezing(Double stap)
{
  constexpr auto blok = static_cast<Double>(BlokLengte);
  if (const auto index = indexBinnen(stap + blok, 2 * BlokLengte + 1)) {
    metModel([=](auto& model) {
      model.schuifAflezing(static_cast<Int>(*index) - static_cast<Int>(BlokLengte));
    });
  }
}

// A key on the focused panel: 1 when it moved the readout (the arrow keys a
// sample, Home and End the first and the last).
EMSCRIPTEN_KEEPALIVE int toetsOpPaneel(const char* toets)
{
  const std::string_view naam = toets != nullptr ? toets : "";
  const auto stap = toetsStap(toets, paneelToetsen);
  const bool rand = naam == "Home" || naam == "End";
  return metModel(0, [=](auto& model) {
    if (stap) {
      model.schuifAflezing(*stap);
    } else if (rand) {
      model.leesMonster(naam == "Home" ? 0 : BlokLengte - 1);
    }
    return stap || rand ? 1 : 0;
  });
}

// "Luister" pressed; the sound played to its end; "Toon als tabel" pressed.
EMSCRIPTEN_KEEPALIVE void wisselLuister()
{
  metModel([](auto& model) { model.wisselLuister(); });
}

EMSCRIPTEN_KEEPALIVE void luisterKlaar()
{
  metModel([](auto& model) { model.luisterKlaar(); });
}

EMSCRIPTEN_KEEPALIVE void wisselTabel()
{
  metModel([](auto& model) { model.wisselTabel(); });
}

// How the output read comes about, as JSON (berekening_json.h); "" while
// none is read.
EMSCRIPTEN_KEEPALIVE const char* berekening()
{
  return geefTekstVan([](const auto& model) { return berekeningJson(model.berekening()); });
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

// For the FIR's drawn cycle, what its 16-bit arithmetic cost, a line per
// fact; empty otherwise.
EMSCRIPTEN_KEEPALIVE const char* kostenTekst()
{
  return geefTekstVan([](const auto& model) { return model.kostenTekst(); });
}

} // extern "C"
