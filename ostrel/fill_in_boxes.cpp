#include "ostrel/fill_in_boxes.h"

#include <iterator>
#include <string>

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "platform/errors.h"

namespace ostrel {

namespace {

using lesson::Program;

constexpr float kBoxFill = 13;
constexpr float kFillingColour = 5;

// The circled numbers of the boxes, ① to ⑨.
const char* const kCircledNumbers[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨"};

std::string CircledNumber(float number) {
  const int k = platform::RoundToInt(number);
  if (k < 1 || k > static_cast<int>(std::size(kCircledNumbers))) {
    platform::RaiseRuntimeError(platform::kSubscriptOutOfRange);
  }
  return kCircledNumbers[k - 1];
}

float& PlaceX(Program& p, const FillInStyle& style, float number) {
  return style.places == FillInStyle::kSavedPlaces ? p.work.SavedX(number)
                                                   : p.work.TermValues(number);
}

float& PlaceY(Program& p, const FillInStyle& style, float number) {
  return style.places == FillInStyle::kSavedPlaces ? p.work.SavedY(number)
                                                   : p.work.AuxValues(number);
}

const FillInBox& BoxNumbered(std::span<const FillInBox> boxes, float number) {
  for (const FillInBox& box : boxes) {
    if (box.number == number) return box;
  }
  platform::RaiseRuntimeError(platform::kSubscriptOutOfRange);
}

// Draws a box at the row's place (x, y) with `text` centred in it; the row ends at its right
// edge.
void DrawFillInBox(Program& p, const FillInStyle& style, float width, float x, float y,
                   const std::string& text, float colour) {
  p.figure.BoxWidth = width;
  p.figure.BoxHeight = style.height;
  p.figure.LineColour = style.border;
  p.figure.FillColour = kBoxFill;
  p.text.TextColour = colour;
  p.text.WorkText = text;
  p.text.TextX = x;
  p.text.TextY = y;
  if (style.placing == FillInStyle::kFromTop) {
    lesson::DrawBoxedText(p);
  } else {
    lesson::DrawBoxedTextOnLine(p);
  }
  p.layout.LineEndX = p.text.TextX;
  p.layout.LineY = y;
}

}  // namespace

ExplanationRow BoxRow(float number, lesson::StepX x, lesson::StepY y) {
  return {{lesson::kAtOnce, "", 0, x, y}, number};
}

void ShowExplanation(Program& p, const FillInStyle& style, std::span<const FillInBox> boxes,
                     std::initializer_list<ExplanationRow> rows) {
  for (const ExplanationRow& row : rows) {
    const lesson::LessonStep& step = row.step;
    if (row.box == 0) {
      lesson::ShowStep(p, step);
      continue;
    }
    if (step.wait == lesson::kKeyFirst) lesson::WaitForKey(p);
    const float x = lesson::StepXValue(p, step.x);
    const float y = lesson::StepYValue(p, step.y);
    const FillInBox& box = BoxNumbered(boxes, row.box);
    PlaceX(p, style, box.number) = x;
    PlaceY(p, style, box.number) = y;
    const float shown = box.shown_number != 0 ? box.shown_number : box.number;
    DrawFillInBox(p, style, box.width, x, y, style.numbered ? CircledNumber(shown) : "",
                  style.number_colour);
  }
}

void FillInTurn(Program& p, const FillInStyle& style, std::span<const FillInBox> boxes) {
  for (const FillInBox& box : boxes) {
    lesson::WaitForKey(p);
    DrawFillInBox(p, style, box.width, PlaceX(p, style, box.number),
                  PlaceY(p, style, box.number), box.filling, kFillingColour);
  }
}

}  // namespace ostrel
