// Exercise 5 of page 30: a number times a polynomial, a polynomial divided by a number, and
// expressions with brackets and with fractional coefficients, problems (1) to (10) on two
// screens.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

void StartScreen(Program& p) {
  StartP30Screen(p);
  DrawAnswerHeading(p, kPage30Title, AtMargin(), AtY(30), 10, "5");
}

// (1) to (7). In (3) and (4) the division is first written with "÷", then each term is put
// over the divisor.
void ShowFirstScreen(Program& p) {
  StartScreen(p);
  lesson::ShowSteps(p, {
      Label("(1)", Below(55)),
      Problem(" 5(4a-5b)"),
      Answer("=20a-25b", 50),
      Label("(2)", Below(50)),
      Problem(" -3(4x-9y)"),
      Answer("=-12x+27y", 50),
      Label("(3)", Below(50)),
      Problem("(-28x+21y)/7", AfterText()),
      Worked("=ﾀ-28x/7ﾀ+ﾀ21y/7ﾀ", 70),
      Answer("=-4x+3y", 60),
      Label("(4)", Below(60)),
      Problem("(36a-24b)/(-4)", AfterText()),
      Worked("=ﾀ36a/-4ﾀ+ﾀ-24b/-4ﾀ", 70),
      Answer("=-9a+6b", 60),
  });
  StartAnswerColumn(p, 640);
  lesson::ShowSteps(p, {
      Label("(5)", AtY(30)),
      Problem(" 5x+2(x-2y)"),
      Worked("=5x+2x-4y", 50),
      Answer("=7x-4y", 50),
      Label("(6)", Below(60)),
      Problem(" 2(2x-y)+(5x-y)"),
      Worked("=4x-2y+5x-y", 50),
      Worked("=4x+5x-2y-y", 50),
      Answer("=9x-3y", 50),
      Label("(7)", Below(60)),
      Problem(" 3(x+y)-3(x-y)"),
      Worked("=3x+3y-3x+3y", 50),
      Worked("=3x-3x+3y+3y", 50),
      Answer("=6y", 50),
  });
}

// (8) to (10). The sum of (9)'s like terms is followed on its line by its reduced form; the
// last line of (9) reaches into the bottom band.
void ShowSecondScreen(Program& p) {
  StartScreen(p);
  lesson::ShowSteps(p, {
      Label("(8)", Below(60)),
      Problem(" 5(4a+b)-6(5a-b+3)"),
      Worked("=20a+5b-30a+6b-18", 50),
      Worked("=20a-30a+5b+6b-18", 50),
      Answer("=-10a+11b-18", 50),
      Label("(9)", Below(50)),
      Problem(" ﾀ1/2ﾀ(4x-y)+ﾀ1/3ﾀ(x+2y)", AfterText()),
      Worked("=ﾀ4/2ﾀx-ﾀ1/2ﾀy+ﾀ1/3ﾀx+ﾀ2/3ﾀy", 80),
      Worked("=ﾀ12/6ﾀx-ﾀ3/6ﾀy+ﾀ2/6ﾀx+ﾀ4/6ﾀy", 80),
      Worked("=ﾀ12/6ﾀx+ﾀ2/6ﾀx-ﾀ3/6ﾀy+ﾀ4/6ﾀy", 80),
      {kAtOnce, "=ﾀ14/6ﾀx+ﾀ1/6ﾀy", 3, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ7/3ﾀx+ﾀ1/6ﾀy", 5},
  });
  StartAnswerColumn(p, 640);
  lesson::ShowSteps(p, {
      Label("(10)", AtY(30)),
      Problem(" ﾀ3a-4b/4ﾀ-ﾀa-b/2ﾀ", AfterText()),
      Worked("=ﾀ(3a-4b)-2(a-b)/4ﾀ", 90),
      Worked("=ﾀ3a-4b-2a+2b/4ﾀ", 90),
      Worked("=ﾀ3a-2a-4b+2b/4ﾀ", 90),
      Answer("=ﾀa-2b/4ﾀ", 90),
  });
}

}  // namespace

// The screens set no draw width: their box borders take the width in force.
lesson::Jump ShowPolynomialByNumberAnswers(Program& p) {
  ShowFirstScreen(p);
  lesson::WaitForKey(p);
  ShowSecondScreen(p);
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
