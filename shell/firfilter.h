// The application object: creates the one main window and hands over to the
// event loop. The command line is deliberately ignored.
#pragma once

#include "bureaublad.h"
#include "grafiek.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

template <typename Programma>
class FIRFilter : public wxApp {
public:
  bool OnInit() override
  {
    // Failures are logged at debug level only; they are not for the user.
    wxLog::SetLogLevel(wxLOG_Info);
    wxInitAllImageHandlers();
    zetVensterklasse(*this, Programma::bureaubladId);
    auto* venster = new Grafiek<Programma>(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                           wxDefaultSize, wxDEFAULT_FRAME_STYLE);
    zetVenstericoon(*venster);
    SetTopWindow(venster);
    venster->Show(true);
    return true;
  }
};
