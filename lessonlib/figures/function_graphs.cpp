// Plotted points and function graphs on the plane that DrawCoordinateAxes lays out. A point
// (u, v) in graph units lies at (AxisX + GridCell u / BAIX, AxisY - GridCell v / BAIY).
#include "lessonlib/chapter_frame.h"
#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"

namespace lesson {

namespace {

// The number of steps of a dotted graph: 5001 dots.
constexpr float kGraphSteps = 5000;

void UseScalesOfOne(GeometryState& g) {
  if (g.BAIX == 0) g.BAIX = 1;
  if (g.BAIY == 0) g.BAIY = 1;
}

float ScreenX(const Program& p, float u) {
  return p.figure.AxisX + p.figure.GridCell * u / p.geometry.BAIX;
}
float ScreenY(const Program& p, float v) {
  return p.figure.AxisY - p.figure.GridCell * v / p.geometry.BAIY;
}

// The function of a graph type: 1 a/x, 2 a x², any other a x + b.
float GraphValue(const GeometryState& g, float x) {
  if (g.IROIRO == 1) return g.AA / x;
  if (g.IROIRO == 2) return g.AA * x * x;
  return g.AA * x + g.BB;
}

void Dot(Program& p, float x, float y, float radius) {
  const float colour = p.figure.FillColour;
  p.rt.PsCIRCLE(x, y, radius, colour, 1, 0, 0, true, colour);
}

// The label at (x, y) moved by the one-call offsets, in the graph's colour.
void DrawLabel(Program& p, float x, float y) {
  const GeometryState& g = p.geometry;
  DrawCaptionText(p, p.figure.MarkLabel, p.figure.FillColour, x + g.KASANARIX,
                  y + g.KASANARIY);
}

// The dots of a graph across the window's x range: x adds up step by step in single
// precision; every type but 3 steps over x = 0 (shifted by 0.002 at the start, by a whole
// step inside), so a/x is never taken at 0. Dots outside the frame's height are left out;
// TextX, TextY end at the last dot drawn.
void PlotGraphDots(Program& p) {
  GeometryState& g = p.geometry;
  const FigureState& f = p.figure;
  const bool steps_over_zero = g.IROIRO != 3;
  g.X1 = g.AA1;
  p.figure.BoxWidth = kGraphSteps;
  if (steps_over_zero && g.X1 == 0) g.X1 += 0.002f;
  g.Y1 = GraphValue(g, g.X1);
  g.GX5 = g.X1;
  g.GY5 = g.Y1;
  g.P1 = (g.AA2 - g.AA1) / kGraphSteps;
  float& step = p.values.TableIndex;
  for (step = 0; step <= kGraphSteps; ++step) {
    g.GX = ScreenX(p, g.GX5);
    g.GY = ScreenY(p, g.GY5);
    if (g.GY >= f.GridTop && g.GY <= f.GridBottom) {
      p.text.TextX = g.GX;
      p.text.TextY = g.GY;
      Dot(p, g.GX, g.GY, 1);
    }
    g.GX5 += g.P1;
    if (steps_over_zero && g.GX5 == 0) g.GX5 += g.P1;
    g.GY5 = GraphValue(g, g.GX5);
  }
}

// The line a x = c as one stroke from BB1 to BB2 (CC holds c / a); its label 10 right of the
// stroke's end at BB2.
void DrawVerticalGraphLine(Program& p) {
  const GeometryState& g = p.geometry;
  p.rt.FE_SETDRAWWIDTH(5);
  const float x = ScreenX(p, g.CC);
  const float y_end = ScreenY(p, g.BB2);
  p.rt.PsLINE(x, ScreenY(p, g.BB1), x, y_end, false, p.figure.FillColour, 0,
              p.figure.FillColour);
  p.text.TextX = x + 10;
  p.text.TextY = y_end;
}

}  // namespace

void PlotLabelledPoint(Program& p) {
  GeometryState& g = p.geometry;
  UseScalesOfOne(g);
  g.GX = ScreenX(p, g.XG);
  g.GY = ScreenY(p, g.YG);
  Dot(p, g.GX, g.GY, g.R);
  DrawLabel(p, g.GX - 20, g.GY - 40);
  g.KASANARIX = 0;
  g.KASANARIY = 0;
}

void PlotFunctionGraph(Program& p) {
  GeometryState& g = p.geometry;
  const float width = p.rt.FE_GETDRAWWIDTH();
  UseScalesOfOne(g);
  bool drawn = true;
  if (g.IROIRO == 4 && g.BB == 0) {
    // a x = c: with a = 0 there is no line to draw (and no x to divide out).
    if (g.AA == 0) {
      drawn = false;
    } else {
      g.CC /= g.AA;
      DrawVerticalGraphLine(p);
    }
  } else {
    if (g.IROIRO == 4) {
      // a x + b y = c solved for y.
      g.AA = -g.AA / g.BB;
      g.BB = g.CC / g.BB;
      g.IROIRO = 3;
    }
    PlotGraphDots(p);
  }
  // The label's top-left is where the graph ended: the last dot, or beside the stroke.
  if (drawn) DrawLabel(p, p.text.TextX, p.text.TextY);
  g.KASANARIX = 0;
  g.KASANARIY = 0;
  g.BAIX = 1;
  g.BAIY = 1;
  p.rt.FE_SETDRAWWIDTH(width);
}

}  // namespace lesson
