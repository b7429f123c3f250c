// Prints the screen position of the centre of a button in a running program's
// window, waiting for it to appear: the Wine checks click there with the
// mouse, because xdotool sees a Wine program's top-level window only, not its
// controls. A button's label also tells which state the program is in.
// usage: knopplek.exe WINDOW-TITLE BUTTON-LABEL [SECONDS]
// Exit status 0 with "X Y" on stdout, 1 if the button did not appear in time
// (default 20 s), 2 for a usage error.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

constexpr long wachtStap = 100; // ms between two looks

struct Zoekopdracht {
  const char* label;
  HWND knop = nullptr;
};

BOOL CALLBACK bekijkKind(HWND kind, LPARAM gegeven)
{
  auto* zoek = reinterpret_cast<Zoekopdracht*>(gegeven);
  char tekst[256];
  if (IsWindowVisible(kind) && GetWindowTextA(kind, tekst, sizeof tekst) > 0 &&
      std::strcmp(tekst, zoek->label) == 0) {
    zoek->knop = kind;
    return FALSE;
  }
  return TRUE;
}

HWND zoekKnop(const char* titel, const char* label)
{
  HWND venster = FindWindowA(nullptr, titel);
  if (venster == nullptr) {
    return nullptr;
  }
  Zoekopdracht zoek{label};
  EnumChildWindows(venster, bekijkKind, reinterpret_cast<LPARAM>(&zoek));
  return zoek.knop;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc < 3 || argc > 4) {
    std::fputs("usage: knopplek.exe WINDOW-TITLE BUTTON-LABEL [SECONDS]\n", stderr);
    return 2;
  }
  const long seconden = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 20;
  // "\n", not "\r\n": the shell reads the answer.
  _setmode(_fileno(stdout), _O_BINARY);
  for (long verstreken = 0; verstreken <= seconden * 1000; verstreken += wachtStap) {
    RECT plek;
    if (HWND knop = zoekKnop(argv[1], argv[2]); knop != nullptr && GetWindowRect(knop, &plek)) {
      std::printf("%ld %ld\n", (plek.left + plek.right) / 2, (plek.top + plek.bottom) / 2);
      return 0;
    }
    Sleep(static_cast<DWORD>(wachtStap));
  }
  std::fprintf(stderr, "knopplek: no button \"%s\" in a window \"%s\"\n", argv[2], argv[1]);
  return 1;
}
