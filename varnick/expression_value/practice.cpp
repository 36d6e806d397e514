// ③ The practice: random problems "find the value of a(bx+cy)+d(ex+fy) for these x and y",
// each worked out in the order the rules panel teaches (multiply out, collect, then
// substitute), one line per key, until 1 is entered at the next-step prompt.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "varnick/expression_value/expression_value.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// A coin from 0 to n - 1, kept in RandomPick.
void DrawCoin(lesson::Program& p, float n) {
  p.layout.RandomPick = lesson::PickRandomWhole(p, 0, n);
}

}  // namespace

void GenerateExpressionValueProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // a is never +1: a drawn 1 is always -1.
  float a = lesson::PickRandomWhole(p, 1, 5);
  DrawCoin(p, 2);
  if (p.layout.RandomPick == 0 || a == 1) a = -a;
  w.AuxValues(1) = a;
  w.TermValues(2) = lesson::PickRandomSigned(p, 1, 7);
  w.TermValues(3) = lesson::PickRandomSigned(p, 2, 5);
  // d is negative two times in three.
  float d = lesson::PickRandomWhole(p, 1, 5);
  DrawCoin(p, 3);
  if (p.layout.RandomPick != 2) d = -d;
  w.AuxValues(4) = d;
  w.TermValues(5) = lesson::PickRandomSigned(p, 1, 7);
  w.TermValues(6) = lesson::PickRandomSigned(p, 2, 5);

  w.TermValues(7) = w.AuxValues(1) * w.TermValues(2);
  w.TermValues(8) = w.AuxValues(1) * w.TermValues(3);
  w.TermValues(9) = w.AuxValues(4) * w.TermValues(5);
  w.TermValues(10) = w.AuxValues(4) * w.TermValues(6);
  w.TermValues(11) = w.TermValues(7) + w.TermValues(9);
  w.TermValues(12) = w.TermValues(8) + w.TermValues(10);

  w.AuxValues(5) = lesson::PickRandomSigned(p, 1, 5);
  const float y = lesson::PickRandomSigned(p, 1, 5);
  // x and y always differ: a y equal to x becomes x + 1 (so y may be 0 or 6).
  w.AuxValues(6) = y == w.AuxValues(5) ? w.AuxValues(5) + 1 : y;
}

void ShowExpressionValueSolution(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  const float x_coefficient = w.TermValues(11);
  const float y_coefficient = w.TermValues(12);
  w.AuxValues(7) = x_coefficient * w.AuxValues(5);
  w.AuxValues(8) = y_coefficient * w.AuxValues(6);
  w.AuxValues(9) = w.AuxValues(7) + w.AuxValues(8);
  lesson::FormatNumberArrays(p);

  // The factors before the brackets: a leads its line, d joins the brackets.
  const float d = w.AuxValues(4);
  if (w.AuxValues(1) == -1) w.AuxTexts(1) = "-";
  if (d == 1) w.AuxTexts(4) = "+";
  if (d == -1) w.AuxTexts(4) = "-";
  if (d >= 2) w.AuxTexts(4) = "+" + w.AuxTexts(4);
  // The y product follows the x product: a positive one gets its "+", a negative one
  // carries its own "-".
  if (w.AuxValues(8) > 0) w.AuxTexts(8) = "+" + w.AuxTexts(8);
  for (float index : {2.f, 3.f, 5.f, 6.f, 7.f, 8.f, 9.f, 10.f, 11.f, 12.f}) {
    lesson::SignCoefficientText(w.TermValues(index), w.TermTexts(index));
  }
  for (float index : {2.f, 5.f, 7.f, 11.f}) {
    w.TermTexts(index) = lesson::WithoutLeadingPlus(p, w.TermTexts(index));
  }

  // The collected expression: a term with a coefficient of 0 is left out, and the y term
  // then leads the line. A coefficient of 1 or -1 multiplies its value without a sign.
  std::string x_coefficient_text, y_coefficient_text;
  if (x_coefficient != 0) x_coefficient_text = w.TermTexts(11);
  if (y_coefficient != 0) {
    y_coefficient_text =
        x_coefficient == 0 ? lesson::WithoutLeadingPlus(p, w.TermTexts(12)) : w.TermTexts(12);
  }
  const auto times = [](float coefficient) {
    return coefficient == 1 || coefficient == -1 ? "" : "*";
  };
  // The y product stands where the y term does; a y of 0 gives a product written "+0".
  std::string y_product;
  if (y_coefficient != 0) y_product = w.AuxValues(8) == 0 ? "+0" : w.AuxTexts(8);

  lesson::EraseFrom(p, w.SavedX(31), w.SavedY(31), 600, 1300);
  p.layout.MarginX = w.SavedX(31);
  p.layout.LineY = w.SavedY(31);
  lesson::ShowSteps(p, {
      {kAtOnce, "練習", 3, AtColumn(), Below(0)},
      {kAtOnce, " x=" + w.AuxTexts(5) + ",y=" + w.AuxTexts(6) + "のとき、", 0},
      {kAtOnce, "次の式の値を求めなさい。", 0, AtMargin(40), Below(50)},
      {kAtOnce,
       w.AuxTexts(1) + "(" + w.TermTexts(2) + "x" + w.TermTexts(3) + "y)" + w.AuxTexts(4) + "(" +
           w.TermTexts(5) + "x" + w.TermTexts(6) + "y)",
       3, AtMargin(32), Below(60)},
      {kKeyFirst,
       "=" + w.TermTexts(7) + "x" + w.TermTexts(8) + "y" + w.TermTexts(9) + "x" + w.TermTexts(10) + "y",
       0, AtMargin(), Below(60)},
      {kKeyFirst,
       "=" + w.TermTexts(7) + "x" + w.TermTexts(9) + "x" + w.TermTexts(8) + "y" + w.TermTexts(10) + "y",
       0, AtMargin(), Below(60)},
      {kKeyFirst,
       "=" + (x_coefficient != 0 ? x_coefficient_text + "x" : "") +
           (y_coefficient != 0 ? y_coefficient_text + "y" : ""),
       0, AtMargin(), Below(60)},
      {kKeyFirst, "x=" + w.AuxTexts(5) + ",y=" + w.AuxTexts(6) + " を代入して", 3, AtMargin(40),
       Below(50)},
  });
  lesson::WaitForKey(p);
  // Negative values are substituted in brackets.
  if (w.AuxValues(5) < 0) w.AuxTexts(5) = lesson::BracketedIfMinus(p, w.AuxTexts(5));
  if (w.AuxValues(6) < 0) w.AuxTexts(6) = lesson::BracketedIfMinus(p, w.AuxTexts(6));
  lesson::ShowSteps(p, {
      {kAtOnce,
       "=" + (x_coefficient != 0 ? x_coefficient_text + times(x_coefficient) + w.AuxTexts(5) : "") +
           (y_coefficient != 0 ? y_coefficient_text + times(y_coefficient) + w.AuxTexts(6) : ""),
       0, AtMargin(), Below(60)},
      {kKeyFirst, "=" + w.AuxTexts(7) + y_product, 0, AtMargin(), Below(60)},
      {kKeyFirst, "=" + w.AuxTexts(9), 5},
  });
}

lesson::Jump RunExpressionValuePractice(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  DrawValueRulesPanel(p);
  lesson::WaitForKey(p);
  // The work area lies left of the rules panel, which stays for the whole practice.
  p.layout.ColumnX = 40;
  p.work.SavedX(31) = p.layout.ColumnX;
  p.work.SavedY(31) = 30;
  lesson::RunDrill(p, [&p] {
    GenerateExpressionValueProblem(p);
    // Both collected coefficients 0: the expression is 0 for every x and y, so another
    // problem is drawn at once, without a prompt.
    if (p.work.TermValues(11) == 0 && p.work.TermValues(12) == 0) return;
    ShowExpressionValueSolution(p);
    lesson::AskNextStep(p);
  });
  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, "教科書P19 問5　をしなさい。", 7, 352, 570);
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
