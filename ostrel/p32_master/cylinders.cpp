// Exercise 8 of page 32: cylinder A (radius r, height h) and cylinder B (radius 2r, height
// h/2) side by side, their volumes, base areas and lateral areas worked out, and the answer.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/figures.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// The corners and centres of a cylinder's outline, by their slots in PointX/PointY: the
// left side from top to bottom, the right side from bottom to top, the centres of the bottom
// and the top.
struct Cylinder {
  float top_left, bottom_left, bottom_right, top_right, bottom_centre, top_centre;
};
constexpr Cylinder kCylinderA{1, 2, 3, 4, 5, 6};
constexpr Cylinder kCylinderB{21, 22, 23, 24, 25, 26};

// A is 6 cells wide (2r) and 10 high (h); B, 2 cells right of it, is 12 wide (2 · 2r) and 5
// high (h/2); both stand on the line 1 cell up.
void SetCylinderPoints(Program& p) {
  SetGridFrame(p, 560, 60, 22, 14, 30);
  const float a_left = 1, a_top = 11, a_bottom = a_top - 10, a_right = a_left + 6;
  const float b_left = a_right + 2, b_top = 6, b_bottom = b_top - 5, b_right = b_left + 12;
  SetGridPoints(p, {
      {kCylinderA.top_left, a_left, a_top},
      {kCylinderA.bottom_left, a_left, a_bottom},
      {kCylinderA.bottom_right, a_right, a_bottom},
      {kCylinderA.top_right, a_right, a_top},
      {kCylinderA.bottom_centre, a_left + 3, a_bottom},
      {kCylinderA.top_centre, a_left + 3, a_top},
      {kCylinderB.top_left, b_left, b_top},
      {kCylinderB.bottom_left, b_left, b_bottom},
      {kCylinderB.bottom_right, b_right, b_bottom},
      {kCylinderB.top_right, b_right, b_top},
      {kCylinderB.bottom_centre, b_left + 6, b_bottom},
      {kCylinderB.top_centre, b_left + 6, b_top},
  });
}

// How densely an outline's ellipse halves are dotted (degrees between dots): the top all
// round and the front of the bottom densely, the hidden back of the bottom sparsely.
struct EllipseDots {
  float top, bottom_front, bottom_back;
};

struct CylinderFigure {
  const Cylinder& points;
  const char* name;
  EllipseDots dots;
  const char* height_label;
  float radius_dots;
  const char* radius_label;
};

void DrawStraight(Program& p, float from, float to) {
  const lesson::LessonWork& w = p.work;
  p.rt.PsLINE(w.PointX(from), w.PointY(from), w.PointX(to), w.PointY(to), false, 0, 0, 0);
}

// The name above the top, the sides, the two ellipses (front halves below their chords,
// back halves above) and the height and radius marks with their labels.
void DrawCylinder(Program& p, const CylinderFigure& c) {
  const Cylinder& at = c.points;
  const lesson::LessonWork& w = p.work;
  lesson::ShowSteps(p, {{kAtOnce, c.name, 3, AtX(w.PointX(at.top_centre) - 57),
                         AtY(w.PointY(at.top_centre) - 95), kCaption}});
  DrawStraight(p, at.top_left, at.bottom_left);
  DrawStraight(p, at.bottom_right, at.top_right);
  DrawDottedMark(p, {at.top_left, at.top_right, 0, 1, 30, c.dots.top});
  DrawDottedMark(p, {at.top_left, at.top_right, 0, -1, -30, c.dots.top});
  DrawDottedMark(p, {at.bottom_left, at.bottom_right, 0, 1, 30, c.dots.bottom_front});
  DrawDottedMark(p, {at.bottom_left, at.bottom_right, 0, -1, 30, c.dots.bottom_back});
  DrawDottedMark(p, {at.top_left, at.bottom_left, 3, 1, 20, 9, c.height_label, 3});
  DrawDottedMark(p, {at.bottom_left, at.bottom_centre, 3, -1, 0, c.radius_dots, c.radius_label,
                     3, 10});
}

void DrawCylinders(Program& p) {
  SetCylinderPoints(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawCylinder(p, {kCylinderA, "円柱A", {2, 2, 6}, "h", 5, "r"});
  DrawCylinder(p, {kCylinderB, "円柱B", {1, 1, 5}, "ﾀh/2ﾀ", 3, "2r"});
}

constexpr lesson::StepLine kKeep = kKeepsLineEnd;

lesson::LessonStep Line(const char* text, float colour, float gap,
                        lesson::StepLine line = lesson::kMovesLine) {
  return {kAtOnce, text, colour, AtColumn(), Below(gap), line};
}
lesson::LessonStep Piece(const char* text, float colour,
                         lesson::StepLine line = lesson::kMovesLine) {
  return {kAtOnce, text, colour, AfterText(), OnLine(), line};
}

}  // namespace

lesson::Jump ShowCylinderComparison(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "8");
  DrawCylinders(p);
  lesson::ShowSteps(p, {
      Line("円柱A", 7, 60),
      Line("体積は、π*r^2*h", 0, 50),
      Piece("=πr^2h", 3, kKeep),
      Line("底面積は、", 0, 50),
      Piece("πr^2", 3, kKeep),
      Line("側面積は、", 0, 50),
      Piece("h*2πr", 0),
      Piece("=2πrh", 3, kKeep),
      Line("円柱B", 7, 60, kKeep),
      Line("体積は、π*(2r)^2*ﾀ1/2ﾀh", 0, 60, kKeep),
      Line("=π*4r^2*ﾀ1/2ﾀh", 0, 60),
      Piece("=2πr^2h", 3, kKeep),
      Line("底面積は、", 0, 60),
      Piece("π(2r)^2", 0),
      Piece("=4πr^2", 3),
      Line("側面積は、", 0, 60),
      Piece("ﾀ1/2ﾀh*2π*2r", 0),
      Piece("=2πrh", 3),
      Line("だから", 0, 60),
      Piece("正しいものは(イ)と(エ)", 5, kKeep),
  });
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
