// Chapter 3, adding and subtracting polynomials: entry, goal screen and
// sub-menu. An item whose section is not in yet shows the item line again.
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
  const lesson::Place kNoSectionYet = ShowAddSubtractMenu;
  return lesson::RunSubMenu(
      p, "①ひろげよう　②加法　③問５　④減法　⑤問６　⑥まとめ　⑦縦加法　⑧縦減法　⑨問7　⑩説明しよう　⑪練習問題　⑫終了",
      {kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet,
       kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet,
       kNoSectionYet, ShowMainMenu},
      ShowAddSubtractMenu);
}

}  // namespace corvane
