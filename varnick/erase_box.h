#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Erases the box of size (width, height) whose top-left corner is (x, y).
inline void EraseBox(lesson::Program& p, float x, float y, float width, float height) {
  p.rt.PsLINE(x, y, width, height, true, 15, 2, 15);
}

}  // namespace varnick
