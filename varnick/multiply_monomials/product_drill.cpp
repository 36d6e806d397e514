// ① The tile-area task: the area of a rectangle of 2a by 3b read off its tiles as 6ab and
// worked as (2×3)×(a×b), the rule for multiplying monomials, then example 1, a drill over
// ten fixed products in the area right of the task, which stays on screen.
#include <array>

#include "varnick/multiply_monomials/multiply_monomials.h"

namespace varnick {

using lesson::AtMargin;
using lesson::AtX;
using lesson::AtY;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeyFirst;

namespace {

constexpr std::array<lesson::DrillRow, 10> kProducts{{
    {"4x*(-2y)", "-8xy"},
    {"(-4x)*5y", "-20xy"},
    {"(-7y)*(-3x)", "21xy"},
    {"ﾀ5/9ﾀa*(-3b)", "-ﾀ5/3ﾀab"},
    {"8a*3a", "24a^2"},
    {"(-8a)*5a", "-40a^2"},
    {"ﾀ1/2ﾀx*ﾀ3/4ﾀx", "ﾀ3/8ﾀx^2"},
    {"3ab*b", "3ab^2"},
    {"(-x)*(-8xy)", "8x^2y"},
    {"ﾀ2/3ﾀxy*ﾀ1/4ﾀx", "ﾀ1/6ﾀx^2y"},
}};

// The task, its figure and the rule, one step per key. Leaves the drill area's corner in
// SavedX(1): the end of the worked product, the rightmost text of the task.
void ShowTileAreaTask(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  // The width stays for the rest of the section and after it.
  p.rt.FE_SETDRAWWIDTH(5);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "縦acm,横bcmのタイルを図のように並べて、", 0, AtMargin(), Below(0)},
      {kAtOnce, "縦2acm,横3bcmの長方形をつくりました。", 0, AtMargin(), Below(60)},
      {kAtOnce, "この長方形の面積を求めなさい。", 0, AtMargin(), Below(60)},
  });
  DrawTileFigure(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "<式>", 3, AtMargin(440), Below(60)},
      {kKeyFirst, "2a*3b", 0, AtMargin(484), Below(60)},
  });
  const float ProblemLineY = p.layout.LineY;
  lesson::WaitForKey(p);
  FillTileFigure(p);
  // The area read off the tiles comes first; the worked product then goes between it and
  // the problem, leaving the line at the area.
  lesson::ShowSteps(p, {
      {kKeyFirst, "=6ab", 5, AtMargin(440), Below(120)},
      {kKeyFirst, "=(2*3)*(a*b)", 0, AtMargin(440), AtY(ProblemLineY + 60), kCaption},
  });
  p.work.SavedX(1) = p.text.TextX;
  lesson::ShowSteps(p, {
      {kKeyFirst, "<単項式の乗法>", 3, AtX(88), Below(75)},
      {kAtOnce, "係数の積に文字の積をかける", 0, AtX(44), Below(60)},
  });
}

}  // namespace

lesson::Jump RunMonomialProductDrill(lesson::Program& p) {
  ShowTileAreaTask(p);
  lesson::WaitForKey(p);
  p.work.SavedY(1) = 30;
  RunFixedListDrill(p, kProducts, p.work.SavedX(1), p.work.SavedY(1), [&p] {
    p.layout.MarginX = p.work.SavedX(1);
    p.layout.LineY = p.work.SavedY(1);
    lesson::ShowSteps(p, {
        {kAtOnce, "例1　次の計算をしなさい。", 3, AtMargin(), Below(0)},
        {kAtOnce, DrillProblem(p), 0, AtMargin(40), Below(70)},
        {kKeyFirst, "=", 0, AtMargin(), Below(80)},
        {kAtOnce, FirstForm(p), 5},
    });
  });
  lesson::DrawLessonText(p, "教科書P20 問1　をしなさい。", 7, 240, 600);
  return {ShowMonomialMultiplicationMenu};
}

}  // namespace varnick
