// Chapter 5, expressions with brackets: entry, goal screen and sub-menu.
#include "corvane/brackets/brackets.h"
#include "corvane/corvane.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump RunBracketsChapter(lesson::Program& p) {
  ShowBracketsGoal(p);
  return {ShowBracketsMenu};
}

void ShowBracketsGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"かっこのある式の計算ができるようになろう。"});
}

lesson::Jump ShowBracketsMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①例３　②例４　③問２　④終了",
                            {RunExpandTwoBracketsPractice, RunExpandWithConstantPractice,
                             ShowBracketsQuestion2Answers, ShowMainMenu},
                            ShowBracketsMenu);
}

}  // namespace corvane
