// The fixed screens of chapter 1, step by step as a pupil sees them: each text with its place
// and colour, each key wait and each erasure, through to the item line that follows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

// Sub-menu item `item` of chapter 1, run with enough keys for its waits; its steps run up to
// the item line that follows it.
struct SectionRun {
  explicit SectionRun(const std::string& item)
      : session(varnick::kVarnick, WithKeys("1\n" + item + "\n" + std::string(40, 'k'))) {
    session.Start();
    steps = AfterSubMenu(Steps(session.trace()), 1);
  }
  lesson::HeadlessSession session;
  std::vector<std::string> steps;
};

std::vector<std::string> SectionSteps(const std::string& item) { return SectionRun(item).steps; }

TEST(ExpressionValueGoal, StandsAboveTheItemLine) {
  lesson::HeadlessSession session(varnick::kVarnick, WithKeys("1\n"));
  session.Start();
  const auto steps = Steps(session.trace());
  const std::vector<std::string> tail(steps.end() - 4, steps.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "erase 0 0 1760 1800", "text 44 240 3 <めあて>",
                      "text 44 305 0 式の値を簡単に求める方法を考えよう。",
                      "menu ①復習　②例１　③練習　④問5　⑤終了"}));
  EXPECT_EQ(session.program.layout.MarginX, 44);
  EXPECT_EQ(session.program.layout.LineY, 305);
}

TEST(SubstitutionReview, ThreeReviewsWithTheTermsPanelAndTheRules) {
  Expected e;
  // Review 1, x = 2, with the terms panel.
  e.Erase(0, 0, 1320, 1300)
      .Text(48, 27, 3, "復習1　x=2のとき、")
      .Text(48, 77, 3, "次の式の値を求めなさい。")
      .Text(92, 137, 0, "6-4x")
      .Key()
      .Text(600, 30, 5, "式の値")
      .More(0, "…代入して計算した結果")
      .Key()
      .Text(600, 90, 5, "代入")
      .Text(600, 140, 0, "…式の中の文字に数をあてはめること")
      .Key()
      .Text(600, 200, 3, "文字の値")
      .More(0, "…文字にあてはめる数")
      .Key()
      .Text(92, 197, 0, "x=2　を代入して")
      .Key()
      .Text(48, 257, 0, "=6-42")
      .Key()
      .Erase(48, 257, 220, 52)
      .Text(48, 257, 0, "=6-4*2 ")
      .Key()
      .Text(48, 317, 0, "=6-8")
      .Key()
      .Text(48, 377, 5, "=-2")
      .Key()
      .Text(600, 290, 5, "<式の値の求め方>")
      .Text(600, 340, 0, "① 代入するときは、")
      .Text(650, 390, 3, "文字式の表し方に戻る");
  // Review 2, x = -2: only the strip left of the notes is erased.
  e.Key()
      .Erase(0, 0, 560, 1300)
      .Text(48, 27, 3, "復習2　x=-2のとき、")
      .Text(48, 77, 3, "次の式の値を求めなさい。")
      .Text(92, 137, 0, "6-4x")
      .Key()
      .Text(92, 197, 0, "x=-2　を代入して")
      .Key()
      .Text(48, 257, 0, "=6-4*-2 ")
      .Key()
      .Erase(48, 257, 352, 52)
      .Text(48, 257, 0, "=6-4*(-2) ")
      .Key()
      .Text(48, 317, 0, "=6+8")
      .Key()
      .Text(48, 377, 5, "=14")
      .Key()
      .Text(600, 440, 0, "② 負の数を代入するときは、")
      .Text(650, 490, 3, "（　）をつける");
  // Review 3, x = 5, y = -4: no wrong form, and no key after the last rule.
  e.Key()
      .Erase(0, 0, 560, 1300)
      .Text(48, 27, 3, "復習3　x=5,y=-4 のとき、")
      .Text(48, 77, 3, "次の式の値を求めなさい。")
      .Text(92, 137, 0, "3x+2y")
      .Key()
      .Text(92, 197, 0, "x=5,y=-4　を代入して")
      .Key()
      .Text(48, 257, 0, "=3*5+2*(-4) ")
      .Key()
      .Text(48, 317, 0, "=15-8")
      .Key()
      .Text(48, 377, 5, "=7")
      .Key()
      .Text(600, 540, 0, "③ 2文字以上に代入する場合もある");
  EXPECT_EQ(SectionSteps("1"), e.steps());
}

TEST(ExpressionValueExample, TwoWaysSideBySide) {
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(40, 30, 0, "例1 ")
      .More(3, "x=5,y=-ﾀ1/3ﾀ のとき、(3x+5y)-(7x+2y) の値")
      .Key()
      .Text(40, 100, 7, "解１　")
      .More(0, "x=5,y=-ﾀ1/3ﾀ を代入して");
  float y = 100;
  for (const char* line : {"={3*5+5*(-ﾀ1/3ﾀ)}", "     -{7*5+2*(-ﾀ1/3ﾀ)}", "=15-ﾀ5/3ﾀ-(35-ﾀ2/3ﾀ)",
                           "=15-ﾀ5/3ﾀ-35+ﾀ2/3ﾀ", "=15-35-ﾀ5/3ﾀ+ﾀ2/3ﾀ"}) {
    e.Key().Text(40, y += 70, 0, line);
  }
  e.Key().Text(40, 510, 0, "=-20-ﾀ3/3ﾀ").Key().Text(40, 570, 0, "=-20-1").Key().More(5, "=-21");
  e.Key().Text(720, 90, 7, "解2　").More(0, "式を計算すると");
  const struct {
    const char* text;
    int colour;
  } right[] = {{"=3x+5y-7x-2y", 0},          {"=3x-7x+5y-2y", 0}, {"=-4x+3y", 3},
               {"x=5,y=-ﾀ1/3ﾀ を代入して", 0}, {"=-4*5+3*(-ﾀ1/3ﾀ)", 0}, {"=-20-1", 0},
               {"=-21", 5},                  {"式を簡単にしてから代入する", 3}};
  y = 90;
  for (const auto& line : right) e.Key().Text(720, y += 60, line.colour, line.text);
  EXPECT_EQ(SectionSteps("2"), e.steps());
}

TEST(ValueQuestion5Answers, TwoColumnsWithOneKeyAndWidthFive) {
  const SectionRun run("4");
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(108, 30, 3, "問5 解答")
      .Text(36, 90, 3, "(1)")
      .More(0, " 2a-3b+5b-8a")
      .Text(108, 150, 0, "=2a-8a-3b+5b")
      .Text(108, 210, 0, "=-6a+2b")
      .Text(108, 280, 0, "a=-ﾀ1/6ﾀ ,b=3　を代入して")
      .Text(108, 360, 0, "=-6*(-ﾀ1/6ﾀ)+2*3")
      .Text(108, 440, 0, "=1+6")
      .Text(108, 520, 5, "=7")
      .Key()
      .Text(612, 90, 3, "(2)")
      .More(0, " 5(4a-3b)-4(2a-5b)")
      .Text(684, 150, 0, "=20a-15b-8a+20b")
      .Text(684, 210, 0, "=20a-8a-15b+20b")
      .Text(684, 270, 0, "=12a+5b")
      .Text(684, 340, 0, "a=-ﾀ1/6ﾀ ,b=3　を代入して")
      .Text(684, 400, 0, "=12*(-ﾀ1/6ﾀ)+5*3")
      .Text(684, 460, 0, "=-2+15")
      .Text(684, 520, 5, "=13");
  EXPECT_EQ(run.steps, e.steps());
  // The width 5 stays for the screens that follow: the sub-menu and the next section.
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
  lesson::HeadlessSession later(varnick::kVarnick, WithKeys("1\n4\nk1\n"));
  later.Start();
  EXPECT_TRUE(HasEvent(later.trace(), {"op", "PsLINE", "0", "0", "1320", "1300", "15", "2", "15", "5"}));
}

TEST(ValueRulesPanel, FourRulesRightOfTheWorkArea) {
  auto steps = SectionSteps("3");
  steps.resize(13);
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(760, 30, 5, "<式の値の求め方>")
      .Text(680, 80, 7, "①")
      .More(3, "式を簡単にしてから代入する")
      .Text(680, 130, 7, "②")
      .More(0, "代入するときは、")
      .Text(740, 180, 3, "文字式の表し方に戻る")
      .Text(680, 230, 7, "③")
      .More(0, "負の数を代入するときは、")
      .Text(740, 280, 3, "（　）をつける")
      .Text(680, 330, 7, "④")
      .More(0, "2文字以上に代入する場合もある")
      .Key();
  EXPECT_EQ(steps, e.steps());
}

}  // namespace
