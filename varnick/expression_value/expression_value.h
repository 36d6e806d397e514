// Chapter 1, the value of an expression: its entry, goal screen and sub-menu, the sections
// the sub-menu leads to, and the pieces of the practice.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Entry from the main menu: the goal screen, then the sub-menu.
lesson::Jump RunExpressionValueChapter(lesson::Program& p);
void ShowExpressionValueGoal(lesson::Program& p);
lesson::Jump ShowExpressionValueMenu(lesson::Program& p);

// ① Three review problems on substituting, with the terms panel and the rules they teach.
lesson::Jump ShowExpressionValueReview(lesson::Program& p);
// ② One example worked two ways: substituting at once, and simplifying first.
lesson::Jump ShowExpressionValueExample(lesson::Program& p);
// ③ The practice: random problems a(bx+cy)+d(ex+fy), each worked out step by step.
lesson::Jump RunExpressionValuePractice(lesson::Program& p);
// ④ The answers to textbook question 5 on page 19.
lesson::Jump ShowValueQuestion5Answers(lesson::Program& p);

// The four rules for finding an expression's value, drawn from x 680 rightwards.
void DrawValueRulesPanel(lesson::Program& p);

// Draws one practice problem (sixteen random numbers, always in the same order):
// a = AuxValues(1), b, c = TermValues(2), (3), d = AuxValues(4), e, f = TermValues(5), (6),
// the expanded terms ab, ac, de, df in TermValues(7) to (10), the collected coefficients
// ab+de and ac+df in TermValues(11) and (12), x = AuxValues(5) and y = AuxValues(6).
void GenerateExpressionValueProblem(lesson::Program& p);
// Works out the problem the generator left, one line per key, in the left half of the
// screen, up to its value. At least one collected coefficient is not 0.
void ShowExpressionValueSolution(lesson::Program& p);

}  // namespace varnick
