// Corvane: adding and subtracting polynomials, multiplying and dividing a polynomial by a
// number, expressions with brackets and with fractions.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

extern const lesson::ProgramDefinition kCorvane;

lesson::Jump ShowMainMenu(lesson::Program& p);

}  // namespace corvane
