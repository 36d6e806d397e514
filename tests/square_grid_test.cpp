#include <gtest/gtest.h>

#include "lessonlib/screen.h"
#include "tests/test_support.h"

using namespace testing_support;

namespace {

void SetGrid(lesson::Program& p, float x, float y, float columns, float rows, float cell,
             float colour) {
  p.figure.GridOriginX = x;
  p.figure.GridOriginY = y;
  p.figure.GridColumns = columns;
  p.figure.BoxHeight = rows;
  p.figure.GridCell = cell;
  p.figure.LineColour = colour;
}

}  // namespace

TEST(SquareGrid, FrameOnlyWhenLineColourIsBackground) {
  lesson::HeadlessSession session(kTestProgram);
  lesson::Program& p = session.program;
  session.runtime.FE_SETDRAWWIDTH(2);
  p.figure.FillColour = 6;
  SetGrid(p, 760, 30, 10, 8, 40, 15);
  lesson::DrawSquareGrid(p);
  EXPECT_EQ(p.figure.GridLeft, 760);
  EXPECT_EQ(p.figure.GridTop, 30);
  EXPECT_EQ(p.figure.GridRight, 1160);
  EXPECT_EQ(p.figure.GridBottom, 350);
  EXPECT_EQ(p.figure.AxisX, 760);
  EXPECT_EQ(p.figure.AxisY, 350);
  EXPECT_FLOAT_EQ(p.figure.Pi, 3.14159f);
  EXPECT_EQ(p.figure.FillColour, 6);
  EXPECT_TRUE(EventsOf(session.trace(), "op", "PsLINE").empty());
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 2);
}

TEST(SquareGrid, DrawsEveryFifthLineHeavy) {
  lesson::HeadlessSession session(kTestProgram);
  lesson::Program& p = session.program;
  session.runtime.FE_SETDRAWWIDTH(2);
  SetGrid(p, 760, 30, 10, 8, 40, 0);
  lesson::DrawSquareGrid(p);
  const auto lines = EventsOf(session.trace(), "op", "PsLINE");
  ASSERT_EQ(lines.size(), 20u);  // 11 vertical, 9 horizontal
  std::vector<std::string> heavy;
  for (const auto& l : lines) {
    if (l[9] == "3") {
      EXPECT_EQ(l[6], "14");
      heavy.push_back(l[2] == l[4] ? "x" + l[2] : "y" + l[3]);
    } else {
      EXPECT_EQ(l[9], "1");
      EXPECT_EQ(l[6], "0");
    }
  }
  EXPECT_EQ(heavy, (std::vector<std::string>{"x760", "x960", "x1160", "y350", "y150"}));
  EXPECT_EQ(p.figure.FillColour, 14);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(p.values.SavedDrawWidth, 2);
  EXPECT_EQ(p.values.TableIndex, 9);  // the line counter, one past the last row
}

TEST(SquareGrid, EdgeCounts) {
  lesson::HeadlessSession session(kTestProgram);
  lesson::Program& p = session.program;
  // A frame placed beside the previous one.
  SetGrid(p, 100, 0, 3, 2, 50, 15);
  lesson::DrawSquareGrid(p);
  SetGrid(p, p.figure.GridRight, 0, 1, 2, 50, 15);
  lesson::DrawSquareGrid(p);
  EXPECT_EQ(p.figure.GridLeft, 250);

  // No columns: one heavy vertical line, horizontal lines of zero length.
  lesson::HeadlessSession empty(kTestProgram);
  SetGrid(empty.program, 0, 0, 0, 2, 10, 0);
  lesson::DrawSquareGrid(empty.program);
  const auto lines = EventsOf(empty.trace(), "op", "PsLINE");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0][9], "3");
  for (size_t k = 1; k < lines.size(); ++k) EXPECT_EQ(lines[k][2], lines[k][4]);

  // 2.5 rows: rows 0 to 2 drawn, the frame 2.5 cells high.
  lesson::HeadlessSession half(kTestProgram);
  SetGrid(half.program, 0, 0, 1, 2.5f, 10, 0);
  lesson::DrawSquareGrid(half.program);
  EXPECT_EQ(EventsOf(half.trace(), "op", "PsLINE").size(), 5u);
  EXPECT_EQ(half.program.figure.GridBottom, 25);
  EXPECT_EQ(half.program.values.TableIndex, 3);
}
