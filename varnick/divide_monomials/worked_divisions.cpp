// ② to ④ Worked divisions of monomials: the sign of the quotient, the quotient as a
// fraction, the fraction again with every factor in a cell of its own, its common factors
// struck with what is left of them written beside, and the result. 例3-3's quotient is
// positive: it has no sign step and no captions, and ends with the rules panel.
#include <initializer_list>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeyFirst;
using lesson::OnLine;

namespace {

// A division whose quotient is negative, under the three step captions. The third caption
// moves the line: the struck fraction stands on its row.
void ShowNegativeQuotient(lesson::Program& p, const char* title, const char* problem,
                          const char* fraction, const char* factors,
                          std::initializer_list<CancelMark> marks, const char* result) {
  StartDivisionScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, title, 0, AtMargin(), Below(0)},
      {kAtOnce, problem, 0, AtMargin(88), Below(60)},
      {kKeyFirst, kSignStep, 3, AtMargin(484), OnLine(), kCaption},
      {kKeyFirst, "=-", 0, AtMargin(44), Below(80)},
      {kKeyFirst, kFractionStep, 3, AtMargin(484), OnLine(), kCaption},
      {kKeyFirst, fraction, 0},
      {kKeyFirst, kReduceStep, 3, AtMargin(484), Below(120)},
      {kAtOnce, kLettersReduceToo, 5},
      {kKeyFirst, "=-", 0, AtMargin(44), OnLine()},
  });
  DrawStrokedFraction(p, factors);
  SetWorkedStrokeAnchors(p);
  DrawCancelMarks(p, marks);
  lesson::ShowSteps(p, {{kKeyFirst, result, 5, AtMargin(44), Below(140)}});
}

}  // namespace

lesson::Jump ShowDivisionExample1(lesson::Program& p) {
  ShowNegativeQuotient(p, "例3-1　次の計算をしなさい。", "xy/(-x)", "ﾀxy/xﾀ", "ﾀx*y/xﾀ",
                       {
                           {kKeyFirst, 11, 1, "1"},
                           {kKeyFirst, 1, 1, "1"},
                       },
                       "=-y");
  return {ShowMonomialDivisionMenu};
}

lesson::Jump ShowDivisionExample2(lesson::Program& p) {
  // The numbers at one key, the letters at the next; the denominator first each time.
  ShowNegativeQuotient(p, "例3-2　次の計算をしなさい。", "8xy/(-4x)", "ﾀ8xy/4xﾀ", "ﾀ8*x*y/4*xﾀ",
                       {
                           {kKeyFirst, 11, 1, "1"},
                           {kAtOnce, 1, 1, "2"},
                           {kKeyFirst, 12, 1, "1"},
                           {kAtOnce, 2, 1, "1"},
                       },
                       "=-2y");
  return {ShowMonomialDivisionMenu};
}

lesson::Jump ShowDivisionExample3(lesson::Program& p) {
  StartDivisionScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "例3-3　次の計算をしなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, "6a^2/2a", 0, AtMargin(88), Below(60)},
      {kKeyFirst, "=ﾀ6a^2/2aﾀ", 0, AtMargin(44), Below(120)},
      {kKeyFirst, "=", 0, AtMargin(44), Below(120)},
  });
  // The power written out; both cells of a pair struck at one key, their numbers at the next.
  DrawStrokedFraction(p, "ﾀ6*a*a/2*aﾀ");
  SetWorkedStrokeAnchors(p);
  DrawCancelMarks(p, {
      {kKeyFirst, 1, 1},
      {kAtOnce, 11, 1},
      {kKeyFirst, 1, 0, "3"},
      {kAtOnce, 11, 0, "1"},
      {kKeyFirst, 2, 1},
      {kAtOnce, 12, 1},
      {kKeyFirst, 2, 0, "1"},
      {kAtOnce, 12, 0, "1"},
  });
  lesson::ShowSteps(p, {{kKeyFirst, "=3a", 5, AtMargin(44), Below(140)}});
  lesson::WaitForKey(p);
  DrawMonomialDivisionRulesPanel(p);
  return {ShowMonomialDivisionMenu};
}

}  // namespace varnick
