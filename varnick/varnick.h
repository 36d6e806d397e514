// Varnick: the value of an expression, multiplying and dividing monomials, mixed
// multiplication and division.
//
// Each chapter lives in a folder of its own (expression_value/, ...) with a header that
// declares its entry, sub-menu and sections.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

extern const lesson::ProgramDefinition kVarnick;

lesson::Jump ShowMainMenu(lesson::Program& p);

// Varnick's glyph-rule list: the standard rules with the cancellation stroke.
void ApplyVarnickGlyphRules(lesson::Program& p);

}  // namespace varnick
