// Chapter 1, monomials and polynomials: terms, coefficients, degree.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

// Its entry is its sub-menu; the goal screen comes at the end of the first section.
lesson::Jump RunMonomialsChapter(lesson::Program& p);
void ShowMonomialsGoal(lesson::Program& p);

// The sections; each returns to RunMonomialsChapter.
lesson::Jump ShowRoundTheWorldRoad(lesson::Program& p);
lesson::Jump RunTermsSection(lesson::Program& p);
lesson::Jump ShowTermsAnswers(lesson::Program& p);
lesson::Jump RunDegreeSection(lesson::Program& p);

}  // namespace corvane
