// Chapter 6, expressions with fractions: entry, goal screen and sub-menu.
#include "corvane/corvane.h"
#include "corvane/fraction_terms/fraction_terms.h"
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
  return lesson::RunSubMenu(p, "①解き方１（分数係数）　②問３　③分数表現　④解き方２ ⑤問４　⑥終了",
                            {ShowFractionCoefficientExample, ShowFractionTermsQuestion3Answers,
                             ShowFractionNotationQuestion, RunFractionFormPractice,
                             ShowFractionTermsQuestion4Answers, ShowMainMenu},
                            ShowFractionTermsMenu);
}

}  // namespace corvane
