// Exercise 7 of page 32: circle O on the diameter AB of 12 cm, circle P on AC (2r cm) and
// circle Q on CB. Route ア runs along the lower half of P and the upper half of Q, route イ
// along the upper half of O; both are 6π long.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/figures.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// Slots of the figure's points in PointX/PointY.
constexpr float kCentreO = 1, kCentreP = 2, kCentreQ = 3, kPointA = 4, kPointB = 5;
constexpr float kCentreP2 = 6, kPointC = 7, kCentreQ2 = 8;

// The radii in grid cells.
constexpr float kRadiusO = 6, kRadiusP = 4, kRadiusQ = 2;

// All the points lie on one line, 6 cells up, from A at the frame's left edge.
void SetRoutePoints(Program& p) {
  SetGridFrame(p, 720, 80, 12, 12, 35);
  const float v = 6;
  SetGridPoints(p, {
      {kCentreO, kRadiusO, v},
      {kCentreP, kRadiusP, v},
      {kCentreQ, 2 * kRadiusP + kRadiusQ, v},
      {kPointA, 0, v},
      {kPointB, 2 * kRadiusO, v},
      {kCentreP2, kRadiusP, v},
      {kPointC, 2 * kRadiusP, v},
      {kCentreQ2, 2 * kRadiusP + kRadiusQ, v},
  });
}

// A circle of `radius` grid cells about a point, or its arc from `start` to `end` (fractions
// of a turn, clockwise on screen from the right).
void DrawCircle(Program& p, float centre, float radius, float colour, float start = 0,
                float end = 0) {
  p.rt.PsCIRCLE(p.work.PointX(centre), p.work.PointY(centre), radius * p.figure.GridCell, colour,
                1, start, end, false, colour);
}

void DrawDisc(Program& p, float point) {
  p.rt.PsCIRCLE(p.work.PointX(point), p.work.PointY(point), 6, 0, 1, 0, 0, true, 0);
}

// A point's name beside it; the lesson layout stays where it is.
lesson::LessonStep Name(const char* name, float colour, float x, float y) {
  return {kAtOnce, name, colour, AtX(x), AtY(y), kCaption};
}

void DrawRoutes(Program& p) {
  const lesson::LessonWork& w = p.work;
  SetRoutePoints(p);
  DrawCircle(p, kCentreO, kRadiusO, 0);
  DrawCircle(p, kCentreP, kRadiusP, 0);
  DrawCircle(p, kCentreQ, kRadiusQ, 0);
  DrawDottedMark(p, {kPointA, kPointB, 7, -1, 30, 5, "12cm", 7});
  // Route イ, then route ア in two parts.
  DrawCircle(p, kCentreO, kRadiusO, 3, 0.5f, 1);
  DrawCircle(p, kCentreP, kRadiusP, 5, 0, 0.5f);
  DrawCircle(p, kCentreQ, kRadiusQ, 5, 0.5f, 1);
  // The diameters AC and CB, dotted, each named under its middle.
  DrawDottedMark(p, {kPointA, kPointC, 0, 1, 0, 1, "P", 0, 0, 10});
  DrawDottedMark(p, {kPointC, kPointB, 0, 1, 0, 1, "Q", 0, 0, 10});
  for (float point : {kPointA, kPointB, kCentreP2, kPointC, kCentreQ2, kCentreO}) {
    DrawDisc(p, point);
  }
  const float y = w.PointY(kCentreO);
  lesson::ShowSteps(p, {
      Name("O", 0, w.PointX(kCentreO) + 6, y),
      Name("A", 0, w.PointX(kPointA) - 44, y - 22),
      Name("B", 0, w.PointX(kPointB) + 8, y - 22),
      Name("C", 0, w.PointX(kPointC) + 6, y),
      Name("イ", 3, w.PointX(kPointA) + 40, w.PointY(kPointA) - 200),
      Name("ア", 5, w.PointX(kCentreP), y + 150),
  });
}

void DrawDiameterOfP(Program& p) {
  DrawDottedMark(p, {kPointA, kPointC, 7, 1, 30, 5, "2rcm", 7});
}

constexpr lesson::StepLine kKeep = kKeepsLineEnd;

}  // namespace

lesson::Jump ShowSemicircleRoutes(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "7");
  DrawRoutes(p);
  lesson::ShowSteps(p, {{kKeyFirst, "円Pの直径を 2rcm とすると", 0, AtColumn(), Below(60)}});
  DrawDiameterOfP(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "円Pの半径は　rcm", 0, AtColumn(), Below(50)},
      {kAtOnce, "円Qの半径は、", 3, AtColumn(), Below(50)},
      // "/" outside a fraction is a division sign.
      {kKeyFirst, "(12-2r)/2=", 0},
      {kAtOnce, "6-r(cm)", 3},
      {kAtOnce, "アの行き方は、", 0, AtColumn(), Below(60), kKeep},
      {kKeyFirst, "2πr*ﾀ1/2ﾀ+2π(6-r)*ﾀ1/2ﾀ", 0, AtMargin(), Below(70), kKeep},
      {kKeyFirst, "=πr+π(6-r)", 0, AtMargin(), Below(60), kKeep},
      Worked("=πr+6π-πr", 50),
      {kAtOnce, "=6π…①", 3, AfterText(), OnLine(), kKeep},
      {kAtOnce, "イの行き方は、", 0, AtColumn(), Below(60), kKeep},
      {kKeyFirst, "12π*ﾀ1/2ﾀ", 0, AtMargin(), Below(70)},
      {kAtOnce, "=6π…②", 3},
      {kKeyFirst, "①、②から", 0, AfterText(80)},
      {kAtOnce, "同じになる。", 5, AfterText(), OnLine(), kKeep},
  });
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
