// 例1, the multiplication practice: random problems in three stages on one page. ① a(bx+cy)
// and ② (bx+cy)×a in the left column, each below the last problem of the stage before; ③
// (p/q)(bx+cy) in the right half (fraction_multiplier_stage.cpp), closed by the rule.
#include <string>

#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/multiply_divide/practice.h"
#include "corvane/multiply_divide/worked_lines.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

constexpr float kWorkColour = 0;

// The multiplier, the x term and the y term as a stage draws them.
std::string& Multiplier(lesson::Program& p) { return p.fraction.TextA; }
std::string& XTerm(lesson::Program& p) { return p.fraction.TextB; }
std::string& YTerm(lesson::Program& p) { return p.fraction.TextC; }

// The result: its first coefficient without "+", the second always with its sign.
void DrawResult(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  lesson::DrawLessonText(p, "=" + w.TermTexts(5) + "x" + w.TermTexts(6) + "y", 5,
                         p.layout.MarginX, p.layout.LineY + 50);
}

// ① a(bx+cy): the multiplier before the bracket, the arcs from its digit to each term.
void ShowLeftMultiplierProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  StartStageProblem(p, "①", 0, w.SavedY(31), 1300);
  for (float i : {1.f, 2.f, 5.f}) w.TermTexts(i) = lesson::WithoutLeadingPlus(p, w.TermTexts(i));
  std::string& multiplier = Multiplier(p);
  std::string& x_term = XTerm(p);
  std::string& y_term = YTerm(p);
  multiplier = w.TermTexts(1);
  x_term = w.TermTexts(2) + "x";
  y_term = w.TermTexts(3) + "y";
  // The arcs' ends on the right edge of each piece's first character.
  l.LineEndX = l.MarginX + 40;
  DrawPieces(p, kWorkColour,
             {{multiplier + "(", 1, 27}, {x_term, 2, 27}, {y_term + ")", 3, 27}});
  DrawDistributionArcs(p, w.PointX(1), w.PointY(1), w.PointX(2), w.PointX(3), w.PointY(1), -1,
                       1, 2);

  // In the products a negative term stands in brackets and a positive one loses its "+"; a
  // positive multiplier joins them with "+", a negative one with its own minus.
  lesson::WaitForKey(p);
  const auto as_factor = [&](const std::string& term, float value) {
    return value < 0 ? lesson::BracketedIfMinus(p, term) : lesson::WithoutLeadingPlus(p, term);
  };
  x_term = as_factor(x_term, w.TermValues(2));
  y_term = as_factor(y_term, w.TermValues(3));
  lesson::DrawLessonText(p, "=" + multiplier + "*" + x_term, kWorkColour, l.MarginX,
                         l.LineY + 50);
  if (w.TermValues(1) > 0) multiplier = "+" + multiplier;
  lesson::ContinueLessonText(p, multiplier + "*" + y_term, kWorkColour);
  lesson::WaitForKey(p);
  DrawResult(p);
}

// ② (bx+cy)×a: the multiplier after the bracket, bracketed when negative; the arcs run from it
// back to the terms.
void ShowRightMultiplierProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::LessonLayout& l = p.layout;
  StartStageProblem(p, "②", 0, w.SavedY(31), 1300);
  for (float i : {2.f, 5.f}) w.TermTexts(i) = lesson::WithoutLeadingPlus(p, w.TermTexts(i));
  std::string& multiplier = Multiplier(p);
  const std::string& x_term = XTerm(p) = w.TermTexts(2) + "x";
  const std::string& y_term = YTerm(p) = w.TermTexts(3) + "y";
  multiplier = w.TermValues(1) < 0 ? lesson::BracketedIfMinus(p, w.TermTexts(1))
                                   : lesson::WithoutLeadingPlus(p, w.TermTexts(1));
  lesson::DrawLessonText(p, "(", kWorkColour, l.MarginX + 40, l.LineY);
  DrawPieces(p, kWorkColour, {{x_term, 2, 27}, {y_term + ")*", 3, 27}, {multiplier, 1, 27}});
  DrawDistributionArcs(p, w.PointX(1), w.PointY(1), w.PointX(2), w.PointX(3), w.PointY(1), 1,
                       2.5f, 2);
  // The second product carries the y term's own sign.
  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, "=" + x_term + "*" + multiplier, kWorkColour, l.MarginX,
                         l.LineY + 50);
  lesson::ContinueLessonText(p, y_term + "*" + multiplier, kWorkColour);
  lesson::WaitForKey(p);
  DrawResult(p);
}

}  // namespace

void GenerateWholeMultiplierProblem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  // Never the multiplier of the problem before, sign included, whichever practice made it.
  float& previous = p.practice.PreviousFirstCoefficient;
  float a = 0;
  do {
    a = lesson::PickRandomSigned(p, 2, 5);
  } while (a == previous);
  previous = a;
  w.TermValues(1) = a;
  w.TermValues(2) = lesson::PickRandomSigned(p, 1, 7);
  w.TermValues(3) = lesson::PickRandomSigned(p, 2, 5);
  w.TermValues(5) = a * w.TermValues(2);
  w.TermValues(6) = a * w.TermValues(3);
  lesson::FormatNumberArrays(p);
  for (float i : {1.f, 2.f, 3.f, 5.f, 6.f}) {
    lesson::SignCoefficientText(w.TermValues(i), w.TermTexts(i));
  }
}

lesson::Jump RunMultiplicationPractice(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  StartPracticePage(p, "例1 次の計算をしなさい。");
  // Each stage starts below the last problem of the one before.
  RunPracticeStage(p, l.MarginX, l.LineY + 50, [&] {
    GenerateWholeMultiplierProblem(p);
    ShowLeftMultiplierProblem(p);
  });
  RunPracticeStage(p, l.MarginX, l.LineY + 80, [&] {
    GenerateWholeMultiplierProblem(p);
    ShowRightMultiplierProblem(p);
  });
  RunFractionMultiplierStage(p);
  return {ShowMultiplyDivideMenu};
}

}  // namespace corvane
