// Exercise 1 on page 22: products and quotients of monomials in three columns, drawn at
// once. A quotient written as one fraction of single factors is struck through in place.
#include "lessonlib/chapter_frame.h"
#include "varnick/answer_screens.h"
#include "varnick/p22_answers/p22_answers.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;

lesson::Jump ShowP22Answers1(lesson::Program& p) {
  StartP22AnswerScreen(p, "1");
  lesson::ShowSteps(p, {
      {kAtOnce, "(1)", 3, AtColumn(), Below(60)},
      {kAtOnce, "5x*(-2x)", 0},
      {kAtOnce, "=-10x^2", 5, AtMargin(), Below(50)},
      {kAtOnce, "(2)", 3, AtColumn(), Below(60)},
      {kAtOnce, "12m/2m", 0},
      {kAtOnce, "=ﾀ12m/2mﾀ", 0, AtMargin(), Below(50)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹｹｹ/ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=6", 5},
      {kAtOnce, "(3)", 3, AtColumn(), Below(80)},
      {kAtOnce, "(-4x)^2", 0},
      {kAtOnce, "=(-4x)*(-4x)", 0, AtMargin(), Below(50)},
      {kAtOnce, "=16x^2", 5, AtMargin(), Below(50)},
  });
  StartAnswerColumn(p, 400);
  lesson::ShowSteps(p, {
      {kAtOnce, "(4)", 3, AtColumn(), Below(60)},
      {kAtOnce, "ﾀ2/3ﾀxy*ﾀ1/4ﾀx", 0},
      {kAtOnce, "=ﾀ2xy*x/3*4ﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹxy*x/3*ｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=ﾀx^2y/6ﾀ (ﾀ1/6ﾀx^2y)", 5, AtMargin(), Below(80)},
      {kAtOnce, "(5)", 3, AtColumn(), Below(80)},
      {kAtOnce, "ﾀ2/5ﾀx*(-10y^2)", 0},
      {kAtOnce, "=-ﾀ2x*10yy/5ﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀ2x*ｹｹyy/ｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-4xy^2", 5, AtMargin(), Below(50)}});
  StartAnswerColumn(p, 800);
  lesson::ShowSteps(p, {
      {kAtOnce, "(6)", 3, AtColumn(), Below(60)},
      {kAtOnce, "ﾀ5/6ﾀx^2/(-ﾀ10/3ﾀx)", 0},
      {kAtOnce, "=ﾀ5/6ﾀx^2*(-ﾀ3/10xﾀ)", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ5xx*3/6*10xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹx*ｹ/ｹ*ｹｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-ﾀx/4ﾀ (-ﾀ1/4ﾀx)", 5, AtMargin(), Below(80)}});
  return {ShowP22ExercisesMenu};
}

}  // namespace varnick
