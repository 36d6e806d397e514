// Chapter 6's 例6: differences of two fractions with unlike denominators brought to one
// fraction, collected and reduced; its screens, text rules and generator.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

#include "corvane/fraction_terms/fraction_terms.h"
#include "platform/text_ops.h"
#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;

TEST(FractionFormPractice, RevealsAProblemOverFourKeysThenTheMethodAndTheQuestion) {
  std::vector<float> random = FractionFormDraw(3, 4, 1, -1, 2, -2);
  for (float r : FractionFormDraw(2, 3, 3, -2, 1, -1)) random.push_back(r);
  auto session = RunCorvane("6\n4\nkkkk0\nkkkk1\nkk", random);
  ExpectScreen(SectionRows(*session, kChapter6Line), {
      Text("例6　次の計算をしなさい。", 3, 40, 18),
      Text("ﾀx-y/3ﾀ-ﾀ2x-2y/4ﾀ", 0, 67, 98),
      Key(), Text("=ﾀ4(x-y)-3(2x-2y)/12ﾀ", 0, 40, 178),
      Key(), Text("=ﾀ4x-4y-6x+6y/12ﾀ", 0, 40, 258),
      Key(), Text("=ﾀ4x-6x-4y+6y/12ﾀ", 0, 40, 338),
      // It reduces: the collected line stays in colour 0 and the reduced one is the result.
      Key(), Text("=ﾀ-2x+2y/12ﾀ", 0, 40, 418),
      Text("=ﾀ-x+y/6ﾀ", 5, 40, 498),
      Next(),
      Text("例6　次の計算をしなさい。", 3, 40, 18),
      Text("ﾀ3x-2y/2ﾀ-ﾀx-y/3ﾀ", 0, 67, 98),
      Key(), Text("=ﾀ3(3x-2y)-2(x-y)/6ﾀ", 0, 40, 178),
      Key(), Text("=ﾀ9x-6y-2x+2y/6ﾀ", 0, 40, 258),
      Key(), Text("=ﾀ9x-2x-6y+2y/6ﾀ", 0, 40, 338),
      // Nothing reduces: the collected line is the result, and no line follows.
      Key(), Text("=ﾀ7x-4y/6ﾀ", 5, 40, 418),
      Next(),
      Key(),
      Text("<分数の形の式の計算>", 5, 680, 30),
      Text("①通分する、", 3, 680, 80),
      Text(" 分子は、a( )の形にする。", 5, 720, 130),
      Text("②1つの分数にまとめる", 3, 680, 180),
      Text("③かっこをはずす", 3, 680, 230),
      Text("④同類項をまとめる", 3, 680, 280),
      Text("⑤約分できるときは、約分する", 3, 680, 330),
      Key(), Text("教科書P18 問4　をしなさい。", 7, 308, 570),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 2000));
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(session->program.practice.PreviousFirstCoefficient, 3);
}

TEST(FractionFormPractice, LinesFollowTheTextRules) {
  const struct {
    std::vector<float> draw;
    std::array<std::string, 6> lines;
  } cases[] = {
      {FractionFormDraw(2, 3, 3, -2, 1, -1),
       {"ﾀ3x-2y/2ﾀ-ﾀx-y/3ﾀ", "=ﾀ3(3x-2y)-2(x-y)/6ﾀ", "=ﾀ9x-6y-2x+2y/6ﾀ", "=ﾀ9x-2x-6y+2y/6ﾀ",
        "=ﾀ7x-4y/6ﾀ", ""}},
      // The factor 1 of the second numerator is not written; nor is a coefficient 1.
      {FractionFormDraw(2, 6, 1, -1, 1, -1),
       {"ﾀx-y/2ﾀ-ﾀx-y/6ﾀ", "=ﾀ3(x-y)-(x-y)/6ﾀ", "=ﾀ3x-3y-x+y/6ﾀ", "=ﾀ3x-x-3y+y/6ﾀ",
        "=ﾀ2x-2y/6ﾀ", "=ﾀx-y/3ﾀ"}},
      {FractionFormDraw(6, 2, 1, -1, 1, -1),
       {"ﾀx-y/2ﾀ-ﾀx-y/6ﾀ", "=ﾀ3(x-y)-(x-y)/6ﾀ", "=ﾀ3x-3y-x+y/6ﾀ", "=ﾀ3x-x-3y+y/6ﾀ",
        "=ﾀ2x-2y/6ﾀ", "=ﾀx-y/3ﾀ"}},
      // The whole denominator cancels: the result is no fraction.
      {FractionFormDraw(2, 4, 3, -3, 2, -2),
       {"ﾀ3x-3y/2ﾀ-ﾀ2x-2y/4ﾀ", "=ﾀ2(3x-3y)-(2x-2y)/4ﾀ", "=ﾀ6x-6y-2x+2y/4ﾀ",
        "=ﾀ6x-2x-6y+2y/4ﾀ", "=ﾀ4x-4y/4ﾀ", "=x-y"}},
      {FractionFormDraw(2, 4, 5, -3, 2, -2),
       {"ﾀ5x-3y/2ﾀ-ﾀ2x-2y/4ﾀ", "=ﾀ2(5x-3y)-(2x-2y)/4ﾀ", "=ﾀ10x-6y-2x+2y/4ﾀ",
        "=ﾀ10x-2x-6y+2y/4ﾀ", "=ﾀ8x-4y/4ﾀ", "=2x-y"}},
      {FractionFormDraw(6, 5, 2, -1, 1, -3),
       {"ﾀ2x-y/5ﾀ-ﾀx-3y/6ﾀ", "=ﾀ6(2x-y)-5(x-3y)/30ﾀ", "=ﾀ12x-6y-5x+15y/30ﾀ",
        "=ﾀ12x-5x-6y+15y/30ﾀ", "=ﾀ7x+9y/30ﾀ", ""}},
  };
  for (const auto& c : cases) {
    platform::HeadlessOptions options;
    options.random = c.draw;
    lesson::HeadlessSession session(corvane::kCorvane, options);
    session.Call(corvane::GenerateFractionFormProblem);
    session.Call(corvane::WriteFractionFormTexts);
    EXPECT_EQ(corvane::FractionFormLines(session.program), c.lines) << c.lines[0];
  }
}

namespace {

std::string Number(int v) { return platform::ShortNumber(v); }

std::string Term(int coefficient, const std::string& letter, bool opens) {
  return PupilTerm(static_cast<float>(coefficient), letter, opens);
}

std::string Binomial(int x, int y) { return Term(x, "x", true) + Term(y, "y", false); }

std::string Over(const std::string& numerator, int denominator) {
  return "ﾀ" + numerator + "/" + Number(denominator) + "ﾀ";
}

// The six lines of (ax+by)/small - (cx+dy)/large, worked here from the numbers.
std::array<std::string, 6> ExpectedLines(int small, int large, int a, int b, int c, int d) {
  const int common = std::lcm(small, large);
  const int first = common / small, second = common / large;
  const int x = first * a - second * c, y = first * b - second * d;
  const int g = std::gcd(std::gcd(x, y), common);
  std::string reduced;
  if (common / g == 1) {
    reduced = "=" + Binomial(x / g, y / g);
  } else if (g > 1) {
    reduced = "=" + Over(Binomial(x / g, y / g), common / g);
  }
  const std::string second_factor = second == 1 ? "" : Number(second);
  return {
      Over(Binomial(a, b), small) + "-" + Over(Binomial(c, d), large),
      "=" + Over(Number(first) + "(" + Binomial(a, b) + ")-" + second_factor + "(" +
                     Binomial(c, d) + ")",
                 common),
      "=" + Over(Binomial(first * a, first * b) + Term(-second * c, "x", false) +
                     Term(-second * d, "y", false),
                 common),
      "=" + Over(Term(first * a, "x", true) + Term(-second * c, "x", false) +
                     Term(first * b, "y", false) + Term(-second * d, "y", false),
                 common),
      "=" + Over(Binomial(x, y), common),
      reduced,
  };
}

}  // namespace

TEST(FractionFormPractice, ManySeedsGiveRulesLinesWithinTheirRanges) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  std::set<std::pair<int, int>> pairs;
  for (int seed = 0; seed < 25; ++seed) {
    session.runtime.PaRandomize(static_cast<float>(seed));
    for (int problem = 0; problem < 40; ++problem) {
      session.Call(corvane::GenerateFractionFormProblem);
      session.Call(corvane::WriteFractionFormTexts);
      const auto& v = p.work.TermValues;
      const auto& aux = p.work.AuxValues;
      const int a = static_cast<int>(v(1)), b = static_cast<int>(v(2)),
                c = static_cast<int>(v(3)), d = static_cast<int>(v(4));
      const int small = static_cast<int>(aux(2)), large = static_cast<int>(aux(1));
      ASSERT_TRUE(a >= 1 && a <= 5 && c >= 1 && c <= 5) << seed << " " << problem;
      ASSERT_TRUE(b >= -5 && b <= -1 && d >= -5 && d <= -1) << seed << " " << problem;
      ASSERT_LT(small, large);
      ASSERT_NE(v(9), 0);
      ASSERT_NE(v(10), 0);
      ASSERT_EQ(p.practice.PreviousFirstCoefficient, v(1));
      pairs.insert({small, large});
      ASSERT_EQ(corvane::FractionFormLines(p), ExpectedLines(small, large, a, b, c, d))
          << seed << " " << problem;
    }
  }
  // Nine pairs; never 4 and 5, the first pick being one of 2, 3 and 6.
  EXPECT_EQ(pairs, (std::set<std::pair<int, int>>{
                       {2, 3}, {2, 4}, {2, 5}, {2, 6}, {3, 4}, {3, 5}, {3, 6}, {4, 6}, {5, 6}}));
}
