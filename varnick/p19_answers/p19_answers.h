// Chapter 2, the answers to the exercises on page 19: its entry, sub-menu and the two
// answer screens.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Entry from the main menu: no goal screen, the sub-menu at once.
lesson::Jump RunP19ExercisesChapter(lesson::Program& p);
lesson::Jump ShowP19ExercisesMenu(lesson::Program& p);

// Exercise 1: six problems on two screens, one problem per key.
lesson::Jump ShowP19Answers1(lesson::Program& p);
// Exercise 2: two problems side by side.
lesson::Jump ShowP19Answers2(lesson::Program& p);

// An answer screen's start: the whole screen erased and the answer header with the
// exercise number, the first column of answers below it.
void StartP19AnswerScreen(lesson::Program& p, const char* exercise);

}  // namespace varnick
