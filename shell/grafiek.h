// The main window of both programs: the controls that choose the test
// signal and the graph panel, over the window model (venstermodel.h), which
// holds the settings, their rules and the drawn cycle. The handlers pass the
// controls' events to the model and show what it says. `Programma` states
// what differs per program (iir_programma.h, fir_programma.h).
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "frequenties.h"
#include "grafiekpaneel.h"
#include "knoppen.h"
#include "teksten.h"
#include "testsignaal.h"
#include "venstermodel.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/font.h>
#include <wx/frame.h>
#include <wx/log.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/tglbtn.h>

template <typename Programma>
class Grafiek : public wxFrame {
  using Monster = typename Programma::Monster;

public:
  Grafiek(wxWindow* parent, int id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
          const wxSize& size = wxDefaultSize, long style = wxDEFAULT_FRAME_STYLE);

  void startStopHandler(wxCommandEvent& event);
  void eindeHandler(wxCommandEvent& event);
  void signaalKeuzeHandler(wxCommandEvent& event);
  void signaalAmplitudeHandler(wxSpinEvent& event);
  void signaalFreqHandler(wxCommandEvent& event);

protected:
  wxRadioBox* signaalKeuzeRadioBox;
  wxStaticText* amplitudeLabel;
  wxSpinCtrl* amplitudeSpin;
  wxStaticText* sigFreqLabel;
  wxChoice* signaalFreqKeuze;
  wxToggleButton* startKnop;
  wxButton* eindeKnop;
  wxStaticText* kopTekstLabel;
  GrafiekPaneel<Monster>* grafiekPaneel;

private:
  void set_properties();
  void do_layout();
  void toonBesturing();

  VensterModel<Programma> model;

  template <typename>
  friend class GrafiekToegang; // read-only access for the window tests

  wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE_TEMPLATE1(Grafiek, wxFrame, Programma)
  EVT_RADIOBOX(signaalKeuzeID, Grafiek<Programma>::signaalKeuzeHandler)
  EVT_SPINCTRL(signaalAmplitudeID, Grafiek<Programma>::signaalAmplitudeHandler)
  EVT_CHOICE(signaalFreqKeuzeID, Grafiek<Programma>::signaalFreqHandler)
  EVT_TOGGLEBUTTON(startKnopID, Grafiek<Programma>::startStopHandler)
  EVT_BUTTON(eindeKnopID, Grafiek<Programma>::eindeHandler)
wxEND_EVENT_TABLE()

namespace grafiek_detail {

template <std::size_t N>
wxArrayString alsKeuzes(const std::array<std::string_view, N>& teksten)
{
  wxArrayString keuzes;
  for (const std::string_view tekst : teksten) {
    keuzes.Add(wxString::FromUTF8(tekst.data(), tekst.size()));
  }
  return keuzes;
}

} // namespace grafiek_detail

template <typename Programma>
Grafiek<Programma>::Grafiek(wxWindow* parent, int id, const wxString& title, const wxPoint& pos,
                            const wxSize& size, long /*style: always the default frame style*/)
    : wxFrame(parent, id, title, pos, size, wxDEFAULT_FRAME_STYLE, wxFrameNameStr)
{
  const wxArrayString signaalKeuzeRadioBox_choices = grafiek_detail::alsKeuzes(signaalNamen);
  const wxArrayString signaalFreqKeuze_choices = grafiek_detail::alsKeuzes(frequentieLabels);

  signaalKeuzeRadioBox =
      new wxRadioBox(this, signaalKeuzeID, signaalLabel, wxDefaultPosition, wxDefaultSize,
                     signaalKeuzeRadioBox_choices, 0, wxRA_SPECIFY_ROWS);
  amplitudeLabel = new wxStaticText(this, wxID_ANY, amplitudeLabelTekst);
  // The control shows the amplitude the first cycle uses.
  amplitudeSpin = new wxSpinCtrl(
      this, signaalAmplitudeID, wxString::Format("%u", unsigned{Programma::startAmplitude}),
      wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0, static_cast<int>(maxAmplitude), 0);
  sigFreqLabel = new wxStaticText(this, wxID_ANY, frequentieLabelTekst);
  signaalFreqKeuze = new wxChoice(this, signaalFreqKeuzeID, wxDefaultPosition, wxDefaultSize,
                                  signaalFreqKeuze_choices);
  startKnop = new wxToggleButton(this, startKnopID, tekenTekst);
  eindeKnop = new wxButton(this, eindeKnopID, eindeTekst);
  kopTekstLabel = new wxStaticText(this, wxID_ANY, Programma::kopTekst);
  grafiekPaneel = new GrafiekPaneel<Monster>(this, wxID_ANY);

  set_properties();
  do_layout();
}

template <typename Programma>
void Grafiek<Programma>::set_properties()
{
  SetTitle(Programma::titel);
  signaalKeuzeRadioBox->SetSelection(cosinus);
  signaalFreqKeuze->SetSelection(static_cast<int>(startFrequentieKeuze));
  kopTekstLabel->SetFont(wxFont(kopTekstPunten, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                                wxFONTWEIGHT_NORMAL, false, wxEmptyString, wxFONTENCODING_DEFAULT));
}

template <typename Programma>
void Grafiek<Programma>::do_layout()
{
  auto* sizer_1 = new wxBoxSizer(wxHORIZONTAL);
  auto* sizer_3 = new wxBoxSizer(wxVERTICAL);
  auto* sizer_4 = new wxBoxSizer(wxVERTICAL);
  sizer_4->Add(signaalKeuzeRadioBox, 0, wxALL, 10);
  sizer_4->Add(amplitudeLabel, 0, wxLEFT | wxRIGHT | wxTOP, 10);
  sizer_4->Add(amplitudeSpin, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
  sizer_4->Add(sigFreqLabel, 0, wxLEFT | wxRIGHT | wxTOP, 10);
  sizer_4->Add(signaalFreqKeuze, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
  sizer_4->Add(startKnop, 0, wxALL, 20);
  sizer_4->Add(eindeKnop, 0, wxALL, 20);
  sizer_1->Add(sizer_4, 1, 0, 0);
  sizer_3->Add(kopTekstLabel, 0, wxALIGN_CENTER_HORIZONTAL, 0);
  sizer_3->Add(grafiekPaneel, 1, wxEXPAND, 0);
  sizer_1->Add(sizer_3, 6, wxEXPAND, 0);
  SetAutoLayout(true);
  SetSizer(sizer_1);
  sizer_1->Fit(this);
  sizer_1->SetSizeHints(this);
  Layout();
}

// Which controls take input, as the model says.
template <typename Programma>
void Grafiek<Programma>::toonBesturing()
{
  const auto besturing = model.besturing();
  signaalKeuzeRadioBox->Enable(besturing.signaal);
  amplitudeSpin->Enable(besturing.amplitude);
  signaalFreqKeuze->Enable(besturing.frequentie);
}

template <typename Programma>
void Grafiek<Programma>::startStopHandler(wxCommandEvent& /*event*/)
{
  // A release build of wxWidgets compiles wxLogDebug away.
  const bool getekend =
      model.schakel([](const char* tekst [[maybe_unused]]) { wxLogDebug("%s", tekst); });
  toonBesturing();
  startKnop->SetValue(getekend);
  if (getekend) {
    const auto& cyclus = model.cyclus()->cyclus;
    if (grafiekPaneel->kopieerSignaal(cyclus.signaal.data(), cyclus.gefilterd.data()) != Ok) {
      wxLogDebug(kopieerFoutMelding);
      return;
    }
    grafiekPaneel->Refresh(true);
    startKnop->SetLabel(stopTekst);
    // Paint now rather than at the toolkit's next frame: the picture follows
    // the click without a frame's delay.
    grafiekPaneel->Update();
  } else {
    grafiekPaneel->maakSchoon();
    startKnop->SetLabel(tekenTekst);
  }
}

template <typename Programma>
void Grafiek<Programma>::eindeHandler(wxCommandEvent& /*event*/)
{
  Close(false);
}

// "No selection" (-1) becomes an index that names no signal, which the model
// ignores.
template <typename Programma>
void Grafiek<Programma>::signaalKeuzeHandler(wxCommandEvent& /*event*/)
{
  model.kiesSignaal(static_cast<UInt32>(signaalKeuzeRadioBox->GetSelection()));
  toonBesturing();
}

template <typename Programma>
void Grafiek<Programma>::signaalAmplitudeHandler(wxSpinEvent& /*event*/)
{
  const auto amplitude = model.zetAmplitude(amplitudeSpin->GetValue());
  if (static_cast<int>(amplitude) != amplitudeSpin->GetValue()) {
    amplitudeSpin->SetValue(static_cast<int>(amplitude));
  }
}

// The choice keeps showing an empty item once chosen; the model keeps the
// frequency.
template <typename Programma>
void Grafiek<Programma>::signaalFreqHandler(wxCommandEvent& /*event*/)
{
  model.kiesFrequentie(static_cast<UInt32>(signaalFreqKeuze->GetSelection()));
}
