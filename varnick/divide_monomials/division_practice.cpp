// ⑤ The practice: random divisions of monomials in a and b, each worked out in the steps
// of the method (the fraction form, every power written out, the common factors struck,
// the reduced quotient), until 1 is entered; then the rules panel and the textbook prompt.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "platform/text_ops.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/division_practices.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::AtX;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// An exponent pair drawn for one side, 0 to 2 each; a side with no letter gets the first.
void DrawExponentPair(lesson::Program& p, float first_slot) {
  lesson::LessonWork& w = p.work;
  w.AuxValues(first_slot) = lesson::PickRandomWhole(p, 0, 3);
  w.AuxValues(first_slot + 1) = lesson::PickRandomWhole(p, 0, 3);
  if (w.AuxValues(first_slot) == 0 && w.AuxValues(first_slot + 1) == 0) w.AuxValues(first_slot) = 1;
}

// The cells a coefficient's digits take in the fraction.
float DigitCount(const std::string& digits) {
  return static_cast<float>(platform::PfKLEN(digits));
}

// The practice's own anchors after the first cells (SetStrokeAnchors): the start of each
// letter's run, at its first "×", on both rows. The coefficient's digits take 32 each, every
// "×" and letter of the first letter's run 70.
void SetLetterRunAnchors(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  const float NumeratorDigitCount = DigitCount(w.TermTexts(1));
  const float DenominatorDigitCount = DigitCount(w.TermTexts(2));
  w.PointX(2) = w.PointX(1) + 32 * NumeratorDigitCount;
  w.PointX(3) = w.PointX(2) + 70 * w.AuxValues(1);
  w.PointX(12) = w.PointX(11) + 32 * DenominatorDigitCount;
  w.PointX(13) = w.PointX(12) + 70 * w.AuxValues(11);
  w.PointY(2) = w.PointY(3) = w.PointY(1);
  w.PointY(12) = w.PointY(13) = w.PointY(11);
}

// Both coefficients struck whole with the primes left of them, then every letter standing
// on both rows as often as it does on the row where it stands fewer times.
void StrikeCommonFactors(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  DrawCancelMarks(p, {
      {kAtOnce, 1, DigitCount(w.TermTexts(1))},
      {kAtOnce, 11, DigitCount(w.TermTexts(2))},
      {kAtOnce, 1, 0, w.TermTexts(3)},
      {kAtOnce, 11, 0, w.TermTexts(4)},
  });
  StrikeLetterRun(p, 2, w.AuxValues(1), w.AuxValues(11));
  StrikeLetterRun(p, 3, w.AuxValues(2), w.AuxValues(12));
  StrikeLetterRun(p, 12, w.AuxValues(11), w.AuxValues(1));
  StrikeLetterRun(p, 13, w.AuxValues(12), w.AuxValues(2));
}

}  // namespace

void MakeMonomialDivisionProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // The primes; the denominator's comes from the first three, so it is never 7.
  w.PointX(1) = 2;
  w.PointX(2) = 3;
  w.PointX(3) = 5;
  w.PointX(4) = 7;
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  w.TermValues(4) = w.PointX(p.layout.RandomPick);
  // The list closes up over it: the numerator's prime is one of the other three.
  for (p.values.TableIndex = p.layout.RandomPick; p.values.TableIndex <= 3; ++p.values.TableIndex) {
    w.PointX(p.values.TableIndex) = w.PointX(p.values.TableIndex + 1);
  }
  p.layout.RandomPick = lesson::PickRandomWhole(p, 1, 3);
  w.TermValues(3) = w.PointX(p.layout.RandomPick);
  w.TermValues(5) = lesson::PickRandomWhole(p, 2, 4);
  w.TermValues(1) = w.TermValues(5) * w.TermValues(3);
  w.TermValues(2) = w.TermValues(5) * w.TermValues(4);
  const float drawn_sign = lesson::PickRandomWhole(p, 1, 2) == 2 ? -1 : 1;
  w.TermValues(11) = ApplyLastSignRule(p, drawn_sign);
  DrawExponentPair(p, 1);
  DrawExponentPair(p, 11);
}

void MakeMonomialDivisionTexts(lesson::Program& p) {
  SetQuotientExponents(p, 0);
  lesson::FormatNumberArrays(p);
  p.work.TermTexts(11) = p.work.TermValues(11) == 1 ? "" : "-";
  BuildLetterPowerTexts(p, 0, "a", "b");
}

void ShowMonomialDivisionSteps(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  const std::string& sign = w.TermTexts(11);
  const auto side = [&w](float coefficient, float first, float second) {
    return w.TermTexts(coefficient) + w.AuxTexts(first) + w.AuxTexts(second);
  };
  p.layout.MarginX = 44;
  p.layout.LineY = 18;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  lesson::ShowSteps(p, {
      {kAtOnce, "練習　次の計算をしなさい。", 0, AtX(88), Below(0)},
      {kAtOnce, sign + side(1, 1, 2) + "/" + side(2, 11, 12), 0, AtMargin(176), Below(80)},
      {kKeyFirst, "=" + sign + "ﾀ" + side(1, 1, 2) + "/" + side(2, 11, 12) + "ﾀ", 0, AtMargin(132),
       Below(120)},
      {kKeyFirst, "=" + sign, 0, AtMargin(132), Below(120)},
  });
  // Every power written out, one cell per letter.
  DrawStrokedFraction(p, "ﾀ" + side(1, 5, 6) + "/" + side(2, 15, 16) + "ﾀ");
  SetStrokeAnchors(p);
  SetLetterRunAnchors(p);
  lesson::WaitForKey(p);
  StrikeCommonFactors(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "=" + sign + "ﾀ" + side(3, 3, 4) + "/" + side(4, 13, 14) + "ﾀ", 5, AtMargin(132),
       Below(120)},
  });
  lesson::AskNextStep(p);
}

lesson::Jump RunMonomialDivisionPractice(lesson::Program& p) {
  lesson::RunDrill(p, [&p] {
    MakeMonomialDivisionProblem(p);
    MakeMonomialDivisionTexts(p);
    ShowMonomialDivisionSteps(p);
  });
  // The method beside the last problem.
  DrawMonomialDivisionRulesPanel(p);
  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, "教科書P21 問3　をしなさい。", 7, 44, 570);
  return {ShowMonomialDivisionMenu};
}

}  // namespace varnick
