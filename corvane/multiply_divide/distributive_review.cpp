// The review of the distributive law: five calculations worked on one screen, one step per
// key. (1) 3(4x+5), (2) (2x-4)×(-5) and (3) 2/5(15x-10) multiply; (4) (15x+30)÷5 and
// (5) (6x-8)÷2/3 are rewritten as products with the reciprocal first. Each shows its
// distribution arcs, its expanded line, for (3) to (5) the cancellation marks, and its result.
#include <array>
#include <initializer_list>

#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/multiply_divide/worked_lines.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

constexpr float kWorkColour = 0;
constexpr float kMarkColour = 3;
constexpr float kColumnStep = 396;

// A calculation's label, with its problem continuing after it.
void StartCalculation(lesson::Program& p, const char* label, float y) {
  lesson::DrawLessonText(p, label, kMarkColour, p.layout.MarginX - 64, y);
}

// A worked line at the margin, `dy` below the line before, drawn in pieces.
void StartLine(lesson::Program& p, float dy) {
  p.layout.LineEndX = p.layout.MarginX;
  p.layout.LineY += dy;
}

// The two arcs from the multiplier to the terms it multiplies, one per key: from the anchor
// `from` to the x of the anchors `near` and `far`, on the y of the anchor `to_y`. Each arc is
// given as its anchor, colour and height; they are drawn in the order given.
struct ArcTo {
  float anchor;
  float colour;
  float height;
};
void DrawArcs(lesson::Program& p, float from, float to_y, float side,
              std::initializer_list<ArcTo> arcs) {
  const lesson::LessonWork& w = p.work;
  for (const ArcTo& arc : arcs) {
    lesson::WaitForKey(p);
    DrawArc(p, {w.PointX(from), w.PointY(from), w.PointX(arc.anchor), w.PointY(to_y), arc.colour,
                side, -arc.height});
  }
}

// A piece of an expanded line whose numbers cancel: a term's number (`digits` long) or a
// fraction whose one-character denominator cancels. Each leaves an anchor, 1 to 4 in line
// order: a number its top-left, a fraction its denominator's.
struct CancelPiece {
  const char* text;
  float digits;  // 0: a fraction
  const char* reduced = "1";
};
using ExpandedLine = std::array<CancelPiece, 4>;

// The expanded line at the margin, `dy` below the line before.
void DrawExpandedLine(lesson::Program& p, float dy, const ExpandedLine& line) {
  StartLine(p, dy);
  DrawPieces(p, kWorkColour, {{"="}});
  float anchor = 1;
  for (const CancelPiece& piece : line) {
    if (piece.digits > 0) {
      DrawPieces(p, kWorkColour, {{piece.text, anchor}});
    } else {
      DrawPieces(p, kWorkColour, {{piece.text}});
      p.work.PointX(anchor) = p.renderer.DenominatorX;
      p.work.PointY(anchor) = p.renderer.DenominatorY;
    }
    ++anchor;
  }
}

// The line's cancellation marks, all at once, in line order: a number struck out with its
// reduced value above it, a denominator struck out with "1" under it. In the divisions the
// reduced values move the line on, so that the result stands below them.
void DrawCancellations(lesson::Program& p, const ExpandedLine& line, bool values_move_line) {
  float anchor = 1;
  for (const CancelPiece& piece : line) {
    const float x = p.work.PointX(anchor);
    const float y = p.work.PointY(anchor);
    ++anchor;
    float value_y = y + 8;
    if (piece.digits > 0) {
      DrawCancelStroke(p, x, y + 40, 27 * piece.digits, -38);
      value_y = y - 28;
    } else {
      DrawCancelStroke(p, x, y + 30, 32, -28);
    }
    if (values_move_line) {
      lesson::DrawLessonText(p, piece.reduced, kMarkColour, x - 20, value_y);
    } else {
      lesson::DrawCaptionText(p, piece.reduced, kMarkColour, x - 20, value_y);
    }
  }
}

// (1) and (2) in the first column; each arc runs from the multiplier to a term's middle.
void WorkMultiplications(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  StartCalculation(p, "(1) ", l.LineY + 95);
  DrawPieces(p, kWorkColour, {{"3(4", 1, 10}, {"x+", 2}, {"5)", 3, 10}});
  DrawArcs(p, 1, 1, -1, {{2, 7, 10}, {3, 7, 20}});
  lesson::ShowSteps(p, {
      {kKeyFirst, "=3*4x+3*5", kWorkColour, AtMargin(), Below(65)},
      {kKeyFirst, "=12x+15", 5, AtMargin(), Below(65)},
  });

  // The multiplier stands on the right: the arcs run back to the terms.
  lesson::WaitForKey(p);
  StartCalculation(p, "(2) ", l.LineY + 95);
  DrawPieces(p, kWorkColour, {{"(2", 1}, {"x-", 1}, {"4)*(-", 2}, {"5)", 3, 10}});
  DrawArcs(p, 3, 1, 1, {{1, 3, 20}, {2, 3, 10}});
  lesson::ShowSteps(p, {
      {kKeyFirst, "=2x*(-5)-4*(-5)", kWorkColour, AtMargin(), Below(65)},
      {kKeyFirst, "=-10x+20", 5, AtMargin(), Below(65)},
  });
}

// (3) opens the second column: a fraction times a bracket, cancelled term by term. The arcs
// start 12 above the line, 10 into the fraction.
void WorkFractionMultiplier(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::WaitForKey(p);
  l.MarginX += kColumnStep;
  l.LineY = 60;
  StartCalculation(p, "(3) ", l.LineY);
  DrawPieces(p, kWorkColour, {{"ﾀ2/5ﾀ(1", 1, 10, -12}, {"5x-1", 2}, {"0)", 3}});
  DrawArcs(p, 1, 2, -1, {{2, 3, 10}, {3, 3, 20}});
  const ExpandedLine expanded{{{"ﾀ2/5ﾀ*", 0}, {"15x-", 2, "3"}, {"ﾀ2/5ﾀ*", 0}, {"10", 2, "2"}}};
  lesson::WaitForKey(p);
  DrawExpandedLine(p, 80, expanded);
  lesson::WaitForKey(p);
  DrawCancellations(p, expanded, false);
  lesson::ShowSteps(p, {{kKeyFirst, "=6x-4", 5, AtMargin(), Below(95)}});
}

// A division, rewritten as a product with the reciprocal, whose piece is the last one and
// holds anchor 3: the arcs run from it back to the terms, the farther first.
struct Division {
  const char* label;
  const char* problem;
  std::array<Piece, 4> rewritten;
  ExpandedLine expanded;
  const char* result;
};

void WorkDivision(lesson::Program& p, const Division& d) {
  lesson::LessonLayout& l = p.layout;
  StartCalculation(p, d.label, l.LineY);
  lesson::ContinueLessonText(p, d.problem, kWorkColour);
  lesson::WaitForKey(p);
  StartLine(p, 85);
  DrawPieces(p, kWorkColour, d.rewritten);
  DrawArcs(p, 3, 1, 1, {{1, 3, 20}, {2, 3, 10}});
  lesson::WaitForKey(p);
  DrawExpandedLine(p, 80, d.expanded);
  lesson::WaitForKey(p);
  DrawCancellations(p, d.expanded, true);
  lesson::ShowSteps(p, {{kKeyFirst, d.result, 5, AtMargin(), Below(65)}});
}

void WorkDivisions(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  // (4) below (3), indented further.
  lesson::WaitForKey(p);
  l.MarginX += 72;
  l.LineY += 65;
  WorkDivision(p, {"(4) ", "(15x+30)/5",
                   {{{"=(1", 1}, {"5x+3", 1}, {"0)*", 2}, {"ﾀ1/5ﾀ", 3, 10, -12}}},
                   {{{"15x*", 2, "3"}, {"ﾀ1/5ﾀ+", 0}, {"30*", 2, "6"}, {"ﾀ1/5ﾀ", 0}}},
                   "=3x+6"});
  // (5) opens a third column at the top of the screen.
  lesson::WaitForKey(p);
  l.MarginX += kColumnStep;
  l.LineY = 30;
  WorkDivision(p, {"(5) ", "(6x-8)/ﾀ2/3ﾀ",
                   {{{"=(6", 1}, {"x-", 1}, {"8)*", 2, 10}, {"ﾀ3/2ﾀ", 3, 10, -12}}},
                   {{{"6x*", 1, "3"}, {"ﾀ3/2ﾀ-", 0}, {"8*", 1, "4"}, {"ﾀ3/2ﾀ", 0}}},
                   "=9x-12"});
}

}  // namespace

lesson::Jump ShowDistributiveReview(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  l.PanelX = 40;
  l.PanelY = 30;
  l.MarginX = l.PanelX + 72;
  l.LineY = l.PanelY;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {{kAtOnce, "復習 次の計算をしなさい。", 0, AtMargin(-72), OnLine()}});
  WorkMultiplications(p);
  WorkFractionMultiplier(p);
  WorkDivisions(p);
  return {ShowMultiplyDivideMenu};
}

}  // namespace corvane
