// Read access to a window's controls and fields for the window tests; the
// window declares this class its friend.
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
  auto amplitude() const { return g.amplitude; }
  Float hoekFreq() const { return g.hoekFreq; }
  const auto& signaal() const { return g.signaal; }
  const auto& gefilterd() const { return g.sigGefilterd; }

private:
  Grafiek<Programma>& g;
};
