// Chapter 2, the answers to the exercises on page 19: entry and sub-menu.
#include "lessonlib/chapter_frame.h"
#include "varnick/answer_screens.h"
#include "varnick/p19_answers/p19_answers.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunP19ExercisesChapter(lesson::Program&) { return {ShowP19ExercisesMenu}; }

lesson::Jump ShowP19ExercisesMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①,②解答　　　③終了",
                            {ShowP19Answers1, ShowP19Answers2, ShowMainMenu},
                            ShowP19ExercisesMenu);
}

void StartP19AnswerScreen(lesson::Program& p, const char* exercise) {
  lesson::EraseScreen(p);
  StartAnswerColumn(p, 40);
  DrawAnswerHeader(p, "P19(練習問題)", exercise);
}

}  // namespace varnick
