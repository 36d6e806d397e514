// Chapter 2, like terms: entry, goal screen and sub-menu.
#include "corvane/corvane.h"
#include "corvane/like_terms/like_terms.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump RunLikeTermsChapter(lesson::Program& p) {
  ShowLikeTermsGoal(p);
  return {ShowLikeTermsMenu};
}

void ShowLikeTermsGoal(lesson::Program& p) { lesson::ShowGoalScreen(p, {"同類項をまとめよう"}); }

lesson::Jump ShowLikeTermsMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①同類項　②計算　③問4　④終了",
                            {RunLikeTermsSection, RunLikeTermsReviewDrill, ShowLikeTermsAnswers,
                             ShowMainMenu},
                            ShowLikeTermsMenu);
}

}  // namespace corvane
