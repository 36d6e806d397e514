// Ostrel: using literal expressions. Writing numbers with letters, explaining properties of
// numbers with expressions, transforming equations, and the unit's review pages.
//
// Each chapter lives in a folder of its own (number_forms/, ...) with a header that declares
// its entry, sub-menu and sections.
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

extern const lesson::ProgramDefinition kOstrel;

lesson::Jump ShowMainMenu(lesson::Program& p);
lesson::Jump ReturnToMainMenu(lesson::Program& p);

// Ostrel's number prompt: draws TextToDraw (possibly empty) in the wide style left of the
// number field, reads the field and parses it into InputValue. The caller tests the range
// and erases the prompt line.
void AskPromptedNumber(lesson::Program& p);

// Ostrel's glyph-rule list of the formula renderer.
void ApplyOstrelGlyphRules(lesson::Program& p);

}  // namespace ostrel
