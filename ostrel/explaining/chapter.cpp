// Chapter 2, explaining properties of integers with expressions: its entry, goal screen and
// sub-menu, and the start every section of it shares.
#include "lessonlib/chapter_frame.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/ostrel.h"

namespace ostrel {

lesson::Jump RunExplainingChapter(lesson::Program& p) {
  ShowExplainingGoal(p);
  return {ShowExplainingMenu};
}

void ShowExplainingGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"文字式を利用して、いろいろなことがらを説明しよう。"});
}

lesson::Jump ShowExplainingMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p,
      "①P23　②３数和説明　③５数和　④例題1　⑤問２　⑥話しあおう　⑦P26　⑧例題２　⑨説明しよう"
      "　⑩終了",
      {RunThreeSumExplore, ShowThreeSumExplanations, RunFiveSumExplore,
       ShowEvenOddSumExplanation, ShowOddOddSumExplanation, ShowSameLetterDiscussion,
       RunDigitSwapExplore, ShowReversalSumExplanation, ShowReversalDifferenceExplanation,
       ShowMainMenu},
      ShowExplainingMenu);
}

void StartSection(lesson::Program& p, float erase_width, float margin_x) {
  lesson::EraseFrom(p, 0, 0, erase_width, 1800);
  p.layout.MarginX = margin_x;
  p.layout.LineY = 30;
  p.rt.FE_SETDRAWWIDTH(5);
}

}  // namespace ostrel
