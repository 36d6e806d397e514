// Exercise 2 of page 32: two expressions simplified and then evaluated for x = 0.8 and
// y = 2.5, side by side, drawn at once.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

constexpr lesson::StepLine kKeep = kKeepsLineEnd;

// The substitution note, in colour 3 and starting with two blanks.
lesson::LessonStep Substitution(float gap) {
  return {kAtOnce, "  x=0.8,y=2.5 を代入して", 3, AtMargin(), Below(gap), kKeep};
}

}  // namespace

lesson::Jump ShowSubstitutionAnswers(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "2");
  UseCancellationStrokes(p);
  lesson::ShowSteps(p, {
      Label("(1)", Below(60)),
      Problem("-2(6x-2y)+2(x+3y)", AfterText(), kKeep),
      Worked("=-12x+4y+2x+6y", 60, kKeep),
      Worked("=-12x+2x+4y+6y", 60, kKeep),
      Worked("=-10x+10y", 60, kKeep),
      Substitution(60),
      Worked("=-10*0.8+10*2.5", 60, kKeep),
      Worked("=-8+25", 60, kKeep),
      Answer("=17", 60, kKeep),
  });
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      Label("(2)", Below(60)),
      Problem("-14xy^2/2xy*(-5x)", AfterText(), kKeep),
      Worked("=ﾀ14xy^2*5x/2xyﾀ", 70, kKeep),
      Worked("=ﾀ14xyy*5x/2xyﾀ", 70, kKeep),
      Overlay("=ﾀｹｹｹｹy*5x/ｹｹｹﾀ", kKeep),
      Answer("=35xy", 70, kKeep),
      Substitution(60),
      Worked("=35*0.8*2.5", 60, kKeep),
      Worked("=35*2", 60, kKeep),
      Answer("=70", 60, kKeep),
  });
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
