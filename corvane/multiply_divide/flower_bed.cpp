// The review task: a flower bed 3 m by 2a m made 1 m longer on its 2a-m side. Its grid of
// boxes with length marks, the area written 3(2a+1), the boxes filled with their widths, the
// area 6a+3 and its expansion 3×2a+3×1 with the distribution arcs, nine keys in all.
#include <array>

#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/multiply_divide/worked_lines.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

constexpr float kBoxHeight = 70;
// The grid's top, 120 below the task's second line.
constexpr float kGridTop = 90 + 120;
constexpr float kArcColour = 3;

// The grid's columns: the two a-wide ones, then the one added, 1 m wide.
struct BedColumn {
  float left;  // from the grid's left edge
  float width;
  float fill;
  const char* width_text;
};
constexpr std::array<BedColumn, 3> kColumns{{
    {0, 88, 9, "a"},
    {88, 88, 9, "a"},
    {176, 70, 7, "1"},
}};

// One box of the grid (rows from 0); its width written in it from key 4 on.
void DrawBedBox(lesson::Program& p, const BedColumn& column, int row, bool with_width) {
  lesson::FigureState& f = p.figure;
  f.BoxWidth = column.width;
  f.BoxHeight = kBoxHeight;
  f.LineColour = 0;
  f.FillColour = column.fill;
  p.text.WorkText = with_width ? column.width_text : "";
  p.text.TextColour = 5;
  p.text.TextX = p.layout.ColumnAnswerX + column.left;
  p.text.TextY = kGridTop + kBoxHeight * static_cast<float>(row);
  lesson::DrawBoxedText(p);
}

// The two wide columns row by row, left to right in each row; the added column top to bottom.
void DrawWideBoxes(lesson::Program& p, bool with_width) {
  for (int row = 0; row < 3; ++row) {
    DrawBedBox(p, kColumns[0], row, with_width);
    DrawBedBox(p, kColumns[1], row, with_width);
  }
}
void DrawAddedBoxes(lesson::Program& p, bool with_width) {
  for (int row = 0; row < 3; ++row) DrawBedBox(p, kColumns[2], row, with_width);
}

// A length mark: a dotted arc along an edge of the grid with the length beside it.
void DrawLengthMark(lesson::Program& p, float x0, float y0, float x1, float y1, float side,
                    float step, const char* length) {
  DrawArc(p, {x0, y0, x1, y1, kArcColour, side, 1, step, length, 0});
}

}  // namespace

lesson::Jump ShowFlowerBedReview(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.rt.FE_SETDRAWWIDTH(5);
  // The margin follows the panel corner that the screens before left.
  l.MarginX = l.PanelX + 44;
  l.LineY = 30;
  const float m = l.MarginX;
  lesson::ShowSteps(p, {
      {kAtOnce, "縦3m,横2amの長方形の花壇があります。", 0, AtMargin(), OnLine()},
      {kAtOnce, "横を1mだけのばしたときの花壇の面積を求めなさい。", 0, AtMargin(), AtY(90)},
  });
  // The grid's left edge.
  l.ColumnAnswerX = m + 100;
  const float x0 = l.ColumnAnswerX;
  DrawWideBoxes(p, false);
  DrawLengthMark(p, x0, kGridTop, x0, kGridTop + 3 * kBoxHeight, 1, 2, "3m");
  DrawLengthMark(p, x0, kGridTop, x0 + 176, kGridTop, -1, 1, "2am");

  lesson::WaitForKey(p);
  DrawAddedBoxes(p, false);
  DrawLengthMark(p, x0 + 176, kGridTop, x0 + 246, kGridTop, -1, 2, "1m");

  lesson::ShowSteps(p, {{kKeyFirst, "<式>", 5, AtMargin(440), AtY(150)}});
  lesson::WaitForKey(p);
  // 3(2a+1): the arcs start 10 into the 3 and end between the 2 and the a, and 10 into the 1.
  l.LineEndX = m + 484;
  l.LineY = 210;
  DrawPieces(p, 0, {{"3(2", 1, 10}, {"a+", 2}, {"1)", 3, 10}});
  const float formula_y = p.work.PointY(1);

  lesson::WaitForKey(p);
  DrawWideBoxes(p, true);
  DrawAddedBoxes(p, true);
  lesson::ShowSteps(p, {
      {kKeyFirst, "=6a+3 (m^2)", 5, AtMargin(440), AtY(350)},
      {kKeyFirst, "=3*2a+3*1", 0, AtMargin(440), AtY(formula_y + 70)},
  });
  const float from = p.work.PointX(1);
  lesson::WaitForKey(p);
  DrawArc(p, {from, formula_y, p.work.PointX(2), formula_y, kArcColour, -1, 1});
  lesson::WaitForKey(p);
  DrawArc(p, {from, formula_y, p.work.PointX(3), formula_y, kArcColour, -1, 2});
  lesson::ShowSteps(p, {{kKeyFirst, "分配法則を使う！", 3, AtMargin(440), AtY(430)}});
  return {ShowMultiplyDivideMenu};
}

}  // namespace corvane
