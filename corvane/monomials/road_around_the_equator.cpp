// The road around the equator: a road runs round the Earth 1 m outside the equator; how much
// longer is it? A globe with the equator, the road, the gap and the radius, and two pupils'
// solutions, one with the number 6378000 and one with the letter r. Ends with chapter 1's
// goal screen.
#include <cmath>

#include "corvane/monomials/monomials.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// Slots of the figure's points in PointX/PointY.
constexpr float kCentre = 0, kEquatorWest = 1, kEquatorEast = 2, kRoadWest = 5, kRoadEast = 6;

constexpr float kGlobeColour = 11;

// The point at `degrees` (anticlockwise from the right) and `distance` from the centre.
void SetPointOnCircle(lesson::Program& p, float slot, float distance, float degrees) {
  const float radians = degrees * p.figure.Pi / 180;
  p.work.PointX(slot) = p.work.PointX(kCentre) + distance * std::cos(radians);
  p.work.PointY(slot) = p.work.PointY(kCentre) - distance * std::sin(radians);
}

// The grid frame (drawn in the background colour, so only its place is set) and the points.
void SetUpFigure(lesson::Program& p) {
  lesson::FigureState& f = p.figure;
  f.GridOriginX = 760;
  f.GridOriginY = 30;
  f.GridColumns = 10;
  f.BoxHeight = 8;
  f.GridCell = 40;
  f.LineColour = 15;
  lesson::DrawSquareGrid(p);
  p.work.PointX(kCentre) = f.AxisX + 5 * f.GridCell;
  p.work.PointY(kCentre) = f.AxisY - 4 * f.GridCell;
  SetPointOnCircle(p, kEquatorWest, 4 * f.GridCell, 160);
  SetPointOnCircle(p, kEquatorEast, 4 * f.GridCell, -20);
  SetPointOnCircle(p, kRoadWest, 5 * f.GridCell, 160);
  SetPointOnCircle(p, kRoadEast, 5 * f.GridCell, -20);
}

struct ArcMark {
  float from, to;       // point slots
  float colour;
  float side;           // 1: bulges to the right of the way from `from` to `to`, -1: left
  float bulge;          // 0: a straight dotted line
  float step;           // degrees between dots
  const char* label = "";
  float label_colour = 0;
  float label_dx = 0, label_dy = 0;
};

void DrawArcMark(lesson::Program& p, const ArcMark& mark) {
  const lesson::LessonWork& w = p.work;
  DrawArc(p, {w.PointX(mark.from), w.PointY(mark.from), w.PointX(mark.to), w.PointY(mark.to),
              mark.colour, mark.side, mark.bulge, mark.step, mark.label, mark.label_colour,
              mark.label_dx, mark.label_dy});
}

void DrawGlobe(lesson::Program& p) {
  p.rt.PsCIRCLE(p.work.PointX(kCentre), p.work.PointY(kCentre), 160, kGlobeColour, 1, 0, 0, true,
                kGlobeColour);
}

// The road, a ring of dots drawn with a broad pen so that they merge.
void DrawRoad(lesson::Program& p) {
  const float bulge = 200.0f / 3 + 10;
  p.rt.FE_SETDRAWWIDTH(30);
  DrawArcMark(p, {kRoadWest, kRoadEast, 13, 1, bulge, 2});
  p.rt.FE_SETDRAWWIDTH(30);
  DrawArcMark(p, {kRoadWest, kRoadEast, 13, -1, bulge, 2});
  p.rt.FE_SETDRAWWIDTH(5);
}

// The far half of the globe, painted over the road where it crosses the disc.
void DrawFarSide(lesson::Program& p) {
  p.rt.PsCIRCLE(p.work.PointX(kCentre), p.work.PointY(kCentre), 160, kGlobeColour, 1, 0.5555556f,
                0.05555556f, true, kGlobeColour);
}

}  // namespace

lesson::Jump ShowRoundTheWorldRoad(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseScreen(p);
  l.MarginX = 30;
  l.LineY = 20;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {{kAtOnce, "世界一周道路と赤道の長さの差を考えよう。", 3, AtMargin(), OnLine()}});
  SetUpFigure(p);
  DrawGlobe(p);
  DrawArcMark(p, {kEquatorWest, kEquatorEast, 5, 1, 160.0f / 3 - 10, 2});

  lesson::WaitForKey(p);
  DrawRoad(p);
  DrawFarSide(p);
  DrawArcMark(p, {kEquatorEast, kRoadEast, 3, 1, 0, 3, "1m", 0, 0, 0});

  lesson::WaitForKey(p);
  DrawArcMark(p, {kCentre, kEquatorWest, 3, 1, 0, 3, "6378000m", 0, 10, -20});
  lesson::ShowSteps(p, {
      {kAtOnce, "地球の半径を", 0, AtMargin(), Below(50)},
      {kAtOnce, "6378000m", 3},
      {kAtOnce, "とすると", 0},
      {kAtOnce, "差は、P11のどれと同じくらいだろう?", 3, AtMargin(), Below(50)},
      {kKeyFirst, "<Ｔａｖｒｉｎさんの考え>", 7, AtMargin(), Below(50)},
      {kAtOnce, "赤道の長さは、", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2π*6378000(m) ", 3},
      {kAtOnce, "一周道路の長さは、", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2π*(6378000+1)(m) ", 3},
      {kKeyFirst, "その差は", 0, AtMargin(), Below(50)},
      {kKeyFirst, " 2π*(6378000+1)-2π*6378000", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=12756002π-12756000π", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2π(m)", 3},
      {kKeyFirst, "<Ｏｓｋｅｌさんの考え>", 7, AtMargin(), Below(50)},
  });
  // The right-hand block of Oskel's solution starts on this line.
  p.work.SavedY(1) = l.LineY;
  DrawArcMark(p, {kCentre, kEquatorWest, 3, -1, 0, 3, "rm", 3, 10, 0});
  lesson::ShowSteps(p, {
      {kAtOnce, "地球の半径を", 0},
      {kAtOnce, "rm", 3},
      {kAtOnce, "とすると", 0},
      {kAtOnce, "赤道の長さは、", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2πr(m) ", 3},
      {kAtOnce, "一周道路の長さは、", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2π*(r+1)(m) ", 3},
  });
  p.work.SavedX(1) = p.text.TextX + 40;

  l.MarginX = p.work.SavedX(1);
  l.LineY = p.work.SavedY(1);
  lesson::ShowSteps(p, {
      {kKeyFirst, "その差は", 0, AtMargin(120), OnLine()},
      {kKeyFirst, " 2π*(r+1)-2πr", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2πr+2π-2πr", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2π(m)", 3},
      {kKeyFirst, "答　約6m", 5, AtMargin(), Below(50)},
  });
  lesson::WaitForKey(p);
  ShowMonomialsGoal(p);
  return {RunMonomialsChapter};
}

}  // namespace corvane
