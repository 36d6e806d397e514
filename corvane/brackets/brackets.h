// Chapter 5, expressions with brackets: a(bx+cy)+d(ex+fy) expanded line by line, the same with
// a constant in the second bracket, and the answers to 問2.
#pragma once

#include <array>
#include <string>

#include "lessonlib/program.h"

namespace corvane {

lesson::Jump RunBracketsChapter(lesson::Program& p);
void ShowBracketsGoal(lesson::Program& p);
lesson::Jump ShowBracketsMenu(lesson::Program& p);

// The sections; each returns to ShowBracketsMenu.
lesson::Jump RunExpandTwoBracketsPractice(lesson::Program& p);
lesson::Jump RunExpandWithConstantPractice(lesson::Program& p);
lesson::Jump ShowBracketsQuestion2Answers(lesson::Program& p);

// 例3's problem a(bx+cy)+d(ex+fy): a to f in TermValues(1..6) (-5 to 5 without 0; a and d
// never 1 or -1), the products ab, ac, de, df in 7 to 10, the x and y sums in 11 and 12 (never
// both 0), copies of a to f in 21 to 26. A draw whose a equals PreviousFirstCoefficient is
// drawn again; the a shown is kept there.
void GenerateTwoBracketsProblem(lesson::Program& p);
// Its texts (FormatNumberArrays, then each entry written as its line needs it).
void WriteTwoBracketsTexts(lesson::Program& p);
// Its lines from the texts: problem, products written out, expanded, rearranged, result.
std::array<std::string, 5> TwoBracketsLines(lesson::Program& p);

// 例4's problem a(bx+cy)+d(ex+fy+g): as 例3's, with g in AuxValues(1), dg in AuxValues(2) and
// its copy in AuxValues(22); every draw is shown, and PreviousFirstCoefficient is left alone.
void GenerateBracketsWithConstantProblem(lesson::Program& p);
void WriteBracketsWithConstantTexts(lesson::Program& p);
// Problem, expanded, rearranged, result.
std::array<std::string, 4> BracketsWithConstantLines(lesson::Program& p);

}  // namespace corvane
