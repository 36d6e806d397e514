// Chapters 2 and 7, the answers to the exercises on pages 19 and 22: the answer header, each
// screen step by step with its key waits, and the struck-through fractions of page 22.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

// A run from start-up with `keys`; the steps (with strokes and boxes) after the n-th item
// line, up to the next one.
std::vector<std::string> SectionSteps(const std::string& keys, int n = 1) {
  lesson::HeadlessSession session(varnick::kVarnick, WithKeys(keys));
  session.Start();
  return AfterSubMenu(Steps(session.trace(), Detail::kWithMarks), n);
}

// The answer header as the chapter draws it: title box, then the badge, in `width`.
Expected& Header(Expected& e, const std::string& title, const std::string& badge, int width) {
  return e.Box(40, 30, 436, 76, 3, 13, width)
      .Text(102.5f, 31, 0, title)
      .Box(480, 30, 524, 74, 4, 3, width)
      .Text(488.5f, 30, 13, badge);
}

const std::string kAnyKeys(20, 'k');

TEST(ExerciseAnswerChapters, OpenOnTheirItemLineWithoutAGoal) {
  for (const char* chapter : {"2", "7"}) {
    lesson::HeadlessSession session(varnick::kVarnick, WithKeys(std::string(chapter) + "\n"));
    session.Start();
    const auto steps = Steps(session.trace());
    const std::vector<std::string> tail(steps.end() - 3, steps.end());
    // The main menu's full clear, and nothing else before the item line.
    EXPECT_EQ(tail, (std::vector<std::string>{"main-menu", "erase 0 0 1760 1800",
                                              "menu ①,②解答　　　③終了"}))
        << chapter;
  }
}

TEST(ExerciseAnswerChapters, SubMenuRangeAndWayBack) {
  for (const char* chapter : {"2", "7"}) {
    // Out of range: the item line again, nothing drawn above it.
    for (const char* keys : {"0\n", "4\n", "-1\n", "\n", "3.6\n", "1/3\n"}) {
      const auto steps = SectionSteps(std::string(chapter) + "\n" + keys + "3\n8\n");
      EXPECT_TRUE(steps.empty()) << chapter << " " << keys;
    }
    // 3 (or a number that rounds to it) returns to the main menu.
    for (const char* keys : {"3\n", "2.6\n", "9/3\n"}) {
      const auto steps = SectionSteps(std::string(chapter) + "\n" + keys + "8\n");
      EXPECT_EQ(steps, (std::vector<std::string>{"erase 0 0 1760 1800", "main-menu"}))
          << chapter << " " << keys;
    }
  }
}

TEST(P19Answers, ExerciseOneOneProblemPerKeyOnTwoScreens) {
  Expected e;
  e.Erase(0, 0, 1760, 1800);
  Header(e, "P19(練習問題)", "1", 3)
      .Key()
      .Text(40, 110, 3, "(1)")
      .More(0, " ﾀ2/5ﾀ(10x+25y)")
      .Text(94, 180, 0, "=ﾀ2/5ﾀ*10x+ﾀ2/5ﾀ*25y")
      .Text(94, 240, 5, "=4x+10y")
      .Key()
      .Text(40, 300, 3, "(2)")
      .More(0, " (8a-12b)/4")
      .Text(94, 370, 0, "=ﾀ8a/4ﾀ-ﾀ12b/4ﾀ")
      .Text(94, 430, 5, "=2a-3b")
      .Key()
      .Text(600, 90, 3, "(3)")
      .More(0, " (2x-4y)/ﾀ2/3ﾀ")
      .Text(654, 170, 0, "=(2x-4y)*ﾀ3/2ﾀ")
      .Text(654, 240, 0, "=2x*ﾀ3/2ﾀ-4y*ﾀ3/2ﾀ")
      .Text(654, 300, 5, "=3x-6y")
      .Key()
      .Text(600, 360, 3, "(4)")
      .More(0, " 7(a-b)-(4a+6b)")
      .Text(654, 410, 0, "=7a-7b-4a-6b")
      .Text(654, 460, 0, "=7a-4a-7b-6b")
      .Text(654, 510, 5, "=3a-13b")
      .Key()
      .Erase(0, 0, 1760, 1800);
  // The fifth key brings the second screen with problem (5); no key after "=17y".
  Header(e, "P19(練習問題)", "1", 3)
      .Text(40, 90, 3, "(5)")
      .More(0, " -4(x+2y)+3(x+5y)")
      .Text(94, 140, 0, "=-4x-8y+3x+15y")
      .Text(94, 190, 0, "=-4x+3x-8y+15y")
      .Text(94, 240, 5, "=-x+7y")
      .Key()
      .Text(40, 300, 3, "(6)")
      .More(0, " 3(4x-ﾀ1/3ﾀy)-6(2x-3y)")
      .Text(94, 370, 0, "=12x-y-12x+18y")
      .Text(94, 420, 0, "=12x-12x-y+18y")
      .Text(94, 470, 5, "=17y");
  EXPECT_EQ(SectionSteps("2\n1\n" + kAnyKeys), e.steps());
}

TEST(P19Answers, ExerciseTwoSideBySide) {
  Expected e;
  e.Erase(0, 0, 1760, 1800);
  Header(e, "P19(練習問題)", "2", 3)
      .Key()
      .Text(40, 80, 3, "(1)")
      .Text(40, 160, 0, " ﾀ1/5ﾀ(2x+3y)+ﾀ1/3ﾀ(5x-2y-1)")
      .Text(40, 240, 0, "=ﾀ2/5ﾀx+ﾀ3/5ﾀy+ﾀ5/3ﾀx-ﾀ2/3ﾀy-ﾀ1/3ﾀ")
      .Text(40, 320, 0, "=ﾀ6/15ﾀx+ﾀ9/15ﾀy+ﾀ25/15ﾀx-ﾀ10/15ﾀy-ﾀ1/3ﾀ")
      .Text(40, 400, 0, "=ﾀ6/15ﾀx+ﾀ25/15ﾀx+ﾀ9/15ﾀy-ﾀ10/15ﾀy-ﾀ1/3ﾀ")
      .Text(40, 480, 5, "=ﾀ31/15ﾀx-ﾀ1/15ﾀy-ﾀ1/3ﾀ")
      .Key()
      .Text(612, 30, 3, "(2)")
      .Text(612, 110, 0, " ﾀ5x-2y/3ﾀ-ﾀ-3x+7y/4ﾀ")
      .Text(612, 200, 0, "=ﾀ4(5x-2y)/12ﾀ-ﾀ3(-3x+7y)/12ﾀ")
      .Text(612, 290, 0, "=ﾀ4(5x-2y)-3(-3x+7y)/12ﾀ")
      .Text(612, 380, 0, "=ﾀ20x-8y+9x-21y/12ﾀ")
      .Text(612, 470, 0, "=ﾀ20x+9x-8y-21y/12ﾀ")
      .Text(612, 560, 5, "=ﾀ29x-29y/12ﾀ");
  EXPECT_EQ(SectionSteps("2\n2\n" + kAnyKeys), e.steps());
}

// Every box of the answer header in the run, as "x1 y1 x2 y2 width".
std::vector<std::string> HeaderBoxWidths(const std::string& keys) {
  lesson::HeadlessSession session(varnick::kVarnick, WithKeys(keys));
  session.Start();
  std::vector<std::string> widths;
  for (const std::string& step : Steps(session.trace(), Detail::kWithMarks)) {
    if (step.starts_with("box 40 30 436 76 ") || step.starts_with("box 480 30 524 74 ")) {
      widths.push_back(step.substr(step.rfind(' ') + 1));
    }
  }
  return widths;
}

TEST(P19Answers, HeaderBordersTakeTheWidthLeftByEarlierScreens) {
  // After start-up: 3. After a screen of page 22, which sets 5 and leaves it: 5.
  EXPECT_EQ(HeaderBoxWidths("2\n2\n" + kAnyKeys),
            (std::vector<std::string>{"3", "3"}));
  EXPECT_EQ(HeaderBoxWidths("7\n1\n3\n2\n2\n" + kAnyKeys),
            (std::vector<std::string>{"5", "5", "5", "5"}));
  // Chapter 1's question-5 answers leave 5 as well.
  EXPECT_EQ(HeaderBoxWidths("1\n4\nk5\n2\n1\n" + kAnyKeys),
            (std::vector<std::string>{"5", "5", "5", "5"}));
}

TEST(P19Answers, SameItemAgainRedrawsFromAFullClear) {
  const auto first = SectionSteps("2\n2\nkk2\nkk", 1);
  const auto second = SectionSteps("2\n2\nkk2\nkk", 2);
  EXPECT_EQ(first, second);
}

TEST(P22Answers, ExerciseOneAtOnceWithFourOverlays) {
  Expected e;
  e.Erase(0, 0, 1760, 1800);
  Header(e, "P22(練習問題)", "1", 5)
      .Text(40, 90, 3, "(1)")
      .More(0, "5x*(-2x)")
      .Text(94, 140, 5, "=-10x^2")
      .Text(40, 200, 3, "(2)")
      .More(0, "12m/2m")
      .Text(94, 250, 0, "=ﾀ12m/2mﾀ")
      .Text(94, 250, 0, "=ﾀｹｹｹ/ｹｹﾀ");
  // The fraction starts after "=" at 126. The renderer draws the denominator first: 2m
  // centred 16 in at 142, 174 (28 below the line), then the numerator 12m at 126, 158, 190
  // (10 above it).
  for (float x : {142.f, 174.f}) e.Stroke(x + 4, 282, x + 32, 302, 7, 5);
  for (float x : {126.f, 158.f, 190.f}) e.Stroke(x + 4, 244, x + 32, 264, 7, 5);
  e.More(5, "=6")
      .Text(40, 330, 3, "(3)")
      .More(0, "(-4x)^2")
      .Text(94, 380, 0, "=(-4x)*(-4x)")
      .Text(94, 430, 5, "=16x^2")
      .Text(400, 90, 3, "(4)")
      .More(0, "ﾀ2/3ﾀxy*ﾀ1/4ﾀx")
      .Text(454, 170, 0, "=ﾀ2xy*x/3*4ﾀ")
      .Text(454, 170, 0, "=ﾀｹxy*x/3*ｹﾀ");
  // Numerator 166 wide from 486; denominator 102, 32 in: its 4 after "3×" at 518 + 70.
  e.Stroke(592, 202, 620, 222, 7, 5).Stroke(490, 164, 518, 184, 7, 5);
  e.Text(454, 250, 5, "=ﾀx^2y/6ﾀ (ﾀ1/6ﾀx^2y)")
      .Text(400, 330, 3, "(5)")
      .More(0, "ﾀ2/5ﾀx*(-10y^2)")
      .Text(454, 410, 0, "=-ﾀ2x*10yy/5ﾀ")
      .Text(454, 410, 0, "=-ﾀ2x*ｹｹyy/ｹﾀ");
  // After "=-" (59): numerator 230 wide from 513, its 1 and 0 after "2x×" (102); the 5 99 in.
  e.Stroke(616, 442, 644, 462, 7, 5);
  e.Stroke(619, 404, 647, 424, 7, 5).Stroke(651, 404, 679, 424, 7, 5);
  e.Text(454, 460, 5, "=-4xy^2")
      .Text(800, 90, 3, "(6)")
      .More(0, "ﾀ5/6ﾀx^2/(-ﾀ10/3ﾀx)")
      .Text(854, 170, 0, "=ﾀ5/6ﾀx^2*(-ﾀ3/10xﾀ)")
      .Text(854, 250, 0, "=-ﾀ5xx*3/6*10xﾀ")
      .Text(854, 250, 0, "=-ﾀｹｹx*ｹ/ｹ*ｹｹｹﾀ");
  // Both rows 166 wide from 913: 5, x and (after x×) 3 above; 6 and (after 6×) 1, 0, x below.
  for (float x : {913.f, 983.f, 1015.f, 1047.f}) e.Stroke(x + 4, 282, x + 32, 302, 7, 5);
  for (float x : {913.f, 945.f, 1047.f}) e.Stroke(x + 4, 244, x + 32, 264, 7, 5);
  e.Text(854, 330, 5, "=-ﾀx/4ﾀ (-ﾀ1/4ﾀx)");
  EXPECT_EQ(SectionSteps("7\n1\n"), e.steps());
}

TEST(P22Answers, ExerciseTwoOneKeyBetweenItsProblems) {
  Expected e;
  e.Erase(0, 0, 1760, 1800);
  Header(e, "P22(練習問題)", "2", 5)
      .Text(22, 90, 3, "(1)")
      .More(0, "18xy/(-3x)*(-9xy)")
      .Text(94, 170, 0, "=18xy*ﾀ1/3xﾀ*9xy")
      .Text(94, 250, 0, "=ﾀ18xy*9xy/3xﾀ")
      .Text(94, 250, 0, "=ﾀｹｹｹy*9xy/ｹｹﾀ");
  // Numerator 262 wide from 126: 1, 8, x; the denominator 3x 99 in.
  for (float x : {225.f, 257.f}) e.Stroke(x + 4, 282, x + 32, 302, 7, 5);
  for (float x : {126.f, 158.f, 190.f}) e.Stroke(x + 4, 244, x + 32, 264, 7, 5);
  e.More(5, "=54xy^2")
      .Key()
      .Text(22, 330, 3, "(2)")
      .More(0, "-12a^2/(-6a)/2a")
      .Text(94, 410, 0, "=ﾀ12a^2/6a*2aﾀ")
      .Text(94, 490, 0, "=ﾀ12aa/6a*2aﾀ")
      .Text(94, 490, 0, "=ﾀｹｹｹｹ/ｹｹ*ｹｹﾀ");
  // The denominator (166) is the wider part: the numerator's 128 stands 19 in.
  for (float x : {126.f, 158.f, 228.f, 260.f}) e.Stroke(x + 4, 522, x + 32, 542, 7, 5);
  for (float x : {145.f, 177.f, 209.f, 241.f}) e.Stroke(x + 4, 484, x + 32, 504, 7, 5);
  e.More(5, "=1");
  EXPECT_EQ(SectionSteps("7\n2\n" + kAnyKeys), e.steps());
}

TEST(P22Answers, ThirtyStruckCellsAndWidthFiveLeftForLaterScreens) {
  lesson::HeadlessSession session(varnick::kVarnick, WithKeys("7\n1\n2\nk"));
  session.Start();
  const auto steps = Steps(session.trace(), Detail::kWithMarks);
  EXPECT_EQ(std::count_if(steps.begin(), steps.end(),
                          [](const std::string& s) { return s.starts_with("stroke "); }),
            30);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(session.program.figure.LineColour, 7);
}

}  // namespace
