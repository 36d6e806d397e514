// The vertical form of an addition or subtraction: two rows of formula text, the operator
// and ")" before the lower row, and a rule under both.
#include <string>

#include "lessonlib/formula.h"
#include "lessonlib/formula_calls.h"

namespace lesson {

namespace {

// The operand column begins two sign cells (operator and bracket) right of the block's edge.
constexpr float kOperandIndent = 54;

}  // namespace

void DrawColumnAddition(Program& p) {
  TextState& t = p.text;
  const float left = t.TextX;
  const float top = t.TextY;
  const float row_height = p.figure.ArcBulge;
  const float entry_width = p.rt.FE_GETDRAWWIDTH();
  p.values.SavedDrawWidth = entry_width;

  const float upper_width = MeasureWidthOf(p, p.fraction.TextA);
  const float lower_width = MeasureWidthOf(p, p.fraction.TextB);
  const float widest = upper_width > lower_width ? upper_width : lower_width;

  DrawTextAt(p, left + kOperandIndent, top, p.fraction.TextA);
  // The operator row stands 6 lower than the lower operands; ")" follows the operator.
  DrawTextAt(p, left, top + row_height + 6, p.layout.ColumnOperator);
  DrawTextAt(p, t.TextX, top + row_height + 6, ")");
  DrawTextAt(p, left + kOperandIndent, top + row_height, p.fraction.TextB);

  // The rule starts under the bracket and ends 3 past the wider row.
  p.rt.FE_SETDRAWWIDTH(3);
  p.rt.PsLINE(left + 27, top + 2 * row_height, widest + 30, 0, true, p.figure.LineColour, 0,
              p.figure.LineColour);
  p.rt.FE_SETDRAWWIDTH(entry_width);

  p.layout.LineY = top + row_height;
  p.layout.ColumnAnswerX = left + kOperandIndent;
}

}  // namespace lesson
