// Chapter 3, adding and subtracting polynomials: entry, goal screen and sub-menu.
#include "corvane/add_subtract/add_subtract.h"
#include "corvane/corvane.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump RunAddSubtractChapter(lesson::Program& p) {
  ShowAddSubtractGoal(p);
  return {ShowAddSubtractMenu};
}

void ShowAddSubtractGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"2つの多項式をたしたりひいたりできるようになろう。"});
}

lesson::Jump ShowAddSubtractMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p,
      "①ひろげよう　②加法　③問５　④減法　⑤問６　⑥まとめ　⑦縦加法　⑧縦減法　⑨問7　"
      "⑩説明しよう　⑪練習問題　⑫終了",
      {ShowNotebookPenProblem, RunBracketAdditionDrill, ShowQuestion5Answers,
       RunBracketSubtractionDrill, ShowQuestion6Answers, ShowAddSubtractSummary,
       RunVerticalAdditionDrill, RunVerticalSubtractionDrill, ShowQuestion7Answers,
       ShowWrongCalculationReason, ShowExerciseAnswers, ShowMainMenu},
      ShowAddSubtractMenu);
}

}  // namespace corvane
