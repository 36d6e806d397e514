// Chapter 7, the answers to the exercises on page 22: its entry, sub-menu and the two
// answer screens, whose cancelled factors are struck through.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Entry from the main menu: no goal screen, the sub-menu at once.
lesson::Jump RunP22ExercisesChapter(lesson::Program& p);
lesson::Jump ShowP22ExercisesMenu(lesson::Program& p);

// Exercise 1: six products and quotients of monomials in three columns, all at once.
lesson::Jump ShowP22Answers1(lesson::Program& p);
// Exercise 2: two mixed multiplications and divisions, one key between them.
lesson::Jump ShowP22Answers2(lesson::Program& p);

// An answer screen's start: the whole screen erased, draw width 5 for the header's borders
// and the strike lines, and the answer header with the exercise number.
void StartP22AnswerScreen(lesson::Program& p, const char* exercise);

}  // namespace varnick
