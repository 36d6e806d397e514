#include "ostrel/answer_screens.h"

#include "lessonlib/formula.h"

namespace ostrel {

namespace {
using lesson::Program;
}  // namespace

lesson::LessonStep Label(const char* label, lesson::StepY y, lesson::StepLine line) {
  return {lesson::kAtOnce, label, 3, lesson::AtColumn(), y, line};
}

lesson::LessonStep Problem(std::string text, lesson::StepX x, lesson::StepLine line) {
  return {lesson::kAtOnce, std::move(text), 0, x, lesson::OnLine(), line};
}

lesson::LessonStep Worked(std::string text, float gap, lesson::StepLine line) {
  return {lesson::kAtOnce, std::move(text), 0, lesson::AtMargin(), lesson::Below(gap), line};
}

lesson::LessonStep Answer(std::string text, float gap, lesson::StepLine line) {
  return {lesson::kAtOnce, std::move(text), 5, lesson::AtMargin(), lesson::Below(gap), line};
}

void DrawTitleBox(Program& p, const AnswerTitle& title, lesson::StepX x, lesson::StepY y) {
  lesson::DrawHeadingBox(p, {title.width, 46, 0, title.border, 13}, title.text,
                         lesson::StepXValue(p, x), lesson::StepYValue(p, y));
}

void DrawNumberBox(Program& p, const std::string& number, lesson::StepX x, lesson::StepY y,
                   const lesson::HeadingBox& box) {
  lesson::DrawHeadingBox(p, box, number, lesson::StepXValue(p, x), lesson::StepYValue(p, y));
}

void DrawAnswerHeading(Program& p, const AnswerTitle& title, lesson::StepX x, lesson::StepY y,
                       float gap, const std::string& number,
                       const lesson::HeadingBox& number_box) {
  DrawTitleBox(p, title, x, y);
  DrawNumberBox(p, number, lesson::AfterText(gap), lesson::OnLine(), number_box);
}

void UseCancellationStrokes(Program& p) { p.figure.LineColour = 7; }

lesson::LessonStep Overlay(std::string text, lesson::StepLine line) {
  return {lesson::kAtOnce, std::move(text), 0, lesson::AtMargin(), lesson::OnLine(), line};
}

void ShowColumnCalculation(Program& p, const ColumnCalculation& calculation) {
  p.text.TextX = p.layout.MarginX;
  p.text.TextY = p.layout.LineY + 50;
  p.text.TextColour = 0;
  p.fraction.TextA = calculation.upper;
  p.fraction.TextB = calculation.lower;
  p.layout.ColumnOperator = calculation.op;
  // The row height; DrawDottedArc uses the same value for its arcs, so it is set every time.
  p.figure.ArcBulge = 50;
  p.figure.LineColour = 0;
  lesson::DrawColumnAddition(p);
  if (calculation.marks != nullptr) {
    lesson::ShowStep(p, {lesson::kAtOnce, calculation.marks, 3, lesson::AtMargin(),
                         lesson::Below(-25), lesson::kCaption});
  }
  const float answer_x = p.layout.ColumnAnswerX - 27 * calculation.answer_cells_left;
  lesson::ShowStep(p, {lesson::kAtOnce, calculation.answer, 5, lesson::AtX(answer_x),
                       lesson::Below(50)});
}

}  // namespace ostrel
