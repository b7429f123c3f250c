// Helpers for driving a real window under X: waiting for the toolkit,
// sending real events, and reading back what is on the screen.
#pragma once

#include <wx/app.h>
#include <wx/colour.h>
#include <wx/event.h>
#include <wx/image.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <chrono>
#include <functional>
#include <ostream>

// Lets a failed comparison of colours show the colours.
inline void PrintTo(const wxColour& kleur, std::ostream* uit)
{
  *uit << "RGB(" << int{kleur.Red()} << "," << int{kleur.Green()} << "," << int{kleur.Blue()}
       << ")";
}

// Lets the toolkit deliver events until `klaar` holds or two seconds pass.
bool wachtTot(const std::function<bool()>& klaar);

// Lets the toolkit deliver what is pending: repaints, size events.
void laatAfhandelen();

// A click with the real pointer (XTest) in the middle of `venster`.
void klikOp(wxWindow* venster);

// A key press sent to the focused window through XTest.
void drukToets(wxWindow* venster, int toets);

// Types `tekst` into a text field with the real keyboard (XTest), replacing
// what it held, and presses Enter.
void typTekst(wxWindow* venster, const wxString& tekst);

// Whether the whole client area of `venster` lies on the screen.
bool heelOpHetScherm(wxWindow* venster);

// Sets a selection as the user would and sends the event the control sends.
void kiesItem(wxWindow* besturing, wxEventType soort, int index);

// The pixels of `venster`'s client area as the X server holds them.
wxImage leesScherm(wxWindow* venster);
