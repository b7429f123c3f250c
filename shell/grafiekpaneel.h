// The drawing area: keeps a copy of the last input and output block and
// paints both as bar charts around one horizontal axis.
#pragma once

#include "algdef.h"
#include "signaal.h"
#include "tekening.h"

#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/panel.h>
#include <wx/pen.h>

#include <algorithm>

// The colour by its RGB value: colour databases differ between toolkits (the
// same name can mean another colour on Windows), the picture must not.
inline wxColour alsWxKleur(const Kleur& kleur)
{
  return {kleur.rood, kleur.groen, kleur.blauw};
}

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
  static void tekenStaven(wxDC& dc, const Kleur& kleur, Int verschuiving, Int midden,
                          Int staafBreedte, const std::array<Int, BlokLengte>& hoogtes);

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

template <typename Monster>
void GrafiekPaneel<Monster>::tekenOp(wxDC& dc, const wxSize& grootte) const
{
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  const auto tekening = maakTekening(signaal, gefilterdSignaal, grootte.x, grootte.y);
  if (!tekening) {
    return;
  }
  // A bitmap context smooths rectangle corners, the window's does not; with
  // smoothing off both give the same pixels.
  if (wxGraphicsContext* context = dc.GetGraphicsContext()) {
    context->SetAntialiasMode(wxANTIALIAS_NONE);
  }

  // Rows are device rows, counted down from the top; heights go up from the
  // middle line. (A flipped y axis would say the same, but some drawing
  // backends, Wine's among them, then draw nothing.)
  const Int midden = tekening->midden;
  dc.SetPen(wxPen(alsWxKleur(asKleur), asPenBreedte, wxPENSTYLE_SOLID));
  dc.DrawLine(0, 2 * midden, 0, 0);
  dc.DrawLine(0, midden, tekening->breedte, midden);

  const Int staafBreedte = tekening->schaal.staafBreedte;
  tekenStaven(dc, invoerKleur, 0, midden, staafBreedte, tekening->invoerHoogte);
  tekenStaven(dc, uitvoerKleur, uitvoerVerschuiving, midden, staafBreedte, tekening->uitvoerHoogte);
}

// Bars are white boxes outlined one pixel wide in their colour: a rectangle
// of the bar's colour with a white one inside it. Two fills give exactly the
// pixels of an outlined, white-filled rectangle and cost a fraction of
// stroking an outline. Bars of one colour do not overlap, so all coloured
// rectangles go first and all white ones after, with one brush each.
template <typename Monster>
void GrafiekPaneel<Monster>::tekenStaven(wxDC& dc, const Kleur& kleur, Int verschuiving, Int midden,
                                         Int staafBreedte,
                                         const std::array<Int, BlokLengte>& hoogtes)
{
  if (staafBreedte <= 0) {
    return;
  }
  const auto teken = [&](Int rand) {
    for (std::size_t n = 0; n < BlokLengte; ++n) {
      const Int b = hoogtes[n];
      // A bar above the line ends on the row above it, a bar below the line
      // starts on the line's row: bars of opposite sign are equally long.
      const Int boven = b > 0 ? midden - b : midden;
      const Int lengte = b > 0 ? b : -b;
      if (staafBreedte > 2 * rand && lengte > 2 * rand) {
        dc.DrawRectangle(staafBreedte * static_cast<Int>(n) + verschuiving + rand, boven + rand,
                         staafBreedte - 2 * rand, lengte - 2 * rand);
      }
    }
  };
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(alsWxKleur(kleur)));
  teken(0);
  dc.SetBrush(*wxWHITE_BRUSH);
  teken(staafPenBreedte);
}
