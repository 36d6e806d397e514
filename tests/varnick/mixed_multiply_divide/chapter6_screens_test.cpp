// Chapter 6, mixed multiplication and division: the goal and sub-menu with its refused
// entries, 課題1 with its placed strokes, the answers to questions 5 and 6 and the
// error-finding discussion with their overlays.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

const std::string kItemLine =
    "menu ①課題1　②部分練習　　③練習　④問5　⑤問６　⑥話しあおう　⑦終了";
const std::string kGoalLine =
    "text 44 305 0 乗除の混じった計算や３つ以上の除法の計算の仕方を考えよう。";
const std::string kAnyKeys(12, 'k');

TEST(MixedMultiplyDivideChapter, GoalAboveTheItemLineWithoutAKey) {
  const VarnickRun run("6\n");
  const std::vector<std::string> tail(run.steps.end() - 4, run.steps.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"erase 0 0 1760 1800", "text 44 240 3 <めあて>",
                                            kGoalLine, kItemLine}));
}

TEST(MixedMultiplyDivideChapter, SubMenuRangeRoundingAndWayBack) {
  const struct {
    const char* choice;
    const char* first_text;  // the first text the choice leads to
  } cases[] = {
      {"1", "text 44 30 0 例5　次の計算をしなさい。"},
      {"1.2", "text 44 30 0 例5　次の計算をしなさい。"},
      {"2", "text 40 30 3 Q1　符号をいいなさい。"},
      {"3", "text 40 30 3 練習　次の計算をしなさい。"},
      {"10/3", "text 40 30 3 練習　次の計算をしなさい。"},
      {"4", "text 108 30 3 問5 解答"},
      {"5", "text 108 30 3 問6 解答"},
      {"6", "text 40 30 7 どこが誤りですか。正しい計算は。"},
      {"7", "main-menu"},
      {"6.8", "main-menu"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstShown(VarnickRun(std::string("6\n") + c.choice + "\n").Section()),
              c.first_text)
        << c.choice;
  }
  ExpectSubMenuAsksAgain("6\n", "7", kGoalLine, {"0", "8", "", "7.4", "-1", "0.4"});
  ExpectZeroDenominatorsRefused("6\n", "7", "text 44 30 0 例5　次の計算をしなさい。");
  // The goal only on entry from the main menu, every time.
  const VarnickRun again("6\n1\n" + kAnyKeys + "7\n6\n");
  EXPECT_EQ(std::count(again.steps.begin(), again.steps.end(), kGoalLine), 2);
}

TEST(MixedMultiplyDivideExample5, SignFractionThenSixAndThreeStruckThenTheYs) {
  Expected e;
  e.Erase(0, 0, 1760, 1300)
      .Text(44, 30, 0, "例5　次の計算をしなさい。")
      .Text(132, 100, 0, "-4xy*6x/(-3y)")
      .Key()
      .Text(528, 160, 3, "①　符号を決める。")
      .Text(528, 220, 3, "②　分数の形になおす。")
      .Key()
      .Text(88, 220, 0, "=ﾀ4xy*6x/3yﾀ")
      .Key()
      .Text(616, 280, 3, "最初の項と*の項は分子")
      .Text(616, 340, 3, "/の項は分母")
      .Key()
      .Text(528, 400, 3, "③　約分する。")
      .Key()
      .Text(88, 340, 0, "=")
      .Text(120, 340, 0, "ﾀ4*x*y*6*x/3*yﾀ")
      .Key();
  // Numerator 312 wide, denominator 102 centred 105 in, the bar at 365: the 6 at (330,
  // 329), the 3 at (225, 369); the numerator's y stroke from 64 right of the first x's
  // anchor (190), 6 before the y's cell.
  e.StrokeAt(330, 329)
      .StrokeAt(225, 369)
      .Text(330, 291, 3, "2")
      .Text(225, 401, 3, "1")
      .StrokeAt(254, 329)
      .StrokeAt(295, 369)
      .Key()
      .Text(88, 450, 5, "=8x^2");
  const VarnickRun run("6\n1\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
  const auto& w = run.session.program.work;
  EXPECT_EQ(w.PointX(1), 120);
  EXPECT_EQ(w.PointX(2), 190);
}

TEST(MixedQuestion5Answers, TwoPagesSevenKeysTwentyTwoStruckCells) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(108, 30, 3, "問5 解答")
      .Key()
      .Text(36, 90, 3, "(1)")
      .More(0, " 2a*3ab*4b")
      .Text(108, 150, 0, "=2*3*4*a*ab*b")
      .Text(108, 210, 5, "=24a^2b^2")
      .Key()
      .Text(36, 270, 3, "(2)")
      .More(0, " -5xy*7y*(-2x)")
      .Text(108, 330, 0, "=-5*7*(-2)*xy*y*x")
      .Text(108, 390, 5, "=70x^2y^2")
      .Key()
      // The right column: (3) starts higher than (1).
      .Text(576, 50, 3, "(3)")
      .More(0, " 4a*9b/(-8a)")
      .Text(648, 130, 0, "=4a*9b*(-ﾀ1/8aﾀ)")
      .Text(648, 210, 0, "=-ﾀ4a*9b/8aﾀ")
      .Text(648, 210, 0, "=-ﾀｹｹ*9b/ｹｹﾀ");
  // The renderer draws the denominator (28 below the line) before the numerator (10 above).
  for (float x : {758.f, 790.f}) e.StruckCell(x, 238);
  for (float x : {707.f, 739.f}) e.StruckCell(x, 200);
  // What is left of the struck 8 shows only in the result, on a row of its own.
  e.Text(648, 270, 5, "=-ﾀ9b/2ﾀ")
      .Key()
      .Text(576, 350, 3, "(4)")
      .More(0, " 8x^2/(-4x)*(-3x)")
      .Text(648, 430, 0, "=ﾀ8x^2*3x/4xﾀ")
      .Text(648, 510, 0, "=ﾀ8xx*3x/4xﾀ")
      .Text(648, 510, 0, "=ﾀｹｹx*3x/ｹｹﾀ");
  for (float x : {747.f, 779.f}) e.StruckCell(x, 538);
  for (float x : {680.f, 712.f}) e.StruckCell(x, 500);
  e.Text(878, 510, 5, "=6x^2")
      .Key()
      // Page 2: erased, no heading.
      .Erase(0, 0, 1760, 1800)
      .Text(36, 110, 3, "(5)")
      .More(0, " 6ab*(-7a)/14b")
      .Text(108, 190, 0, "=-ﾀ6ab*7a/14bﾀ")
      .Text(108, 190, 0, "=-ﾀｹaｹ*ｹa/ｹｹｹﾀ");
  for (float x : {218.f, 250.f, 282.f}) e.StruckCell(x, 218);
  for (float x : {167.f, 231.f, 301.f}) e.StruckCell(x, 180);
  e.Text(365, 190, 5, "=-3a^2")
      .Key()
      .Text(576, 110, 3, "(6)")
      .More(0, " 16xy^2/4y/(-2x)")
      .Text(648, 190, 0, "=-ﾀ16xy^2/4y*2xﾀ")
      .Text(648, 270, 0, "=-ﾀ16xyy/4y*2xﾀ")
      .Text(648, 270, 0, "=-ﾀｹｹｹｹy/ｹｹ*ｹｹﾀ");
  for (float x : {707.f, 739.f, 809.f, 841.f}) e.StruckCell(x, 298);
  for (float x : {710.f, 742.f, 774.f, 806.f}) e.StruckCell(x, 260);
  e.Text(873, 270, 5, "=-2y").Key().Text(352, 570, 7, "教科書P22 問6　をしなさい。");
  const VarnickRun run("6\n4\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.program.figure.LineColour, 7);
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
}

TEST(MixedQuestion6Answers, OneKeyElevenStruckCellsThenTheMenuAtOnce) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(108, 30, 3, "問6 解答")
      .Text(36, 90, 3, "(1)")
      .More(0, " 3x^2/2x*4y")
      .Text(108, 170, 0, "=ﾀ3xx*4y/2xﾀ")
      .Text(108, 170, 0, "=ﾀ3ｹx*ｹy/ｹｹﾀ");
  for (float x : {207.f, 239.f}) e.StruckCell(x, 198);
  for (float x : {172.f, 274.f}) e.StruckCell(x, 160);
  e.Text(338, 170, 3, "=6xy")
      .Text(108, 240, 0, "x=-2,y=ﾀ1/3ﾀ　を代入して")
      .Text(108, 320, 0, "=6*(-2)*ﾀ1/3ﾀ")
      .Text(108, 400, 5, "=-4")
      .Key()
      .Text(612, 90, 3, "(2)")
      .More(0, " 6x^2y/3x/(-2y)")
      .Text(684, 170, 0, "=-ﾀ6xxy/3x*2yﾀ")
      .Text(684, 170, 0, "=-ﾀｹｹxｹ/ｹｹ*ｹｹﾀ");
  for (float x : {743.f, 775.f, 845.f, 877.f}) e.StruckCell(x, 198);
  for (float x : {762.f, 794.f, 858.f}) e.StruckCell(x, 160);
  e.Text(909, 170, 3, "=-x")
      .Text(684, 240, 0, "x=-2　を代入して")
      .Text(684, 320, 0, "=-(-2)")
      .Text(684, 400, 5, "=2");
  const VarnickRun run("6\n5\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.program.figure.LineColour, 7);
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
}

TEST(FindTheErrorDiscussion, BothWrongThenNotesAndWorkingsOneKeyEachNineStruckCells) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(40, 30, 7, "どこが誤りですか。正しい計算は。")
      .Text(40, 80, 3, "(1)")
      .More(0, "18ab/3a*2b")
      .Text(94, 130, 0, "=18ab/6ab")
      .Text(94, 180, 0, "=3")
      // Item (2) on the question's line.
      .Text(600, 30, 3, "(2)")
      .More(0, "4xy/(-ﾀ2/3ﾀx)")
      .Text(654, 100, 0, "=4xy*(-ﾀ3/2ﾀx)")
      .Text(654, 170, 0, "=-6x^2y")
      .Key()
      .Text(94, 240, 5, "3a*2bを先に計算して、")
      .Text(94, 300, 5, "6abでわっている。")
      .Key()
      .Text(94, 380, 0, " 18ab/3a*2b")
      .Text(94, 460, 0, "=ﾀ18ab*2b/3aﾀ")
      .Text(94, 460, 0, "=ﾀｹｹｹb*2b/ｹｹﾀ");
  for (float x : {209.f, 241.f}) e.StruckCell(x, 488);
  for (float x : {126.f, 158.f, 190.f}) e.StruckCell(x, 450);
  e.Text(94, 540, 5, "=12b^2")
      .Key()
      // Item (2)'s note from its column's edge, the working at the margin.
      .Text(600, 230, 5, "-ﾀ2/3ﾀxの逆数を-ﾀ3/2ﾀxとしてかけている。")
      .Key()
      .Text(654, 310, 0, " 4xy/(-ﾀ2/3ﾀx)")
      .Text(654, 390, 0, "=4xy*(-ﾀ3/2xﾀ)")
      .Text(654, 470, 0, "=-ﾀ4xy*3/2xﾀ")
      .Text(654, 470, 0, "=-ﾀｹｹy*3/ｹｹﾀ");
  for (float x : {764.f, 796.f}) e.StruckCell(x, 498);
  for (float x : {713.f, 745.f}) e.StruckCell(x, 460);
  e.Text(654, 550, 5, "=-6y");
  const VarnickRun run("6\n6\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  const auto& p = run.session.program;
  EXPECT_EQ(p.figure.LineColour, 7);
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(p.layout.ColumnX, 600);
  EXPECT_EQ(p.layout.MarginX, 654);
  EXPECT_EQ((std::vector<float>{p.work.SavedX(1), p.work.SavedY(1), p.work.SavedX(2),
                                p.work.SavedY(2)}),
            (std::vector<float>{40, 180, 600, 170}));
}

}  // namespace
