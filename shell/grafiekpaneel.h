// The drawing area: keeps a copy of the last input and output block and
// paints the fills of their drawing (vlakken in rasteriseer.h).
// SPDX-License-Identifier: MIT
#pragma once

#include "algdef.h"
#include "rasteriseer.h"
#include "signaal.h"
#include "tekening.h"
#include "wxkleur.h"

#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/panel.h>
#include <wx/pen.h>

#include <algorithm>

template <typename Monster>
class GrafiekPaneel : public wxPanel {
public:
  GrafiekPaneel(wxWindow* parent, int id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0);

  FoutCode kopieerSignaal(const Monster* sig, const Monster* filtSig);
  void maakSchoon();

  // Draws axes and bars for the stored pair onto `dc`, which is `grootte`
  // pixels large: the window's paint context, or a bitmap.
  void tekenOp(wxDC& dc, const wxSize& grootte) const;

  // True while the panel shows a cycle (between kopieerSignaal and maakSchoon).
  bool toontSignalen() const { return dataGeladen && zichtbaar; }

protected:
  void teken(wxPaintEvent& event);

private:
  void set_properties();
  void do_layout();

  SignaalBlok<Monster> signaal{};
  SignaalBlok<Monster> gefilterdSignaal{};
  Bool8 dataGeladen = false;
  // Cleared by maakSchoon: a released window shows no picture, not even after
  // a resize or an uncover, until the next cycle is copied in.
  Bool8 zichtbaar = false;

  wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE_TEMPLATE1(GrafiekPaneel, wxPanel, Monster)
  EVT_PAINT(GrafiekPaneel<Monster>::teken)
wxEND_EVENT_TABLE()

template <typename Monster>
GrafiekPaneel<Monster>::GrafiekPaneel(wxWindow* parent, int id, const wxPoint& pos,
                                      const wxSize& size, long /*style: always wxTAB_TRAVERSAL*/)
    : wxPanel(parent, id, pos, size, wxTAB_TRAVERSAL, wxPanelNameStr)
{
  set_properties();
  do_layout();
}

template <typename Monster>
void GrafiekPaneel<Monster>::set_properties()
{
  SetMinSize(wxSize(minimumBreedte, minimumHoogte));
  SetBackgroundColour(alsWxKleur(achtergrondKleur));
}

template <typename Monster>
void GrafiekPaneel<Monster>::do_layout()
{
}

template <typename Monster>
FoutCode GrafiekPaneel<Monster>::kopieerSignaal(const Monster* sig, const Monster* filtSig)
{
  std::copy_n(sig, BlokLengte, signaal.begin());
  std::copy_n(filtSig, BlokLengte, gefilterdSignaal.begin());
  dataGeladen = true;
  zichtbaar = true;
  return Ok;
}

// Clearing goes through the framework's repaint rather than a drawing context
// opened on the spot: that works on every backend (also GTK3 on Wayland and
// macOS), and the paint handler then draws nothing.
template <typename Monster>
void GrafiekPaneel<Monster>::maakSchoon()
{
  zichtbaar = false;
  Refresh(true);
  Update();
}

template <typename Monster>
void GrafiekPaneel<Monster>::teken(wxPaintEvent& event)
{
  if (!toontSignalen()) {
    event.Skip(true); // the default painting shows the background only
    return;
  }
  wxPaintDC dc(this);
  PrepareDC(dc);
  tekenOp(dc, dc.GetSize());
}

// The panel paints the same fills the export rasterises or writes, one
// rectangle a fill, so the window's pixels equal the exported picture's.
template <typename Monster>
void GrafiekPaneel<Monster>::tekenOp(wxDC& dc, const wxSize& grootte) const
{
  // A bitmap context smooths rectangle corners, the window's does not; with
  // smoothing off both give the same pixels.
  if (wxGraphicsContext* context = dc.GetGraphicsContext()) {
    context->SetAntialiasMode(wxANTIALIAS_NONE);
  }
  dc.SetPen(*wxTRANSPARENT_PEN);
  const auto tekening = maakTekening(signaal, gefilterdSignaal, grootte.x, grootte.y);
  for (const Vlak& vlak : vlakken(tekening, grootte.x, grootte.y)) {
    dc.SetBrush(wxBrush(alsWxKleur(vlak.kleur)));
    dc.DrawRectangle(vlak.x0, vlak.y0, vlak.breedte(), vlak.hoogte());
  }
}
