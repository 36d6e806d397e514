// The answers to question 7: two additions and two subtractions written vertically, each
// laid out at one key and its answer revealed piece by piece. A subtraction first gets a row
// of changed signs over its lower expression.
#include <array>

#include "corvane/add_subtract/add_subtract.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// One calculation. Every character of its texts is one 27-unit cell, so the blanks inside
// them keep like terms one under another.
struct VerticalAnswer {
  const char* label;
  const char* upper;
  const char* operator_sign;
  const char* lower;
  const char* sign_row;  // from the operator's cell; none for an addition
  std::array<const char*, 3> pieces;  // the answer, piece by piece; unused ones null
};

constexpr std::array<VerticalAnswer, 2> kLeftColumn{{
    {"(1)", "2x-3y", "+", "4x+5y", nullptr, {"6x", "+2y"}},
    {"(2)", " x +y", "+", " x -y", nullptr, {"2x"}},
}};
constexpr std::array<VerticalAnswer, 2> kRightColumn{{
    {"(3)", "5x-2y", "-", " x-3y", "+ - +", {"4x", " +y"}},
    // The blank first piece only moves the answer on to the y column.
    {"(4)", "6x +y", "-", "6x -y -8", "+-   +  +", {"  ", " 2y", " +8"}},
}};

// A column of answers: labels at ColumnX, layouts from MarginX = ColumnX + 54, from y 30.
void StartColumn(lesson::Program& p, float column_x) {
  p.layout.ColumnX = column_x;
  p.layout.MarginX = column_x + 54;
  p.layout.LineY = 30;
}

void ShowVerticalAnswer(lesson::Program& p, const VerticalAnswer& answer) {
  lesson::WaitForKey(p);
  lesson::ShowSteps(p, {{kAtOnce, answer.label, 3, AtColumn(), Below(50)}});
  p.text.TextColour = 0;
  p.text.TextX = p.layout.MarginX;
  p.text.TextY = p.layout.LineY + 50;
  p.fraction.TextA = answer.upper;
  p.fraction.TextB = answer.lower;
  p.layout.ColumnOperator = answer.operator_sign;
  p.figure.ArcBulge = 50;
  p.figure.LineColour = 0;
  lesson::DrawColumnAddition(p);
  // The changed signs stand halfway between the two rows; the layout does not follow them.
  if (answer.sign_row != nullptr) {
    lesson::WaitForKey(p);
    lesson::DrawCaptionText(p, answer.sign_row, 3, p.layout.MarginX, p.layout.LineY - 25);
  }
  // The answer's top lies on the rule.
  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, answer.pieces[0], 5, p.layout.ColumnAnswerX, p.layout.LineY + 50);
  for (size_t k = 1; k < answer.pieces.size() && answer.pieces[k] != nullptr; ++k) {
    lesson::WaitForKey(p);
    lesson::ContinueLessonText(p, answer.pieces[k], 5);
  }
}

}  // namespace

lesson::Jump ShowQuestion7Answers(lesson::Program& p) {
  lesson::EraseScreen(p);
  StartColumn(p, 40);
  lesson::ShowSteps(p, {{kAtOnce, "問7 解答", 3, AtMargin(), OnLine()}});
  for (const VerticalAnswer& answer : kLeftColumn) ShowVerticalAnswer(p, answer);
  StartColumn(p, 600);
  for (const VerticalAnswer& answer : kRightColumn) ShowVerticalAnswer(p, answer);
  return {ShowAddSubtractMenu};
}

}  // namespace corvane
