// Chapter 6, the review page 32: its entry, sub-menu and the answer screens' start.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/ostrel.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

// The chapter opens on its item line, under the screen the main menu has just erased.
lesson::Jump RunP32MasterChapter(Program&) { return {ShowP32MasterMenu}; }

lesson::Jump ShowP32MasterMenu(Program& p) {
  return lesson::RunSubMenu(
      p, "P32 学びを身につけよう ①～⑧解答　　　⑨終了",
      {ShowCalculationAnswers, ShowSubstitutionAnswers, ShowSolveForLetterAnswers,
       ShowConsecutiveEvenSumProof, ShowCalendarSumProof, ShowThreeDigitElevenProof,
       ShowSemicircleRoutes, ShowCylinderComparison, ShowMainMenu},
      ShowP32MasterMenu);
}

void StartP32Screen(Program& p) {
  lesson::EraseScreen(p);
  StartAnswerColumn(p, 40);
}

void DrawP32Heading(Program& p, const char* number) {
  DrawAnswerHeading(p, kPage32Title, AtColumn(), AtY(30), 10, number);
}

}  // namespace ostrel
