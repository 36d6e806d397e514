// ⑤ The answers to textbook question 4: four divisions by a term with a fractional
// coefficient in three columns, one per key. Each is rewritten as a multiplication by the
// reciprocal and then as one fraction with every power written out, which is struck through
// in place; (1) puts its result on a row of its own, the others right after the fraction.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AfterText;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// A new column from the top; its question numbers stand 72 left of it.
void StartColumn(lesson::Program& p, float margin_x) {
  p.layout.MarginX = margin_x;
  p.layout.LineY = 30;
}

}  // namespace

lesson::Jump ShowFractionDivisionQuestion4Answers(lesson::Program& p) {
  StartStruckAnswerScreen(p);
  // Each problem opens with a blank cell.
  lesson::ShowSteps(p, {
      {kAtOnce, "問4 解答", 3, AtMargin(), Below(0)},
      {kKeyFirst, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 7x^2/(-ﾀ7/4ﾀx)", 0},
      {kAtOnce, "=7x^2*(-ﾀ4/7xﾀ)", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ7x^2*4/7xﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ7xx*4/7xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹx*4/ｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-4x", 5, AtMargin(), Below(80)}});

  StartColumn(p, 480);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(2)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " -ﾀ5/18ﾀab/(-ﾀ10/9ﾀb)", 0},
      {kAtOnce, "=-ﾀ5ab/18ﾀ*(-ﾀ9/10bﾀ)", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ5ab*9/18*10bﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹaｹ*ｹ/ｹｹ*ｹｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=ﾀa/4ﾀ", 5, AfterText()},
      {kKeyFirst, "(3)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, " -ﾀ1/5ﾀx^2y/ﾀ1/5ﾀx", 0},
      {kAtOnce, "=-ﾀx^2y/5ﾀ*ﾀ5/xﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀxxy*5/5*xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹxy*ｹ/ｹ*ｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-xy", 5, AfterText()}});

  StartColumn(p, 920);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(4)", 3, AtMargin(-72), Below(90)},
      {kAtOnce, " ﾀ2/3ﾀy^2/ﾀ3/2ﾀy^2", 0},
      {kAtOnce, "=ﾀ2y^2/3ﾀ*ﾀ2/3y^2ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ2yy*2/3*3yyﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀ2ｹｹ*2/3*3ｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=ﾀ4/9ﾀ", 5, AfterText()}});
  return {ShowFractionDivisionMenu};
}

}  // namespace varnick
