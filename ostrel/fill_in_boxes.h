// Fill-in explanations: an explanation written with numbered boxes in place of its key
// expressions, whose boxes are then filled one per key press. Chapters 2 to 6 explain
// this way.
#pragma once

#include <initializer_list>
#include <span>

#include "lessonlib/chapter_frame.h"

namespace ostrel {

// How the boxes of one explanation look, and where their places are kept.
struct FillInStyle {
  float border = 9;         // LineColour, while numbered and once filled
  float number_colour = 3;  // the circled number's colour
  float height = 50;        // BoxHeight
  bool numbered = true;     // false: the box stands empty until it is filled
  // Where box k keeps its place (the row's x and y): SavedX(k) and SavedY(k), or
  // TermValues(k) and AuxValues(k).
  enum Places { kSavedPlaces, kTermAuxPlaces } places = kSavedPlaces;
  // The box laid around its text line, or drawn down from the row's y (box and text then
  // stand 3 lower in a 50-high box).
  enum Placing { kAroundLine, kFromTop } placing = kAroundLine;
};

// The usual fill-in box.
inline constexpr FillInStyle kFillInBoxes{};

// One box of an explanation: its number, its width and the expression that fills it.
struct FillInBox {
  float number;
  float width;
  const char* filling;
  // The circled number the box shows, when it is not its own (two boxes filled alike).
  float shown_number = 0;
};

// A row of an explanation: a text row as ShowSteps draws it, or, when `box` is not 0, that
// fill-in box drawn at the row's place.
struct ExplanationRow {
  lesson::LessonStep step;
  float box = 0;
};

// Box k of the explanation, 10 to the right of the piece before it unless placed otherwise.
ExplanationRow BoxRow(float number, lesson::StepX x = lesson::AfterText(10),
                      lesson::StepY y = lesson::OnLine());

// Draws the rows in order. A box row draws its box (the width from `boxes`) with its
// circled number or empty, keeps its place, and leaves LineEndX at the box's right edge and
// LineY at its line, as a text row leaves them after its text.
void ShowExplanation(lesson::Program& p, const FillInStyle& style,
                     std::span<const FillInBox> boxes, std::initializer_list<ExplanationRow> rows);

// Fills the boxes in their order, each after a key press: the box is drawn again at its
// place with its filling in colour 5, which covers its number; the current line moves to it.
void FillInTurn(lesson::Program& p, const FillInStyle& style, std::span<const FillInBox> boxes);

}  // namespace ostrel
