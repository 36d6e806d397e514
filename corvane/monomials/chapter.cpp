// Chapter 1, monomials and polynomials: the sub-menu, which is also the chapter's entry, and
// the goal screen that the first section ends with.
#include "corvane/corvane.h"
#include "corvane/monomials/monomials.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump RunMonomialsChapter(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①P10,世界一周道路　②項　③問1　④次数　⑤終了",
                            {ShowRoundTheWorldRoad, RunTermsSection, ShowTermsAnswers,
                             RunDegreeSection, ShowMainMenu},
                            RunMonomialsChapter);
}

void ShowMonomialsGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"文字を使った式を、", "項の数やかけられている文字の個数に着目して調べよう。"});
}

}  // namespace corvane
