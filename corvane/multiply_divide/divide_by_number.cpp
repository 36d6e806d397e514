// ① of the division practice: (bx+cy)÷d, where b and c are multiples of the size of d. The
// problem, the line with the reciprocal 1/d, the two arcs from it back to the terms, the
// products, the cancellation of each product and the result.
#include <string>

#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/multiply_divide/practice.h"
#include "corvane/multiply_divide/worked_lines.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {
constexpr float kWorkColour = 0;
}

void GenerateDivideByNumberProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  w.PointX(1) = 2;
  w.PointX(2) = 3;
  w.PointX(3) = 5;
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  const float size = w.AuxValues(1) = w.PointX(p.layout.RandomPick);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 0, 2);
  const float d = w.TermValues(1) = p.layout.RandomPick == 0 ? -size : size;
  // The coefficients are multiples of d's size: each quotient is whole.
  w.TermValues(12) = lesson::PickRandomSigned(p, 1, 5);
  w.TermValues(13) = lesson::PickRandomSigned(p, 1, 5);
  w.TermValues(2) = w.TermValues(12) * size;
  w.TermValues(3) = w.TermValues(13) * size;
  w.TermValues(4) = w.TermValues(2) / d;
  w.TermValues(5) = w.TermValues(3) / d;
  // The reciprocal.
  WriteProblemTexts(p, 1, d);
  // A negative divisor and its reciprocal stand in brackets.
  if (d < 0) {
    w.TermTexts(1) = lesson::BracketedIfMinus(p, w.TermTexts(1));
    w.FactorTexts(1) = lesson::BracketedIfMinus(p, w.FactorTexts(1));
  }
}

void ShowDivideByNumberSolution(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  StartStageProblem(p, "①", w.SavedX(31) - 80, w.SavedY(31), 1500);
  lesson::DrawLessonText(p, "(" + w.TermTexts(2) + "x" + w.TermTexts(3) + "y)/" + w.TermTexts(1),
                         kWorkColour, l.MarginX + 40, l.LineY);

  // The division as a product with the reciprocal; the arcs run from the reciprocal's
  // fraction, past "(-" when it is bracketed, back to the first digit of each term.
  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, "=(", kWorkColour, l.MarginX, l.LineY + 100);
  DrawPieces(p, kWorkColour, {{w.TermTexts(2) + "x", 2, 27},
                              {w.TermTexts(3) + "y)*", 3, 27},
                              {w.FactorTexts(1), 1, 27}});
  p.text.WorkText = "(-";
  lesson::MeasureTextWidth(p);
  if (w.TermValues(1) < 0) w.PointX(1) += p.values.MeasuredWidth;
  if (w.TermValues(2) < 0) w.PointX(2) += 27;
  DrawDistributionArcs(p, w.PointX(1), w.PointY(1) - 20, w.PointX(2), w.PointX(3) + 27,
                       w.PointY(1), 1, 2, 1);

  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, "=", kWorkColour, l.MarginX, l.LineY + 90);
  KeepLineEnd(p, 1);
  lesson::ContinueLessonText(p, w.TermTexts(2) + "x*", kWorkColour);
  lesson::ContinueLessonText(p, w.FactorTexts(1), kWorkColour);
  KeepDenominator(p, 2);
  KeepLineEnd(p, 3);
  lesson::ContinueLessonText(p, w.TermTexts(3) + "y*", kWorkColour);
  lesson::ContinueLessonText(p, w.FactorTexts(1), kWorkColour);
  KeepDenominator(p, 4);

  // The size of d cancels against each coefficient, whose stroke starts past its sign: a
  // minus, or the second term's "+".
  lesson::WaitForKey(p);
  CancelProducts(p, w.TermValues(2) < 0 ? 27 : 0, 27);
  DrawStageResult(p, "x", "y");
}

}  // namespace corvane
