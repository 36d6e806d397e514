// Exercise 7 of page 30: products and quotients of monomials, problems (1) to (12) on two
// screens. Every problem with a division is written as one fraction, factor by factor (x^2
// as xx), and the cancelled factors are struck out before the answer.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// Both screens: the heading, then the strokes of the overlays in colour 7 at width 5.
void StartScreen(Program& p) {
  StartP30Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawAnswerHeading(p, kPage30Title, AtColumn(), AtY(30), 44, "7");
  UseCancellationStrokes(p);
}

// (1) to (8) in three columns.
void ShowFirstScreen(Program& p) {
  StartScreen(p);
  lesson::ShowSteps(p, {
      Label("(1)", Below(60)),
      Problem(" 2a*(-9b)"),
      Answer("=-18ab", 50),
      Label("(2)", Below(60)),
      Problem(" (-6x)*(-3y)"),
      Answer("=18xy", 50),
      Label("(3)", Below(60)),
      Problem(" (-2a)^2"),
      Worked("=(-2a)*(-2a)", 50),
      Answer("=4a^2", 50),
      Label("(4)", Below(60)),
      Problem(" (-4x)^2*y"),
      Worked("=16x^2*y", 50),
      Answer("=16x^2y", 50),
  });
  StartAnswerColumn(p, 440);
  lesson::ShowSteps(p, {
      Label("(5)", Below(60)),
      Problem(" 12ab/3b"),
      Worked("=ﾀ12ab/3bﾀ", 80),
      Overlay("=ﾀｹｹaｹ/ｹｹﾀ"),
      Answer("=4a", 50),
      Label("(6)", Below(60)),
      Problem(" 3x^2/x"),
      Worked("=ﾀ3x^2/xﾀ", 80),
      Worked("=ﾀ3xx/xﾀ", 80),
      Overlay("=ﾀ3ｹx/ｹﾀ"),
      Answer("=3x", 60),
  });
  StartAnswerColumn(p, 760);
  lesson::ShowSteps(p, {
      Label("(7)", AtY(30)),
      Problem(" -ﾀ2/5ﾀx^2/ﾀ3/2ﾀx"),
      Worked("=-ﾀ2/5ﾀx^2*ﾀ2/3xﾀ", 80),
      Worked("=-ﾀ2xx*2/5*3xﾀ", 80),
      Overlay("=-ﾀ2ｹx*2/5*3ｹﾀ"),
      Answer("=-ﾀ4/15ﾀx", 70),
      Label("(8)", Below(70)),
      Problem(" 8x^3/ﾀ2/7ﾀx"),
      Worked("=8x^3*ﾀ7/2xﾀ", 80),
      Worked("=ﾀ8xxx*7/2xﾀ", 80),
      Overlay("=ﾀｹｹxx*7/ｹｹﾀ"),
      Answer("=28x^2", 70),
  });
}

// (9) to (12) in two columns; the answers of (10) and (12) follow their fractions.
void ShowSecondScreen(Program& p) {
  StartScreen(p);
  lesson::ShowSteps(p, {
      Label("(9)", Below(60)),
      Problem(" 5a*2ab*3b", AfterText()),
      Worked("=5*2*3*a*ab*b", 60),
      Answer("=30a^2b^2", 60),
      Label("(10)", Below(80)),
      Problem("14x^2/(-7x)*(-2x)", AfterText()),
      Worked("=ﾀ14x^2*2x/7xﾀ", 80),
      Worked("=ﾀ14xx*2x/7xﾀ", 80),
      Overlay("=ﾀｹｹｹx*2x/ｹｹﾀ"),
      {kAtOnce, "=4x^2", 5},
  });
  StartAnswerColumn(p, 600);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      Label("(11)", Below(20)),
      Problem("7a^2*6b/3a", AfterText()),
      Worked("=ﾀ7a^2*6b/3aﾀ", 80),
      Worked("=ﾀ7aa*6b/3aﾀ", 80),
      Overlay("=ﾀ7ｹa*ｹb/ｹｹﾀ"),
      Answer("=14ab", 60),
      Label("(12)", Below(60)),
      Problem("18x^2y/3xy/(-2x)", AfterText()),
      Worked("=-ﾀ18x^2y/3xy*2xﾀ", 80),
      Worked("=-ﾀ18xxy/3xy*2xﾀ", 80),
      Overlay("=-ﾀｹｹｹｹｹ/ｹｹｹ*ｹｹﾀ"),
      {kAtOnce, "=-3", 5},
  });
}

}  // namespace

lesson::Jump ShowMonomialProductQuotientAnswers(Program& p) {
  ShowFirstScreen(p);
  lesson::WaitForKey(p);
  ShowSecondScreen(p);
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
