// Chapter 1, writing numbers with letters: multiples, even and odd numbers, consecutive and
// natural numbers.
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

// Entry, goal screen and sub-menu.
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
