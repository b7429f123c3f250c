// How a window ties itself to its menu entry on the desktop: its window class
// is the desktop file's id, and it shows the programs' icon, so that a dock
// puts the window under its entry and shows the entry's icon.
//
// Where the icon comes from is the one thing that differs between the
// platforms (icoonVanProgramma). On Windows the executable carries it as a
// resource of the same name (windows/programma.rc.in), in every size the
// title bar and the task bar ask for. Elsewhere it comes from the icon theme
// (installed by data/CMakeLists.txt), or, where no theme has it, from the
// theme layout next to the program's own directory (<prefix>/bin/../share/icons:
// an install that no theme knows of, or the copy in the build tree). Without
// either the window goes without, silently.
// SPDX-License-Identifier: MIT
#pragma once

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/filename.h>
#include <wx/iconbndl.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/toplevel.h>

#include <array>

inline constexpr const char* bureaubladIcoon = FILTERDEMO_ICOON;

// Before the first top-level window is made: wxGTK takes the application's
// display name as the window class (WM_CLASS on X11).
inline void zetVensterklasse(wxApp& app, const char* bureaubladId)
{
  app.SetAppDisplayName(bureaubladId);
}

inline wxIconBundle icoonUitThema()
{
  const wxArtID id = wxART_MAKE_ART_ID_FROM_STR(bureaubladIcoon);
  // Asking for a bundle of a name the theme lacks fails a library assertion,
  // so first ask for one picture, which fails quietly.
  if (!wxArtProvider::GetBitmap(id, wxART_FRAME_ICON).IsOk()) {
    return {};
  }
  return wxArtProvider::GetIconBundle(id, wxART_FRAME_ICON);
}

inline wxIconBundle icoonNaastProgramma()
{
  wxFileName map(wxStandardPaths::Get().GetExecutablePath());
  map.RemoveLastDir();
  map.AppendDir("share");
  map.AppendDir("icons");
  map.AppendDir("hicolor");
  wxIconBundle icoon;
  for (const char* maat : std::array{"48x48", "128x128"}) {
    wxFileName bestand(map);
    bestand.AppendDir(maat);
    bestand.AppendDir("apps");
    bestand.SetFullName(wxString(bureaubladIcoon) + ".png");
    if (bestand.FileExists()) {
      icoon.AddIcon(bestand.GetFullPath(), wxBITMAP_TYPE_PNG);
    }
  }
  return icoon;
}

inline wxIconBundle icoonVanProgramma()
{
#ifdef __WXMSW__
  return wxIconBundle(bureaubladIcoon, nullptr); // nullptr: this executable
#else
  wxIconBundle icoon = icoonUitThema();
  return icoon.IsEmpty() ? icoonNaastProgramma() : icoon;
#endif
}

inline void zetVenstericoon(wxTopLevelWindow& venster)
{
  const wxLogNull stil; // a missing or unreadable icon is no news for the user
  const wxIconBundle icoon = icoonVanProgramma();
  if (!icoon.IsEmpty()) {
    venster.SetIcons(icoon);
  }
}
