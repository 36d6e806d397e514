// Chapter 4, the exercises of page 29: its entry and sub-menu.
#include "lessonlib/chapter_frame.h"
#include "ostrel/ostrel.h"
#include "ostrel/p29_exercises/p29_exercises.h"

namespace ostrel {

// The chapter opens on its item line, under the screen the main menu has just erased.
lesson::Jump RunP29ExercisesChapter(lesson::Program&) { return {ShowP29ExercisesMenu}; }

lesson::Jump ShowP29ExercisesMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①1　②2　③終了",
                            {ShowP29SolvingAnswers, ShowTriangleAreaRatio, ShowMainMenu},
                            ShowP29ExercisesMenu);
}

}  // namespace ostrel
