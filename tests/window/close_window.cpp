// Asks a window to close as a window manager's close button does: sends WM_DELETE_WINDOW to
// the window whose title is given.
//   close_window <title>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>

#include "tests/window/find_window.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  const Window window = FindWindowByTitle(display, DefaultRootWindow(display), argv[1]);
  if (window == 0) {
    std::fprintf(stderr, "no window titled %s\n", argv[1]);
    return 1;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
  return 0;
}
