// What the answer screens of the textbook's exercise pages (chapters 4 to 6) are drawn with:
// the answer heading (the page's title box and the exercise-number box beside it), the
// cancellation overlays of worked fractions and the column calculations.
#pragma once

#include <string>

#include "lessonlib/chapter_frame.h"

namespace ostrel {

// Starts a column of answers at the top of the screen: labels at `column_x` (ColumnX), the
// problems' lines 54 to the right (MarginX), the first line placed from y 30.
using lesson::StartAnswerColumn;

// Rows of an answer screen in the colours of their roles: a problem's label in colour 3 at
// ColumnX, the problem in colour 0 on the label's line, its worked lines in colour 0 and its
// answer in colour 5 at MarginX, `gap` below the line before. `line`: how the row leaves the
// layout (kKeepsLineEnd: the next row after the text continues the row before).
lesson::LessonStep Label(const char* label, lesson::StepY y,
                         lesson::StepLine line = lesson::kMovesLine);
lesson::LessonStep Problem(std::string text, lesson::StepX x = lesson::AtMargin(),
                           lesson::StepLine line = lesson::kMovesLine);
lesson::LessonStep Worked(std::string text, float gap, lesson::StepLine line = lesson::kMovesLine);
lesson::LessonStep Answer(std::string text, float gap, lesson::StepLine line = lesson::kMovesLine);

// ---- Answer heading ---------------------------------------------------------------------

// A page's title box: its text, width and border colour (46 high, text in colour 0 on 13).
struct AnswerTitle {
  const char* text;
  float width;
  float border;
};
inline constexpr AnswerTitle kPage29Title{"P29 練習問題", 396, 4};
inline constexpr AnswerTitle kPage30Title{"学びをたしかめよう", 396, 4};
inline constexpr AnswerTitle kPage32Title{"学びを身につけよう", 360, 3};

// The exercise-number boxes: 44 x 44, or 40 x 46 as page 30's first screen has them.
inline constexpr lesson::HeadingBox kSquareNumberBox = lesson::kExerciseNumberBox;
inline constexpr lesson::HeadingBox kTallNumberBox{40, 46, 13, 4, 3};

// The boxes are drawn by DrawBoxedText from their top-left corner, bordered at the draw width
// in force. Each ends its row as a text does: LineEndX at the box's right edge, LineY at its
// top.
void DrawTitleBox(lesson::Program& p, const AnswerTitle& title, lesson::StepX x,
                  lesson::StepY y);
// The exercise number in colour 13 on fill 3, bordered in colour 4.
void DrawNumberBox(lesson::Program& p, const std::string& number, lesson::StepX x,
                   lesson::StepY y, const lesson::HeadingBox& box = kSquareNumberBox);
// The title box at (x, y) and the number box `gap` to its right, at the same top.
void DrawAnswerHeading(lesson::Program& p, const AnswerTitle& title, lesson::StepX x,
                       lesson::StepY y, float gap, const std::string& number,
                       const lesson::HeadingBox& number_box = kSquareNumberBox);

// ---- Cancellation overlays ----------------------------------------------------------------
//
// A worked fraction's cancelled factors are struck out by drawing the fraction again at the
// same place, each cancelled digit or letter replaced by "ｹ" and every other character kept,
// so that the fraction lays out as before and each stroke falls on its character's cell.

// The strokes of the overlays that follow: colour 7, at the draw width in force.
void UseCancellationStrokes(lesson::Program& p);
// The row of an overlay: `text` over the row just drawn, at (MarginX, LineY), in colour 0.
lesson::LessonStep Overlay(std::string text, lesson::StepLine line = lesson::kMovesLine);

// ---- Column calculations --------------------------------------------------------------------

// An addition or subtraction written in columns, one cell (27) a character: blanks keep the
// terms in their columns.
struct ColumnCalculation {
  const char* upper;
  const char* op;     // "+" or "-"
  const char* lower;
  // A subtraction's signs as the addition it turns into: the first over the operator, the
  // others over the lower row's sign places; none for an addition.
  const char* marks;
  const char* answer;
  float answer_cells_left = 0;  // cells left of the operands' column where the answer starts
};

// Draws the calculation from (MarginX, LineY + 50), rows 50 apart, the rule in colour 0; the
// sign marks in colour 3 25 above the lower row, then the answer in colour 5 under the rule.
// The line follows the answer.
void ShowColumnCalculation(lesson::Program& p, const ColumnCalculation& calculation);

}  // namespace ostrel
