// Ostrel: using literal expressions. Writing numbers with letters, explaining properties of
// numbers with expressions, transforming equations, and the unit's review pages.
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

// Chapter 1, writing numbers with letters: entry, goal screen and sub-menu.
lesson::Jump RunNumberFormsChapter(lesson::Program& p);
void ShowNumberFormsGoal(lesson::Program& p);
lesson::Jump ShowNumberFormsMenu(lesson::Program& p);

// Chapter 1's sections; each returns to ShowNumberFormsMenu.
lesson::Jump ShowMultiples(lesson::Program& p);
lesson::Jump ShowEvenNumbers(lesson::Program& p);
lesson::Jump ShowOddNumbers(lesson::Program& p);
lesson::Jump ShowConsecutiveNumbers(lesson::Program& p);
lesson::Jump ShowNaturalNumbers(lesson::Program& p);
lesson::Jump ShowNumberFormsSummary(lesson::Program& p);
lesson::Jump RunNumberFormsDrill(lesson::Program& p);
lesson::Jump RunMultipleCheckDrill(lesson::Program& p);

}  // namespace ostrel
