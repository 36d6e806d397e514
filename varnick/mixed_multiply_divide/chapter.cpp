// Chapter 6, mixed multiplication and division: entry, goal screen, sub-menu.
#include "lessonlib/chapter_frame.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunMixedMultiplyDivideChapter(lesson::Program& p) {
  ShowMixedMultiplyDivideGoal(p);
  return {ShowMixedMultiplyDivideMenu};
}

void ShowMixedMultiplyDivideGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"乗除の混じった計算や３つ以上の除法の計算の仕方を考えよう。"});
}

lesson::Jump ShowMixedMultiplyDivideMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p, "①課題1　②部分練習　　③練習　④問5　⑤問６　⑥話しあおう　⑦終了",
      {ShowMixedMultiplyDivideExample5, RunPartialStepDrills, RunMixedMultiplyDividePractice,
       ShowMixedQuestion5Answers, ShowMixedQuestion6Answers, ShowFindTheErrorDiscussion,
       ShowMainMenu},
      ShowMixedMultiplyDivideMenu);
}

}  // namespace varnick
