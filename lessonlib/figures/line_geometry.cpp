// Points for figures: the foot of a perpendicular, the crossing of two lines, the missing
// coordinate of a point on a line, and a point on the dotted arc's half-ellipse.
#include <cmath>

#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"

namespace lesson {

namespace {

// A line through two points, as y = slope x + intercept; an upright line keeps its x.
struct Line {
  bool upright = false;
  float slope = 0, intercept = 0, x = 0;
};

// A level line is taken apart first, so two equal points make a level line.
Line LineThrough(float x1, float y1, float x2, float y2) {
  Line line;
  if (y2 == y1) {
    line.intercept = y1;
  } else if (x2 == x1) {
    line.upright = true;
    line.x = x1;
  } else {
    line.slope = (y2 - y1) / (x2 - x1);
    line.intercept = y1 - line.slope * x1;
  }
  return line;
}

}  // namespace

void MarkPerpendicularFoot(Program& p) {
  const FigureState& f = p.figure;
  GeometryState& g = p.geometry;
  if (f.SegX2 == f.SegX1) {
    g.EX = f.SegX1;
    g.EY = g.CY;
  } else if (f.SegY2 == f.SegY1) {
    g.EX = g.CX;
    g.EY = f.SegY1;
  } else {
    g.AA1 = (f.SegY2 - f.SegY1) / (f.SegX2 - f.SegX1);
    g.BB1 = f.SegY1 - g.AA1 * f.SegX1;
    g.AA2 = -1 / g.AA1;
    g.BB2 = g.CY - g.AA2 * g.CX;
    g.EX = -(g.BB1 - g.BB2) / (g.AA1 - g.AA2);
    g.EY = (g.AA1 * g.BB2 - g.AA2 * g.BB1) / (g.AA1 - g.AA2);
  }
  // In the background colour: it shows only where it covers the line.
  p.rt.PsCIRCLE(g.EX, g.EY, 2, 15, 1, 0, 0, true, 15);
}

void IntersectLines(Program& p) {
  const FigureState& f = p.figure;
  GeometryState& g = p.geometry;
  const Line first = LineThrough(f.SegX1, f.SegY1, f.SegX2, f.SegY2);
  const Line second = LineThrough(g.CX, g.CY, g.DX, g.DY);
  if (first.upright) g.AX2 = first.x;
  if (second.upright) g.AX2 = second.x;
  // Upright lines are told apart by their flag, not by a slope value, so that a steep line
  // of any slope crosses as it should.
  const bool parallel = first.upright == second.upright &&
                        (first.upright || first.slope == second.slope);
  g.LinesParallel = parallel ? 1 : 0;
  if (parallel) return;
  if (first.upright) {
    g.AY2 = second.slope * g.AX2 + second.intercept;
  } else if (second.upright) {
    g.AY2 = first.slope * g.AX2 + first.intercept;
  } else {
    const float slopes = second.slope - first.slope;
    const float intercepts = second.intercept - first.intercept;
    g.AX2 = -intercepts / slopes;
    g.AY2 = (-first.slope * intercepts + first.intercept * slopes) / slopes;
  }
}

void CompleteLinePoint(Program& p) {
  const FigureState& f = p.figure;
  GeometryState& g = p.geometry;
  // An upright line fixes x and a level one y; the other coordinate is the one given.
  if (f.SegX2 == f.SegX1) {
    g.X1 = f.SegX1;
    g.Y1 = g.CY;
    return;
  }
  if (f.SegY1 == f.SegY2) {
    g.X1 = g.CX;
    g.Y1 = f.SegY1;
    return;
  }
  const float slope = (f.SegY2 - f.SegY1) / (f.SegX2 - f.SegX1);
  const float intercept = f.SegY1 - slope * f.SegX1;
  p.values.WorkValueA = slope;
  p.values.WorkValueB = intercept;
  if (g.CX < 0) {
    g.X1 = (g.CY - intercept) / slope;
    g.Y1 = g.CY;
  }
  if (g.CY < 0) {
    g.Y1 = slope * g.CX + intercept;
    g.X1 = g.CX;
  }
}

void ComputeArcPoint(Program& p) {
  FigureState& f = p.figure;
  GeometryState& g = p.geometry;
  // The arc is built lying flat to the right of the first end, then turned about it into
  // the segment's direction, as the dotted arc places its dots.
  g.CX = f.MarkX1 - f.MarkX0;
  g.CY = f.MarkY1 - f.MarkY0;
  const float half = std::sqrt(g.CX * g.CX + g.CY * g.CY) / 2;
  f.MarkX2 = f.MarkX0 + half;
  f.MarkY2 = f.MarkY0;
  SegmentDirection(p);
  const float turn = f.SegmentAngle;
  const float t = g.KAKUDO * f.Pi / 180;
  f.AngleDegrees = t;
  // The height is the bulge itself (not a ratio to the half length), so a segment of no
  // length still has its arc point.
  const float ux = f.MarkX2 + half * std::cos(t);
  const float uy = f.MarkY2 - f.ArcBulge * std::sin(t);
  f.MarkX1 = ux;
  f.MarkY1 = uy;
  SegmentDirection(p);
  const float distance =
      std::sqrt((ux - f.MarkX0) * (ux - f.MarkX0) + (uy - f.MarkY0) * (uy - f.MarkY0));
  g.R = distance;
  g.ZX = f.MarkX0 + distance * std::cos(turn + f.SegmentAngle);
  g.ZY = f.MarkY0 - distance * std::sin(turn + f.SegmentAngle);
}

}  // namespace lesson
