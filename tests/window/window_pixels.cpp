// Prints a hash of what the window with the given title shows, so that a script can tell
// whether the screen changed between two moments.
//   window_pixels <title>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>

#include "tests/window/find_window.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  const Window window = FindWindowByTitle(display, DefaultRootWindow(display), argv[1]);
  XWindowAttributes attributes;
  if (window == 0 || XGetWindowAttributes(display, window, &attributes) == 0) {
    std::fprintf(stderr, "no window titled %s\n", argv[1]);
    return 1;
  }
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return 1;
  uint64_t hash = 14695981039346656037ull;  // FNV-1a over the pixels
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      hash = (hash ^ (XGetPixel(image, x, y) & 0xFFFFFF)) * 1099511628211ull;
    }
  }
  XDestroyImage(image);
  XCloseDisplay(display);
  std::printf("%016llx\n", static_cast<unsigned long long>(hash));
  return 0;
}
