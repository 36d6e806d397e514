// 例5, a worked example with fraction coefficients: 1/3(2x+y)-1/6(x-5y) in five announced
// steps, dotted arcs showing how each coefficient multiplies the two terms of its bracket, one
// piece at every key press.
#include "corvane/fraction_terms/fraction_terms.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// The problem line, drawn piece by piece so that the arcs find their ends: each piece's start
// (plus `point_dx`, into its first glyph) is kept in PointX, slots 1 to 6 in order.
struct ProblemPiece {
  const char* text;
  float point_dx;
};
constexpr ProblemPiece kProblemPieces[] = {
    {"ﾀ1/3ﾀ(2", 10}, {"x+", 0}, {"y)-", 10}, {"ﾀ1/6ﾀ(", 0}, {"x-5", 10}, {"y)", 0},
};

// After the expanded row: each step is announced beside the row before it and carried out in
// the next row, 85 below.
struct AnnouncedStep {
  const char* label;
  const char* row;
  float colour;
};
constexpr AnnouncedStep kSteps[] = {
    {"②通分する", "=ﾀ4/6ﾀx+ﾀ2/6ﾀy-ﾀ1/6ﾀx+ﾀ5/6ﾀy", 0},
    {"③項を並べかえる", "=ﾀ4/6ﾀx-ﾀ1/6ﾀx+ﾀ2/6ﾀy+ﾀ5/6ﾀy", 0},
    {"④同類項をまとめる", "=ﾀ3/6ﾀx+ﾀ7/6ﾀy", 0},
    {"⑤約分する", "=ﾀ1/2ﾀx+ﾀ7/6ﾀy", 5},
};

void DrawProblemLine(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  const float top = l.LineY + 85;
  // The arcs start 12 above the line, at the coefficients, and end on its top, at the terms.
  p.work.PointY(1) = top - 12;
  p.work.PointY(2) = top;
  float x = l.MarginX + 36;
  float slot = 1;
  for (const ProblemPiece& piece : kProblemPieces) {
    p.work.PointX(slot) = x + piece.point_dx;
    lesson::DrawLessonText(p, piece.text, 0, x, top);
    x = l.LineEndX;
    ++slot;
  }
}

// A step's name at x 612 on the current row; the rows go on from the formula rows alone.
void AnnounceStep(lesson::Program& p, const char* label) {
  lesson::DrawCaptionText(p, label, 7, p.layout.MarginX + 540, p.layout.LineY);
  lesson::WaitForKey(p);
}

// From the coefficient at slot `from` to the term at slot `to`; `bulge` is the arc's height.
void DrawDistributionArc(lesson::Program& p, float from, float to, float bulge) {
  const auto& w = p.work;
  DrawArc(p, {w.PointX(from), w.PointY(1), w.PointX(to), w.PointY(2), 3, -1, bulge});
  lesson::WaitForKey(p);
}

}  // namespace

lesson::Jump ShowFractionCoefficientExample(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.rt.FE_SETDRAWWIDTH(5);
  p.layout.MarginX = 72;
  p.layout.LineY = 27;
  lesson::ShowSteps(p, {{kAtOnce, "例5　次の計算をしなさい。", 3, AtMargin(), OnLine()}});
  DrawProblemLine(p);
  lesson::WaitForKey(p);

  AnnounceStep(p, "①かっこをはずす");
  DrawDistributionArc(p, 1, 2, -10);
  DrawDistributionArc(p, 1, 3, -20);
  lesson::ShowSteps(p, {{kAtOnce, "=ﾀ2/3ﾀx+ﾀ1/3ﾀy", 0, AtMargin(), Below(75)}});
  lesson::WaitForKey(p);
  DrawDistributionArc(p, 4, 5, -10);
  DrawDistributionArc(p, 4, 6, -20);
  lesson::ShowSteps(p, {{kAtOnce, "-ﾀ1/6ﾀx+ﾀ5/6ﾀy", 0}});
  lesson::WaitForKey(p);

  for (const AnnouncedStep& step : kSteps) {
    AnnounceStep(p, step.label);
    lesson::ShowSteps(p, {{kAtOnce, step.row, step.colour, AtMargin(), Below(85)}});
    lesson::WaitForKey(p);
  }
  lesson::ShowSteps(p, {{kAtOnce, "教科書P18 問3　をしなさい。", 3, AtX(44), AtY(600)}});
  return {ShowFractionTermsMenu};
}

}  // namespace corvane
