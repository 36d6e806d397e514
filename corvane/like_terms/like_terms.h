// Chapter 2, like terms.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

lesson::Jump RunLikeTermsChapter(lesson::Program& p);
void ShowLikeTermsGoal(lesson::Program& p);
lesson::Jump ShowLikeTermsMenu(lesson::Program& p);

// The sections; each returns to ShowLikeTermsMenu.
lesson::Jump RunLikeTermsSection(lesson::Program& p);
lesson::Jump RunLikeTermsReviewDrill(lesson::Program& p);
lesson::Jump ShowLikeTermsAnswers(lesson::Program& p);

// The review drill's problem: a L + b - c L + d with random a, b, c, d (2 to 10, a raised by
// 1 when it equals c) and a random letter L, written into TermValues(1..6), TermTexts(1..6)
// and PartTexts(1..5).
void GenerateLikeTermsProblem(lesson::Program& p);

}  // namespace corvane
