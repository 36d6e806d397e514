// Finds an X window by its title, searching the whole tree below `window`; 0 when none.
#pragma once

#include <X11/Xlib.h>

#include <cstring>

inline Window FindWindowByTitle(Display* display, Window window, const char* title) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) != 0 && name != nullptr) {
    const bool match = std::strcmp(name, title) == 0;
    XFree(name);
    if (match) return window;
  }
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned int k = 0; k < count && found == 0; ++k) {
    found = FindWindowByTitle(display, children[k], title);
  }
  if (children != nullptr) XFree(children);
  return found;
}
