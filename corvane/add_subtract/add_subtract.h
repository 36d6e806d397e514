// Chapter 3, adding and subtracting polynomials: the notebook-and-pen problem, the bracket
// drills, the vertical drills, answer screens, the summary and an explanation.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

lesson::Jump RunAddSubtractChapter(lesson::Program& p);
void ShowAddSubtractGoal(lesson::Program& p);
lesson::Jump ShowAddSubtractMenu(lesson::Program& p);

// The sections, in the sub-menu's order; each returns to ShowAddSubtractMenu.
lesson::Jump ShowNotebookPenProblem(lesson::Program& p);
lesson::Jump RunBracketAdditionDrill(lesson::Program& p);
lesson::Jump ShowQuestion5Answers(lesson::Program& p);
lesson::Jump RunBracketSubtractionDrill(lesson::Program& p);
lesson::Jump ShowQuestion6Answers(lesson::Program& p);
lesson::Jump ShowAddSubtractSummary(lesson::Program& p);
lesson::Jump RunVerticalAdditionDrill(lesson::Program& p);
lesson::Jump RunVerticalSubtractionDrill(lesson::Program& p);
lesson::Jump ShowQuestion7Answers(lesson::Program& p);
lesson::Jump ShowWrongCalculationReason(lesson::Program& p);
lesson::Jump ShowExerciseAnswers(lesson::Program& p);

// The notebook and the pen of the word problem, each in a frame of 50-unit cells whose
// top-left corner is (GridOriginX, GridOriginY); GridRight is left at the frame's right edge,
// where the next picture of a row begins.
void DrawNotebookIcon(lesson::Program& p);
void DrawPenIcon(lesson::Program& p);

// The bracket drills' problems: two binomials in a and b with coefficients 2 to 9 of either
// sign, their like terms' sums in TermValues(5) and (6) and every coefficient text. The
// subtraction keeps the problem as posed in AuxValues(1..4), exactly one subtrahend term
// negative, and adds the subtrahend with its signs changed.
void GenerateBracketAdditionProblem(lesson::Program& p);
void GenerateBracketSubtractionProblem(lesson::Program& p);

// The vertical drills' problem: an upper and a lower trinomial in a, b and a constant
// (coefficients TermValues(1..4), constants AuxValues(1..2), 1 to 9 of either sign) and the
// result column by column (TermValues(5..6), AuxValues(3)), with their texts in TermTexts(1..6)
// and AuxTexts(1..3). The subtraction keeps the lower row as drawn.
void BuildVerticalAdditionProblem(lesson::Program& p);
void BuildVerticalSubtractionProblem(lesson::Program& p);
// Leading blanks: every term text TermTexts(1..last_term) 4 characters, every constant text
// AuxTexts(1..last_constant) 3, so that each column stands right-aligned (every character of
// these texts advances 27). The subtraction fills entries 1 to 40 of both arrays.
void AlignColumnTexts(lesson::Program& p, float last_term = 6, float last_constant = 3);

}  // namespace corvane
