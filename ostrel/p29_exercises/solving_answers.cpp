// Exercise 1 of page 29: two equations solved for the letter in 【】, one column each, the
// second beside the first after a key press.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p29_exercises/p29_exercises.h"
#include "ostrel/step_names.h"

namespace ostrel {

lesson::Jump ShowP29SolvingAnswers(Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseScreen(p);
  l.MarginX = 108;
  l.LineY = 30;
  DrawAnswerHeading(p, kPage29Title, AtMargin(), AtY(30), 44, "1");
  lesson::ShowSteps(p, {
      {kKeyFirst, "(1) l=2(a+b)  【a】", 0, AtMargin(-72), Below(70)},
      {kAtOnce, " 両辺をいれかえて", 7, AtMargin(), Below(50)},
      {kAtOnce, "2(a+b)=l", 0, AtMargin(), Below(50)},
      {kAtOnce, " 両辺を2でわって", 7, AtMargin(), Below(50)},
      {kAtOnce, "a+b=ﾀl/2ﾀ", 0, AtMargin(), Below(60)},
      {kAtOnce, " bを移項して", 7, AtMargin(), Below(60)},
      {kAtOnce, "a=ﾀl/2ﾀ-b", 5, AtMargin(), Below(70)},
  });
  lesson::WaitForKey(p);
  l.MarginX = 640;
  l.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(2) 4x+2y=1  【y】", 0, AtMargin(-72), Below(60)},
      {kAtOnce, " 4xを移項して", 7, AtMargin(), Below(50)},
      {kAtOnce, "2y=1-4x", 0, AtMargin(), Below(50)},
      {kAtOnce, " 両辺を2でわって", 7, AtMargin(), Below(50)},
      {kAtOnce, "ﾀ2y/2ﾀ=ﾀ1/2ﾀ-ﾀ4x/2ﾀ", 0, AtMargin(), Below(70)},
      {kAtOnce, "y=ﾀ1/2ﾀ-2x", 5, AtMargin(), Below(70)},
  });
  return {ShowP29ExercisesMenu};
}

}  // namespace ostrel
