// Helpers for driving a real window under X.
// SPDX-License-Identifier: MIT
#include "venster_hulp.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/gdicmn.h>
#include <wx/radiobox.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>

namespace {

constexpr auto wachtGrens = std::chrono::seconds(5);

// Until `venster` has seen key `toets` go up: by then the toolkit has handled
// the press, and everything typed before it.
Teller<wxKeyEvent> loslatenVan(wxWindow* venster, int toets)
{
  return {venster, wxEVT_KEY_UP,
          [toets](const wxKeyEvent& gebeurtenis) { return gebeurtenis.GetKeyCode() == toets; }};
}

// Moves the real pointer and waits until the server has it there.
void wijsAan(wxUIActionSimulator& simulator, const wxPoint& punt)
{
  simulator.MouseMove(punt);
  wachtTot([&] { return wxGetMousePosition() == punt; });
}

// Without a window manager the keyboard follows the pointer: the pointer goes
// onto the window, which then takes the focus.
void geefFocus(wxUIActionSimulator& simulator, wxWindow* venster)
{
  const wxRect rechthoek = venster->GetScreenRect();
  wijsAan(simulator, rechthoek.GetPosition() + wxPoint(4, rechthoek.height / 2));
  venster->SetFocus();
  wachtTot([venster] { return venster->HasFocus(); });
}

} // namespace

bool wachtTot(const std::function<bool()>& klaar)
{
  const auto grens = std::chrono::steady_clock::now() + wachtGrens;
  while (!klaar()) {
    if (std::chrono::steady_clock::now() > grens) {
      return false;
    }
    wxYield();
    wxMilliSleep(1);
  }
  return true;
}

bool toonEnWacht(wxWindow* venster, wxWindow* paneel)
{
  const Teller<wxPaintEvent> verf(paneel, wxEVT_PAINT);
  venster->Show(true);
  return wachtTot([&] { return venster->IsShownOnScreen() && verf.aantal() > 0; });
}

bool verfNaGrootte(wxWindow* paneel, const std::function<void()>& verander)
{
  const wxSize vorige = paneel->GetClientSize();
  const Teller<wxPaintEvent> verf(paneel, wxEVT_PAINT, [paneel, vorige](const wxPaintEvent&) {
    return paneel->GetClientSize() != vorige;
  });
  verander();
  return verf.wachtOpEen();
}

void bijgewerkt()
{
  XSync(wxGetX11Display(), False);
  wxYield();
}

void sluit(wxWindow* venster)
{
  // A window that closed itself may be deleted already: only its address is
  // compared, never followed.
  if (wxTopLevelWindows.Find(venster) != nullptr && !wxTheApp->IsScheduledForDestruction(venster)) {
    venster->Destroy();
  }
  wachtTot([venster] { return !wxTheApp->IsScheduledForDestruction(venster); });
}

void klikOp(wxWindow* venster)
{
  const wxRect rechthoek = venster->GetScreenRect();
  wxUIActionSimulator simulator;
  wijsAan(simulator, rechthoek.GetPosition() + wxPoint(rechthoek.width / 2, rechthoek.height / 2));
  simulator.MouseClick();
}

bool drukOp(wxToggleButton* knop)
{
  const bool was = knop->GetValue();
  klikOp(knop);
  return wachtTot([&] { return knop->GetValue() != was; });
}

void drukToets(wxWindow* venster, int toets)
{
  wxUIActionSimulator simulator;
  geefFocus(simulator, venster);
  const auto losgelaten = loslatenVan(venster, toets);
  simulator.Char(toets);
  losgelaten.wachtOpEen();
}

void typTekst(wxWindow* venster, const wxString& tekst)
{
  wxUIActionSimulator simulator;
  geefFocus(simulator, venster);
  const auto enter = loslatenVan(venster, WXK_RETURN);
  simulator.KeyDown('A', wxMOD_CONTROL); // select all
  simulator.KeyUp('A', wxMOD_CONTROL);
  if (!tekst.empty()) {
    simulator.Text(tekst.utf8_str());
  } else {
    simulator.Char(WXK_DELETE);
  }
  simulator.Char(WXK_RETURN);
  enter.wachtOpEen();
}

bool heelOpHetScherm(wxWindow* venster)
{
  const wxRect client(venster->ClientToScreen(wxPoint(0, 0)), venster->GetClientSize());
  return wxRect(wxPoint(0, 0), wxGetDisplaySize()).Contains(client);
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

void zetSpinWaarde(wxSpinCtrl* spin, int waarde)
{
  spin->SetValue(waarde);
  wxSpinEvent gebeurtenis(wxEVT_SPINCTRL, spin->GetId());
  gebeurtenis.SetPosition(waarde);
  gebeurtenis.SetEventObject(spin);
  spin->ProcessWindowEvent(gebeurtenis);
}

namespace {

// A region that is not on the screen is an error of the request, not a
// reason to end the test program.
int negeerXFout(Display* /*scherm*/, XErrorEvent* /*fout*/)
{
  return 0;
}

} // namespace

wxImage leesScherm(wxWindow* venster)
{
  XSync(wxGetX11Display(), False); // what the toolkit has drawn so far
  const wxPoint oorsprong = venster->ClientToScreen(wxPoint(0, 0));
  const wxSize grootte = venster->GetClientSize();
  wxImage beeld(grootte);

  const std::unique_ptr<Display, decltype(&XCloseDisplay)> scherm(XOpenDisplay(nullptr),
                                                                  &XCloseDisplay);
  if (!scherm) {
    return {};
  }
  // The handler is the process's; the toolkit's own is put back at once.
  const auto vorigeAfhandeling = XSetErrorHandler(negeerXFout);
  XImage* x = XGetImage(scherm.get(), DefaultRootWindow(scherm.get()), oorsprong.x, oorsprong.y,
                        static_cast<unsigned>(grootte.x), static_cast<unsigned>(grootte.y),
                        AllPlanes, ZPixmap);
  XSync(scherm.get(), False);
  XSetErrorHandler(vorigeAfhandeling);
  if (x == nullptr) {
    return {};
  }
  unsigned char* rgb = beeld.GetData();
  const bool bgrx = x->bits_per_pixel == 32 && x->byte_order == LSBFirst &&
                    x->red_mask == 0xFF0000 && x->green_mask == 0xFF00 && x->blue_mask == 0xFF;
  for (int rij = 0; rij < grootte.y; ++rij) {
    const auto* bron = reinterpret_cast<const unsigned char*>(x->data) +
                       static_cast<std::ptrdiff_t>(rij) * x->bytes_per_line;
    for (int kolom = 0; kolom < grootte.x; ++kolom, rgb += 3) {
      if (bgrx) { // the usual 24-bit visual: bytes B, G, R, unused
        rgb[0] = bron[4 * kolom + 2];
        rgb[1] = bron[4 * kolom + 1];
        rgb[2] = bron[4 * kolom];
      } else {
        const unsigned long pixel = XGetPixel(x, kolom, rij);
        rgb[0] = static_cast<unsigned char>((pixel & x->red_mask) >> 16U);
        rgb[1] = static_cast<unsigned char>((pixel & x->green_mask) >> 8U);
        rgb[2] = static_cast<unsigned char>(pixel & x->blue_mask);
      }
    }
  }
  XDestroyImage(x);
  return beeld;
}

wxColour pixel(const wxImage& beeld, int x, int y)
{
  return {beeld.GetRed(x, y), beeld.GetGreen(x, y), beeld.GetBlue(x, y)};
}

std::string beeldVerschil(const wxImage& a, const wxImage& b)
{
  if (!a.IsOk() || !b.IsOk()) {
    return "a picture is missing";
  }
  if (a.GetSize() != b.GetSize()) {
    return "sizes differ";
  }
  int verschil = 0;
  std::string eerste;
  for (int y = 0; y < a.GetHeight(); ++y) {
    for (int x = 0; x < a.GetWidth(); ++x) {
      if (pixel(a, x, y) != pixel(b, x, y) && ++verschil <= 5) {
        std::ostringstream kleuren;
        kleuren << " (" << x << "," << y << ") " << pixel(a, x, y).GetAsString(wxC2S_HTML_SYNTAX)
                << "/" << pixel(b, x, y).GetAsString(wxC2S_HTML_SYNTAX);
        eerste += kleuren.str();
      }
    }
  }
  return verschil == 0 ? "" : std::to_string(verschil) + " pixels differ, first at" + eerste;
}
