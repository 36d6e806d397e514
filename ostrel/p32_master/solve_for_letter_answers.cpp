// Exercise 3 of page 32: four equations solved for the letter in 【】, two a column, drawn
// at once. Each problem's label, equation and letter make one text.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

lesson::LessonStep Equation(const char* text, lesson::StepY y) {
  return {kAtOnce, text, 0, AtColumn(), y};
}

}  // namespace

lesson::Jump ShowSolveForLetterAnswers(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "3");
  lesson::ShowSteps(p, {
      Equation("(1) -a+2b=5  【a】", Below(60)),
      Worked("-a=-2b+5", 60),
      Answer("a=2b-5", 50),
      Equation("(2) 12x+3y=11  【y】", Below(80)),
      Worked("3y=11-12x", 50),
      Answer("y=ﾀ11-12x/3ﾀ", 80),
  });
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      Equation("(3) S=ﾀ1/2ﾀah  【h】", AtY(30)),
      Worked("ﾀ1/2ﾀah=S", 80),
      Worked("ah=2S", 70),
      Answer("h=ﾀ2S/aﾀ", 60),
      Equation("(4) m=ﾀa+b/2ﾀ  【b】", Below(80)),
      Worked("2m=a+b", 60),
      Worked("a+b=2m", 60),
      Answer("b=2m-a", 60),
  });
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
