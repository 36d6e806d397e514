// ② and ④ The answers to textbook questions 1 and 2: products of monomials, and products
// with a square, each screen in two columns, one question (or two) per key.
#include "varnick/answer_screens.h"
#include "varnick/multiply_monomials/multiply_monomials.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::OnLine;

lesson::Jump ShowMultiplicationQuestion1Answers(lesson::Program& p) {
  lesson::EraseScreen(p);
  StartAnswerColumn(p, 40);
  lesson::ShowSteps(p, {
      {kAtOnce, "問1 解答", 3, AtMargin(), Below(0)},
      {kKeyFirst, "(1)", 3, AtColumn(), Below(50)},
      {kAtOnce, "(-4x)*5y", 0},
      {kAtOnce, "=-20xy", 5, AtMargin(), Below(50)},
      {kKeyFirst, "(2)", 3, AtColumn(), Below(50)},
      {kAtOnce, "(-7y)*(-3x)", 0},
      {kAtOnce, "=(-7)*(-3)*xy", 0, AtMargin(), Below(50)},
      {kAtOnce, "=21xy", 5, AtMargin(), Below(50)},
      {kKeyFirst, "(3)", 3, AtColumn(), Below(70)},
      {kAtOnce, "ﾀ5/9ﾀa*(-3b)", 0},
      {kAtOnce, "=-ﾀ5*3/9ﾀ*ab", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ5/3ﾀab", 5, AtMargin(), Below(70)},
  });
  // The second column starts at the top again, level with the heading.
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(4)", 3, AtColumn(), OnLine()},
      {kAtOnce, "ﾀ1/2ﾀx*ﾀ3/4ﾀx", 0},
      {kAtOnce, "=ﾀ1*3/2*4ﾀ*x*x", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ3/8ﾀx^2", 5, AtMargin(), Below(70)},
      {kKeyFirst, "(5)", 3, AtColumn(), Below(70)},
      {kAtOnce, "3ab*b", 0},
      {kAtOnce, "=3ab^2", 5, AtMargin(), Below(50)},
      {kKeyFirst, "(6)", 3, AtColumn(), Below(60)},
      {kAtOnce, "(-x)*(-8xy)", 0},
      {kAtOnce, "=(-1)*(-8)*x*xy", 0, AtMargin(), Below(50)},
      {kAtOnce, "=8x^2y", 5, AtMargin(), Below(50)},
  });
  return {ShowMonomialMultiplicationMenu};
}

lesson::Jump ShowMultiplicationQuestion2Answers(lesson::Program& p) {
  // Each problem opens with a blank cell.
  lesson::StartAnswerScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "問2 解答", 3, AtMargin(), Below(0)},
      {kAtOnce, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " (-7a)^2", 0},
      {kAtOnce, "=(-7a)*(-7a)", 0, AtMargin(), Below(60)},
      {kAtOnce, "=49a^2", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(2)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, " ﾀ1/3ﾀx*(3x)^2", 0},
      {kAtOnce, "=ﾀ1/3ﾀx*3x*3x", 0, AtMargin(), Below(80)},
      {kAtOnce, "=3x^3", 5, AtMargin(), Below(70)},
  });
  // The second column starts at the top again, level with (1).
  p.layout.MarginX = 684;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kKeyFirst, "(3)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " -(4x)^2", 0},
      {kAtOnce, "=-(4x)*(4x)", 0, AtMargin(), Below(60)},
      {kAtOnce, "=-16x^2", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(4)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " (-a)^2*3a", 0},
      {kAtOnce, "=(-a)*(-a)*3a", 0, AtMargin(), Below(60)},
      {kAtOnce, "=3a^3", 5, AtMargin(), Below(60)},
  });
  return {ShowMonomialMultiplicationMenu};
}

}  // namespace varnick
