// Chapter 4, a number times a polynomial and a polynomial divided by a number: entry, goal
// screen and sub-menu.
#include "corvane/corvane.h"
#include "corvane/multiply_divide/multiply_divide.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump RunMultiplyDivideChapter(lesson::Program& p) {
  ShowMultiplyDivideGoal(p);
  return {ShowMultiplyDivideMenu};
}

void ShowMultiplyDivideGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"多項式と数の乗法や除法ができるようになろう。"});
}

lesson::Jump ShowMultiplyDivideMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p, "①復習課題　②分配　③まとめ１　④乗法　⑤除法　⑥まとめ２　⑦問1　⑧終了",
      {ShowFlowerBedReview, ShowDistributiveReview, ShowMultiplyDivideSummary1,
       RunMultiplicationPractice, RunDivisionPractice, ShowMultiplyDivideSummary,
       ShowQuestion1Answers, ShowMainMenu},
      ShowMultiplyDivideMenu);
}

}  // namespace corvane
