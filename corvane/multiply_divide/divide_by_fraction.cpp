// ② of the division practice: (Ba+Cb)÷(q/p), q and p different primes and B, C multiples of
// |q|. The problem, the product with the reciprocal p/q, one fraction per term, the
// cancellation of |q| in each fraction and the result.
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
// Every character of a fraction's part stands in a cell this wide.
constexpr float kFractionCell = 32;

// Strikes the digits of a fraction's part whose top-left is kept at SavedX/SavedY(slot): a
// leading minus cell is stepped over. `left` is written above a numerator, under a
// denominator.
void CancelPart(lesson::Program& p, float slot, const std::string& text, bool negative,
                const std::string& left, LeftValue place) {
  lesson::LessonWork& w = p.work;
  float cells = CharCount(text);
  if (negative) {
    w.SavedX(slot) += kFractionCell;
    cells -= 1;
  }
  StrikeOut(p, w.SavedX(slot), w.SavedY(slot), kFractionCell * cells, 28, left, place);
}

// The fraction of a term: its coefficient's digits struck with the value left above, and the
// denominator q struck with 1 under it.
void CancelFraction(lesson::Program& p, float numerator, const std::string& coefficient,
                    bool negative, const std::string& left, float denominator) {
  lesson::LessonWork& w = p.work;
  CancelPart(p, numerator, coefficient, negative, left, LeftValue::kAbove);
  CancelPart(p, denominator, w.AuxTexts(1), w.AuxValues(1) < 0, "1", LeftValue::kBelow);
}

}  // namespace

void GenerateDivideByFractionProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // The divisor's numerator q is one of 2, 3, 5, its denominator one of the other primes up to
  // 7; the sign is q's.
  WriteCandidates(p, 2, 3, 5, 7);
  w.AuxValues(1) = PickCandidate(p);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  const float denominator = w.TermValues(1) = w.PointX(p.layout.RandomPick);
  p.layout.RandomPick = lesson::PickRandomWhole(p, 0, 2);
  if (p.layout.RandomPick == 0) w.AuxValues(1) = -w.AuxValues(1);
  const float q = w.AuxValues(1);
  // The coefficients are multiples of |q|: it cancels into each.
  const float size = q < 0 ? -q : q;
  w.TermValues(12) = lesson::PickRandomSigned(p, 1, 5);
  w.TermValues(13) = lesson::PickRandomSigned(p, 1, 5);
  w.TermValues(2) = w.TermValues(12) * size;
  w.TermValues(3) = w.TermValues(13) * size;
  w.TermValues(4) = denominator * w.TermValues(2) / q;
  w.TermValues(5) = denominator * w.TermValues(3) / q;
  WriteProblemTexts(p, q, denominator);
  // The letters, once the fraction's texts are taken.
  p.fraction.TextB = "a";
  p.fraction.TextC = "b";
  // The divisor and its reciprocal, in brackets when negative.
  w.PartTexts(1) = w.FactorTexts(1);
  if (q < 0) w.PartTexts(1) = lesson::BracketedIfMinus(p, w.PartTexts(1));
  w.AuxTexts(11) = lesson::WithoutLeadingSign(p, w.AuxTexts(1));
  w.PartTexts(2) = "ﾀ" + w.TermTexts(1) + "/" + w.AuxTexts(11) + "ﾀ";
  if (q < 0) w.PartTexts(2) = lesson::BracketedIfMinus(p, "-" + w.PartTexts(2));
}

void ShowDivideByFractionSolution(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  const std::string& a = p.fraction.TextB;
  const std::string& b = p.fraction.TextC;
  // Everything right of the stage's corner, from the top of the page.
  lesson::EraseFrom(p, w.SavedX(31), 0, 1320, 1500);
  StartAtStageCorner(p);
  const std::string bracket = "(" + w.TermTexts(2) + a + w.TermTexts(3) + b + ")";
  lesson::ShowSteps(p, {
      {kAtOnce, "②", 3, AtMargin(), OnLine()},
      {kAtOnce, bracket + "/" + w.PartTexts(1), kWorkColour, AtMargin(40), OnLine()},
      {kKeyFirst, "=" + bracket + "*" + w.PartTexts(2), kWorkColour, AtMargin(), Below(70)},
  });

  // One fraction per term, the second joined by "+" whatever its sign.
  lesson::WaitForKey(p);
  w.TermTexts(3) = lesson::WithoutLeadingPlus(p, w.TermTexts(3));
  const std::string times_p_over_q = "*" + w.TermTexts(1) + "/" + w.AuxTexts(1) + "ﾀ";
  lesson::DrawLessonText(p, "=", kWorkColour, l.MarginX, l.LineY + 90);
  lesson::ContinueLessonText(p, "ﾀ" + w.TermTexts(2) + a + times_p_over_q + "+", kWorkColour);
  KeepNumerator(p, 1);
  KeepDenominator(p, 2);
  lesson::ContinueLessonText(p, "ﾀ" + w.TermTexts(3) + b + times_p_over_q, kWorkColour);
  KeepNumerator(p, 3);
  KeepDenominator(p, 4);

  lesson::WaitForKey(p);
  w.TermTexts(12) = lesson::WithoutLeadingSign(p, w.TermTexts(12));
  w.TermTexts(13) = lesson::WithoutLeadingSign(p, w.TermTexts(13));
  CancelFraction(p, 1, w.TermTexts(2), w.TermValues(2) < 0, w.TermTexts(12), 2);
  lesson::WaitForKey(p);
  CancelFraction(p, 3, w.TermTexts(3), w.TermValues(3) < 0, w.TermTexts(13), 4);

  DrawStageResult(p, a, b);
}

}  // namespace corvane
