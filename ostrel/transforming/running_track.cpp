// Example 3: a running track of two straights of length a joined by two semicircles of
// radius r. Its perimeter l = 2a + 2πr is built one term per key press while the part of the
// track each term measures turns to colour 7, and the formula is then solved for a.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "ostrel/figures.h"
#include "ostrel/step_names.h"
#include "ostrel/transforming/transforming.h"

namespace ostrel {

namespace {

// Slots of the figure's points in PointX/PointY.
constexpr float kLeftCentre = 1, kRightCentre = 2;          // of the two semicircles
constexpr float kUpperLeft = 3, kUpperRight = 4;            // ends of the upper straight
constexpr float kLowerLeft = 5, kLowerRight = 6;            // ends of the lower straight
constexpr float kCircleCentre = 11, kCircleTop = 12, kCircleBottom = 13;

constexpr float kRadius = 120;  // r: 3 grid cells

// The track stands on the right of the screen: the straights are 6 cells long, the radius is
// 3 cells, and the whole circle the two semicircles make lies below the track.
void SetTrackPoints(Program& p) {
  SetGridFrame(p, 684, 30, 13, 15, 40);
  SetGridPoints(p, {
      {kLeftCentre, 4, 11},   {kRightCentre, 10, 11},
      {kUpperLeft, 4, 14},    {kUpperRight, 10, 14},
      {kLowerLeft, 4, 8},     {kLowerRight, 10, 8},
      {kCircleCentre, 7, 3.5f}, {kCircleTop, 7, 6.5f}, {kCircleBottom, 7, 0.5f},
  });
}

void DrawStraight(Program& p, float from, float to, float colour) {
  const lesson::LessonWork& w = p.work;
  p.rt.PsLINE(w.PointX(from), w.PointY(from), w.PointX(to), w.PointY(to), false, colour, 0,
              colour);
}

void DrawStraights(Program& p, float colour) {
  DrawStraight(p, kUpperLeft, kUpperRight, colour);
  DrawStraight(p, kLowerLeft, kLowerRight, colour);
}

// An arc of radius r about a point, from `start` to `end` in fractions of a turn.
void DrawArc(Program& p, float centre, float start, float end, float colour) {
  p.rt.PsCIRCLE(p.work.PointX(centre), p.work.PointY(centre), kRadius, colour, 1, start, end,
                false, colour);
}

// The left half of the left circle and the right half of the right one.
void DrawSemicircles(Program& p, float colour) {
  DrawArc(p, kLeftCentre, 0.25f, 0.75f, colour);
  DrawArc(p, kRightCentre, 0.75f, 0.25f, colour);
}

// A dotted diameter, where a straight meets a semicircle or across the whole circle.
void DrawDottedDiameter(Program& p, float from, float to) {
  DrawDottedMark(p, {from, to, 0, 1, 0, 5, "", 3});
}

void DrawTrack(Program& p) {
  SetTrackPoints(p);
  DrawStraights(p, 0);
  DrawDottedDiameter(p, kUpperLeft, kLowerLeft);
  DrawDottedDiameter(p, kUpperRight, kLowerRight);
  DrawSemicircles(p, 0);
  DrawDottedMark(p, {kLeftCentre, kLowerLeft, 3, -1, 20, 8, "r", 3});
  DrawDottedMark(p, {kUpperLeft, kUpperRight, 3, 1, 20, 5, "a", 3});
}

// With 2πr: the two semicircles put together make a whole circle of radius r.
void ShowCircleOfSemicircles(Program& p) {
  DrawSemicircles(p, 7);
  DrawArc(p, kCircleCentre, 0, 0, 7);
  DrawDottedDiameter(p, kCircleTop, kCircleBottom);
  DrawDottedMark(p, {kCircleCentre, kCircleBottom, 3, -1, 20, 8, "r", 3});
}

}  // namespace

lesson::Jump ShowTrackExample(Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseScreen(p);
  l.ColumnX = 40;
  l.MarginX = l.ColumnX + 81;
  l.LineY = 30;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      {kAtOnce, "例題3 ", 3, AtColumn(), AtY(30)},
      {kAtOnce, "トラックの周の長さを", 0},
      {kAtOnce, "l ", 3},
      {kAtOnce, "とする。", 0},
  });
  DrawTrack(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(1)l", 3, AtColumn(), Below(50)},
      {kAtOnce, "をaとrを使って表しなさい。", 0},
      {kKeyFirst, "l=", 3, AtMargin(), Below(50)},
      {kKeyFirst, "2a", 3},
  });
  DrawStraights(p, 7);
  lesson::ShowSteps(p, {{kKeyFirst, "+2πr", 3}});
  ShowCircleOfSemicircles(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(2)", 3, AtColumn(), Below(50)},
      {kAtOnce, "aを求める式をつくりなさい。", 0},
      {kKeyFirst, "両辺を入れかえて", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "2a+2πr=l", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2πr を移項して", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "2a=l-2πr", 0, AtMargin(), Below(50)},
      {kKeyFirst, "両辺を2 でわって", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "ﾀ2a/2ﾀ=ﾀl/2ﾀ-ﾀ2πr/2ﾀ", 0, AtMargin(), Below(70)},
      {kKeyFirst, "a=ﾀl/2ﾀ-πr", 5, AtMargin(), Below(90)},
  });
  return {ShowTransformingMenu};
}

}  // namespace ostrel
