// Chapter 5, the review page 30 (学びをたしかめよう): the worked answers of its exercises 1
// to 9, each sub-menu item the answers of one exercise or two.
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

// Entry and sub-menu; the chapter has no goal screen.
lesson::Jump RunP30CheckChapter(lesson::Program& p);
lesson::Jump ShowP30CheckMenu(lesson::Program& p);

// The answer screens; each returns to ShowP30CheckMenu.
lesson::Jump ShowDegreeAndLikeTermsAnswers(lesson::Program& p);      // exercises 1 and 2
lesson::Jump ShowBracketSumDifferenceAnswers(lesson::Program& p);    // exercise 3
lesson::Jump ShowColumnCalculationAnswers(lesson::Program& p);       // exercise 4
lesson::Jump ShowPolynomialByNumberAnswers(lesson::Program& p);      // exercise 5
lesson::Jump ShowSimplifyAndSubstituteAnswers(lesson::Program& p);   // exercise 6
lesson::Jump ShowMonomialProductQuotientAnswers(lesson::Program& p); // exercise 7
lesson::Jump ShowEvenSumAndSolvingAnswers(lesson::Program& p);       // exercises 8 and 9

// A page-30 answer screen's start: the whole screen erased, ColumnX 40, MarginX 94, LineY 30.
void StartP30Screen(lesson::Program& p);

}  // namespace ostrel
