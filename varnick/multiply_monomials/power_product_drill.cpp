// ③ Example 2: products in which a factor is a power, a drill over eight fixed problems,
// each written out as repeated factors and then worked; after the last one the rules of
// multiplying monomials beside it.
#include <array>

#include "varnick/multiply_monomials/multiply_monomials.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::AtX;
using lesson::AtY;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

constexpr std::array<lesson::DrillRow, 8> kPowerProducts{{
    {"(5x)^2", "5x*5x", "25x^2"},
    {"(-5y)^2", "(-5y)*(-5y)", "25y^2"},
    {"(-7a)^2", "(-7a)*(-7a)", "49a^2"},
    {"-(4x)^2", "-(4x)*(4x)", "-16x^2"},
    {"-(-8a)^2", "-(-8a)*(-8a)", "-64a^2"},
    {"ﾀ1/3ﾀx*(3x)^2", "ﾀ1/3ﾀx*3x*3x", "3x^3"},
    {"(-a)^2*3a", "(-a)*(-a)*3a", "3a^3"},
    {"(-3a)^2*4b", "(-3a)*(-3a)*4b", "36a^2b"},
}};

}  // namespace

lesson::Jump RunPowerProductDrill(lesson::Program& p) {
  RunFixedListDrill(p, kPowerProducts, 0, 0, [&p] {
    p.layout.ColumnX = 40;
    p.layout.MarginX = p.layout.ColumnX + 40;
    p.layout.LineY = 30;
    lesson::ShowSteps(p, {
        {kAtOnce, "例2　次の計算をしなさい。", 3, AtColumn(), Below(0)},
        {kAtOnce, DrillProblem(p), 0, AtMargin(40), Below(60)},
        {kKeyFirst, "=", 0, AtMargin(), Below(100)},
        {kAtOnce, FirstForm(p), 0},
        {kKeyFirst, "=", 0, AtMargin(), Below(100)},
        {kAtOnce, SecondForm(p), 5},
    });
  });
  // The rules beside the last problem.
  lesson::WaitForKey(p);
  p.layout.MarginX = 600;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "<単項式の乗法>", 3, AtMargin(), Below(75)},
      {kAtOnce, "① 係数の積に文字の積をかける", 0, AtMargin(), Below(75)},
      {kAtOnce, "② 同じ文字の積は、指数を使って表す", 0, AtMargin(), Below(75)},
      {kAtOnce, "③ 指数部分から計算する", 0, AtMargin(), Below(75)},
      {kAtOnce, "教科書P21 問2　をしなさい。", 7, AtX(44), AtY(570)},
  });
  return {ShowMonomialMultiplicationMenu};
}

}  // namespace varnick
