// Exercise 1 on page 19: a number times a polynomial and a polynomial divided by a number or
// a fraction in two columns, then expanding and collecting on a second screen; each problem
// with its number, the problem and all its steps at one key.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/answer_screens.h"
#include "varnick/p19_answers/p19_answers.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

lesson::Jump ShowP19Answers1(lesson::Program& p) {
  StartP19AnswerScreen(p, "1");
  lesson::ShowSteps(p, {
      {kKeyFirst, "(1)", 3, AtColumn(), Below(80)},
      {kAtOnce, " ﾀ2/5ﾀ(10x+25y)", 0},
      {kAtOnce, "=ﾀ2/5ﾀ*10x+ﾀ2/5ﾀ*25y", 0, AtMargin(), Below(70)},
      {kAtOnce, "=4x+10y", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(2)", 3, AtColumn(), Below(60)},
      {kAtOnce, " (8a-12b)/4", 0},
      {kAtOnce, "=ﾀ8a/4ﾀ-ﾀ12b/4ﾀ", 0, AtMargin(), Below(70)},
      {kAtOnce, "=2a-3b", 5, AtMargin(), Below(60)},
  });
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(3)", 3, AtColumn(), Below(60)},
      {kAtOnce, " (2x-4y)/ﾀ2/3ﾀ", 0},
      {kAtOnce, "=(2x-4y)*ﾀ3/2ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=2x*ﾀ3/2ﾀ-4y*ﾀ3/2ﾀ", 0, AtMargin(), Below(70)},
      {kAtOnce, "=3x-6y", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(4)", 3, AtColumn(), Below(60)},
      {kAtOnce, " 7(a-b)-(4a+6b)", 0},
      {kAtOnce, "=7a-7b-4a-6b", 0, AtMargin(), Below(50)},
      {kAtOnce, "=7a-4a-7b-6b", 0, AtMargin(), Below(50)},
      {kAtOnce, "=3a-13b", 5, AtMargin(), Below(50)},
  });
  // The second screen comes with its first problem at the same key.
  lesson::WaitForKey(p);
  StartP19AnswerScreen(p, "1");
  lesson::ShowSteps(p, {
      {kAtOnce, "(5)", 3, AtColumn(), Below(60)},
      {kAtOnce, " -4(x+2y)+3(x+5y)", 0},
      {kAtOnce, "=-4x-8y+3x+15y", 0, AtMargin(), Below(50)},
      {kAtOnce, "=-4x+3x-8y+15y", 0, AtMargin(), Below(50)},
      {kAtOnce, "=-x+7y", 5, AtMargin(), Below(50)},
      {kKeyFirst, "(6)", 3, AtColumn(), Below(60)},
      {kAtOnce, " 3(4x-ﾀ1/3ﾀy)-6(2x-3y)", 0},
      {kAtOnce, "=12x-y-12x+18y", 0, AtMargin(), Below(70)},
      {kAtOnce, "=12x-12x-y+18y", 0, AtMargin(), Below(50)},
      {kAtOnce, "=17y", 5, AtMargin(), Below(50)},
  });
  return {ShowP19ExercisesMenu};
}

}  // namespace varnick
