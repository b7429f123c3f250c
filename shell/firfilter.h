// The application object: creates the one main window and hands over to the
// event loop. The command line is deliberately ignored.
// SPDX-License-Identifier: MIT
#pragma once

#include "bureaublad.h"
#include "grafiek.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

// What every application of the shell sets up before its first window:
// failures are logged at debug level only (they are not for the user), and
// the icon's image formats can be read.
inline void bereidToolkitVoor()
{
  wxLog::SetLogLevel(wxLOG_Info);
  wxInitAllImageHandlers();
}

template <typename Programma>
class FIRFilter : public wxApp {
public:
  bool OnInit() override
  {
    bereidToolkitVoor();
    zetVensterklasse(*this, Programma::bureaubladId);
    auto* venster = new Grafiek<Programma>(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                           wxDefaultSize, wxDEFAULT_FRAME_STYLE);
    zetVenstericoon(*venster);
    SetTopWindow(venster);
    venster->Show(true);
    return true;
  }
};
