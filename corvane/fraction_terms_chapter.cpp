// Chapter 6, expressions with fractions: entry, goal screen and
// sub-menu. An item whose section is not in yet shows the item line again.
#include "corvane/corvane.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump RunFractionTermsChapter(lesson::Program& p) {
  ShowFractionTermsGoal(p);
  return {ShowFractionTermsMenu};
}

void ShowFractionTermsGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"分数をふくむ式の計算ができるようになろう。"});
}

lesson::Jump ShowFractionTermsMenu(lesson::Program& p) {
  const lesson::Place kNoSectionYet = ShowFractionTermsMenu;
  return lesson::RunSubMenu(
      p, "①解き方１（分数係数）　②問３　③分数表現　④解き方２ ⑤問４　⑥終了",
      {kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet, kNoSectionYet,
       ShowMainMenu},
      ShowFractionTermsMenu);
}

}  // namespace corvane
