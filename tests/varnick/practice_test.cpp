// The expression-value practice: its generator, the worked solution of each problem, and
// long runs of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/expression_value/expression_value.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

// The keys of one pass: seven key waits, then `next` at the next-step prompt.
std::string Pass(const std::string& next) { return "kkkkkkk" + next + "\n"; }

// Chapter 1, item ③, the panel's key, then `passes`.
lesson::HeadlessSession PracticeRun(const std::vector<Problem>& problems, const std::string& passes) {
  platform::HeadlessOptions options = WithKeys("1\n3\nk" + passes);
  for (const Problem& problem : problems) {
    const auto r = RandomsFor(problem);
    options.random.insert(options.random.end(), r.begin(), r.end());
  }
  return lesson::HeadlessSession(varnick::kVarnick, options);
}

// The worked solution's steps of the first pass: from the erasure of the work area on.
std::vector<std::string> FirstPass(const Problem& problem) {
  lesson::HeadlessSession session = PracticeRun({problem}, Pass("1"));
  session.Start();
  auto steps = AfterSubMenu(Steps(session.trace()), 1);
  const auto start = std::find(steps.begin(), steps.end(), "erase 40 30 640 1330");
  return {start, std::find(start, steps.end(), "next-step")};
}

TEST(ExpressionValueGenerator, ScriptedNumbersGiveTheWorkedExample) {
  // a = -3, b = 2, c = -4, d = 2, e = -1, f = 5, x = 4, y = -1, then a seventeenth number
  // that the next draw must get.
  platform::HeadlessOptions options;
  options.random = {0.5f, 0.25f, 0.2f, 0.75f, 0.5f, 0.25f, 0.3f, 0.8f,
                    0.1f, 0.25f, 0.7f, 0.75f, 0.7f, 0.75f, 0.1f, 0.25f, 0.625f};
  lesson::HeadlessSession session(varnick::kVarnick, options);
  session.Call(varnick::GenerateExpressionValueProblem);
  const auto& w = session.program.work;
  EXPECT_EQ(w.AuxValues(1), -3);
  EXPECT_EQ(w.TermValues(2), 2);
  EXPECT_EQ(w.TermValues(3), -4);
  EXPECT_EQ(w.AuxValues(4), 2);
  EXPECT_EQ(w.TermValues(5), -1);
  EXPECT_EQ(w.TermValues(6), 5);
  EXPECT_EQ(w.AuxValues(5), 4);
  EXPECT_EQ(w.AuxValues(6), -1);
  const float expanded[] = {-6, 12, -2, 10, -8, 22};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(w.TermValues(7 + k), expanded[k]) << 7 + k;
  // Sixteen draws, whatever their outcome.
  EXPECT_EQ(session.runtime.PaRnd(), 0.625f);
  // The work arrays outside the problem are left as they were.
  EXPECT_EQ(w.TermValues(1), 0);
  EXPECT_EQ(w.AuxValues(2), 0);
  EXPECT_EQ(w.TermValues(13), 0);
  EXPECT_EQ(w.AuxValues(7), 0);
}

TEST(ExpressionValueGenerator, RangesAndTheXYRuleOverManySeeds) {
  std::map<int, std::set<float>> seen;  // every value each entry took
  int negative_d = 0, draws = 0;
  for (int seed = 0; seed < 40; ++seed) {
    lesson::HeadlessSession session(varnick::kVarnick, platform::HeadlessOptions{});
    session.runtime.PaRandomize(seed);
    for (int k = 0; k < 250; ++k, ++draws) {
      session.Call(varnick::GenerateExpressionValueProblem);
      const auto& w = session.program.work;
      const float a = w.AuxValues(1), b = w.TermValues(2), c = w.TermValues(3);
      const float d = w.AuxValues(4), e = w.TermValues(5), f = w.TermValues(6);
      const float x = w.AuxValues(5), y = w.AuxValues(6);
      int entry = 0;
      for (float value : {a, b, c, d, e, f, x, y}) seen[++entry].insert(value);
      ASSERT_NE(x, y);
      // y leaves -5 to 5 only as x + 1 of a y drawn equal to x.
      if (y == 0) {
        ASSERT_EQ(x, -1);
      }
      if (y == 6) {
        ASSERT_EQ(x, 5);
      }
      ASSERT_EQ(w.TermValues(7), a * b);
      ASSERT_EQ(w.TermValues(8), a * c);
      ASSERT_EQ(w.TermValues(9), d * e);
      ASSERT_EQ(w.TermValues(10), d * f);
      ASSERT_EQ(w.TermValues(11), a * b + d * e);
      ASSERT_EQ(w.TermValues(12), a * c + d * f);
      if (d < 0) ++negative_d;
    }
  }
  const auto range = [](std::initializer_list<std::pair<int, int>> spans) {
    std::set<float> values;
    for (auto [from, to] : spans) {
      for (int v = from; v <= to; ++v) values.insert(static_cast<float>(v));
    }
    return values;
  };
  EXPECT_EQ(seen[1], range({{-5, -1}, {2, 5}}));  // a is never +1
  EXPECT_EQ(seen[2], range({{-7, -1}, {1, 7}}));
  EXPECT_EQ(seen[3], range({{-6, -2}, {2, 6}}));
  EXPECT_EQ(seen[4], range({{-5, -1}, {1, 5}}));
  EXPECT_EQ(seen[5], range({{-7, -1}, {1, 7}}));
  EXPECT_EQ(seen[6], range({{-6, -2}, {2, 6}}));
  EXPECT_EQ(seen[7], range({{-5, -1}, {1, 5}}));
  EXPECT_EQ(seen[8], range({{-5, 6}}));
  // d is negative two times in three.
  EXPECT_NEAR(static_cast<double>(negative_d) / draws, 2.0 / 3.0, 0.03);
}

TEST(ExpressionValueSolution, WorkedPassLineByLine) {
  // a = 3, b = 2, c = -4, d = 2, e = -1, f = 5, x = 2, y = -3.
  Expected e;
  e.Erase(40, 30, 600, 1300)
      .Text(40, 30, 3, "練習")
      .Text(108, 30, 0, " x=2,y=-3のとき、")
      .Text(80, 80, 0, "次の式の値を求めなさい。")
      .Text(72, 140, 3, "3(2x-4y)+2(-x+5y)")
      .Key()
      .Text(40, 200, 0, "=6x-12y-2x+10y")
      .Key()
      .Text(40, 260, 0, "=6x-2x-12y+10y")
      .Key()
      .Text(40, 320, 0, "=4x-2y")
      .Key()
      .Text(80, 370, 3, "x=2,y=-3 を代入して")
      .Key()
      .Text(40, 430, 0, "=4*2-2*(-3)")
      .Key()
      .Text(40, 490, 0, "=8+6")
      .Key()
      .More(5, "=14");
  EXPECT_EQ(FirstPass({3, 2, -4, 2, -1, 5, 2, -3}), e.steps());
}

TEST(ExpressionValueSolution, CoefficientsAndValuesOfEveryKind) {
  // The texts of the problem line, the collected line, the substituted line, the products
  // line and the value (lines 4, 7, 9, 10 and 11 of a pass).
  const struct {
    Problem problem;
    std::vector<std::string> lines;
  } cases[] = {
      // The generator's own example.
      {{-3, 2, -4, 2, -1, 5, 4, -1}, {"-3(2x-4y)+2(-x+5y)", "=-8x+22y", "=-8*4+22*(-1)", "=-32-22", "=-54"}},
      // Collected coefficients 1 and -1: the values alone, or after a minus sign.
      {{2, 1, -2, 1, -1, 3, 3, -2}, {"2(x-2y)+(-x+3y)", "=x-y", "=3-(-2)", "=3+2", "=5"}},
      {{-1, -3, 2, -1, 2, -3, -2, 4}, {"-(-3x+2y)-(2x-3y)", "=x+y", "=(-2)+4", "=-2+4", "=2"}},
      {{-2, 1, 3, 3, 1, -2, 5, 1}, {"-2(x+3y)+3(x-2y)", "=x-12y", "=5-12*1", "=5-12", "=-7"}},
      // No x term: the line begins with the y term, and the products line with 0.
      {{2, 1, 2, 1, -2, 2, 4, -2}, {"2(x+2y)+(-2x+2y)", "=6y", "=6*(-2)", "=0-12", "=-12"}},
      {{3, 2, 2, -2, 3, 4, 1, 5}, {"3(2x+2y)-2(3x+4y)", "=-2y", "=-2*5", "=0-10", "=-10"}},
      {{2, -1, 3, 2, 1, -2, -3, 2}, {"2(-x+3y)+2(x-2y)", "=2y", "=2*2", "=0+4", "=4"}},
      // No y term: the products line stops at the x product (not "=120").
      {{2, 1, 2, 2, 1, -2, 3, 1}, {"2(x+2y)+2(x-2y)", "=4x", "=4*3", "=12", "=12"}},
      {{-2, 1, 3, 3, -1, 2, -2, 3}, {"-2(x+3y)+3(-x+2y)", "=-5x", "=-5*(-2)", "=10", "=10"}},
      // y = 0 (drawn equal to x = -1): the y term stands, its product is written +0.
      {{3, 2, -4, 2, -1, 5, -1, 0}, {"3(2x-4y)+2(-x+5y)", "=4x-2y", "=4*(-1)-2*0", "=-4+0", "=-4"}},
      {{3, 2, 4, 1, -1, -5, -1, 0}, {"3(2x+4y)+(-x-5y)", "=5x+7y", "=5*(-1)+7*0", "=-5+0", "=-5"}},
      // y = 6 (drawn equal to x = 5).
      {{2, 3, -2, -1, 7, 2, 5, 6}, {"2(3x-2y)-(7x+2y)", "=-x-6y", "=-5-6*6", "=-5-36", "=-41"}},
      // The factor before the second bracket: +4( and -4(.
      {{5, 7, 6, 4, 1, 2, 1, 2}, {"5(7x+6y)+4(x+2y)", "=39x+38y", "=39*1+38*2", "=39+76", "=115"}},
      {{-5, -7, -6, -4, -1, -2, -5, 5}, {"-5(-7x-6y)-4(-x-2y)", "=39x+38y", "=39*(-5)+38*5", "=-195+190", "=-5"}},
  };
  for (const auto& c : cases) {
    const auto texts = TextsOf(FirstPass(c.problem));
    ASSERT_EQ(texts.size(), 11u);
    const std::vector<std::string> lines{texts[3], texts[6], texts[8], texts[9], texts[10]};
    EXPECT_EQ(lines, c.lines) << c.lines[0];
  }
}

TEST(ExpressionValueSolution, ExpandedLinesAndValuesShownBare) {
  // ab = 1 opens the multiplied-out lines with x, de = -1 shows as -x inside them; negative
  // values stand bare in the heading and the substitution line.
  const auto texts = TextsOf(FirstPass({-1, -1, 2, 1, -1, 3, -2, -4}));
  EXPECT_EQ(texts[1], " x=-2,y=-4のとき、");
  EXPECT_EQ(texts[3], "-(-x+2y)+(-x+3y)");
  EXPECT_EQ(texts[4], "=x-2y-x+3y");
  EXPECT_EQ(texts[5], "=x-x-2y+3y");
  EXPECT_EQ(texts[6], "=y");
  EXPECT_EQ(texts[7], "x=-2,y=-4 を代入して");
  EXPECT_EQ(texts[8], "=(-4)");
  EXPECT_EQ(texts[9], "=0-4");
  EXPECT_EQ(texts[10], "=-4");
}

TEST(ExpressionValueSolution, TextsLeftInTheWorkArrays) {
  // AuxTexts 1, 4 to 9 after a pass: a, d joining the brackets, x and y as substituted, the
  // two products (a positive y product with its "+") and the value.
  const struct {
    Problem problem;
    std::vector<std::string> aux;
  } cases[] = {
      {{3, 2, -4, 2, -1, 5, 2, -3}, {"3", "+2", "2", "(-3)", "8", "+6", "14"}},
      {{-3, 2, -4, 2, -1, 5, 4, -1}, {"-3", "+2", "4", "(-1)", "-32", "-22", "-54"}},
      {{-1, -3, 2, -1, 2, -3, -2, 4}, {"-", "-", "(-2)", "4", "-2", "+4", "2"}},
      // A y of 0, and a y term of 0: the y product's text is its number.
      {{3, 2, -4, 2, -1, 5, -1, 0}, {"3", "+2", "(-1)", "0", "-4", "0", "-4"}},
      {{2, 1, 2, 2, 1, -2, 3, 1}, {"2", "+2", "3", "1", "12", "0", "12"}},
  };
  for (const auto& c : cases) {
    lesson::HeadlessSession session = PracticeRun({c.problem}, Pass("1"));
    session.Start();
    const auto& w = session.program.work;
    std::vector<std::string> aux{w.AuxTexts(1)};
    for (int k = 4; k <= 9; ++k) aux.push_back(w.AuxTexts(static_cast<float>(k)));
    EXPECT_EQ(aux, c.aux) << c.aux[0] << " " << c.aux[1];
  }
}

TEST(ExpressionValuePractice, PassesUntilOneThenTheTextbookPrompt) {
  // Both collected coefficients 0 first: another problem at once, with no prompt between.
  const Problem zero{2, 1, 2, -1, 2, 4, 1, 2};
  const Problem worked{3, 2, -4, 2, -1, 5, 2, -3};
  const Problem other{2, 1, -2, 1, -1, 3, 3, -2};
  for (const char* next : {"0", "2", "-1", "", "1.5"}) {
    lesson::HeadlessSession session =
        PracticeRun({zero, worked, other}, Pass(next) + Pass("2/2") + "k5\n8\n");
    session.Start();
    const auto steps = AfterSubMenu(Steps(session.trace()), 1);
    ASSERT_EQ(std::count(steps.begin(), steps.end(), "next-step"), 2) << next;
    ASSERT_EQ(std::count(steps.begin(), steps.end(), "erase 40 30 640 1330"), 2) << next;
    // The panel stays: it is drawn once.
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "text 760 30 5 <式の値の求め方>"), 1);
    const auto texts = TextsOf(steps);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "3(2x-4y)+2(-x+5y)"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2(x-2y)+(-x+3y)"), texts.end());
    // After 1: a key, the textbook prompt and the item line, with the last problem in view.
    const std::vector<std::string> tail(steps.end() - 3, steps.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"next-step", "key",
                                              "text 352 570 7 教科書P19 問5　をしなさい。"}));
    EXPECT_EQ(Events(session.trace()).back(), (Fields{"end", "program-ended"}));
  }
}

TEST(ExpressionValuePractice, ManyPassesWithoutARuntimeError) {
  for (const char* time : {"10:20:30", "00:00:00", "23:59:59", "07:05:41", "12:34:56", "18:00:01"}) {
    std::string keys = "1\n3\nk";
    for (int pass = 0; pass < 150; ++pass) keys += Pass(pass % 3 == 0 ? "0" : "2");
    keys += Pass("1") + "k5\n8\n";
    platform::HeadlessOptions options = WithKeys(keys);
    options.time = time;
    options.trace = true;
    lesson::HeadlessSession session(varnick::kVarnick, options);
    session.Start();
    EXPECT_EQ(Events(session.trace()).back(), (Fields{"end", "program-ended"})) << time;
    const auto steps = Steps(session.trace());
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "next-step"), 151) << time;
  }
}

}  // namespace
