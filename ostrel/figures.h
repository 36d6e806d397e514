// What Ostrel's figures are placed and marked with: a grid frame that draws nothing and only
// fixes the origin, points set in grid units (u to the right, v upwards) and then converted in
// place to the screen, and dotted marks between two of those points.
#pragma once

#include <initializer_list>

#include "lessonlib/program.h"

namespace ostrel {

// Fixes the origin of a figure with a grid frame drawn in the background colour, which draws
// no line: AxisX becomes `left`, AxisY the frame's bottom, top + rows * cell.
void SetGridFrame(lesson::Program& p, float left, float top, float columns, float rows,
                  float cell);

// A point of a figure in grid units, by its slot in PointX/PointY.
struct GridPoint {
  float slot, u, v;
};
// Sets the points in grid units and converts them in place, each to
// (AxisX + GridCell * u, AxisY - GridCell * v).
void SetGridPoints(lesson::Program& p, std::initializer_list<GridPoint> points);

// A dotted arc (or, with no bulge, a dotted line) between two of the figure's points, with
// its label, drawn as the library's DottedArc: every value DrawDottedArc reads, which it
// partly overwrites, is set afresh for each mark.
struct DottedMark {
  float from, to;     // slots in PointX/PointY
  float colour;       // of the dots (LineColour)
  float side;         // ArcSide: 1 bulges to the right of the way from `from` to `to`, -1 left
  float bulge;        // ArcBulge: 0 a straight dotted line
  float step;         // BoxWidth: degrees between dots, both ends dotted
  const char* label = "";
  float label_colour = 0;
  float label_dx = 0, label_dy = 0;
};
void DrawDottedMark(lesson::Program& p, const DottedMark& mark);

}  // namespace ostrel
