// Chapter 4, the exercises of textbook page 29: exercise 1 (two equations solved for a
// letter) and exercise 2 (the areas of two triangles of equal height).
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

// Entry and sub-menu; the chapter has no goal screen.
lesson::Jump RunP29ExercisesChapter(lesson::Program& p);
lesson::Jump ShowP29ExercisesMenu(lesson::Program& p);

// The answer screens; each returns to ShowP29ExercisesMenu.
lesson::Jump ShowP29SolvingAnswers(lesson::Program& p);
lesson::Jump ShowTriangleAreaRatio(lesson::Program& p);

}  // namespace ostrel
