#include "venster_hulp.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/gdicmn.h>
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
  for (int i = 0; i < 4; ++i) {
    wxYield();
    wxMilliSleep(2);
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

void typTekst(wxWindow* venster, const wxString& tekst)
{
  const wxRect rechthoek = venster->GetScreenRect();
  wxUIActionSimulator simulator;
  simulator.MouseMove(rechthoek.GetPosition() + wxPoint(4, rechthoek.height / 2));
  venster->SetFocus();
  laatAfhandelen();
  simulator.KeyDown('A', wxMOD_CONTROL); // select all
  simulator.KeyUp('A', wxMOD_CONTROL);
  if (!tekst.empty()) {
    simulator.Text(tekst.utf8_str());
  } else {
    simulator.Char(WXK_DELETE);
  }
  simulator.Char(WXK_RETURN);
  laatAfhandelen();
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
