// Chapter 7, the answers to the exercises on page 22: entry and sub-menu.
#include "lessonlib/chapter_frame.h"
#include "varnick/answer_screens.h"
#include "varnick/p22_answers/p22_answers.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunP22ExercisesChapter(lesson::Program&) { return {ShowP22ExercisesMenu}; }

lesson::Jump ShowP22ExercisesMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①,②解答　　　③終了",
                            {ShowP22Answers1, ShowP22Answers2, ShowMainMenu},
                            ShowP22ExercisesMenu);
}

void StartP22AnswerScreen(lesson::Program& p, const char* exercise) {
  lesson::EraseScreen(p);
  StartAnswerColumn(p, 40);
  // The width stays for the screens that follow.
  p.rt.FE_SETDRAWWIDTH(5);
  DrawAnswerHeader(p, "P22(練習問題)", exercise);
}

}  // namespace varnick
