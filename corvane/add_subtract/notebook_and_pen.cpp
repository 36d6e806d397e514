// The notebook-and-pen problem that opens the chapter: a notebook costs a yen and a pen b yen;
// what do the sister (5 notebooks, 3 pens) and the brother (2 notebooks, 5 pens) pay, and
// what are the sum and the difference of the two amounts? Each purchase is drawn as a row of
// small pictures.
#include <cmath>

#include "corvane/add_subtract/add_subtract.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// The screen point of (u, v) in the frame's cells: u rightwards from its left edge, v upwards
// from its bottom edge.
float FrameX(const lesson::Program& p, float u) { return p.figure.AxisX + p.figure.GridCell * u; }
float FrameY(const lesson::Program& p, float v) { return p.figure.AxisY - p.figure.GridCell * v; }

// Lays out a frame of `columns` by 3 cells of 50 at the grid origin without drawing it.
void LayOutFrame(lesson::Program& p, float columns) {
  lesson::FigureState& f = p.figure;
  f.GridColumns = columns;
  f.BoxHeight = 3;
  f.GridCell = 50;
  f.LineColour = 15;
  lesson::DrawSquareGrid(p);
}

// A filled box between the frame points (u1, v1) and (u2, v2), remembered in
// PointX/PointY(first) and (first + 1).
void DrawFrameBox(lesson::Program& p, float first, float u1, float v1, float u2, float v2,
                  float border, float fill) {
  p.work.PointX(first) = FrameX(p, u1);
  p.work.PointY(first) = FrameY(p, v1);
  p.work.PointX(first + 1) = FrameX(p, u2);
  p.work.PointY(first + 1) = FrameY(p, v2);
  p.rt.PsLINE(p.work.PointX(first), p.work.PointY(first), p.work.PointX(first + 1),
              p.work.PointY(first + 1), false, border, 2, fill);
}

// A row of pictures right of the question line just drawn, its frames' tops 20 above it.
void DrawPictureRow(lesson::Program& p, float notebooks, float pens) {
  float& i = p.figure.IconIndex;
  const float top = p.layout.LineY - 20;
  for (i = 1; i <= notebooks; ++i) {
    // Each notebook's frame begins 50 after the one before, over the right half of its body.
    p.figure.GridOriginX = p.layout.LineEndX + 200 + 50 * (i - 1);
    p.figure.GridOriginY = top;
    DrawNotebookIcon(p);
  }
  for (i = 1; i <= pens; ++i) {
    p.figure.GridOriginX = p.figure.GridRight;
    p.figure.GridOriginY = top;
    DrawPenIcon(p);
  }
}

}  // namespace

void DrawNotebookIcon(lesson::Program& p) {
  LayOutFrame(p, 3);
  const float height = 2 * std::sqrt(2.0f);  // an exercise book's sides are 1 : √2
  DrawFrameBox(p, 1, 0, height, 2, 0, 0, 9);
  DrawFrameBox(p, 3, 0.2f, height - 0.5f, 1.8f, height - 0.8f, 15, 15);
  lesson::DrawCaptionText(p, "a", 0, p.figure.GridOriginX + p.figure.GridCell - 14,
                          p.work.PointY(4) + 50);
}

void DrawPenIcon(lesson::Program& p) {
  LayOutFrame(p, 1);
  DrawFrameBox(p, 1, 0.2f, 2, 0.6f, 0, 0, 11);
  // The letter stands over the body's left edge, at the frame's top.
  p.work.PointX(3) = FrameX(p, 0.2f);
  p.work.PointY(3) = FrameY(p, 3);
  lesson::DrawCaptionText(p, "b", 0, p.work.PointX(3), p.work.PointY(3));
  // The band is a little wider than the body, so that it covers the body's border.
  DrawFrameBox(p, 5, 0.19f, 2, 0.61f, 1.6f, 5, 5);
}

lesson::Jump ShowNotebookPenProblem(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1760, 1300);
  p.layout.MarginX = 40;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {{kAtOnce, "ノート1冊a円、ペン1本b円です。", 0, AtMargin(), OnLine()}});
  p.figure.GridOriginX = p.layout.LineEndX + 40;
  p.figure.GridOriginY = p.layout.LineY;
  DrawNotebookIcon(p);
  p.figure.GridOriginX = p.figure.GridRight;
  p.figure.GridOriginY = p.layout.LineY;
  DrawPenIcon(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "姉はノート5冊とペン3本、", 0, AtMargin(), Below(50)},
      {kAtOnce, "弟はノート2冊とペン5本買いました。", 0, AtMargin(), Below(50)},
      {kKeyFirst, "姉の代金は？", 7, AtMargin(), Below(80)},
  });
  DrawPictureRow(p, 5, 3);
  lesson::ShowSteps(p, {
      {kKeyFirst, "5a+3b(円)", 3, AtMargin(), Below(70)},
      {kKeyFirst, "弟の代金は？", 7, AtMargin(), Below(80)},
  });
  DrawPictureRow(p, 2, 5);
  lesson::ShowSteps(p, {
      {kKeyFirst, "2a+5b(円)", 3, AtMargin(), Below(70)},
      {kKeyFirst, "2人の代金の合計は？", 7, AtMargin(), Below(80)},
      {kKeyFirst, "5a+3b+2a+5b(円) ?", 3, AfterText(50), OnLine()},
      {kKeyFirst, "2人の代金の差は？", 7, AtMargin(), Below(50)},
      {kKeyFirst, "5a+3b-2a+5b(円) ?", 3, AfterText(50), OnLine()},
      {kKeyFirst, "これでいいのだろうか？", 7, AtMargin(), Below(50)},
  });
  return {ShowAddSubtractMenu};
}

}  // namespace corvane
