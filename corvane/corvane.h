// Corvane: adding and subtracting polynomials, multiplying and dividing a polynomial by a
// number, expressions with brackets and with fractions.
//
// Each chapter lives in a folder of its own (monomials/, like_terms/, ...) with a header that
// declares its entry, sub-menu and sections.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

extern const lesson::ProgramDefinition kCorvane;

lesson::Jump ShowMainMenu(lesson::Program& p);

}  // namespace corvane
