// Exercise 2 on page 19: two sums of fractions times polynomials, side by side; every line
// of a problem stands at its column's left edge.
#include "lessonlib/chapter_frame.h"
#include "varnick/p19_answers/p19_answers.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

lesson::Jump ShowP19Answers2(lesson::Program& p) {
  StartP19AnswerScreen(p, "2");
  lesson::ShowSteps(p, {
      {kKeyFirst, "(1)", 3, AtColumn(), Below(50)},
      {kAtOnce, " ﾀ1/5ﾀ(2x+3y)+ﾀ1/3ﾀ(5x-2y-1)", 0, AtColumn(), Below(80)},
      {kAtOnce, "=ﾀ2/5ﾀx+ﾀ3/5ﾀy+ﾀ5/3ﾀx-ﾀ2/3ﾀy-ﾀ1/3ﾀ", 0, AtColumn(), Below(80)},
      {kAtOnce, "=ﾀ6/15ﾀx+ﾀ9/15ﾀy+ﾀ25/15ﾀx-ﾀ10/15ﾀy-ﾀ1/3ﾀ", 0, AtColumn(), Below(80)},
      {kAtOnce, "=ﾀ6/15ﾀx+ﾀ25/15ﾀx+ﾀ9/15ﾀy-ﾀ10/15ﾀy-ﾀ1/3ﾀ", 0, AtColumn(), Below(80)},
      {kAtOnce, "=ﾀ31/15ﾀx-ﾀ1/15ﾀy-ﾀ1/3ﾀ", 5, AtColumn(), Below(80)},
  });
  // Problem (2) starts level with the header's top, right of its badge.
  p.layout.MarginX = 612;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kKeyFirst, "(2)", 3, AtMargin(), Below(0)},
      {kAtOnce, " ﾀ5x-2y/3ﾀ-ﾀ-3x+7y/4ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ4(5x-2y)/12ﾀ-ﾀ3(-3x+7y)/12ﾀ", 0, AtMargin(), Below(90)},
      {kAtOnce, "=ﾀ4(5x-2y)-3(-3x+7y)/12ﾀ", 0, AtMargin(), Below(90)},
      {kAtOnce, "=ﾀ20x-8y+9x-21y/12ﾀ", 0, AtMargin(), Below(90)},
      {kAtOnce, "=ﾀ20x+9x-8y-21y/12ﾀ", 0, AtMargin(), Below(90)},
      {kAtOnce, "=ﾀ29x-29y/12ﾀ", 5, AtMargin(), Below(90)},
  });
  return {ShowP19ExercisesMenu};
}

}  // namespace varnick
