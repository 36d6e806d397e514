// ⑤ The answers to textbook question 6: two expressions simplified (one fraction struck
// through in place) and then evaluated for x = -2, y = 1/3, in two columns; the second at
// one key.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AfterText;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

lesson::Jump ShowMixedQuestion6Answers(lesson::Program& p) {
  StartStruckAnswerScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "問6 解答", 3, AtMargin(), Below(0)},
      {kAtOnce, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 3x^2/2x*4y", 0},
      {kAtOnce, "=ﾀ3xx*4y/2xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀ3ｹx*ｹy/ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=6xy", 3, AfterText()},
      {kAtOnce, "x=-2,y=ﾀ1/3ﾀ　を代入して", 0, AtMargin(), Below(70)},
      {kAtOnce, "=6*(-2)*ﾀ1/3ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-4", 5, AtMargin(), Below(80)},
  });
  // The right-hand column from the top.
  lesson::WaitForKey(p);
  p.layout.MarginX = 684;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(2)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 6x^2y/3x/(-2y)", 0},
      {kAtOnce, "=-ﾀ6xxy/3x*2yﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹxｹ/ｹｹ*ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=-x", 3, AfterText()},
      {kAtOnce, "x=-2　を代入して", 0, AtMargin(), Below(70)},
      {kAtOnce, "=-(-2)", 0, AtMargin(), Below(80)},
      {kAtOnce, "=2", 5, AtMargin(), Below(80)},
  });
  return {ShowMixedMultiplyDivideMenu};
}

}  // namespace varnick
