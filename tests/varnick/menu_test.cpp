// Varnick's main menu and the sub-menu of chapter 1: where each number leads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

std::vector<std::string> RunSteps(const std::string& keys) {
  lesson::HeadlessSession session(varnick::kVarnick, WithKeys(keys));
  session.Start();
  auto steps = Steps(session.trace());
  steps.push_back(Events(session.trace()).back()[1]);  // how the run ended
  return steps;
}

const std::string kGoalLine = "text 44 305 0 式の値を簡単に求める方法を考えよう。";
const std::string kItemLine = "menu ①復習　②例１　③練習　④問5　⑤終了";

TEST(VarnickMainMenu, DrawsTitleAndItems) {
  lesson::HeadlessSession session(varnick::kVarnick, WithKeys("8\n"));
  session.Start();
  const char* items[] = {"1　式の値",       "2　練習問題",           "3　単項式の乗法",
                         "4　単項式の除法", "5　分数をふくむ式の除法", "6　乗除の混じった計算",
                         "7　練習問題",     "8　終了"};
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawText", "264", "30", "15", "＜Ｖａｒｎｉｃｋ　メニュー＞"}));
  for (int k = 0; k < 8; ++k) {
    EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawText", "44", std::to_string(120 + 60 * k),
                                           k % 2 == 0 ? "13" : "15", items[k]}))
        << items[k];
  }
  EXPECT_EQ(Events(session.trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(VarnickMainMenu, ItemOneOpensChapterOneOthersShowTheMenuAgainEightEnds) {
  // Outside 1 to 8: the menu comes again.
  for (const char* keys : {"0\n", "9\n", "-3\n", "\n", "7.6\n"}) {
    const auto steps = RunSteps(std::string(keys) + "8\n");
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "main-menu"), 2) << keys;
    EXPECT_EQ(std::count(steps.begin(), steps.end(), kGoalLine), 0) << keys;
    EXPECT_EQ(steps.back(), "program-ended") << keys;
  }
  for (const char* keys : {"1\n", "1.4\n", "3/3\n"}) {
    const auto steps = RunSteps(std::string(keys) + "5\n8\n");
    // The screen is erased, then the goal stands above the item line.
    const std::vector<std::string> expected{"main-menu",
                                            "erase 0 0 1760 1800",
                                            "erase 0 0 1760 1800",
                                            "text 44 240 3 <めあて>",
                                            kGoalLine,
                                            kItemLine,
                                            "erase 0 0 1760 1800",
                                            "main-menu",
                                            "program-ended"};
    // The first erasure is the menu's own, before its title.
    std::vector<std::string> seen(steps.begin() + 1, steps.end());
    EXPECT_EQ(seen, expected) << keys;
  }
  for (const char* keys : {"8\n", "8.0\n", "16/2\n"}) {
    EXPECT_EQ(RunSteps(keys).back(), "program-ended") << keys;
  }
}

TEST(ExpressionValueMenu, LeadsToEachSectionAndBack) {
  // The first step each item shows after the choice.
  const struct {
    const char* choice;
    std::string first;
  } cases[] = {
      {"1", "erase 0 0 1320 1300"},   // review
      {"2", "erase 0 0 1320 1300"},   // example
      {"3", "erase 0 0 1320 1300"},   // practice
      {"4", "erase 0 0 1760 1800"},   // question-5 answers
      {"5", "erase 0 0 1760 1800"},   // the main menu
      {"2/2", "erase 0 0 1320 1300"},
      {"4.6", "erase 0 0 1760 1800"},
  };
  for (const auto& c : cases) {
    const auto steps = RunSteps(std::string("1\n") + c.choice + "\n");
    const auto section = AfterSubMenu(steps, 1);
    ASSERT_FALSE(section.empty()) << c.choice;
    EXPECT_EQ(section[0], c.first) << c.choice;
  }
  // Item ② and item ③ differ in their second step.
  EXPECT_EQ(AfterSubMenu(RunSteps("1\n2\n"), 1)[1], "text 40 30 0 例1 ");
  EXPECT_EQ(AfterSubMenu(RunSteps("1\n3\n"), 1)[1], "text 760 30 5 <式の値の求め方>");
  EXPECT_EQ(AfterSubMenu(RunSteps("1\n4\n"), 1)[1], "text 108 30 3 問5 解答");
  EXPECT_EQ(AfterSubMenu(RunSteps("1\n5\n"), 1)[1], "main-menu");
}

TEST(ExpressionValueMenu, OutOfRangeShowsOnlyTheItemLineAgain) {
  for (const char* keys : {"6\n", "0\n", "\n", "5.6\n", "-1\n"}) {
    const auto steps = RunSteps(std::string("1\n") + keys + "5\n8\n");
    // Nothing between the two item lines: no goal, no erasure.
    EXPECT_TRUE(AfterSubMenu(steps, 1).empty()) << keys;
    EXPECT_EQ(std::count(steps.begin(), steps.end(), kGoalLine), 1) << keys;
    EXPECT_EQ(AfterSubMenu(steps, 2).front(), "erase 0 0 1760 1800") << keys;
  }
}

}  // namespace
