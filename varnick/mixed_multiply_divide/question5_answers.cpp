// ④ The answers to textbook question 5: six products and quotients of monomials on two
// pages of two columns, one per key. The quotients are written as one fraction with every
// power written out and struck through in place; what is left of a struck number shows only
// in the result. The class is then sent on to question 6.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AfterText;
using lesson::AtMargin;
using lesson::AtX;
using lesson::AtY;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// The right-hand column from the top; its question numbers stand 72 left of it.
void StartRightColumn(lesson::Program& p) {
  p.layout.MarginX = 648;
  p.layout.LineY = 30;
}

}  // namespace

lesson::Jump ShowMixedQuestion5Answers(lesson::Program& p) {
  StartStruckAnswerScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "問5 解答", 3, AtMargin(), Below(0)},
      {kKeyFirst, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 2a*3ab*4b", 0},
      {kAtOnce, "=2*3*4*a*ab*b", 0, AtMargin(), Below(60)},
      {kAtOnce, "=24a^2b^2", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(2)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " -5xy*7y*(-2x)", 0},
      {kAtOnce, "=-5*7*(-2)*xy*y*x", 0, AtMargin(), Below(60)},
      {kAtOnce, "=70x^2y^2", 5, AtMargin(), Below(60)},
  });
  StartRightColumn(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(3)", 3, AtMargin(-72), Below(20)},
      {kAtOnce, " 4a*9b/(-8a)", 0},
      {kAtOnce, "=4a*9b*(-ﾀ1/8aﾀ)", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ4a*9b/8aﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹ*9b/ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=-ﾀ9b/2ﾀ", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(4)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, " 8x^2/(-4x)*(-3x)", 0},
      {kAtOnce, "=ﾀ8x^2*3x/4xﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ8xx*3x/4xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹｹx*3x/ｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=6x^2", 5, AfterText()}});

  // The second page, without a heading.
  lesson::WaitForKey(p);
  StartStruckAnswerScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "(5)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, " 6ab*(-7a)/14b", 0},
      {kAtOnce, "=-ﾀ6ab*7a/14bﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹaｹ*ｹa/ｹｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-3a^2", 5, AfterText()}});
  StartRightColumn(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(6)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, " 16xy^2/4y/(-2x)", 0},
      {kAtOnce, "=-ﾀ16xy^2/4y*2xﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ16xyy/4y*2xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹｹｹy/ｹｹ*ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=-2y", 5, AfterText()},
      {kKeyFirst, "教科書P22 問6　をしなさい。", 7, AtX(352), AtY(570)},
  });
  return {ShowMixedMultiplyDivideMenu};
}

}  // namespace varnick
