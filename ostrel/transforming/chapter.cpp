// Chapter 3, transforming equations: its entry, goal screen and sub-menu.
#include "lessonlib/chapter_frame.h"
#include "ostrel/ostrel.h"
#include "ostrel/transforming/transforming.h"

namespace ostrel {

lesson::Jump RunTransformingChapter(lesson::Program& p) {
  ShowTransformingGoal(p);
  return {ShowTransformingMenu};
}

void ShowTransformingGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"等式を変形して、ある文字について解けるようになろう。"});
}

lesson::Jump ShowTransformingMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p, "①ひろげ　②基本例題　③練習１　④例題3　⑤練習２　⑥問４　⑦終了",
      {ShowTemperatureFormula, ShowSolvingForX, RunSolveForLetterDrill, ShowTrackExample,
       RunSolveForMarkedLetterDrill, ShowQuestion4Answers, ShowMainMenu},
      ShowTransformingMenu);
}

}  // namespace ostrel
