// 例2, the division practice: random problems in two stages side by side, each division
// worked as a product with the reciprocal. ① (bx+cy)÷d in the left half, then a note and a
// key; ② (Ba+Cb)÷(q/p) in the right half, closed by the rule below its last problem.
#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/multiply_divide/practice.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

lesson::Jump RunDivisionPractice(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  StartPracticePage(p, "例2 次の計算をしなさい。");
  RunPracticeStage(p, l.MarginX, l.LineY + 50, [&] {
    GenerateDivideByNumberProblem(p);
    ShowDivideByNumberSolution(p);
  });
  lesson::ShowSteps(p, {{kAtOnce, "※　わる数の逆数をかける", 3, AtMargin(), Below(120)}});
  lesson::WaitForKey(p);
  RunPracticeStage(p, 640, 50, [&] {
    GenerateDivideByFractionProblem(p);
    ShowDivideByFractionSolution(p);
  });
  lesson::ShowSteps(p, {
      {kAtOnce, "<多項式と数の除法>", 3, AtMargin(), Below(70)},
      {kAtOnce, "逆数にして、分配法則を使う", 5, AtMargin(), Below(50)},
      {kAtOnce, "①(a+b)/c=(a+b)*ﾀ1/cﾀ", 0, AtMargin(), Below(70)},
      {kAtOnce, "②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ", 0, AtMargin(), Below(70)},
  });
  return {ShowMultiplyDivideMenu};
}

}  // namespace corvane
