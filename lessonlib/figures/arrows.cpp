// Straight arrows with a two-stroke head at one end or both, and the slope triangle of a line
// with its run and rise counted in grid cells.
#include <cmath>
#include <string>
#include <utility>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/figures/figure_calls.h"
#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

void SwapEnds(Program& p) {
  std::swap(p.figure.MarkX0, p.geometry.ZX);
  std::swap(p.figure.MarkY0, p.geometry.ZY);
}

void Stroke(Program& p, float x1, float y1, float x2, float y2) {
  const float colour = p.figure.LineColour;
  p.rt.PsLINE(x1, y1, x2, y2, false, colour, 0, colour);
}

// The shaft from the tail (ZX, ZY) to the tip (MarkX0, MarkY0) and the head at the tip: two
// barbs from MarkRadius back along the shaft and half of it to either side. An arrow of no
// length has no direction for its head and draws nothing.
void DrawShaftAndHead(Program& p) {
  FigureState& f = p.figure;
  GeometryState& g = p.geometry;
  g.CX = f.MarkX0 - g.ZX;
  g.CY = f.MarkY0 - g.ZY;
  g.D = std::sqrt(g.CX * g.CX + g.CY * g.CY);
  if (g.D == 0) return;
  Stroke(p, g.ZX, g.ZY, f.MarkX0, f.MarkY0);
  g.DX = g.CX / g.D;
  g.DY = g.CY / g.D;
  g.EX = f.MarkX0 - f.MarkRadius * g.DX;
  g.EY = f.MarkY0 - f.MarkRadius * g.DY;
  const float side = f.MarkRadius / 2;
  f.MarkX1 = g.EX - side * g.DY;
  f.MarkY1 = g.EY + side * g.DX;
  f.MarkX2 = g.EX + side * g.DY;
  f.MarkY2 = g.EY - side * g.DX;
  Stroke(p, f.MarkX1, f.MarkY1, f.MarkX0, f.MarkY0);
  Stroke(p, f.MarkX2, f.MarkY2, f.MarkX0, f.MarkY0);
}

// A number of grid cells as text.
std::string CellsText(Program& p, float length) {
  return TextWithoutBlanks(p, platform::PfSTR244(length / p.figure.GridCell));
}

}  // namespace

void DrawArrow(Program& p) {
  GeometryState& g = p.geometry;
  // From here on (MarkX0, MarkY0) is the tip and (ZX, ZY) the tail.
  if (g.MUKI != -1) SwapEnds(p);
  DrawShaftAndHead(p);
  // Two heads are asked for one arrow at a time: the request is used up by this arrow even
  // when it has no length and so draws nothing.
  if (g.YA == 2) {
    g.YA = 0;
    if (g.D != 0) {
      SwapEnds(p);
      DrawShaftAndHead(p);
    }
  }
  g.MUKI = 0;
}

void DrawSlopeTriangle(Program& p) {
  GeometryState& g = p.geometry;
  FigureState& f = p.figure;
  if (g.GX3 > g.GX4) {
    std::swap(g.GX3, g.GX4);
    std::swap(g.GY3, g.GY4);
  }
  p.rt.FE_SETDRAWWIDTH(4);
  const auto arrow = [&](float x0, float y0, float x1, float y1, float colour) {
    f.MarkX0 = x0, f.MarkY0 = y0, g.ZX = x1, g.ZY = y1;
    g.MUKI = 1;
    f.LineColour = colour;
    f.MarkRadius = 16;
    DrawArrow(p);
  };
  arrow(g.GX3, g.GY3, g.GX4, g.GY3, 7);  // the run, head at the corner
  arrow(g.GX4, g.GY3, g.GX4, g.GY4, 3);  // the rise, head at the right point
  // Without a cell size there is nothing to count in.
  if (f.GridCell == 0) {
    g.SlopeRunText.clear();
    g.SlopeRiseText.clear();
  } else {
    g.SlopeRunText = CellsText(p, g.GX4 - g.GX3);
    // The rise counts upwards. A part of a cell gets its "0" before the point where the
    // number text has none.
    g.SlopeRiseText = CellsText(p, g.GY3 - g.GY4);
    std::string& rise = g.SlopeRiseText;
    const size_t sign = rise.starts_with("-") ? 1 : 0;
    if (rise.compare(sign, 1, ".") == 0) rise = rise.substr(0, sign) + "0" + rise.substr(sign);
  }
  if (platform::PfLEFT24(g.HYOUJI, 1) == "y") LabelSlopeRun(p);
  if (platform::PfMID24(g.HYOUJI, 2, 1) == "y") LabelSlopeRise(p);
}

void LabelSlopeRun(Program& p) {
  const GeometryState& g = p.geometry;
  // On the triangle's side of the run: above it when the right point lies higher.
  const float y = g.GY3 > g.GY4 ? g.GY3 - 44 : g.GY3;
  DrawCaptionText(p, g.SlopeRunText, 7, (g.GX3 + g.GX4) / 2 - 14, y);
}

void LabelSlopeRise(Program& p) {
  const GeometryState& g = p.geometry;
  DrawCaptionText(p, g.SlopeRiseText, 3, g.GX4, (g.GY3 + g.GY4) / 2 - 16);
}

}  // namespace lesson
