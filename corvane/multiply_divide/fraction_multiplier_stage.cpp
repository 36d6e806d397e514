// ③ of the multiplication practice: a fraction p/q times bx+cy, where b and c are multiples of
// q, so that q cancels against each and the result is whole. The problem, the two arcs, the
// products with the fraction before each term, the cancellation of each product, the result;
// after the last problem the rule of the practice below it.
#include <string>

#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/multiply_divide/practice.h"
#include "corvane/multiply_divide/worked_lines.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

constexpr float kWorkColour = 0;

void ShowFractionMultiplierSolution(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  StartStageProblem(p, "③", w.SavedX(31) - 80, w.SavedY(31), 1500);
  std::string& fraction = w.FactorTexts(1);
  l.LineEndX = l.MarginX + 40;
  DrawPieces(p, kWorkColour, {{fraction + "(", 1, 27},
                              {w.TermTexts(2) + "x", 2, 27},
                              {w.TermTexts(3) + "y)", 3, 27}});
  // From 20 above the line at the fraction.
  DrawDistributionArcs(p, w.PointX(1), w.PointY(1) - 20, w.PointX(2), w.PointX(3), w.PointY(1),
                       -1, 1, 2);

  // The products: the fraction before each term, a negative term in brackets; the second
  // product joined by the fraction's own sign.
  lesson::WaitForKey(p);
  w.TermTexts(22) = w.TermTexts(2) + "x";
  if (w.TermValues(2) < 0) w.TermTexts(22) = lesson::BracketedIfMinus(p, w.TermTexts(22));
  lesson::DrawLessonText(p, "=", kWorkColour, l.MarginX, l.LineY + 90);
  lesson::ContinueLessonText(p, fraction + "*", kWorkColour);
  KeepDenominator(p, 2);
  KeepLineEnd(p, 1);
  lesson::ContinueLessonText(p, w.TermTexts(22), kWorkColour);
  if (w.TermValues(1) > 0) fraction = "+" + fraction;
  w.TermTexts(23) = w.TermValues(3) > 0 ? lesson::WithoutLeadingPlus(p, w.TermTexts(3) + "y")
                                        : lesson::BracketedIfMinus(p, w.TermTexts(3) + "y");
  lesson::ContinueLessonText(p, fraction + "*", kWorkColour);
  KeepDenominator(p, 4);
  KeepLineEnd(p, 3);
  lesson::ContinueLessonText(p, w.TermTexts(23), kWorkColour);

  // q cancels against each coefficient, whose stroke starts at its first digit: past "(-"
  // when the term is bracketed.
  lesson::WaitForKey(p);
  p.text.WorkText = "(-";
  lesson::MeasureTextWidth(p);
  const float bracket = p.values.MeasuredWidth;
  CancelProducts(p, w.TermValues(2) < 0 ? bracket : 0, w.TermValues(3) < 0 ? bracket : 0);
  DrawStageResult(p, "x", "y");
}

// The rule of the practice, 80 below the last result.
void ShowMultiplicationRule(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  w.SavedX(31) = l.MarginX;
  w.SavedY(31) = l.LineY + 80;
  StartAtStageCorner(p);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      {kAtOnce, "<多項式と数の乗法>", 3, AtMargin(), OnLine()},
      {kAtOnce, "分配法則を使って計算する", 0, AtMargin(), Below(50)},
      {kAtOnce, "(a+b)*c=ac+bc", 7, AtMargin(), Below(50)},
      {kAtOnce, "c(a+b)=ac+bc", 7, AtMargin(), Below(50)},
      {kAtOnce, "※cが分数の場合でも同じ", 5, AtMargin(), Below(50)},
  });
}

}  // namespace

void GenerateFractionMultiplierProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // q is one of 2, 3, 5; the numerator one of the two others or 1, so that p/q is never
  // whole and in lowest terms.
  WriteCandidates(p, 2, 3, 5, 1);
  const float q = PickCandidate(p);
  w.AuxValues(1) = q;
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  w.TermValues(1) = w.PointX(p.layout.RandomPick);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 0, 2);
  if (p.layout.RandomPick == 0) w.TermValues(1) = -w.TermValues(1);
  // The bracket's coefficients are multiples of q: q cancels into each.
  const float m = w.TermValues(12) = lesson::PickRandomSigned(p, 1, 5);
  const float n = w.TermValues(13) = lesson::PickRandomSigned(p, 1, 5);
  w.TermValues(2) = m * q;
  w.TermValues(3) = n * q;
  w.TermValues(4) = w.TermValues(1) * m;
  w.TermValues(5) = w.TermValues(1) * n;
  WriteProblemTexts(p, w.TermValues(1), q);
}

void RunFractionMultiplierStage(lesson::Program& p) {
  // The right half of the page, from its top.
  RunPracticeStage(p, p.layout.MarginX + 640, 30, [&] {
    GenerateFractionMultiplierProblem(p);
    ShowFractionMultiplierSolution(p);
  });
  ShowMultiplicationRule(p);
}

}  // namespace corvane
