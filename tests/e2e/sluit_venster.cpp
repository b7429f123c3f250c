// Asks a top-level window to close as a window manager's close box does: a
// WM_DELETE_WINDOW client message. Usage: sluit_venster WINDOW_ID
// SPDX-License-Identifier: MIT
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: sluit_venster WINDOW_ID\n");
    return 2;
  }
  Display* scherm = XOpenDisplay(nullptr);
  if (scherm == nullptr) {
    std::fprintf(stderr, "sluit_venster: cannot open the display\n");
    return 1;
  }
  XEvent bericht{};
  bericht.xclient.type = ClientMessage;
  bericht.xclient.window = std::strtoul(argv[1], nullptr, 0);
  bericht.xclient.message_type = XInternAtom(scherm, "WM_PROTOCOLS", False);
  bericht.xclient.format = 32;
  bericht.xclient.data.l[0] = static_cast<long>(XInternAtom(scherm, "WM_DELETE_WINDOW", False));
  bericht.xclient.data.l[1] = CurrentTime;
  XSendEvent(scherm, bericht.xclient.window, False, NoEventMask, &bericht);
  XFlush(scherm);
  XCloseDisplay(scherm);
  return 0;
}
