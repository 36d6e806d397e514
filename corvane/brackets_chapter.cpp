// Chapter 5, expressions with brackets: entry, goal screen and
// sub-menu. An item whose section is not in yet shows the item line again.
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
  const lesson::Place kNoSectionYet = ShowBracketsMenu;
  return lesson::RunSubMenu(
      p, "①例３　②例４　③問２　④終了",
      {kNoSectionYet, kNoSectionYet, kNoSectionYet, ShowMainMenu},
      ShowBracketsMenu);
}

}  // namespace corvane
