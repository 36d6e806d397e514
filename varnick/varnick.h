// Varnick: the value of an expression, multiplying and dividing monomials, mixed
// multiplication and division.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

extern const lesson::ProgramDefinition kVarnick;

lesson::Jump ShowMainMenu(lesson::Program& p);

// Varnick's glyph-rule list: the standard rules with the cancellation stroke.
void ApplyVarnickGlyphRules(lesson::Program& p);

}  // namespace varnick
