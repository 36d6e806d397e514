// Chapter 3, transforming equations: the temperature formula, solving for a letter, two
// random solve-for-a-letter practices, the running-track example and the answers of
// question 4 of page 29.
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

// Entry, goal screen and sub-menu.
lesson::Jump RunTransformingChapter(lesson::Program& p);
void ShowTransformingGoal(lesson::Program& p);
lesson::Jump ShowTransformingMenu(lesson::Program& p);

// Chapter 3's sections; each returns to ShowTransformingMenu.
lesson::Jump ShowTemperatureFormula(lesson::Program& p);
lesson::Jump ShowSolvingForX(lesson::Program& p);
lesson::Jump RunSolveForLetterDrill(lesson::Program& p);
lesson::Jump ShowTrackExample(lesson::Program& p);
lesson::Jump RunSolveForMarkedLetterDrill(lesson::Program& p);
lesson::Jump ShowQuestion4Answers(lesson::Program& p);

}  // namespace ostrel
