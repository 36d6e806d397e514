// Chapter 6, the review page 32 (学びを身につけよう): the worked answers of its exercises 1
// to 8, a calendar proof with fill-in boxes, and the semicircle and cylinder figures.
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

// Entry and sub-menu; the chapter has no goal screen.
lesson::Jump RunP32MasterChapter(lesson::Program& p);
lesson::Jump ShowP32MasterMenu(lesson::Program& p);

// The answer screens; each returns to ShowP32MasterMenu.
lesson::Jump ShowCalculationAnswers(lesson::Program& p);         // exercise 1
lesson::Jump ShowSubstitutionAnswers(lesson::Program& p);        // exercise 2
lesson::Jump ShowSolveForLetterAnswers(lesson::Program& p);      // exercise 3
lesson::Jump ShowConsecutiveEvenSumProof(lesson::Program& p);    // exercise 4
lesson::Jump ShowCalendarSumProof(lesson::Program& p);           // exercise 5
lesson::Jump ShowThreeDigitElevenProof(lesson::Program& p);      // exercise 6
lesson::Jump ShowSemicircleRoutes(lesson::Program& p);           // exercise 7
lesson::Jump ShowCylinderComparison(lesson::Program& p);         // exercise 8

// A page-32 answer screen's start: the whole screen erased, ColumnX 40, MarginX 94, LineY 30.
void StartP32Screen(lesson::Program& p);
// The heading of exercise `number`: the page's title box at (ColumnX, 30), the number box 10
// to its right.
void DrawP32Heading(lesson::Program& p, const char* number);

}  // namespace ostrel
