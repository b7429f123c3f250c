#include "venster_hulp.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/choice.h>
#include <wx/radiobox.h>
#include <wx/uiaction.h>

#include <memory>

bool wachtTot(const std::function<bool()>& klaar)
{
  const auto grens = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!klaar()) {
    if (std::chrono::steady_clock::now() > grens) {
      return false;
    }
    wxYield();
    wxMilliSleep(2);
  }
  return true;
}

void laatAfhandelen()
{
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxMilliSleep(5);
  }
}

void klikOp(wxWindow* venster)
{
  const wxRect rechthoek = venster->GetScreenRect();
  wxUIActionSimulator simulator;
  simulator.MouseMove(rechthoek.GetPosition() + wxPoint(rechthoek.width / 2, rechthoek.height / 2));
  laatAfhandelen();
  simulator.MouseClick();
  laatAfhandelen();
}

void drukToets(wxWindow* venster, int toets)
{
  const wxRect rechthoek = venster->GetScreenRect();
  wxUIActionSimulator simulator;
  // Without a window manager the keyboard follows the pointer.
  simulator.MouseMove(rechthoek.GetPosition() + wxPoint(4, rechthoek.height / 2));
  venster->SetFocus();
  laatAfhandelen();
  simulator.Char(toets);
  laatAfhandelen();
}

void kiesItem(wxWindow* besturing, wxEventType soort, int index)
{
  if (auto* radio = dynamic_cast<wxRadioBox*>(besturing)) {
    radio->SetSelection(index);
  } else if (auto* keuze = dynamic_cast<wxChoice*>(besturing)) {
    keuze->SetSelection(index);
  }
  wxCommandEvent gebeurtenis(soort, besturing->GetId());
  gebeurtenis.SetInt(index);
  gebeurtenis.SetEventObject(besturing);
  besturing->ProcessWindowEvent(gebeurtenis);
}

wxImage leesScherm(wxWindow* venster)
{
  const wxPoint oorsprong = venster->ClientToScreen(wxPoint(0, 0));
  const wxSize grootte = venster->GetClientSize();
  wxImage beeld(grootte);

  const std::unique_ptr<Display, decltype(&XCloseDisplay)> scherm(XOpenDisplay(nullptr),
                                                                  &XCloseDisplay);
  if (!scherm) {
    return {};
  }
  XImage* x = XGetImage(scherm.get(), DefaultRootWindow(scherm.get()), oorsprong.x, oorsprong.y,
                        static_cast<unsigned>(grootte.x), static_cast<unsigned>(grootte.y),
                        AllPlanes, ZPixmap);
  if (x == nullptr) {
    return {};
  }
  for (int rij = 0; rij < grootte.y; ++rij) {
    for (int kolom = 0; kolom < grootte.x; ++kolom) {
      const unsigned long pixel = XGetPixel(x, kolom, rij);
      beeld.SetRGB(kolom, rij, static_cast<unsigned char>((pixel & x->red_mask) >> 16),
                   static_cast<unsigned char>((pixel & x->green_mask) >> 8),
                   static_cast<unsigned char>(pixel & x->blue_mask));
    }
  }
  XDestroyImage(x);
  return beeld;
}
