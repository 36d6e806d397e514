// Chapter 5, dividing by terms with fractional coefficients: entry, goal screen, sub-menu.
#include "lessonlib/chapter_frame.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunFractionDivisionChapter(lesson::Program& p) {
  ShowFractionDivisionGoal(p);
  return {ShowFractionDivisionMenu};
}

void ShowFractionDivisionGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"分数をふくむ式の除法の仕方を考えよう。"});
}

lesson::Jump ShowFractionDivisionMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①復習　②逆数　③例４　④練習　⑤問4　⑥終了",
                            {ShowFractionDivisionReview, RunReciprocalDrill,
                             ShowFractionDivisionExample4, RunFractionDivisionPractice,
                             ShowFractionDivisionQuestion4Answers, ShowMainMenu},
                            ShowFractionDivisionMenu);
}

}  // namespace varnick
