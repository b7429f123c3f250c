// Runs the window tests inside a real wxWidgets event loop. A library
// assertion fails the running test instead of opening a dialog.
// SPDX-License-Identifier: MIT
#include "firfilter.h"

#include <gtest/gtest.h>
#include <wx/app.h>

namespace {

void faalOpAssertie(const wxString& bestand, int regel, const wxString& functie,
                    const wxString& voorwaarde, const wxString& bericht)
{
  ADD_FAILURE_AT(bestand.utf8_str().data(), regel)
      << "wxWidgets assertion in " << functie.utf8_str().data() << ": "
      << voorwaarde.utf8_str().data() << " " << bericht.utf8_str().data();
}

class TestApp : public wxApp {
public:
  bool OnInit() override
  {
    bereidToolkitVoor();
    // Each test closes its own windows; the loop must outlive them.
    SetExitOnFrameDelete(false);
    return true;
  }

  int OnRun() override
  {
    CallAfter([this] {
      resultaat = RUN_ALL_TESTS();
      ExitMainLoop();
    });
    wxApp::OnRun();
    return resultaat;
  }

private:
  int resultaat = 1;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
  testing::InitGoogleTest(&argc, argv);
  wxSetAssertHandler(faalOpAssertie);
  return wxEntry(argc, argv);
}
