// Chapter 4, a number times a polynomial and a polynomial divided by a number: entry, goal
// screen and sub-menu. An item whose section is not in yet shows the item line again.
#include "corvane/corvane.h"
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
  const lesson::Place kNoSectionYet = ShowMultiplyDivideMenu;
  return lesson::RunSubMenu(
      p, "①復習課題　②分配　③まとめ１　④乗法　⑤除法　⑥まとめ２　⑦問1　⑧終了",
      {kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet,
       kNoSectionYet, kNoSectionYet, ShowMainMenu},
      ShowMultiplyDivideMenu);
}

}  // namespace corvane
