// ④ The answers to textbook question 5 on page 19: two expressions simplified and then
// valued at a = -1/6, b = 3, in two columns with a key between them.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/expression_value/expression_value.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;

lesson::Jump ShowValueQuestion5Answers(lesson::Program& p) {
  lesson::StartAnswerScreen(p);
  // The answers' strokes are drawn 5 wide, and the width stays for the screens that follow.
  p.rt.FE_SETDRAWWIDTH(5);
  // Each problem's label stands 72 left of its column, the problem continuing its line.
  lesson::ShowSteps(p, {
      {kAtOnce, "問5 解答", 3, AtMargin(), Below(0)},
      {kAtOnce, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 2a-3b+5b-8a", 0},
      {kAtOnce, "=2a-8a-3b+5b", 0, AtMargin(), Below(60)},
      {kAtOnce, "=-6a+2b", 0, AtMargin(), Below(60)},
      {kAtOnce, "a=-ﾀ1/6ﾀ ,b=3　を代入して", 0, AtMargin(), Below(70)},
      {kAtOnce, "=-6*(-ﾀ1/6ﾀ)+2*3", 0, AtMargin(), Below(80)},
      {kAtOnce, "=1+6", 0, AtMargin(), Below(80)},
      {kAtOnce, "=7", 5, AtMargin(), Below(80)},
  });
  lesson::WaitForKey(p);
  p.layout.MarginX = 684;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(2)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 5(4a-3b)-4(2a-5b)", 0},
      {kAtOnce, "=20a-15b-8a+20b", 0, AtMargin(), Below(60)},
      {kAtOnce, "=20a-8a-15b+20b", 0, AtMargin(), Below(60)},
      {kAtOnce, "=12a+5b", 0, AtMargin(), Below(60)},
      {kAtOnce, "a=-ﾀ1/6ﾀ ,b=3　を代入して", 0, AtMargin(), Below(70)},
      {kAtOnce, "=12*(-ﾀ1/6ﾀ)+5*3", 0, AtMargin(), Below(60)},
      {kAtOnce, "=-2+15", 0, AtMargin(), Below(60)},
      {kAtOnce, "=13", 5, AtMargin(), Below(60)},
  });
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
