// Exercise 2 on page 22: two mixed multiplications and divisions written as one fraction
// and struck through in place, one key between them. The problem numbers stand 72 left of
// the steps.
#include "lessonlib/chapter_frame.h"
#include "varnick/p22_answers/p22_answers.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

lesson::Jump ShowP22Answers2(lesson::Program& p) {
  StartP22AnswerScreen(p, "2");
  lesson::ShowSteps(p, {
      {kAtOnce, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, "18xy/(-3x)*(-9xy)", 0},
      {kAtOnce, "=18xy*ﾀ1/3xﾀ*9xy", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ18xy*9xy/3xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹｹｹy*9xy/ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=54xy^2", 5},
      {kKeyFirst, "(2)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, "-12a^2/(-6a)/2a", 0},
      {kAtOnce, "=ﾀ12a^2/6a*2aﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ12aa/6a*2aﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹｹｹｹ/ｹｹ*ｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=1", 5}});
  return {ShowP22ExercisesMenu};
}

}  // namespace varnick
