// Chapter 5, the review page 30: its entry, sub-menu and the answer screens' start.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/ostrel.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

// The chapter opens on its item line, under the screen the main menu has just erased.
lesson::Jump RunP30CheckChapter(lesson::Program&) { return {ShowP30CheckMenu}; }

// Each label is the textbook exercise number or numbers its item answers.
lesson::Jump ShowP30CheckMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p, "①1,2　②3　③4　④5　⑤6　⑥7　⑦8,9　⑧終了",
      {ShowDegreeAndLikeTermsAnswers, ShowBracketSumDifferenceAnswers,
       ShowColumnCalculationAnswers, ShowPolynomialByNumberAnswers,
       ShowSimplifyAndSubstituteAnswers, ShowMonomialProductQuotientAnswers,
       ShowEvenSumAndSolvingAnswers, ShowMainMenu},
      ShowP30CheckMenu);
}

void StartP30Screen(lesson::Program& p) {
  lesson::EraseScreen(p);
  StartAnswerColumn(p, 40);
}

}  // namespace ostrel
