// Tells where a control of a running program's window is on the screen,
// waiting until it is there (and, if asked, enabled or disabled): the Wine
// checks click there with the mouse, because xdotool sees a Wine program's
// top-level window only, not its controls. A control is found by its text: a
// button's label, a radio button's, a choice's selection, a panel's name.
// usage: knopplek.exe WINDOW-TITLE TEXT [aan|uit]
// Exit status 0 with "X Y LEFT TOP WIDTH HEIGHT" on stdout (the centre, then
// the client area), 1 if no such control appeared within 20 s, 2 for a usage
// error.
// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

constexpr long wachtStap = 100;     // ms between two looks
constexpr long wachtTijd = 20000;   // ms
constexpr UINT antwoordTijd = 2000; // ms for a control to give its text

struct Zoekopdracht {
  const char* tekst;
  HWND gevonden = nullptr;
};

BOOL CALLBACK bekijkKind(HWND kind, LPARAM gegeven)
{
  auto* zoek = reinterpret_cast<Zoekopdracht*>(gegeven);
  // GetWindowText gives only the caption for another process's window; the
  // message gives an edit's or a choice's text as well.
  char tekst[256] = "";
  DWORD_PTR lengte = 0;
  if (IsWindowVisible(kind) &&
      SendMessageTimeoutA(kind, WM_GETTEXT, sizeof tekst, reinterpret_cast<LPARAM>(tekst),
                          SMTO_ABORTIFHUNG, antwoordTijd, &lengte) != 0 &&
      lengte > 0 && std::strcmp(tekst, zoek->tekst) == 0) {
    zoek->gevonden = kind;
    return FALSE;
  }
  return TRUE;
}

HWND zoekKind(const char* titel, const char* tekst)
{
  HWND venster = FindWindowA(nullptr, titel);
  if (venster == nullptr) {
    return nullptr;
  }
  Zoekopdracht zoek{tekst};
  EnumChildWindows(venster, bekijkKind, reinterpret_cast<LPARAM>(&zoek));
  return zoek.gevonden;
}

} // namespace

int main(int argc, char** argv)
{
  const bool metToestand = argc == 4;
  if (argc < 3 || argc > 4 ||
      (metToestand && std::strcmp(argv[3], "aan") != 0 && std::strcmp(argv[3], "uit") != 0)) {
    std::fputs("usage: knopplek.exe WINDOW-TITLE TEXT [aan|uit]\n", stderr);
    return 2;
  }
  const bool aanGevraagd = metToestand && std::strcmp(argv[3], "aan") == 0;
  // "\n", not "\r\n": a shell reads the answer.
  _setmode(_fileno(stdout), _O_BINARY);
  for (long verstreken = 0; verstreken <= wachtTijd; verstreken += wachtStap) {
    HWND kind = zoekKind(argv[1], argv[2]);
    RECT plek;
    RECT binnen;
    POINT hoek{0, 0};
    if (kind != nullptr && (!metToestand || (IsWindowEnabled(kind) != FALSE) == aanGevraagd) &&
        GetWindowRect(kind, &plek) && GetClientRect(kind, &binnen) && ClientToScreen(kind, &hoek)) {
      std::printf("%ld %ld %ld %ld %ld %ld\n", (plek.left + plek.right) / 2,
                  (plek.top + plek.bottom) / 2, hoek.x, hoek.y, binnen.right, binnen.bottom);
      return 0;
    }
    Sleep(static_cast<DWORD>(wachtStap));
  }
  std::fprintf(stderr, "knopplek: no control \"%s\"%s%s in a window \"%s\"\n", argv[2],
               metToestand ? " that is " : "", metToestand ? argv[3] : "", argv[1]);
  return 1;
}
