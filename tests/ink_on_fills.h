// What a run drew on what, read from its trace: every glyph on the page with the fill of the
// latest filled box (or disc) under the middle of its cell, and every line drawn wholly inside
// one coloured box (the signs the formula rules draw as lines), so that a test can check how
// far each colour stands out from what it is drawn on.
#pragma once

#include <string>
#include <vector>

#include "platform/trace.h"

namespace testing_support {

struct InkOnFill {
  enum Kind { kGlyph, kLine } kind;
  int colour;  // the ink's
  int fill;    // the fill under it; the background (15) where there is none
  // A glyph's cell, or the line's ends.
  double x1, y1, x2, y2;
  bool plain_size;   // a glyph drawn at magnification 1 (the bottom band, the prompt boxes)
  std::string text;  // a glyph's character
  int call;          // a glyph's text call on the page, counted from 1 (several glyphs may share one)
};

// A full-width character's cell is the font size wide and high per unit of magnification, a
// half-width one's half as wide.
std::vector<InkOnFill> InkOnFills(const platform::Trace& trace);

}  // namespace testing_support
