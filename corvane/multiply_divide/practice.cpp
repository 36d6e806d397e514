#include "corvane/multiply_divide/practice.h"

#include "corvane/multiply_divide/worked_lines.h"
#include "corvane/sections.h"
#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace corvane {

void StartPracticePage(lesson::Program& p, const char* heading) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  l.MarginX = 40;
  l.LineY = 30;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {{kAtOnce, heading, 0, AtMargin(), OnLine()}});
}

void StartAtStageCorner(lesson::Program& p) {
  p.layout.MarginX = p.work.SavedX(31);
  p.layout.LineY = p.work.SavedY(31);
}

void WriteCandidates(lesson::Program& p, float first, float second, float third, float fourth) {
  lesson::LessonWork& w = p.work;
  w.PointX(1) = first;
  w.PointX(2) = second;
  w.PointX(3) = third;
  w.PointX(4) = fourth;
}

void StartStageProblem(lesson::Program& p, const char* label, float erase_x, float erase_y,
                       float height) {
  lesson::EraseFrom(p, erase_x, erase_y, 1320, height);
  StartAtStageCorner(p);
  lesson::DrawLessonText(p, label, 3, p.layout.MarginX, p.layout.LineY + 60);
}

float PickCandidate(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  const float picked = lesson::PickRandomWhole(p, 1, 3);
  p.layout.RandomPick = picked;
  const float value = w.PointX(picked);
  for (float i = picked; i <= 3; ++i) w.PointX(i) = w.PointX(i + 1);
  return value;
}

void WriteProblemTexts(lesson::Program& p, float numerator, float denominator) {
  lesson::LessonWork& w = p.work;
  p.fraction.FractionNumerator = numerator;
  p.fraction.FractionDenominator = denominator;
  lesson::ReduceFractionText(p);
  w.FactorTexts(1) = p.fraction.TextB;
  lesson::FormatNumberArrays(p);
  // It follows the first term in the bracket.
  if (w.TermValues(3) > 0) w.TermTexts(3) = "+" + w.TermTexts(3);
  lesson::SignCoefficientText(w.TermValues(4), w.TermTexts(4));
  lesson::SignCoefficientText(w.TermValues(5), w.TermTexts(5));
}

void DrawDistributionArcs(lesson::Program& p, float from_x, float from_y, float x_term,
                          float y_term, float line_y, float side, float x_bulge, float y_bulge) {
  lesson::WaitForKey(p);
  DrawArc(p, {from_x, from_y, x_term, line_y, 9, side, x_bulge});
  lesson::WaitForKey(p);
  DrawArc(p, {from_x, from_y, y_term, line_y, 7, side, y_bulge});
}

void StrikeOut(lesson::Program& p, float x, float y, float length, float height,
               const std::string& left, LeftValue place) {
  DrawCancelStroke(p, x, y + height, length, -height);
  p.text.TextToDraw = left;
  p.text.TextColour = 3;
  p.text.TextX = x;
  p.text.TextY = place == LeftValue::kAbove ? y - 30 : y + 28;
  lesson::DrawLabelText(p);
}

namespace {

void CancelProduct(lesson::Program& p, float term, const std::string& digits,
                   const std::string& left, float denominator) {
  lesson::LessonWork& w = p.work;
  StrikeOut(p, w.SavedX(term), w.SavedY(term), 27 * CharCount(digits), 40, left,
            LeftValue::kAbove);
  StrikeOut(p, w.SavedX(denominator), w.SavedY(denominator), 27 * CharCount(w.AuxTexts(1)), 28,
            "1", LeftValue::kBelow);
}

}  // namespace

void CancelProducts(lesson::Program& p, float x_shift, float y_shift) {
  lesson::LessonWork& w = p.work;
  for (float i : {12.f, 13.f, 2.f, 3.f}) {
    w.TermTexts(i) = lesson::WithoutLeadingSign(p, w.TermTexts(i));
  }
  w.SavedX(1) += x_shift;
  CancelProduct(p, 1, w.TermTexts(2), w.TermTexts(12), 2);
  lesson::WaitForKey(p);
  w.SavedX(3) += y_shift;
  CancelProduct(p, 3, w.TermTexts(3), w.TermTexts(13), 4);
  p.renderer.FractionMode = 0;
}

void DrawStageResult(lesson::Program& p, const std::string& x, const std::string& y) {
  lesson::LessonWork& w = p.work;
  lesson::WaitForKey(p);
  w.TermTexts(4) = lesson::WithoutLeadingPlus(p, w.TermTexts(4));
  lesson::DrawLessonText(p, "=" + w.TermTexts(4) + x + w.TermTexts(5) + y, 5, p.layout.MarginX,
                         p.layout.LineY + 100);
}

float CharCount(const std::string& text) { return static_cast<float>(platform::PfKLEN(text)); }

}  // namespace corvane
