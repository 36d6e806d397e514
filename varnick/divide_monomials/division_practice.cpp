// ⑤ The practice: random divisions of monomials in a and b, each worked out in the steps
// of the method (the fraction form, every power written out, the common factors struck,
// the reduced quotient), until 1 is entered; then the rules panel and the textbook prompt.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
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

// The practice's own anchors after the first cells (SetStrokeAnchors): the start of each
// letter's run, at its first "×", on both rows. The coefficient's digits take 32 each, every
// "×" and letter of the first letter's run 70.
void SetLetterRunAnchors(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  SetAnchorRightOf(p, 2, 1, 32 * CellCount(w.TermTexts(1)));
  SetAnchorRightOf(p, 3, 2, 70 * w.AuxValues(1));
  SetAnchorRightOf(p, 12, 11, 32 * CellCount(w.TermTexts(2)));
  SetAnchorRightOf(p, 13, 12, 70 * w.AuxValues(11));
}

// Both coefficients struck whole with the primes left of them, then every letter standing
// on both rows as often as it does on the row where it stands fewer times.
void StrikeCommonFactors(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  DrawCancelMarks(p, {
      {kAtOnce, 1, CellCount(w.TermTexts(1))},
      {kAtOnce, 11, CellCount(w.TermTexts(2))},
      {kAtOnce, 1, 0, w.TermTexts(3)},
      {kAtOnce, 11, 0, w.TermTexts(4)},
  });
  StrikeSharedLetters(p, 2, 3, 12, 13);
}

}  // namespace

void MakeMonomialDivisionProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // The denominator's prime comes from the first three, so it is never 7; the list closes
  // up over it, and the numerator's prime is one of the other three.
  StartPrimeList(p);
  w.TermValues(4) = PickFromPrimeList(p, 3);
  CloseUpPrimeList(p, 3);
  w.TermValues(3) = PickFromPrimeList(p, 3);
  w.TermValues(5) = lesson::PickRandomWhole(p, 2, 4);
  w.TermValues(1) = w.TermValues(5) * w.TermValues(3);
  w.TermValues(2) = w.TermValues(5) * w.TermValues(4);
  w.TermValues(11) = ApplyLastSignRule(p, DrawSign(p));
  DrawExponentPair(p, 1, 3);
  DrawExponentPair(p, 11, 3);
}

void MakeMonomialDivisionTexts(lesson::Program& p) {
  SetQuotientExponents(p, 0);
  lesson::FormatNumberArrays(p);
  p.work.TermTexts(11) = SignPrefix(p.work.TermValues(11));
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
