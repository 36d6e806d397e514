// ① 課題1, the textbook's 例5: -4xy × 6x ÷ (-3y) in the three steps its notes name: the
// sign, the fraction form (the first term and the × terms over the bar, the ÷ terms under
// it), reducing. The reduced fraction's 6 and 3 are struck with what is left of them, then
// its y's; 8x^2 follows.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::AtY;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeyFirst;

lesson::Jump ShowMixedMultiplyDivideExample5(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1760, 1300);
  p.rt.FE_SETDRAWWIDTH(5);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  // The notes go down from the problem's line, 60 apart.
  lesson::ShowSteps(p, {
      {kAtOnce, "例5　次の計算をしなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, "-4xy*6x/(-3y)", 0, AtMargin(88), Below(70)},
      {kKeyFirst, "①　符号を決める。", 3, AtMargin(484), AtY(160), kCaption},
      {kAtOnce, "②　分数の形になおす。", 3, AtMargin(484), AtY(220), kCaption},
      {kKeyFirst, "=ﾀ4xy*6x/3yﾀ", 0, AtMargin(44), Below(120)},
      {kKeyFirst, "最初の項と*の項は分子", 3, AtMargin(572), AtY(280), kCaption},
      {kAtOnce, "/の項は分母", 3, AtMargin(572), AtY(340), kCaption},
      {kKeyFirst, "③　約分する。", 3, AtMargin(484), AtY(400), kCaption},
      {kKeyFirst, "=", 0, AtMargin(44), Below(120)},
  });
  // Numerator 4 × x × y × 6 × x, denominator 3 × y.
  DrawStrokedFraction(p, "ﾀ4*x*y*6*x/3*yﾀ");
  SetStrokeAnchors(p);
  SetAnchorRightOf(p, 2, 1, 70);    // the first x
  SetAnchorRightOf(p, 3, 2, 140);   // the 6
  SetAnchorRightOf(p, 4, 2, 64);    // the y's stroke, begun 6 before its cell
  SetAnchorRightOf(p, 12, 11, 70);  // the y under the bar
  DrawCancelMarks(p, {
      {kKeyFirst, 3, 1},
      {kAtOnce, 11, 1},
      {kAtOnce, 3, 0, "2"},
      {kAtOnce, 11, 0, "1"},
      {kAtOnce, 4, 1},
      {kAtOnce, 12, 1},
  });
  lesson::ShowSteps(p, {{kKeyFirst, "=8x^2", 5, AtMargin(44), Below(110)}});
  return {ShowMixedMultiplyDivideMenu};
}

}  // namespace varnick
