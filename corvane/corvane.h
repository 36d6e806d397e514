// Corvane: adding and subtracting polynomials, multiplying and dividing a polynomial by a
// number, expressions with brackets and with fractions.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

extern const lesson::ProgramDefinition kCorvane;

lesson::Jump ShowMainMenu(lesson::Program& p);

// Chapter 1, monomials and polynomials. Its entry is its sub-menu; the goal screen comes at
// the end of the first section.
lesson::Jump RunMonomialsChapter(lesson::Program& p);
void ShowMonomialsGoal(lesson::Program& p);
lesson::Jump ShowRoundTheWorldRoad(lesson::Program& p);
lesson::Jump RunTermsSection(lesson::Program& p);
lesson::Jump ShowTermsAnswers(lesson::Program& p);
lesson::Jump RunDegreeSection(lesson::Program& p);

// Chapter 2, like terms.
lesson::Jump RunLikeTermsChapter(lesson::Program& p);
void ShowLikeTermsGoal(lesson::Program& p);
lesson::Jump ShowLikeTermsMenu(lesson::Program& p);
lesson::Jump RunLikeTermsSection(lesson::Program& p);
lesson::Jump RunLikeTermsReviewDrill(lesson::Program& p);
lesson::Jump ShowLikeTermsAnswers(lesson::Program& p);

// The review drill's problem: a L + b - c L + d with random a, b, c, d (2 to 10, a raised by
// 1 when it equals c) and a random letter L, written into TermValues(1..6), TermTexts(1..6)
// and PartTexts(1..5).
void GenerateLikeTermsProblem(lesson::Program& p);

}  // namespace corvane
