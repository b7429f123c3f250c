// Helpers for driving a real window under X: sending real events, waiting
// until what a test needs has happened (with a time limit, never a fixed
// number of rounds), and reading back what is on the screen or in a bitmap.
// SPDX-License-Identifier: MIT
#pragma once

#include "tekening.h"
#include "wxkleur.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/event.h>
#include <wx/image.h>
#include <wx/spinctrl.h>
#include <wx/tglbtn.h>
#include <wx/window.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>

// Lets a failed comparison of colours show the colours.
inline void PrintTo(const wxColour& kleur, std::ostream* uit)
{
  *uit << "RGB(" << int{kleur.Red()} << "," << int{kleur.Green()} << "," << int{kleur.Blue()}
       << ")";
}

// Lets the toolkit deliver events until `klaar` holds; false if it still
// does not after five seconds.
bool wachtTot(const std::function<bool()>& klaar);

// Counts the events of one kind that reach a window (those that `telt`
// accepts, if given); the window still handles each of them itself.
template <typename Gebeurtenis>
class Teller {
public:
  Teller(wxWindow* venster, const wxEventTypeTag<Gebeurtenis>& soort,
         std::function<bool(const Gebeurtenis&)> telt = nullptr)
      : v(venster), s(soort), filter(std::move(telt))
  {
    v->Bind(s, &Teller::tel, this);
  }
  ~Teller() { v->Unbind(s, &Teller::tel, this); }
  Teller(const Teller&) = delete;
  Teller& operator=(const Teller&) = delete;

  int aantal() const { return n; }

  // Lets the toolkit deliver events until one has been counted.
  bool wachtOpEen() const
  {
    return wachtTot([this] { return n > 0; });
  }

private:
  void tel(Gebeurtenis& gebeurtenis)
  {
    n += !filter || filter(gebeurtenis) ? 1 : 0;
    gebeurtenis.Skip();
  }

  wxWindow* v;
  wxEventTypeTag<Gebeurtenis> s;
  std::function<bool(const Gebeurtenis&)> filter;
  int n = 0;
};

// Shows a top-level window and waits until it is on the screen and `paneel`
// (one of its children) has been painted for the first time; false if that
// does not happen.
bool toonEnWacht(wxWindow* venster, wxWindow* paneel);

// Does `verander` (a resize) and waits until `paneel` has been painted at a
// size other than the one it had; false if that does not happen.
bool verfNaGrootte(wxWindow* paneel, const std::function<void()>& verander);

// Waits until the X server has carried out everything the toolkit asked of
// it so far, its drawing included, and lets the toolkit handle what that
// brought back: the screen then shows what has been painted.
void bijgewerkt();

// Destroys a top-level window and waits until it is gone.
void sluit(wxWindow* venster);

// A click with the real pointer (XTest) in the middle of `venster`, once the
// pointer has arrived there.
void klikOp(wxWindow* venster);

// Presses the toggle button with the real pointer and waits until it has
// changed state; false if it does not.
bool drukOp(wxToggleButton* knop);

// A key press sent through XTest to `venster`, which takes the focus; returns
// once the window has seen the key go up again.
void drukToets(wxWindow* venster, int toets);

// Types `tekst` into a text field with the real keyboard (XTest), replacing
// what it held, and presses Enter; returns once Enter has been handled.
void typTekst(wxWindow* venster, const wxString& tekst);

// Whether the whole client area of `venster` lies on the screen.
bool heelOpHetScherm(wxWindow* venster);

// Sets a selection as the user would and sends the event the control sends.
void kiesItem(wxWindow* besturing, wxEventType soort, int index);

// Sets the spin control's value and sends the event that the arrows or the
// keyboard would send.
void zetSpinWaarde(wxSpinCtrl* spin, int waarde);

// The pixels of `venster`'s client area as the X server holds them.
wxImage leesScherm(wxWindow* venster);

wxColour pixel(const wxImage& beeld, int x, int y);

// Empty when two pictures have the same size and the same pixels, else how
// many pixels differ and where the first few are.
std::string beeldVerschil(const wxImage& a, const wxImage& b);

// What a graph panel draws for its current data at `grootte`, rendered off
// screen into a bitmap of that size (or of `bitmapGrootte`, when given).
template <typename Paneel>
wxImage render(Paneel& paneel, const wxSize& grootte, const wxSize& bitmapGrootte = wxDefaultSize)
{
  wxBitmap bitmap(bitmapGrootte == wxDefaultSize ? grootte : bitmapGrootte, 24);
  {
    wxMemoryDC dc(bitmap);
    paneel.tekenOp(dc, grootte);
  }
  return bitmap.ConvertToImage();
}
