// Labels in the compact label style centred in filled boxes, in one line or two, and a large
// left brace.
#include <string>

#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "lessonlib/formula_calls.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// Where a label starts across its box: centred, or at the left edge when it is wider.
float CentredIn(float box_width, float text_width) {
  const float offset = (box_width - text_width) / 2;
  return offset < 0 ? 0 : offset;
}

float MeasuredLabelWidth(Program& p, const std::string& text) {
  p.text.WorkText = text;
  MeasureLabelWidth(p);
  return p.values.MeasuredWidth;
}

void DrawLabelAt(Program& p, const std::string& text, float x, float y) {
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.TextToDraw = text;
  DrawLabelText(p);
}

// The box at the kept corner (X1, Y1).
void DrawLabelBox(Program& p) {
  const FigureState& f = p.figure;
  const GeometryState& g = p.geometry;
  p.rt.PsLINE(g.X1, g.Y1, g.X1 + f.BoxWidth, g.Y1 + f.BoxHeight, false, f.LineColour, 2,
              f.FillColour);
}

// The next box of a row starts at this one's top-right corner.
void LeaveAtTopRight(Program& p) {
  p.text.TextX = p.geometry.X1 + p.figure.BoxWidth;
  p.text.TextY = p.geometry.Y1;
}

}  // namespace

void MeasureLabelWidth(Program& p) {
  MeasuringRun measuring(p.rt);
  TextState& t = p.text;
  const float x = t.TextX;
  const float y = t.TextY;
  // Drawn below the page, out of sight.
  t.TextX = 0;
  t.TextY = 1800;
  t.TextToDraw = t.WorkText;
  DrawLabelText(p);
  p.values.MeasuredWidth = t.TextX;
  t.TextX = x;
  t.TextY = y;
}

void DrawBoxedLabel(Program& p) {
  GeometryState& g = p.geometry;
  const FigureState& f = p.figure;
  g.X1 = p.text.TextX;
  g.Y1 = p.text.TextY;
  const std::string label = p.text.WorkText;
  const float offset = CentredIn(f.BoxWidth, MeasuredLabelWidth(p, label));
  const float top = g.Y1 + platform::PnFInt((f.BoxHeight - 26) / 2);
  DrawLabelBox(p);
  DrawLabelAt(p, label, g.X1 + offset, top);
  LeaveAtTopRight(p);
}

void DrawBoxedLabelTwoLines(Program& p) {
  GeometryState& g = p.geometry;
  const FigureState& f = p.figure;
  g.X1 = p.text.TextX;
  g.Y1 = p.text.TextY;
  const std::string upper = p.fraction.TextA;
  const std::string lower = p.fraction.TextB;
  const float upper_offset = CentredIn(f.BoxWidth, MeasuredLabelWidth(p, upper));
  // The upper line centred in the box's upper half; alone, it sits 15 lower.
  const float line_top = g.Y1 + platform::PnFInt((f.BoxHeight / 2 - 26) / 2);
  DrawLabelBox(p);
  DrawLabelAt(p, upper, g.X1 + upper_offset, lower.empty() ? line_top + 15 : line_top);
  const float lower_offset = CentredIn(f.BoxWidth, MeasuredLabelWidth(p, lower));
  DrawLabelAt(p, lower, g.X1 + lower_offset, line_top + 30);
  LeaveAtTopRight(p);
}

void DrawLargeLeftBrace(Program& p) {
  GeometryState& g = p.geometry;
  const float x = p.text.TextX;
  const float y = p.text.TextY;
  g.X1 = x + 35;
  const float arm = g.X1 - 12;
  p.fraction.Gcd = arm;
  p.fraction.Lcm = arm - 15;
  p.values.SavedDrawWidth = p.rt.FE_GETDRAWWIDTH();
  g.Y1 = y + 5;
  const float top = g.Y1;
  const float bottom = y + p.figure.BoxWidth - 10;
  const float middle = (top + bottom) / 2;
  p.rt.FE_SETDRAWWIDTH(5);
  // Open to the right: tips at x + 35, arms at x + 23, the point at x + 8.
  p.rt.PsCONNECT(p.text.TextColour, {{x + 35, top},
                                     {arm, top + 3},
                                     {arm, middle - 7},
                                     {arm - 15, middle},
                                     {arm, middle + 7},
                                     {arm, bottom - 3},
                                     {x + 35, bottom}});
  p.rt.FE_SETDRAWWIDTH(p.values.SavedDrawWidth);
}

}  // namespace lesson
