// Chapter 4, dividing monomials: entry, goal screen, sub-menu, and the start of its worked
// screens.
#include "lessonlib/chapter_frame.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunMonomialDivisionChapter(lesson::Program& p) {
  ShowMonomialDivisionGoal(p);
  return {ShowMonomialDivisionMenu};
}

void ShowMonomialDivisionGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"(文字式÷文字式)の計算を考えよう。"});
}

lesson::Jump ShowMonomialDivisionMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①復習　②文字　③数+文字　④累乗　⑤練習　⑥問３　⑦終了",
                            {ShowDivisionReview, ShowDivisionExample1, ShowDivisionExample2,
                             ShowDivisionExample3, RunMonomialDivisionPractice,
                             ShowDivisionQuestion3Answers, ShowMainMenu},
                            ShowMonomialDivisionMenu);
}

}  // namespace varnick
