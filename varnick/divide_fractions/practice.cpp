// ④ The practice: a monomial in a and b with a fractional coefficient divided by another.
// Each pass makes a problem, shows it and reveals the solution one line per key: the
// multiplication by the reciprocal, the product as one fraction with the sign in front, the
// same fraction with every factor in a cell of its own, the common factors struck with what
// is left of the numbers written beside them, the quotient. Until 1 is entered; then the
// method beside the last problem and the textbook prompt.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/division_practices.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// numerator/denominator as formula text from the fraction arithmetic: "ﾀp/qﾀ", "-" in front
// when negative (the practice's fractions are already in lowest terms).
std::string CoefficientText(lesson::Program& p, float numerator, float denominator) {
  p.fraction.FractionNumerator = numerator;
  p.fraction.FractionDenominator = denominator;
  lesson::ReduceFractionText(p);
  return p.fraction.TextB;
}

// The anchors of the expanded fraction p·a…·b… × r·s over q·s × p·a…·b…: on each row the
// first cell (SetStrokeAnchors), the runs of a and b at their first "×", and the number
// after the "×" that ends the numerator or opens the denominator's second factor.
void SetPracticeAnchors(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  SetStrokeAnchors(p);
  SetAnchorRightOf(p, 2, 1, 32 * CellCount(w.TermTexts(2)));   // the a-run after p
  SetAnchorRightOf(p, 3, 2, 70 * w.AuxValues(1));              // the b-run
  SetAnchorRightOf(p, 4, 3, 38 + 70 * w.AuxValues(2));         // r·s behind its "×"
  SetAnchorRightOf(p, 12, 11, 38 + 32 * CellCount(w.TermTexts(1)));  // p behind its "×"
  SetAnchorRightOf(p, 13, 12, 32 * CellCount(w.TermTexts(3)));       // the a-run
  SetAnchorRightOf(p, 14, 13, 70 * w.AuxValues(11));                 // the b-run
}

// p and r·s over the bar, q·s and p under it, struck whole; 1, r, q and 1 written beside
// them; then on every row as many letters as both rows share.
void StrikeCommonFactors(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  DrawCancelMarks(p, {
      {kAtOnce, 1, CellCount(w.TermTexts(2))},
      {kAtOnce, 4, CellCount(w.TermTexts(4))},
      {kAtOnce, 11, CellCount(w.TermTexts(1))},
      {kAtOnce, 12, CellCount(w.TermTexts(3))},
      {kAtOnce, 1, 0, "1"},
      {kAtOnce, 4, 0, w.TermTexts(6)},
      {kAtOnce, 11, 0, w.TermTexts(5)},
      {kAtOnce, 12, 0, "1"},
  });
  StrikeSharedLetters(p, 2, 3, 13, 14);
}

void ShowFractionDivisionSteps(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  const std::string& sign = w.TermTexts(11);
  const auto letters = [&w](float first) { return w.AuxTexts(first) + w.AuxTexts(first + 1); };
  const auto number = [&w](float k) { return w.TermTexts(k); };
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 40;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "練習　次の計算をしなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, w.PartTexts(1) + letters(1) + "/" + w.PartTexts(3) + letters(11), 0,
       AtMargin(80), Below(80)},
      // Times the divisor's reciprocal.
      {kKeyFirst,
       "=" + w.PartTexts(1) + letters(1) + "*ﾀ" + number(4) + "/" + number(3) + letters(11) + "ﾀ",
       0, AtMargin(40), Below(110)},
      // One fraction, the sign in front.
      {kKeyFirst,
       "=" + sign + "ﾀ" + number(2) + letters(1) + "*" + number(4) + "/" + number(1) + "*" +
           number(3) + letters(11) + "ﾀ",
       0, AtMargin(40), Below(110)},
      {kKeyFirst, "=" + sign, 0, AtMargin(40), Below(120)},
  });
  // Every power written out, one cell per letter.
  DrawStrokedFraction(p, "ﾀ" + number(2) + letters(5) + "*" + number(4) + "/" + number(1) + "*" +
                             number(3) + letters(15) + "ﾀ");
  SetPracticeAnchors(p);
  lesson::WaitForKey(p);
  StrikeCommonFactors(p);
  lesson::ShowSteps(p, {
      {kKeyFirst,
       "=" + sign + "ﾀ" + number(6) + letters(3) + "/" + number(5) + letters(13) + "ﾀ", 5,
       AtMargin(40), Below(120)},
  });
  lesson::AskNextStep(p);
}

}  // namespace

void MakeFractionDivisionProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // r from 2, 3, 5; q from the two smaller primes left; the last two are p and s, 7 one of
  // them.
  StartPrimeList(p);
  w.TermValues(6) = PickFromPrimeList(p, 3);
  CloseUpPrimeList(p, 3);
  w.TermValues(5) = PickFromPrimeList(p, 2);
  CloseUpPrimeList(p, 2);
  float& RandomPick = p.layout.RandomPick;
  RandomPick = lesson::PickRandomWhole(p, 1, 2);
  w.TermValues(7) = w.PointX(RandomPick);
  w.TermValues(8) = w.PointX(3 - RandomPick);
  // q·s over p, and p over r·s: the quotient is r over q.
  w.TermValues(1) = w.TermValues(5) * w.TermValues(8);
  w.TermValues(2) = w.TermValues(7);
  w.TermValues(4) = w.TermValues(6) * w.TermValues(8);
  w.TermValues(3) = w.TermValues(7);
  w.TermValues(11) = ApplyLastSignRule(p, DrawSign(p));
  const std::string dividend =
      CoefficientText(p, w.TermValues(11) * w.TermValues(2), w.TermValues(1));
  const std::string divisor = CoefficientText(p, w.TermValues(3), w.TermValues(4));
  DrawExponentPair(p, 1, 3);
  DrawExponentPair(p, 11, 3);
  SetQuotientExponents(p, 0);
  // The number texts rewrite every text entry: the coefficients, the sign and the letters
  // come after them.
  lesson::FormatNumberArrays(p);
  w.PartTexts(1) = dividend;
  w.PartTexts(3) = divisor;
  w.TermTexts(11) = SignPrefix(w.TermValues(11));
  BuildLetterPowerTexts(p, 0, "a", "b");
}

lesson::Jump RunFractionDivisionPractice(lesson::Program& p) {
  lesson::RunDrill(p, [&p] {
    MakeFractionDivisionProblem(p);
    ShowFractionDivisionSteps(p);
  });
  // The method beside the last problem, then the textbook.
  lesson::WaitForKey(p);
  p.layout.MarginX = 600;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "<分数をふくむ式の除法>", 5, AtMargin(40), Below(0)},
      {kAtOnce, "① 分数を係数とする文字は、", 3, AtMargin(), Below(60)},
      {kAtOnce, "分子につける。", 3, AtMargin(64), Below(50)},
      {kAtOnce, "② 符号をきめて、逆数をかける。", 3, AtMargin(), Below(60)},
      {kAtOnce, "③ 約分する。", 3, AtMargin(), Below(60)},
      {kAtOnce, kLettersCancelToo, 5},
      {kKeyFirst, "教科書P21 問4　をしなさい。", 7, lesson::AtX(352), lesson::AtY(570)},
  });
  return {ShowFractionDivisionMenu};
}

}  // namespace varnick
