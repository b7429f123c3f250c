// The browser pages' way into the core, compiled to WebAssembly: the window
// model (venstermodel.h) of the chosen program, the panel's picture as a list
// of fills, and every text the page shows. The page's JavaScript only passes
// the controls' events in, shows the state this returns and puts the fills on
// its canvas; every rule stays in C++.
//
// One module serves both pages: the page names its program once, and from
// then on every call works on that program's window. Before that every entry
// point does nothing and returns 0, an empty text or an empty list.

#include "paginakern.h"

#include "beschrijving.h"
#include "json.h"

#include <emscripten/emscripten.h>
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

// For the FIR's drawn cycle, what its 16-bit arithmetic cost, a line per
// fact; empty otherwise.
EMSCRIPTEN_KEEPALIVE const char* kostenTekst()
{
  return geefTekstVan([](const auto& model) { return model.kostenTekst(); });
}

} // extern "C"
