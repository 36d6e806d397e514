// Chapter 5's answers to 問2.
#include <gtest/gtest.h>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;

TEST(BracketsQuestion2Answers, ShowOneAnswerAtEveryKeyInTwoColumns) {
  auto session = RunCorvane("5\n3\nkkkk");
  ExpectScreen(SectionRows(*session, kChapter5Line), {
      Text("問2 解答", 3, 108, 30),
      Key(), Text("(1)", 3, 36, 90), Continues(" 2(3x-y)+3(x+2y)", 0),
      Text("=6x-2y+3x+6y", 0, 108, 150),
      Text("=6x+3x-2y+6y", 0, 108, 210),
      Text("=9x+4y", 5, 108, 270),
      Key(), Text("(2)", 3, 36, 330), Continues(" 3(5a-b)-2(2a-2b)", 0),
      Text("=15a-3b-4a+4b", 0, 108, 390),
      Text("=15a-4a-3b+4b", 0, 108, 470),
      Text("=11a+b", 5, 108, 530),
      Key(), Text("(3)", 3, 612, 90), Continues(" 4(a+1)+2(2a+b-3)", 0),
      Text("=4a+4+4a+2b-6", 0, 684, 150),
      Text("=4a+4a+2b+4-6", 0, 684, 210),
      Text("=8a+2b-2", 5, 684, 270),
      Key(), Text("(4)", 3, 612, 330), Continues(" 6(4x+y-2)-7(x-2y+1)", 0),
      Text("=24x+6y-12-7x+14y-7", 0, 684, 390),
      Text("=24x-7x+6y+14y-12-7", 0, 684, 470),
      Text("=17x+20y-19", 5, 684, 530),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  // The label is three cells of 27: each problem starts at its column + 9.
  EXPECT_EQ(EndOfText("(1)", 36), 117);
  // No width of its own: start-up's 3 is still in force.
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 3);
}
