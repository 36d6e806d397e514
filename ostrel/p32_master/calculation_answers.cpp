// Exercise 1 of page 32: ten calculations, each the problem and its worked lines down to the
// result, on three screens of four, four and two; the quotients with their cancelled
// factors struck out, the last two as column calculations.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// Rows that move the line down but keep its end where the row before left it.
constexpr lesson::StepLine kKeep = kKeepsLineEnd;

// (1) to (4), the first two under the heading, the others in a right-hand column.
void ShowFirstScreen(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "1");
  UseCancellationStrokes(p);
  lesson::ShowSteps(p, {
      Label("(1)", Below(60)),
      Problem("0.7x+y-(-1.4x+y)", AfterText(), kKeep),
      Worked("=0.7x+y+1.4x-y", 50, kKeep),
      Worked("=0.7x+1.4x+y-y", 50, kKeep),
      Answer("=2.1x", 50, kKeep),
      // "(2)" ends where "(1)" does, and its problem starts there.
      Label("(2)", Below(60), kKeep),
      Problem("-x^2y/2x/(-3y)", AfterText(), kKeep),
      Worked("=-x^2y*ﾀ1/2xﾀ*(-ﾀ1/3yﾀ)", 70, kKeep),
      Worked("=ﾀxxy*1*1/2x*3yﾀ", 70, kKeep),
      Overlay("=ﾀｹxｹ*1*1/2ｹ*3ｹﾀ", kKeep),
      Answer("=ﾀ1/6ﾀx (ﾀx/6ﾀ)", 70, kKeep),
  });
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      Label("(3)", AtY(30)),
      Problem("m-10n-6(2m-n)", AfterText(), kKeep),
      Worked("=m-10n-12m+6n", 50, kKeep),
      Worked("=m-12m-10n+6n", 50, kKeep),
      Answer("=-11m-4n", 50, kKeep),
      Label("(4)", Below(60)),
      Problem("(-a)^2*2a", AfterText(), kKeep),
      Worked("=a^2*2a", 70, kKeep),
      Answer("=2a^3", 70, kKeep),
  });
}

// (5) to (8), without a heading; the worked lines of (5) start at the label's column.
void ShowSecondScreen(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  UseCancellationStrokes(p);
  lesson::ShowSteps(p, {
      Label("(5)", AtY(30)),
      Problem("ﾀ5x-3y/2ﾀ-ﾀ8x-4y/3ﾀ+x", AfterText(), kKeep),
      {kAtOnce, "=ﾀ3(5x-3y)-2(8x-4y)+6x/6ﾀ", 0, AtColumn(), Below(70), kKeep},
      {kAtOnce, "=ﾀ15x-9y-16x+8y+6x/6ﾀ", 0, AtColumn(), Below(70), kKeep},
      {kAtOnce, "=ﾀ15x-16x+6x-9y+8y/6ﾀ", 0, AtColumn(), Below(70), kKeep},
      {kAtOnce, "=ﾀ5x-y/6ﾀ ", 5, AtColumn(), Below(70), kKeep},
      Label("(6)", Below(70)),
      Problem("ﾀ2/5ﾀa^2/ﾀ3/10ﾀb*(-6ab)", AfterText(), kKeep),
      Worked("=ﾀ2/5ﾀa^2*ﾀ10/3bﾀ*(-6ab)", 70, kKeep),
      Worked("=-ﾀ2aa*10*6ab/5*3bﾀ", 70, kKeep),
      Overlay("=-ﾀ2aa*ｹｹ*ｹaｹ/ｹ*ｹｹﾀ", kKeep),
      Answer("=-8a^3", 70, kKeep),
  });
  StartAnswerColumn(p, 680);
  lesson::ShowSteps(p, {
      Label("(7)", AtY(30)),
      Problem("-xy*(-10xy^2)/5x^2", AfterText(), kKeep),
      Worked("=-xy*(-10xy^2)*ﾀ1/5x^2ﾀ", 70, kKeep),
      Worked("=ﾀxy*10xyy*1/5xxﾀ", 70, kKeep),
      Overlay("=ﾀｹy*ｹｹｹyy*1/ｹｹｹﾀ", kKeep),
      Answer("=2y^3", 70, kKeep),
      Label("(8)", Below(60)),
      Problem("3x^2+3x+1-(4x+2x^2)", AfterText()),
      Worked("=3x^2+3x+1-4x-2x^2", 50, kKeep),
      Worked("=3x^2-2x^2+3x-4x+1", 50, kKeep),
      Answer("=x^2-x+1", 50, kKeep),
  });
}

// (9) and (10) in columns; the decimals of (10) line up by their characters, each point
// narrower than a digit.
void ShowThirdScreen(Program& p) {
  StartP32Screen(p);
  lesson::ShowSteps(p, {Label("(9)", Below(50))});
  ShowColumnCalculation(p, {"25x- 3y+ 6", "-", " 5x-10y+ 6", "+ -  +   -", "20x+ 7y"});
  lesson::ShowSteps(p, {Label("(10)", Below(60))});
  ShowColumnCalculation(p, {"0.8x-0.5y-0.3", "+", "0.2x+0.5y+2", nullptr, "  x    +1.7"});
}

}  // namespace

lesson::Jump ShowCalculationAnswers(Program& p) {
  ShowFirstScreen(p);
  lesson::WaitForKey(p);
  ShowSecondScreen(p);
  lesson::WaitForKey(p);
  ShowThirdScreen(p);
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
