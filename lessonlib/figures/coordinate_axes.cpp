// The coordinate plane for graphs: a square grid over the graph window, the axes, their
// letters, and every fifth line numbered by its index or by its value in graph units.
//
// The grid line with index i lies at AxisX + GridCell i across and AxisY - GridCell i up; it
// stands for the value i BAIX (i BAIY up). Numbers are drawn straight by the runtime, not by
// the formula renderer.
#include <cmath>
#include <string>

#include "lessonlib/figures/figure_calls.h"
#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// No window, however wide, draws more lines than this on an axis.
constexpr long kMostGridLines = 4001;

// A scale of 0 counts as 1, a negative one as its size.
float UsableScale(float scale) { return scale == 0 ? 1 : std::fabs(scale); }

// Every fifth line, the origin's and the negative ones included. An index between whole
// numbers (a window that is no whole number of cells) is no line of the fives.
bool IsFifthLine(float index) {
  return index == std::floor(index) && std::fmod(index, 5.0f) == 0;
}

std::string NumberText(Program& p, float value) {
  return TextWithoutBlanks(p, platform::PfSTR244(value));
}

float CharCount(const std::string& text) { return static_cast<float>(platform::PfKLEN(text)); }

// Draws TextToDraw at (x, y) with magnification 2, 1 in colour 0, the text routines' state
// set as the drawing leaves it.
void DrawAxisText(Program& p, const std::string& text, float x, float y) {
  p.text.TextColour = 0;
  p.text.TextToDraw = text;
  p.text.TextX = x;
  p.text.TextY = y;
  p.rt.PsSYMBOL40(text, x, y, 2, 1, 0);
}

template <typename Body>
void ForEachLine(Program& p, float low, float high, Body&& body) {
  RunCountedLoop(p.values.TableIndex, low, high, body, kMostGridLines);
}

void DrawGridLine(Program& p, float x1, float y1, float x2, float y2, float width, float colour) {
  p.rt.FE_SETDRAWWIDTH(width);
  p.rt.PsLINE(x1, y1, x2, y2, false, colour, 0, colour);
}

void DrawGrid(Program& p) {
  const GeometryState& g = p.geometry;
  const FigureState& f = p.figure;
  ForEachLine(p, g.AA1, g.AA2, [&](float i) {
    const float x = f.AxisX + f.GridCell * i - 0.5f;
    DrawGridLine(p, x, f.GridTop, x, f.GridBottom, 1, 0);
  });
  ForEachLine(p, g.BB1, g.BB2, [&](float i) {
    const float y = f.AxisY - f.GridCell * i - 0.5f;
    DrawGridLine(p, f.GridLeft, y, f.GridRight, y, 1, 0);
  });
  // The index of every fifth line: 0 and all of them with NASI -1 are left blank.
  const auto index_text = [&](float i) {
    return i == 0 || g.NASI == -1 ? std::string() : NumberText(p, i);
  };
  ForEachLine(p, g.AA1, g.AA2, [&](float i) {
    if (!IsFifthLine(i)) return;
    const float x = f.AxisX + f.GridCell * i;
    DrawGridLine(p, x, f.GridTop, x, f.GridBottom, 3, 1);
    const std::string text = index_text(i);
    DrawAxisText(p, text, x - g.SIZE1 * CharCount(text) / 2, f.AxisY);
  });
  ForEachLine(p, g.BB1, g.BB2, [&](float i) {
    if (!IsFifthLine(i)) return;
    const float y = f.AxisY - f.GridCell * i;
    DrawGridLine(p, f.GridLeft, y, f.GridRight, y, 3, 1);
    const std::string text = index_text(i);
    DrawAxisText(p, text, f.AxisX - g.SIZE1 * CharCount(text), y - g.SIZE1 / 2 - 4);
  });
}

// The value of a line of the fives in graph units, to tenths (cut, not rounded), drawn at
// (x, y) with its point apart over the junction of the whole part and the tenths digit,
// `point_dy` lower.
void DrawScaledNumber(Program& p, float index, float scale, float x_of_count, float y,
                      float point_dy, bool centred) {
  GeometryState& g = p.geometry;
  const float magnitude = std::fabs(index) * scale;
  g.P1 = platform::PnFInt(magnitude);
  g.P2 = platform::PnFInt(10 * magnitude) - 10 * g.P1;
  g.TickWholeText = (index < 0 ? "-" : "") + NumberText(p, g.P1);
  g.TickTenthsText = NumberText(p, g.P2);
  if (index == 0 || !IsFifthLine(index)) return;
  const std::string text = g.P2 == 0 ? g.TickWholeText : g.TickWholeText + g.TickTenthsText;
  const float count = CharCount(text);
  const float x = x_of_count - g.SIZE1 * (centred ? count / 2 : count);
  DrawAxisText(p, text, x, y);
  if (g.P2 == 0) return;
  DrawAxisText(p, ".", x + g.SIZE1 * CharCount(g.TickWholeText) - 6, y + point_dy);
}

}  // namespace

void DrawCoordinateAxes(Program& p) {
  GeometryState& g = p.geometry;
  FigureState& f = p.figure;
  const float width = p.rt.FE_GETDRAWWIDTH();
  p.values.SavedDrawWidth = width;
  g.BAIX = UsableScale(g.BAIX);
  g.BAIY = UsableScale(g.BAIY);
  g.AA1 /= g.BAIX;
  g.AA2 /= g.BAIX;
  g.BB1 /= g.BAIY;
  g.BB2 /= g.BAIY;
  if (f.GridOriginX == 0 && f.GridOriginY == 0) {
    f.GridOriginX = 640;
    f.GridOriginY = 180;
  }
  // The frame holds the window when the window holds the origin.
  f.AxisX = f.GridOriginX + f.GridCell * std::fabs(g.AA1);
  f.AxisY = f.GridOriginY + f.GridCell * g.BB2;
  f.GridLeft = f.GridOriginX;
  f.GridTop = f.GridOriginY;
  f.GridRight = f.AxisX + f.GridCell * g.AA2;
  f.GridBottom = f.AxisY + f.GridCell * std::fabs(g.BB1);
  g.SIZE1 = f.GridCell < 40 ? 26 : 30;
  p.rt.FE_SETFONTSIZE(g.SIZE1);
  if (f.LineColour != 0) DrawGrid(p);

  // The axes over the grid, then their letters and the origin's 0.
  DrawGridLine(p, f.AxisX, f.GridTop, f.AxisX, f.GridBottom, 4, 0);
  DrawGridLine(p, f.GridLeft, f.AxisY, f.GridRight, f.AxisY, 4, 0);
  p.rt.FE_SETFONTBOLD(-1);
  p.rt.FE_SETFONTNAME(kItalicFace);
  p.rt.FE_SETFONTSIZE(0.8f * g.SIZE1);
  p.rt.FE_SETFONTITALIC(-1);
  p.text.TextColour = 0;
  p.text.TextX = f.GridRight - 0.8f * g.SIZE1;
  p.text.TextY = f.AxisY - 1.5f * g.SIZE1;
  p.rt.PsSYMBOL40("x", p.text.TextX, p.text.TextY, 3, 2, 0);
  p.rt.FE_SETFONTNAME(kFormulaFace);
  p.rt.FE_SETFONTSIZE(g.SIZE1);
  p.rt.FE_SETFONTITALIC(0);
  DrawAxisText(p, "0", f.AxisX - g.SIZE1, f.AxisY);
  DrawAxisText(p, "y", f.AxisX, f.GridTop - g.SIZE1 / 2);
  p.rt.FE_SETFONTBOLD(0);
  p.rt.FE_SETFONTSIZE(16);
  p.rt.FE_SETDRAWWIDTH(p.values.SavedDrawWidth);
  g.NASI = 0;
}

void DrawScaledAxisLabels(Program& p) {
  const GeometryState& g = p.geometry;
  const FigureState& f = p.figure;
  p.rt.FE_SETFONTSIZE(g.SIZE1);
  ForEachLine(p, g.AA1, g.AA2, [&](float i) {
    DrawScaledNumber(p, i, g.BAIX, f.AxisX + f.GridCell * i, f.AxisY + 4, 4, true);
  });
  ForEachLine(p, g.BB1, g.BB2, [&](float i) {
    DrawScaledNumber(p, i, g.BAIY, f.AxisX, f.AxisY - f.GridCell * i - g.SIZE1 / 2, 4, false);
  });
  p.rt.FE_SETFONTSIZE(16);
}

}  // namespace lesson
