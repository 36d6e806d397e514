// ③ 例4: -3/2x^2 ÷ 3/4x. The letters go into the numerators, the sign is settled and the
// division becomes a multiplication by the reciprocal, the product is written as one
// fraction of single factors, and its common factors, numbers and letters alike, are struck
// in pairs with what is left of them written beside: -2x. The notes stand at the right,
// level with the line they belong to.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::AtY;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeyFirst;
using lesson::OnLine;

lesson::Jump ShowFractionDivisionExample4(lesson::Program& p) {
  StartDivisionScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "例4　次の計算をしなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, "-ﾀ3/2ﾀx^2/ﾀ3/4ﾀx", 0, AtMargin(88), Below(70)},
      {kKeyFirst, "=-ﾀ3x^2/2ﾀ/ﾀ3x/4ﾀ", 0, AtMargin(44), Below(100)},
      // From the problem's line down.
      {kKeyFirst, kLettersOverTheBar, 5, AtMargin(484), AtY(100), kCaption},
      {kAtOnce, kLettersOverTheBarEnd, 5, AtMargin(484), AtY(150), kCaption},
      {kAtOnce, kReciprocalStep, 3, AtMargin(484), AtY(210), kCaption},
      {kKeyFirst, "=-ﾀ3x^2/2ﾀ*ﾀ4/3xﾀ", 0, AtMargin(44), Below(100)},
      {kKeyFirst, "=-", 0, AtMargin(44), Below(120)},
  });
  // Numerator 3 × x × x × 4, denominator 2 × 3 × x: a factor and its "×" take 70.
  DrawStrokedFraction(p, "ﾀ3*x*x*4/2*3*xﾀ");
  SetStrokeAnchors(p);
  SetAnchorRightOf(p, 2, 1, 70);   // the first x over the bar; the second stays
  SetAnchorRightOf(p, 3, 1, 210);  // the 4
  SetAnchorRightOf(p, 12, 11, 70);
  SetAnchorRightOf(p, 13, 12, 70);
  lesson::ShowSteps(p, {
      {kKeyFirst, kCancelStep, 3, AtMargin(484), OnLine()},
      {kAtOnce, kLettersCancelToo, 5},
  });
  // 2 against 4, 3 against 3, x against x, all at one key.
  DrawCancelMarks(p, {
      {kKeyFirst, 11, 1, "1"},
      {kAtOnce, 3, 1, "2"},
      {kAtOnce, 12, 1, "1"},
      {kAtOnce, 1, 1, "1"},
      {kAtOnce, 13, 1, "1"},
      {kAtOnce, 2, 1, "1"},
  });
  lesson::ShowSteps(p, {{kKeyFirst, "=-2x", 5, AtMargin(44), Below(100)}});
  return {ShowFractionDivisionMenu};
}

}  // namespace varnick
