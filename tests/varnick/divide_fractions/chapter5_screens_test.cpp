// Chapter 5, dividing by fractions: the goal and sub-menu with its refused entries, the
// review and 例4 with their placed strokes, the reciprocal drill, the answers to question 4
// with their overlays.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

const std::string kItemLine = "menu ①復習　②逆数　③例４　④練習　⑤問4　⑥終了";
const std::string kGoalLine = "text 44 305 0 分数をふくむ式の除法の仕方を考えよう。";
const std::string kAnyKeys(12, 'k');

TEST(FractionDivisionChapter, GoalAboveTheItemLineWithoutAKey) {
  const VarnickRun run("5\n");
  const std::vector<std::string> tail(run.steps.end() - 4, run.steps.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"erase 0 0 1760 1800", "text 44 240 3 <めあて>",
                                            kGoalLine, kItemLine}));
}

TEST(FractionDivisionChapter, SubMenuRangeRoundingAndWayBack) {
  const struct {
    const char* choice;
    const char* first_text;  // the first text the choice leads to
  } cases[] = {
      {"1", "text 44 30 0 復習　次の計算をしなさい。"},
      {"1.2", "text 44 30 0 復習　次の計算をしなさい。"},
      {"2", "text 44 30 0 Q　逆数をいいなさい。"},
      {"3", "text 44 30 0 例4　次の計算をしなさい。"},
      {"7/2", "text 40 30 0 練習　次の計算をしなさい。"},
      {"4", "text 40 30 0 練習　次の計算をしなさい。"},
      {"5", "text 108 30 3 問4 解答"},
      {"6", "main-menu"},
      {"5.8", "main-menu"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstShown(VarnickRun(std::string("5\n") + c.choice + "\n").Section()),
              c.first_text)
        << c.choice;
  }
  ExpectSubMenuAsksAgain("5\n", "6", kGoalLine, {"0", "7", "", "6.2", "-1", "0.4"});
  ExpectZeroDenominatorsRefused("5\n", "6", "text 44 30 0 復習　次の計算をしなさい。");
  // The goal only on entry from the main menu, every time.
  const VarnickRun again("5\n1\n" + kAnyKeys + "6\n5\n");
  EXPECT_EQ(std::count(again.steps.begin(), again.steps.end(), kGoalLine), 2);
}

TEST(FractionDivisionReview, StrokesInPairsFromTheSecondFractionsLayout) {
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, "復習　次の計算をしなさい。")
      .Text(132, 100, 0, "-ﾀ3/2ﾀ/ﾀ3/4ﾀ")
      .Key()
      .Text(528, 100, 3, "①　符号をきめて、逆数をかける。")
      .Key()
      .Text(88, 220, 0, "=-")
      .Text(147, 220, 0, "ﾀ3/2ﾀ*ﾀ4/3ﾀ")
      .Key()
      .Text(528, 220, 3, "②　約分する。")
      .Key();
  // Anchors (147, 209), (217, 209), (147, 249), (217, 249): the second fraction's cells
  // taken 70 right of the first's, 11 inside its left edge.
  e.StrokeAt(147, 249).Text(147, 281, 3, "1");
  e.StrokeAt(217, 209).Text(217, 171, 3, "2").Key();
  e.StrokeAt(217, 249).Text(217, 281, 3, "1");
  e.StrokeAt(147, 209).Text(147, 171, 3, "1").Key().Text(88, 360, 5, "=-2");
  const VarnickRun run("5\n1\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
  // Chosen again: the same screen from a cleared lesson area.
  const VarnickRun twice("5\n1\nkkkkkk1\n" + kAnyKeys);
  EXPECT_EQ(twice.Section(2), e.steps());
}

TEST(FractionDivisionExample4, NotesBesideTheLinesSixStrokesAtOneKey) {
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, "例4　次の計算をしなさい。")
      .Text(132, 100, 0, "-ﾀ3/2ﾀx^2/ﾀ3/4ﾀx")
      .Key()
      .Text(88, 200, 0, "=-ﾀ3x^2/2ﾀ/ﾀ3x/4ﾀ")
      .Key()
      .Text(528, 100, 5, "※　分数を係数とする文字は、")
      .Text(528, 150, 5, " 　分子につける。")
      .Text(528, 210, 3, "①　符号をきめて、逆数をかける。")
      .Key()
      .Text(88, 300, 0, "=-ﾀ3x^2/2ﾀ*ﾀ4/3xﾀ")
      .Key()
      .Text(88, 420, 0, "=-")
      .Text(147, 420, 0, "ﾀ3*x*x*4/2*3*xﾀ")
      .Key()
      .Text(528, 420, 3, "②　約分する。")
      .More(5, "(文字も約分する）")
      .Key();
  // Numerator 242 wide, denominator 172 centred 35 in: 2 against 4, 3 against 3, x
  // against the first x; the second x stays.
  e.StrokeAt(182, 449).Text(182, 481, 3, "1");
  e.StrokeAt(357, 409).Text(357, 371, 3, "2");
  e.StrokeAt(252, 449).Text(252, 481, 3, "1");
  e.StrokeAt(147, 409).Text(147, 371, 3, "1");
  e.StrokeAt(322, 449).Text(322, 481, 3, "1");
  e.StrokeAt(217, 409).Text(217, 371, 3, "1");
  e.Key().Text(88, 520, 5, "=-2x");
  const auto section = VarnickRun("5\n3\n" + kAnyKeys).Section();
  EXPECT_EQ(section, e.steps());
  EXPECT_EQ(std::count(section.begin(), section.end(), "key"), 7);
}

// One item of the reciprocal drill on a cleared lesson area, up to its next-step prompt.
void ReciprocalItem(Expected& e, const std::string& term, const std::string& fraction_form,
                    const std::string& reciprocal) {
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, "Q　逆数をいいなさい。")
      .Text(132, 170, 0, term)
      .Key()
      .More(0, fraction_form)
      .Key()
      .Text(88, 290, 0, "逆数は、")
      .More(5, reciprocal)
      .Line("next-step");
}

TEST(ReciprocalDrill, NineTermsInTurnThenTheNote) {
  // 0, empty, 2, 1.5, 3/0 (refused, then 9), ... : every value but 1 brings the next term;
  // the tenth is the first again, and 2/2 ends the drill.
  const char* next[] = {"0", "", "2", "1.5", "3/0\n9", "-1", "0", "0", "0", "2/2"};
  std::string keys = "5\n2\n";
  for (const char* n : next) keys += std::string("kk") + n + "\n";
  const VarnickRun run(keys + "k");
  const struct {
    const char *term, *fraction_form, *reciprocal;
  } items[] = {
      {"2x", "", "ﾀ1/2xﾀ"},
      {"-3a", "", "-ﾀ1/3aﾀ"},
      {"ﾀ3/2ﾀx", "=ﾀ3x/2ﾀ", "ﾀ2/3xﾀ"},
      {"-ﾀ3/5ﾀy", "=-ﾀ3y/5ﾀ", "-ﾀ5/3yﾀ"},
      {"ﾀ2/3ﾀa^2", "=ﾀ2a^2/3ﾀ", "ﾀ3/2a^2ﾀ"},
      {"-ﾀ2/3ﾀb^2", "=-ﾀ2b^2/3ﾀ", "-ﾀ3/2b^2ﾀ"},
      {"ﾀ2/3ﾀab", "=ﾀ2ab/3ﾀ", "ﾀ3/2abﾀ"},
      {"-ﾀ5/3ﾀabc", "=-ﾀ5abc/3ﾀ", "-ﾀ3/5abcﾀ"},
      {"ﾀ2/3ﾀx^3y^2", "=ﾀ2x^3y^2/3ﾀ", "ﾀ3/2x^3y^2ﾀ"},
      {"2x", "", "ﾀ1/2xﾀ"},
  };
  Expected e;
  for (const auto& item : items) ReciprocalItem(e, item.term, item.fraction_form, item.reciprocal);
  e.Key().Text(88, 410, 5, "※　分数を係数とする文字は、").Text(88, 470, 5, " 　分子につける。");
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "keys-exhausted"}));
  // 1 at the first prompt: one term, a key, the note under it; a new visit starts at 2x.
  Expected once;
  ReciprocalItem(once, "2x", "", "ﾀ1/2xﾀ");
  once.Key().Text(88, 410, 5, "※　分数を係数とする文字は、").Text(88, 470, 5, " 　分子につける。");
  const VarnickRun short_run("5\n2\nkk1\nk2\nkk1\nk");
  EXPECT_EQ(short_run.Section(1), once.steps());
  EXPECT_EQ(short_run.Section(2), once.steps());
}

TEST(FractionDivisionQuestion4Answers, FourAnswersTwentyStruckCellsThenTheMenuAtOnce) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(108, 30, 3, "問4 解答")
      .Key()
      .Text(36, 90, 3, "(1)")
      .More(0, " 7x^2/(-ﾀ7/4ﾀx)")
      .Text(108, 170, 0, "=7x^2*(-ﾀ4/7xﾀ)")
      .Text(108, 250, 0, "=-ﾀ7x^2*4/7xﾀ")
      .Text(108, 330, 0, "=-ﾀ7xx*4/7xﾀ")
      .Text(108, 330, 0, "=-ﾀｹｹx*4/ｹｹﾀ");
  // Cells from the fraction's origin: numerator 10 above the line, denominator 28 below;
  // the renderer draws the denominator first.
  for (float x : {218.f, 250.f}) e.StruckCell(x, 358);
  for (float x : {167.f, 199.f}) e.StruckCell(x, 320);
  e.Text(108, 410, 5, "=-4x")
      .Key()
      .Text(408, 90, 3, "(2)")
      .More(0, " -ﾀ5/18ﾀab/(-ﾀ10/9ﾀb)")
      .Text(480, 170, 0, "=-ﾀ5ab/18ﾀ*(-ﾀ9/10bﾀ)")
      .Text(480, 250, 0, "=ﾀ5ab*9/18*10bﾀ")
      .Text(480, 250, 0, "=ﾀｹaｹ*ｹ/ｹｹ*ｹｹｹﾀ");
  for (float x : {512.f, 544.f, 614.f, 646.f, 678.f}) e.StruckCell(x, 278);
  for (float x : {528.f, 592.f, 662.f}) e.StruckCell(x, 240);
  e.Text(710, 250, 5, "=ﾀa/4ﾀ")
      .Key()
      .Text(408, 330, 3, "(3)")
      .More(0, " -ﾀ1/5ﾀx^2y/ﾀ1/5ﾀx")
      .Text(480, 410, 0, "=-ﾀx^2y/5ﾀ*ﾀ5/xﾀ")
      .Text(480, 490, 0, "=-ﾀxxy*5/5*xﾀ")
      .Text(480, 490, 0, "=-ﾀｹxy*ｹ/ｹ*ｹﾀ");
  for (float x : {571.f, 641.f}) e.StruckCell(x, 518);
  for (float x : {539.f, 673.f}) e.StruckCell(x, 480);
  e.Text(705, 490, 5, "=-xy")
      .Key()
      .Text(848, 120, 3, "(4)")
      .More(0, " ﾀ2/3ﾀy^2/ﾀ3/2ﾀy^2")
      .Text(920, 200, 0, "=ﾀ2y^2/3ﾀ*ﾀ2/3y^2ﾀ")
      .Text(920, 280, 0, "=ﾀ2yy*2/3*3yyﾀ")
      .Text(920, 280, 0, "=ﾀ2ｹｹ*2/3*3ｹｹﾀ");
  for (float x : {1054.f, 1086.f}) e.StruckCell(x, 308);
  for (float x : {984.f, 1016.f}) e.StruckCell(x, 270);
  e.Text(1118, 280, 5, "=ﾀ4/9ﾀ");
  const VarnickRun run("5\n5\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.program.figure.LineColour, 7);
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
}

}  // namespace
