// Exercise 2 of page 29: triangles ABD and ADC share the height h, so their areas S1 and S2
// are in the ratio of their bases a and b; the ratio then solved for S1.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p29_exercises/p29_exercises.h"
#include "ostrel/step_names.h"

namespace ostrel {

lesson::Jump ShowTriangleAreaRatio(Program& p) {
  lesson::EraseScreen(p);
  p.layout.ColumnX = 40;
  p.layout.LineY = 30;
  DrawAnswerHeading(p, kPage29Title, AtColumn(), AtY(30), 44, "2");
  lesson::ShowSteps(p, {
      {kAtOnce, "△ABDは、底辺がa,高さがh だから、", 0, AtColumn(), Below(60)},
      {kAtOnce, "S1", 3},
      {kAtOnce, "=ﾀ1/2ﾀ*a*h", 0},
      {kAtOnce, "=ﾀ1/2ﾀah", 3},
      {kAtOnce, "△ADCは、底辺がb,高さがh だから、", 0, AtColumn(), Below(70)},
      {kAtOnce, "S2", 3},
      {kAtOnce, "=ﾀ1/2ﾀ*b*h", 0},
      {kAtOnce, "=ﾀ1/2ﾀbh", 3},
      {kAtOnce, "したがって、", 0, AtColumn(), Below(70)},
      {kAtOnce, "S1:S2", 3},
      {kAtOnce, "=ﾀ1/2ﾀah:ﾀ1/2ﾀbh", 0},
      {kAtOnce, "=a:b", 3},
      {kKeyFirst, "S1:S2=a:b だから ", 0, AtColumn(), Below(70)},
      {kAtOnce, "bS1=aS2", 3},
      {kAtOnce, "両辺をbでわって ﾀbS1/bﾀ=ﾀaS2/bﾀ", 0, AtColumn(), Below(70)},
      {kAtOnce, " S1=ﾀa/bﾀS2", 5, AtColumn(), Below(70)},
  });
  return {ShowP29ExercisesMenu};
}

}  // namespace ostrel
