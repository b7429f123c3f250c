// Read access to a window's controls and its window model for the window
// tests; the window declares this class its friend.
// SPDX-License-Identifier: MIT
#pragma once

#include "grafiek.h"

template <typename Programma>
class GrafiekToegang {
public:
  explicit GrafiekToegang(Grafiek<Programma>& grafiek) : g(grafiek) {}

  wxRadioBox* radio() const { return g.signaalKeuzeRadioBox; }
  wxStaticText* amplitudeLabel() const { return g.amplitudeLabel; }
  wxSpinCtrl* spin() const { return g.amplitudeSpin; }
  wxStaticText* freqLabel() const { return g.sigFreqLabel; }
  wxChoice* freq() const { return g.signaalFreqKeuze; }
  wxToggleButton* start() const { return g.startKnop; }
  wxButton* einde() const { return g.eindeKnop; }
  wxStaticText* kopTekst() const { return g.kopTekstLabel; }
  auto* paneel() const { return g.grafiekPaneel; }
  // The window model's settings, and the cycle it holds as drawn (only while
  // one is drawn: otherwise std::bad_optional_access fails the test).
  auto amplitude() const { return g.model.instellingen().amplitude; }
  Float hoekFreq() const { return g.model.instellingen().hoekFreq; }
  const auto& signaal() const { return g.model.cyclus().value().cyclus.signaal; }
  const auto& gefilterd() const { return g.model.cyclus().value().cyclus.gefilterd; }

private:
  Grafiek<Programma>& g;
};
