// Waits until a window with the given title shows the main menu's panel, and prints the
// moment it did as nanoseconds since the epoch (the clock `date +%s%N` reads).
//   corvane_menu_probe <title> [timeout seconds]
// The panel is found on one row of the window's pixels at its vertical middle, which the
// page's letterbox keeps inside the panel: the program presents its page only when it polls
// for a key, so a painted panel means the whole menu has been drawn and shown.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "tests/window/find_window.h"

namespace {

constexpr unsigned long kPanel = 0x0B2416;  // the main-menu panel's colour


int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

bool ShowsPanel(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
  if (attributes.map_state != IsViewable || attributes.width < 2 || attributes.height < 2) {
    return false;
  }
  XImage* row = XGetImage(display, window, 0, attributes.height / 2,
                          static_cast<unsigned>(attributes.width), 1, AllPlanes, ZPixmap);
  if (row == nullptr) return false;
  int panel = 0;
  for (int x = 0; x < attributes.width; ++x) panel += (XGetPixel(row, x, 0) & 0xFFFFFF) == kPanel;
  XDestroyImage(row);
  return panel > attributes.width / 4;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: corvane_menu_probe <title> [timeout seconds]\n");
    return 2;
  }
  const double timeout = argc > 2 ? std::atof(argv[2]) : 20;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);  // the window may go away between two requests
  const auto start = std::chrono::steady_clock::now();
  while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() < timeout) {
    const Window window = FindWindowByTitle(display, DefaultRootWindow(display), argv[1]);
    if (window != 0 && ShowsPanel(display, window)) {
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("%lld\n",
                  static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  std::fprintf(stderr, "no menu within %.0f s\n", timeout);
  return 1;
}
