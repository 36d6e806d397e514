#include "ostrel/answer_screens.h"

#include "lessonlib/formula.h"

namespace ostrel {

namespace {

using lesson::Program;

struct BoxLook {
  float width, height, text_colour, border, fill;
};

// One box with `text` centred in it, drawn from its top-left corner; the row ends at its
// right edge, on its top.
void DrawHeadingBox(Program& p, const BoxLook& look, const std::string& text, float x, float y) {
  p.figure.BoxWidth = look.width;
  p.figure.BoxHeight = look.height;
  p.text.TextColour = look.text_colour;
  p.figure.LineColour = look.border;
  p.figure.FillColour = look.fill;
  p.text.WorkText = text;
  p.text.TextX = x;
  p.text.TextY = y;
  lesson::DrawBoxedText(p);
  p.layout.LineEndX = p.text.TextX;
  p.layout.LineY = y;
}

}  // namespace

void StartAnswerColumn(Program& p, float column_x) {
  p.layout.ColumnX = column_x;
  p.layout.MarginX = column_x + 54;
  p.layout.LineY = 30;
}

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
  DrawHeadingBox(p, {title.width, 46, 0, title.border, 13}, title.text,
                 lesson::StepXValue(p, x), lesson::StepYValue(p, y));
}

void DrawNumberBox(Program& p, const std::string& number, lesson::StepX x, lesson::StepY y,
                   NumberBoxSize size) {
  DrawHeadingBox(p, {size.width, size.height, 13, 4, 3}, number, lesson::StepXValue(p, x),
                 lesson::StepYValue(p, y));
}

void DrawAnswerHeading(Program& p, const AnswerTitle& title, lesson::StepX x, lesson::StepY y,
                       float gap, const std::string& number, NumberBoxSize size) {
  DrawTitleBox(p, title, x, y);
  DrawNumberBox(p, number, lesson::AfterText(gap), lesson::OnLine(), size);
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
