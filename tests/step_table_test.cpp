// Step tables: where each kind of row leaves the lesson layout for the rows after it.
#include <gtest/gtest.h>

#include "lessonlib/chapter_frame.h"
#include "tests/formula_fixture.h"

namespace {

using lesson::AfterText;
using lesson::AtX;
using lesson::AtY;
using lesson::kAtOnce;

// Draws "ab" at (100, 50), then the row under test "cd" at (300, 120), then returns the
// layout the next row starts from.
struct Layout {
  float line_end_x, line_y;
};
Layout AfterRow(lesson::StepLine line) {
  lesson::HeadlessSession session(formula_testing::kStandardProgram);
  lesson::Program& p = session.program;
  lesson::ShowSteps(p, {
      {kAtOnce, "ab", 0, AtX(100), AtY(50)},
      {kAtOnce, "cd", 0, AtX(300), AtY(120), line},
  });
  return {p.layout.LineEndX, p.layout.LineY};
}

TEST(StepTable, EachKindOfRowLeavesItsOwnLayout) {
  // Two single-byte characters advance 27 each.
  const Layout moves = AfterRow(lesson::kMovesLine);
  EXPECT_EQ(moves.line_end_x, 354);
  EXPECT_EQ(moves.line_y, 120);
  // The line moves down to the row, its end stays after "ab".
  const Layout keeps_end = AfterRow(lesson::kKeepsLineEnd);
  EXPECT_EQ(keeps_end.line_end_x, 154);
  EXPECT_EQ(keeps_end.line_y, 120);
  // A caption leaves both.
  const Layout caption = AfterRow(lesson::kCaption);
  EXPECT_EQ(caption.line_end_x, 154);
  EXPECT_EQ(caption.line_y, 50);
}

}  // namespace
