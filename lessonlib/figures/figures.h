// The library's figure and graph routines: polygons with labelled vertices, line and arc
// geometry, square roots, prime factors and divisors, coordinate axes, plotted points and
// function graphs, arrows and slope triangles, boxed labels and a large brace.
//
// Like every library routine they take no arguments: the caller sets the shared records
// (mostly p.geometry and p.figure, see program.h), calls, and finds the results there. The
// routines share their work values, so a caller sets every input again before each call.
#pragma once

#include "lessonlib/program.h"

namespace lesson {

// ---- Polygon ------------------------------------------------------------------------------

// Draws the closed polygon through rows 1..KAKU of GraphValues (column 1 x, column 2 y) at
// draw width SIZE1 in LineColour, and labels its vertices at MarkRadius by PlaceAngleLabel:
// MarkLabel "1" takes the labels from PartTexts(1..KAKU), any other non-empty MarkLabel
// gives consecutive characters from its first one. Leaves MarkLabel empty and the draw width
// as it found it.
void DrawPolygon(Program& p);

// ---- Line and arc geometry ------------------------------------------------------------------

// The foot (EX, EY) of the perpendicular from (CX, CY) to the line through (SegX1, SegY1) and
// (SegX2, SegY2), marked by a small background-coloured disc. A sloping line leaves its slopes
// and intercepts in the graph window (AA1, BB1, AA2, BB2).
void MarkPerpendicularFoot(Program& p);
// The crossing (AX2, AY2) of the line through (SegX1, SegY1), (SegX2, SegY2) and the line
// through (CX, CY), (DX, DY). LinesParallel is 1 when the lines do not cross (the crossing
// is then left as it was, but for AX2 = CX with two upright lines), else 0.
void IntersectLines(Program& p);
// The point (X1, Y1) on the line through (SegX1, SegY1), (SegX2, SegY2) whose given
// coordinate is that of (CX, CY) and whose other coordinate (the negative one in CX, CY) is
// found. An upright line gives (SegX1, CY), a level one (CX, SegY1).
void CompleteLinePoint(Program& p);
// The point (ZX, ZY) at KAKUDO degrees on the half-ellipse of height ArcBulge over the
// segment (MarkX0, MarkY0)-(MarkX1, MarkY1), the arc that the dotted-arc mark draws: 0 is
// the second end, 90 the top, 180 the first end. Leaves the point's distance from the first
// end in R.
void ComputeArcPoint(Program& p);

// ---- Square roots, prime factors, divisors ----------------------------------------------------

// The square root of the whole number R1B in the form a√b: R1A = a, R1B = b (no d² from 2 to
// 200 left in it), R1B1 = the number given, and the formula texts CoefficientText, RAB (a√b),
// RABM (√n=, empty when nothing comes out) and RemainingRootText (√b).
void SimplifySquareRoot(Program& p);
// The prime factors of |SOSU| among 2 to 23: Q rows (prime, exponent) in GraphValues, rows
// up to 9 cleared, row 10 (what is left, 1); RadiusValues(1..10) the list of primes.
void FactorIntoPrimes(Program& p);
// The divisors d of |DY| in PointX(1..RandomPick), increasing, with |DY| / d in PointY; at
// most the first 40. KOSUU is half the count.
void ListDivisorPairs(Program& p);

// ---- Coordinate axes ----------------------------------------------------------------------

// Lays a square grid over the graph window (AA1..AA2, BB1..BB2 in graph units, BAIX, BAIY
// units per cell) from (GridOriginX, GridOriginY), cells GridCell wide: the grid and every
// fifth line's index unless LineColour is 0, the axes, "x", "0" and "y". Leaves the window in
// cells, the frame (GridLeft .. GridBottom) and the origin (AxisX, AxisY).
void DrawCoordinateAxes(Program& p);
// Numbers every fifth line of the axes just drawn with its value in graph units, to tenths.
void DrawScaledAxisLabels(Program& p);

// ---- Plotted points and function graphs --------------------------------------------------------

// A dot of radius R in FillColour at (XG, YG) in graph units, labelled MarkLabel 20 left of
// and 40 above it, moved by KASANARIX, KASANARIY.
void PlotLabelledPoint(Program& p);
// The graph of type IROIRO (1: y = a/x, 2: y = a x², 3: y = a x + b, 4: a x + b y = c) with
// a, b, c in AA, BB, CC over the window's x range in graph units, as 5001 dots (a vertical
// line as one stroke), labelled MarkLabel at its end. Leaves both scales 1.
void PlotFunctionGraph(Program& p);

// ---- Arrows and the slope triangle ---------------------------------------------------------

// An arrow from (MarkX0, MarkY0) to (ZX, ZY) in LineColour with a head MarkRadius long at
// the end (MUKI -1: at the start; YA 2: at both ends, for this arrow only: YA goes back to 0,
// and MUKI to 0). An arrow of no length draws nothing.
void DrawArrow(Program& p);
// The slope triangle of the line through (GX3, GY3) and (GX4, GY4): a run arrow and a rise
// arrow, their lengths in grid cells in SlopeRunText and SlopeRiseText, labelled as HYOUJI
// asks ("y" first: the run, "y" second: the rise). Leaves the draw width 4.
void DrawSlopeTriangle(Program& p);
void LabelSlopeRun(Program& p);
void LabelSlopeRise(Program& p);

// ---- Boxed labels and the brace ---------------------------------------------------------------

// MeasuredWidth = the width of WorkText in the label style, drawn off screen.
void MeasureLabelWidth(Program& p);
// A filled box (BoxWidth x BoxHeight at TextX, TextY) with WorkText centred in it in the
// label style; TextX, TextY are left at the box's top-right corner, X1, Y1 at its top-left.
void DrawBoxedLabel(Program& p);
// The same with two lines, TextA above TextB (one line, lower, when TextB is empty).
void DrawBoxedLabelTwoLines(Program& p);
// A left brace BoxWidth high in TextColour, open to the right, in the cell at (TextX, TextY).
void DrawLargeLeftBrace(Program& p);

}  // namespace lesson
