// Measured text, and formula text centred in filled boxes.
#include <string>

#include "lessonlib/formula.h"
#include "lessonlib/formula_calls.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// One line of text that goes into a box: its width, measured with the tall-bracket flag
// held as it was, so that the drawing sees the flag the caller set.
struct BoxLine {
  std::string text;
  float width;
  bool has_fraction;
};

BoxLine MeasureBoxLine(Program& p, const std::string& text, float tall_paren_flag) {
  const float width = MeasureWidthOf(p, text);
  p.renderer.TallParenFlag = tall_paren_flag;
  return {text, width, platform::PfKINSTR(text, "ﾀ") > 0};
}

// Where a line starts across a box: centred, or at the left edge when it is wider.
float Centred(float box_width, float text_width) {
  const float offset = (box_width - text_width) / 2;
  return offset < 0 ? 0 : offset;
}

// The top of a line in a space `height` high: one line of formula text is 44 high, and 50
// with a stacked fraction.
float LineTop(float height, bool has_fraction) {
  return platform::PnFInt((height - (has_fraction ? 50.0f : 44.0f)) / 2);
}

void FilledBox(Program& p, float left, float top, float right, float bottom) {
  p.rt.PsLINE(left, top, right, bottom, false, p.figure.LineColour, 2, p.figure.FillColour);
}

// A box with one line of text centred across it. `on_line`: the box is laid around a text
// line whose top is the given top, instead of the text being placed in the box.
void DrawBoxedLine(Program& p, bool on_line) {
  const float left = p.text.TextX;
  const float top = p.text.TextY;
  const float width = p.figure.BoxWidth;
  const float height = p.figure.BoxHeight;
  const BoxLine line = MeasureBoxLine(p, p.text.WorkText, p.renderer.TallParenFlag);
  float box_top = top;
  float text_top = top;
  if (on_line) {
    // The line keeps its place, whatever it holds.
    box_top -= LineTop(height, false);
  } else {
    text_top += LineTop(height, line.has_fraction);
  }
  FilledBox(p, left, box_top, left + width, box_top + height);
  DrawTextAt(p, left + Centred(width, line.width), text_top, line.text);
  p.text.TextX = left + width;
  p.text.TextY = top;
}

}  // namespace

float MeasureWidthOf(Program& p, const std::string& text) {
  p.text.WorkText = text;
  MeasureTextWidth(p);
  return p.values.MeasuredWidth;
}

void MeasureTextWidth(Program& p) {
  MeasuringRun measuring(p.rt);
  TextState& t = p.text;
  const float x = t.TextX;
  const float y = t.TextY;
  const std::string text = t.WorkText;
  // Drawn far below the page, so nothing shows; every rule of the renderer applies.
  t.TextX = 0;
  t.TextY = 1800;
  t.TextToDraw = text;
  DrawText(p);
  p.values.MeasuredWidth = t.TextX;
  t.TextX = x;
  t.TextY = y;
  t.WorkText = text;
}

void DrawBoxedText(Program& p) { DrawBoxedLine(p, false); }

void DrawBoxedTextOnLine(Program& p) { DrawBoxedLine(p, true); }

void DrawBoxedTwoLines(Program& p) {
  const float left = p.text.TextX;
  const float top = p.text.TextY;
  const float width = p.figure.BoxWidth;
  const float height = p.figure.BoxHeight;
  const float tall_paren_flag = p.renderer.TallParenFlag;
  const std::string lower_text = p.fraction.TextB;

  const BoxLine upper = MeasureBoxLine(p, p.fraction.TextA, tall_paren_flag);
  float upper_top = top + LineTop(height / 2, upper.has_fraction);
  FilledBox(p, left, top, left + width, top + height);
  // A single line sits lower in the box.
  if (lower_text.empty()) upper_top += 25;
  DrawTextAt(p, left + Centred(width, upper.width), upper_top, upper.text);

  // The lower line stands a fixed line height below the upper line's place.
  const BoxLine lower = MeasureBoxLine(p, lower_text, tall_paren_flag);
  const float lower_top =
      top + (lower.has_fraction ? 50.0f : 44.0f) + LineTop(height / 2, lower.has_fraction);
  DrawTextAt(p, left + Centred(width, lower.width), lower_top, lower.text);
  p.text.TextX = left + width;
  p.text.TextY = top;
}

}  // namespace lesson
