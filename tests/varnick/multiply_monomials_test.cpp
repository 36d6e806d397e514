// Chapter 3, multiplying monomials: the goal and sub-menu, the tile-area task with its
// figure, the two fixed-list drills and the answers to questions 1 and 2.
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

const std::string kItemLine = "menu ①課題,例１　②問１　③指数例２　④問２　⑤終了";

long Count(const std::vector<std::string>& steps, const std::string& step) {
  return std::count(steps.begin(), steps.end(), step);
}

TEST(MonomialMultiplicationChapter, GoalAboveTheItemLineWithoutAKey) {
  const VarnickRun run("3\n");
  const std::vector<std::string> tail(run.steps.end() - 4, run.steps.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"erase 0 0 1760 1800", "text 44 240 3 <めあて>",
                                            "text 44 305 0 (文字式×文字式)の計算を考えよう。",
                                            kItemLine}));
}

TEST(MonomialMultiplicationChapter, SubMenuLeadsToEachSectionAndBack) {
  const struct {
    const char* choice;
    const char* first;   // the section's first step
    const char* second;  // and its second
  } cases[] = {
      {"1", "erase 0 0 1320 1300", "text 44 30 0 縦acm,横bcmのタイルを図のように並べて、"},
      {"2", "erase 0 0 1760 1800", "text 94 30 3 問1 解答"},
      {"3", "erase 0 0 1320 1300", "text 40 30 3 例2　次の計算をしなさい。"},
      {"4", "erase 0 0 1760 1800", "text 108 30 3 問2 解答"},
      {"5", "erase 0 0 1760 1800", "main-menu"},
      {"1.4", "erase 0 0 1320 1300", "text 44 30 0 縦acm,横bcmのタイルを図のように並べて、"},
      {"14/3", "erase 0 0 1760 1800", "main-menu"},
  };
  for (const auto& c : cases) {
    const auto section = VarnickRun(std::string("3\n") + c.choice + "\n").Section();
    ASSERT_GE(section.size(), 2u) << c.choice;
    EXPECT_EQ(section[0], c.first) << c.choice;
    EXPECT_EQ(section[1], c.second) << c.choice;
  }
  // Out of range: the item line again, the goal untouched; 5 then leaves.
  for (const char* keys : {"0\n", "6\n", "-2\n", "\n", "5.6\n", "1/2\n"}) {
    const VarnickRun run(std::string("3\n") + keys + "5\n8\n");
    EXPECT_TRUE(run.Section(1).empty()) << keys;
    EXPECT_EQ(run.Section(2), (std::vector<std::string>{"erase 0 0 1760 1800", "main-menu"}))
        << keys;
  }
  // Back from a section: no goal screen again.
  const VarnickRun again("3\n1\nkkkkkkkk1\n2\n");
  EXPECT_EQ(Count(again.steps, "text 44 240 3 <めあて>"), 1);
  EXPECT_EQ(again.Section(2)[1], "text 94 30 3 問1 解答");
}

TEST(TileAreaTask, ScreenKeyByKeyThenTheFirstProblem) {
  const VarnickRun run("3\n1\nkkkkkkkk1\n");
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, "縦acm,横bcmのタイルを図のように並べて、")
      .Text(44, 90, 0, "縦2acm,横3bcmの長方形をつくりました。")
      .Text(44, 150, 0, "この長方形の面積を求めなさい。");
  // The empty tiles (border 0, fill 11) and the arcs' labels beyond their crowns.
  const auto tile_row = [&e](float y, const std::string& label) {
    for (float x : {176.f, 264.f, 352.f}) {
      e.Box(x, y, x + 88, y + 44, 0, 11, 5).Text(x + (label.empty() ? 44 : 17), y, 5, label);
    }
  };
  tile_row(300, "");
  e.Text(281.0004f, 208.00015f, 7, "3b").Text(206.50015f, 248.00006f, 3, "b");
  tile_row(344, "");
  e.Text(124.99983f, 299.99966f, 3, "a").Text(57.999657f, 321.9991f, 7, "2a");
  e.Key().Text(484, 210, 3, "<式>").Key().Text(528, 270, 0, "2a*3b").Key();
  tile_row(300, "ab");
  tile_row(344, "ab");
  e.Key()
      .Text(484, 390, 5, "=6ab")
      .Key()
      .Text(484, 330, 0, "=(2*3)*(a*b)")
      .Key()
      .Text(88, 465, 3, "<単項式の乗法>")
      .Text(44, 525, 0, "係数の積に文字の積をかける")
      .Key()
      // The drill right of the task, from the end of "=(2*3)*(a*b)".
      .Erase(813, 30, 1320, 1300)
      .Text(813, 30, 3, "例1　次の計算をしなさい。")
      .Text(853, 100, 0, "4x*(-2y)")
      .Key()
      .Text(813, 180, 0, "=")
      .More(5, "-8xy")
      .Line("next-step")
      .Text(240, 600, 7, "教科書P20 問1　をしなさい。");
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.program.work.SavedX(1), 813);
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
}

TEST(TileAreaTask, DottedArcsNinetyTwoDotsSixtyOfThemInColourSeven) {
  const VarnickRun run("3\n1\n");
  int dots = 0, colour_seven = 0;
  for (const Fields& e : EventsOf(run.session.trace(), "op", "PsCIRCLE")) {
    if (e[4] != "0.5") continue;  // the number field's cursor is a disc too
    ++dots;
    if (e[5] == "7") ++colour_seven;
  }
  EXPECT_EQ(dots, 92);  // 37 for 3b, 21 for b, 11 for a, 23 for 2a
  EXPECT_EQ(colour_seven, 60);
}

// The problems a drill showed, in order.
std::vector<std::string> ProblemsShown(const std::vector<std::string>& section, float x, float y) {
  std::vector<std::string> shown;
  const std::string prefix =
      "text " + platform::ShortNumber(x) + " " + platform::ShortNumber(y) + " 0 ";
  for (const std::string& step : section) {
    if (step.starts_with(prefix)) shown.push_back(step.substr(prefix.size()));
  }
  return shown;
}

TEST(ProductDrill, TenProblemsInTurnThenTheFirstAgain) {
  std::string keys = "3\n1\nkkkkkkk";
  for (int pass = 0; pass < 10; ++pass) keys += "k2\n";
  keys += "k1\n";
  const auto shown = ProblemsShown(VarnickRun(keys).Section(), 853, 100);
  EXPECT_EQ(shown, (std::vector<std::string>{"4x*(-2y)", "(-4x)*5y", "(-7y)*(-3x)", "ﾀ5/9ﾀa*(-3b)",
                                             "8a*3a", "(-8a)*5a", "ﾀ1/2ﾀx*ﾀ3/4ﾀx", "3ab*b",
                                             "(-x)*(-8xy)", "ﾀ2/3ﾀxy*ﾀ1/4ﾀx", "4x*(-2y)"}));
}

TEST(ProductDrill, EndsOnlyOnExactlyOneAndStartsAgainAtProblemOne) {
  // 1.5, 0, an empty entry and 3/0 (refused, then 7) go on; 2/2 ends.
  const VarnickRun run("3\n1\nkkkkkkk" "k1.5\n" "k0\n" "k\n" "k3/0\n7\n" "k2/2\n"
                       "1\nkkkkkkkk1\n8\n");
  const auto first = run.Section(1);
  EXPECT_EQ(Count(first, "next-step"), 5);
  EXPECT_EQ(ProblemsShown(first, 853, 100),
            (std::vector<std::string>{"4x*(-2y)", "(-4x)*5y", "(-7y)*(-3x)", "ﾀ5/9ﾀa*(-3b)",
                                      "8a*3a"}));
  EXPECT_EQ(ProblemsShown(run.Section(2), 853, 100), (std::vector<std::string>{"4x*(-2y)"}));
}

TEST(PowerProductDrill, PassScreenWithTwoKeysAndTheRulesAfterTheLast) {
  const VarnickRun run("3\n3\nkk2\nkk1\nk");
  Expected e;
  const std::vector<std::vector<std::string>> problems{{"(5x)^2", "5x*5x", "25x^2"},
                                                       {"(-5y)^2", "(-5y)*(-5y)", "25y^2"}};
  for (const auto& problem : problems) {
    e.Erase(0, 0, 1320, 1300)
        .Text(40, 30, 3, "例2　次の計算をしなさい。")
        .Text(120, 90, 0, problem[0])
        .Key()
        .Text(80, 190, 0, "=")
        .More(0, problem[1])
        .Key()
        .Text(80, 290, 0, "=")
        .More(5, problem[2])
        .Line("next-step");
  }
  e.Key()
      .Text(600, 105, 3, "<単項式の乗法>")
      .Text(600, 180, 0, "① 係数の積に文字の積をかける")
      .Text(600, 255, 0, "② 同じ文字の積は、指数を使って表す")
      .Text(600, 330, 0, "③ 指数部分から計算する")
      .Text(44, 570, 7, "教科書P21 問2　をしなさい。");
  EXPECT_EQ(run.Section(), e.steps());
}

TEST(PowerProductDrill, EightProblemsInTurnAndEachVisitFromTheFirst) {
  std::string keys = "3\n3\n";
  for (int pass = 0; pass < 8; ++pass) keys += "kk0\n";
  keys += "kk1\nk3\nkk5\nkk1\nk";
  const VarnickRun run(keys);
  const auto texts = TextsOf(run.Section(1));
  std::vector<std::string> results;
  for (size_t k = 0; k + 1 < texts.size(); ++k) {
    if (texts[k] == "=" && k >= 2 && texts[k - 2] == "=") results.push_back(texts[k + 1]);
  }
  EXPECT_EQ(results, (std::vector<std::string>{"25x^2", "25y^2", "49a^2", "-16x^2", "-64a^2",
                                               "3x^3", "3a^3", "36a^2b", "25x^2"}));
  // Left after two problems and entered again: problem 1 first.
  EXPECT_EQ(ProblemsShown(run.Section(2), 120, 90),
            (std::vector<std::string>{"(5x)^2", "(-5y)^2"}));
}

TEST(MultiplicationQuestionAnswers, QuestionOneSixKeysTwoColumns) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(94, 30, 3, "問1 解答")
      .Key()
      .Text(40, 80, 3, "(1)")
      .More(0, "(-4x)*5y")
      .Text(94, 130, 5, "=-20xy")
      .Key()
      .Text(40, 180, 3, "(2)")
      .More(0, "(-7y)*(-3x)")
      .Text(94, 230, 0, "=(-7)*(-3)*xy")
      .Text(94, 280, 5, "=21xy")
      .Key()
      .Text(40, 350, 3, "(3)")
      .More(0, "ﾀ5/9ﾀa*(-3b)")
      .Text(94, 430, 0, "=-ﾀ5*3/9ﾀ*ab")
      .Text(94, 500, 5, "=-ﾀ5/3ﾀab")
      .Key()
      .Text(600, 30, 3, "(4)")
      .More(0, "ﾀ1/2ﾀx*ﾀ3/4ﾀx")
      .Text(654, 110, 0, "=ﾀ1*3/2*4ﾀ*x*x")
      .Text(654, 180, 5, "=ﾀ3/8ﾀx^2")
      .Key()
      .Text(600, 250, 3, "(5)")
      .More(0, "3ab*b")
      .Text(654, 300, 5, "=3ab^2")
      .Key()
      .Text(600, 360, 3, "(6)")
      .More(0, "(-x)*(-8xy)")
      .Text(654, 410, 0, "=(-1)*(-8)*x*xy")
      .Text(654, 460, 5, "=8x^2y");
  EXPECT_EQ(VarnickRun("3\n2\nkkkkkkkk").Section(), e.steps());
}

TEST(MultiplicationQuestionAnswers, QuestionTwoFirstAnswerAtOnceThenThreeKeys) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(108, 30, 3, "問2 解答")
      .Text(36, 90, 3, "(1)")
      .More(0, " (-7a)^2")
      .Text(108, 150, 0, "=(-7a)*(-7a)")
      .Text(108, 210, 5, "=49a^2")
      .Key()
      .Text(36, 290, 3, "(2)")
      .More(0, " ﾀ1/3ﾀx*(3x)^2")
      .Text(108, 370, 0, "=ﾀ1/3ﾀx*3x*3x")
      .Text(108, 440, 5, "=3x^3")
      .Key()
      .Text(612, 90, 3, "(3)")
      .More(0, " -(4x)^2")
      .Text(684, 150, 0, "=-(4x)*(4x)")
      .Text(684, 210, 5, "=-16x^2")
      .Key()
      .Text(612, 270, 3, "(4)")
      .More(0, " (-a)^2*3a")
      .Text(684, 330, 0, "=(-a)*(-a)*3a")
      .Text(684, 390, 5, "=3a^3");
  EXPECT_EQ(VarnickRun("3\n4\nkkkkk").Section(), e.steps());
}

}  // namespace
