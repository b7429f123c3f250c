// Start-up and response times of a real program on an X display without a
// window manager (run it under xvfb-run): from starting the process to the
// first painted window, and from the key press on "Teken" to the picture on
// the screen. Prints every measurement and the medians.
//
// usage: schermtijden PROGRAM "WINDOW TITLE" [RUNS]
// SPDX-License-Identifier: MIT
#include "tekening.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Klok = std::chrono::steady_clock;
using namespace std::chrono_literals;

Window zoekVenster(Display* scherm, Window ouder, const std::string& titel)
{
  Window wortel = 0;
  Window ouderVan = 0;
  Window* kinderen = nullptr;
  unsigned aantal = 0;
  if (XQueryTree(scherm, ouder, &wortel, &ouderVan, &kinderen, &aantal) == 0) {
    return 0;
  }
  Window gevonden = 0;
  for (unsigned i = 0; i < aantal && gevonden == 0; ++i) {
    char* naam = nullptr;
    if (XFetchName(scherm, kinderen[i], &naam) != 0 && naam != nullptr) {
      if (titel == naam) {
        gevonden = kinderen[i];
      }
      XFree(naam);
    }
    if (gevonden == 0) {
      gevonden = zoekVenster(scherm, kinderen[i], titel);
    }
  }
  if (kinderen != nullptr) {
    XFree(kinderen);
  }
  return gevonden;
}

// The colours of one column of the screen, from y0 for `hoogte` pixels.
std::vector<Kleur> kolom(Display* scherm, int x, int y0, int hoogte)
{
  std::vector<Kleur> kleuren;
  XImage* beeld = XGetImage(scherm, DefaultRootWindow(scherm), x, y0, 1,
                            static_cast<unsigned>(hoogte), AllPlanes, ZPixmap);
  if (beeld == nullptr) {
    return kleuren;
  }
  for (int y = 0; y < hoogte; ++y) {
    const unsigned long p = XGetPixel(beeld, 0, y);
    kleuren.push_back({static_cast<UInt8>((p & beeld->red_mask) >> 16U),
                       static_cast<UInt8>((p & beeld->green_mask) >> 8U),
                       static_cast<UInt8>(p & beeld->blue_mask)});
  }
  XDestroyImage(beeld);
  return kleuren;
}

bool bevat(const std::vector<Kleur>& kleuren, const Kleur& kleur)
{
  return std::any_of(kleuren.begin(), kleuren.end(),
                     [&](const Kleur& k) { return zelfdeKleur(k, kleur); });
}

struct Geometrie {
  int x = 0, y = 0, breedte = 0, hoogte = 0;
};

std::optional<Geometrie> geometrie(Display* scherm, Window venster)
{
  XWindowAttributes a{};
  if (XGetWindowAttributes(scherm, venster, &a) == 0 || a.map_state != IsViewable) {
    return std::nullopt;
  }
  Window kind = 0;
  Geometrie g;
  XTranslateCoordinates(scherm, venster, DefaultRootWindow(scherm), 0, 0, &g.x, &g.y, &kind);
  g.breedte = a.width;
  g.hoogte = a.height;
  return g;
}

void toets(Display* scherm, KeySym symbool)
{
  const KeyCode code = XKeysymToKeycode(scherm, symbool);
  XTestFakeKeyEvent(scherm, code, True, CurrentTime);
  XTestFakeKeyEvent(scherm, code, False, CurrentTime);
  XFlush(scherm);
}

template <typename Voorwaarde>
bool wachtTot(Voorwaarde voorwaarde, std::chrono::milliseconds grens = 5000ms)
{
  const auto einde = Klok::now() + grens;
  while (!voorwaarde()) {
    if (Klok::now() > einde) {
      return false;
    }
    std::this_thread::sleep_for(200us);
  }
  return true;
}

double ms(Klok::duration d)
{
  return std::chrono::duration<double, std::milli>(d).count();
}

double mediaan(std::vector<double> v)
{
  std::sort(v.begin(), v.end());
  return v.size() % 2 == 1 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc < 3) {
    std::fprintf(stderr, "usage: schermtijden PROGRAM \"WINDOW TITLE\" [RUNS]\n");
    return 2;
  }
  const std::string titel = argv[2];
  const int rondes = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
  Display* scherm = XOpenDisplay(nullptr);
  if (scherm == nullptr) {
    std::fprintf(stderr, "schermtijden: no display (run under xvfb-run)\n");
    return 2;
  }

  std::vector<double> opstart;
  std::vector<double> klik;
  for (int ronde = 0; ronde < rondes; ++ronde) {
    const auto begin = Klok::now();
    const pid_t kind = fork();
    if (kind == 0) {
      execl(argv[1], argv[1], static_cast<char*>(nullptr));
      _exit(127);
    }
    Window venster = 0;
    Geometrie g;
    // Painted: a column through the strip right of the bars, in the graph
    // panel, shows its background; later the horizontal axis crosses it.
    const bool geschilderd = wachtTot([&] {
      if (venster == 0) {
        venster = zoekVenster(scherm, DefaultRootWindow(scherm), titel);
      }
      const auto geo = venster != 0 ? geometrie(scherm, venster) : std::nullopt;
      if (!geo) {
        return false;
      }
      g = *geo;
      return bevat(kolom(scherm, g.x + g.breedte - 20, g.y, g.hoogte), achtergrondKleur);
    });
    if (!geschilderd) {
      std::fprintf(stderr, "schermtijden: no painted window titled '%s'\n", titel.c_str());
      kill(kind, SIGKILL);
      return 1;
    }
    opstart.push_back(ms(Klok::now() - begin));

    // Focus follows the pointer; Tab three times reaches the toggle button.
    XTestFakeMotionEvent(scherm, -1, g.x + g.breedte / 2, g.y + g.hoogte / 2, CurrentTime);
    XFlush(scherm);
    std::this_thread::sleep_for(100ms);
    for (int i = 0; i < 3; ++i) {
      toets(scherm, XK_Tab);
    }
    std::this_thread::sleep_for(100ms);
    const int x = g.x + g.breedte - 20;
    for (int keer = 0; keer < 2; ++keer) {
      const auto druk = Klok::now();
      toets(scherm, XK_space); // "Teken"
      if (!wachtTot([&] { return bevat(kolom(scherm, x, g.y, g.hoogte), asKleur); })) {
        std::fprintf(stderr, "schermtijden: no picture after \"Teken\"\n");
        kill(kind, SIGKILL);
        return 1;
      }
      klik.push_back(ms(Klok::now() - druk));
      toets(scherm, XK_space); // "Stop"
      wachtTot([&] { return !bevat(kolom(scherm, x, g.y, g.hoogte), asKleur); });
    }
    toets(scherm, XK_Tab);
    toets(scherm, XK_space); // "Einde"
    int status = 0;
    if (!wachtTot([&] { return waitpid(kind, &status, WNOHANG) == kind; })) {
      kill(kind, SIGKILL);
      waitpid(kind, &status, 0);
    }
    std::printf("run %2d: start-up %6.1f ms, Teken %5.1f ms and %5.1f ms\n", ronde + 1,
                opstart.back(), klik[klik.size() - 2], klik.back());
  }
  std::printf("median start-up to first painted window: %.1f ms (%zu runs)\n", mediaan(opstart),
              opstart.size());
  std::printf("median \"Teken\" to picture on screen: %.1f ms (%zu presses)\n", mediaan(klik),
              klik.size());
  XCloseDisplay(scherm);
  return 0;
}
