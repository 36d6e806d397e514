// Chapter 5's practices: 例3 a(bx+cy)+d(ex+fy) with its method summary and 例4
// a(bx+cy)+d(ex+fy+g): their screens, text rules, redraws and generators.
#include <gtest/gtest.h>

#include <cmath>

#include "corvane/brackets/brackets.h"
#include "platform/text_ops.h"
#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;

namespace {

// A session whose random numbers start with `random`, to call the generators on.
std::unique_ptr<lesson::HeadlessSession> Scripted(std::vector<float> random, float previous = 0) {
  platform::HeadlessOptions options;
  options.random = std::move(random);
  auto session = std::make_unique<lesson::HeadlessSession>(corvane::kCorvane, options);
  session->program.practice.PreviousFirstCoefficient = previous;
  return session;
}

std::array<std::string, 5> TwoBracketsFor(const std::vector<int>& drawn) {
  auto session = Scripted(BracketDraws(drawn));
  session->Call(corvane::GenerateTwoBracketsProblem);
  session->Call(corvane::WriteTwoBracketsTexts);
  return corvane::TwoBracketsLines(session->program);
}

std::array<std::string, 4> WithConstantFor(const std::vector<int>& drawn) {
  auto session = Scripted(BracketDraws(drawn));
  session->Call(corvane::GenerateBracketsWithConstantProblem);
  session->Call(corvane::WriteBracketsWithConstantTexts);
  return corvane::BracketsWithConstantLines(session->program);
}

}  // namespace

TEST(TwoBracketsPractice, ShowsAProblemOverFourKeysThenTheMethodBesideIt) {
  auto session = RunCorvane("5\n1\nkkkk1\nk", BracketDraws({3, 2, -4, -2, 1, 5}));
  ExpectScreen(SectionRows(*session, kChapter5Line), {
      Text("例3 次の計算をしなさい。", 3, 40, 30),
      Text("3(2x-4y)-2(x+5y)", 0, 67, 90),
      Key(), Text("=3*2x+3*(-4y)-2*x-2*5y", 0, 40, 150),
      Key(), Text("=6x-12y-2x-10y", 0, 40, 210),
      Key(), Text("=6x-2x-12y-10y", 0, 40, 270),
      Key(), Text("=4x-22y", 5, 40, 330),
      Next(),
      // 40 right of the expanded line's end (40 + 32 + 13 * 27), at its height.
      Key(), Text("<かっこのある式の計算>", 5, 463 + 80, 210),
      Text("① 分配法則を利用してかっこをはずす", 3, 463, 260),
      Text("m(a+b)=ma+mb", 0, 543, 355),
      Text(" 　負の数をかけるときは符号を変える", 5, 463, 415),
      Text("② 項を並べかえる", 3, 463, 465),
      Text("③ 同類項をまとめる", 3, 463, 515),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 1300));
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 2000));
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(session->program.practice.PreviousFirstCoefficient, 3);

  // From the m over the formula's top to the a (16 high) and to the b (32 high).
  const auto runs = DotRuns(session->trace());
  ASSERT_EQ(runs.size(), 2u);
  for (const DotRun& run : runs) EXPECT_EQ(run.keys_before, 5);
  ExpectArcOnChord(runs[0], 561, 355, 621, 355, 16, "3");
  ExpectArcOnChord(runs[1], 561, 355, 669, 355, 32, "7");
}

TEST(TwoBracketsPractice, RedrawsARepeatedFirstFactorAndAProblemWithNothingLeft) {
  std::vector<float> random = BracketDraws({3, 2, -4, -2, 1, 5});
  for (const std::vector<int>& draw : std::vector<std::vector<int>>{
           {3, 1, 1, 1, 1, 1},     // a as last time
           {2, 1, 1, -2, 1, 1},    // both sums 0
           {1, 1, -1, -1, 2, 1}}) {
    for (float r : BracketDraws(draw)) random.push_back(r);
  }
  auto session = RunCorvane("5\n1\nkkkk0\nkkkk", random);
  const Screen rows = SectionRows(*session, kChapter5Line);
  ASSERT_EQ(rows.size(), 22u);
  ExpectScreen(Screen(rows.begin() + 11, rows.end()), {
      Text("例3 次の計算をしなさい。", 3, 40, 30),
      Text("6(x-y)-6(2x+y)", 0, 67, 90),
      Key(), Text("=6*(x)+6*(-y)-6*2x-6*y", 0, 40, 150),
      Key(), Text("=6x-6y-12x-6y", 0, 40, 210),
      Key(), Text("=6x-12x-6y-6y", 0, 40, 270),
      Key(), Text("=-6x-12y", 5, 40, 330),
      Next(),
  });
  EXPECT_EQ(session->program.practice.PreviousFirstCoefficient, 6);
}

TEST(TwoBracketsPractice, LinesFollowTheTextRules) {
  const struct {
    std::vector<int> drawn;  // a, b, c, d, e, f
    std::array<std::string, 5> lines;
  } cases[] = {
      {{-3, 2, -4, 2, -1, 5},
       {"-3(2x-4y)+2(-x+5y)", "=-3*2x-3*(-4y)+2*(-x)+2*5y", "=-6x+12y-2x+10y",
        "=-6x-2x+12y+10y", "=-8x+22y"}},
      // A factor 1 or -1 is 6 or -6; a coefficient 1 is bracketed only in the first x term.
      {{1, 1, -1, -1, 2, 1},
       {"6(x-y)-6(2x+y)", "=6*(x)+6*(-y)-6*2x-6*y", "=6x-6y-12x-6y", "=6x-12x-6y-6y",
        "=-6x-12y"}},
      {{-1, -1, 1, 1, -1, -1},
       {"-6(-x+y)+6(-x-y)", "=-6*(-x)-6*y+6*(-x)+6*(-y)", "=6x-6y-6x-6y", "=6x-6x-6y-6y",
        "=-12y"}},
      {{2, -3, 1, 2, 1, 1},
       {"2(-3x+y)+2(x+y)", "=2*(-3x)+2*y+2*x+2*y", "=-6x+2y+2x+2y", "=-6x+2x+2y+2y",
        "=-4x+4y"}},
  };
  for (const auto& c : cases) EXPECT_EQ(TwoBracketsFor(c.drawn), c.lines) << c.lines[0];
}

TEST(TwoBracketsPractice, ResultLosesALeadingPlusAndEveryZeroSum) {
  const struct {
    std::vector<int> drawn;
    const char* result;
  } cases[] = {
      {{2, 3, 4, -3, 2, -1}, "=11y"},  {{3, 2, 1, -2, 3, 1}, "=y"},
      {{2, 3, -2, -3, 2, -1}, "=-y"},  {{2, 3, -4, -3, 2, -2}, "=-2y"},
      {{2, 2, 3, 3, 1, -2}, "=7x"},    {{3, 1, 2, -2, 1, 3}, "=x"},
      {{2, 1, 3, -3, 1, 2}, "=-x"},    {{3, 1, 3, -2, 1, 3}, "=x+3y"},
  };
  for (const auto& c : cases) EXPECT_EQ(TwoBracketsFor(c.drawn)[4], c.result);
}

TEST(WithConstantPractice, ShowsAProblemOverThreeKeysThenTheTextbookQuestion) {
  std::vector<float> random = BracketDraws({3, 2, -4, -2, 1, 3, -5});
  for (float r : BracketDraws({2, 3, 3, -3, 2, 2, -5})) random.push_back(r);
  auto session = RunCorvane("5\n2\nkkk0\nkkk1\nk", random);
  ExpectScreen(SectionRows(*session, kChapter5Line), {
      Text("例4 次の計算をしなさい。", 3, 40, 30),
      Text("3(2x-4y)-2(x+3y-5)", 0, 67, 90),
      Key(), Text("=6x-12y-2x-6y+10", 0, 40, 150),
      Key(), Text("=6x-2x-12y-6y+10", 0, 40, 210),
      Key(), Text("=4x-18y+10", 5, 40, 270),
      Next(),
      // Both sums 0: the constant stands alone, and the problem is shown all the same.
      Text("例4 次の計算をしなさい。", 3, 40, 30),
      Text("2(3x+3y)-3(2x+2y-5)", 0, 67, 90),
      Key(), Text("=6x+6y-6x-6y+15", 0, 40, 150),
      Key(), Text("=6x-6x+6y-6y+15", 0, 40, 210),
      Key(), Text("=15", 5, 40, 270),
      Next(),
      Key(), Text("教科書P18 問2　をしなさい。", 7, 44, 540),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 1300));
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 2000));
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 5);
  // Neither read nor written: a first factor repeated is shown, and nothing is kept.
  EXPECT_EQ(session->program.practice.PreviousFirstCoefficient, 0);
}

TEST(WithConstantPractice, LinesFollowTheTextRules) {
  const struct {
    std::vector<int> drawn;  // a, b, c, d, e, f, g
    std::array<std::string, 4> lines;
  } cases[] = {
      {{2, 3, 4, -3, 2, -1, 1},
       {"2(3x+4y)-3(2x-y+1)", "=6x+8y-6x+3y-3", "=6x-6x+8y+3y-3", "=11y-3"}},
      {{2, 3, 1, -3, 2, 2, 4},
       {"2(3x+y)-3(2x+2y+4)", "=6x+2y-6x-6y-12", "=6x-6x+2y-6y-12", "=-4y-12"}},
      // d drawn as 1 is 6; g keeps its 1.
      {{2, 1, 3, 1, 1, -1, 2},
       {"2(x+3y)+6(x-y+2)", "=2x+6y+6x-6y+12", "=2x+6x+6y-6y+12", "=8x+12"}},
      {{3, 1, -1, -2, 1, 1, -3},
       {"3(x-y)-2(x+y-3)", "=3x-3y-2x-2y+6", "=3x-2x-3y-2y+6", "=x-5y+6"}},
      {{3, 3, 3, -5, 1, 2, 2},
       {"3(3x+3y)-5(x+2y+2)", "=9x+9y-5x-10y-10", "=9x-5x+9y-10y-10", "=4x-y-10"}},
      // Both sums 0: only the result loses the constant's "+".
      {{2, 3, 3, -3, 2, 2, -5},
       {"2(3x+3y)-3(2x+2y-5)", "=6x+6y-6x-6y+15", "=6x-6x+6y-6y+15", "=15"}},
      {{2, 3, 3, -3, 2, 2, 5},
       {"2(3x+3y)-3(2x+2y+5)", "=6x+6y-6x-6y-15", "=6x-6x+6y-6y-15", "=-15"}},
      {{-1, -1, -1, 2, -1, -1, -1},
       {"-6(-x-y)+2(-x-y-1)", "=6x+6y-2x-2y-2", "=6x-2x+6y-2y-2", "=4x+4y-2"}},
  };
  for (const auto& c : cases) EXPECT_EQ(WithConstantFor(c.drawn), c.lines) << c.lines[0];
}

namespace {

// The lines as a pupil would write them, built here term by term from the drawn values.
std::string Number(float v) { return platform::ShortNumber(v); }

std::string Term(float coefficient, const std::string& letter, bool opens) {
  return PupilTerm(coefficient, letter, opens);
}

std::string SignedFactor(float factor) { return (factor > 0 ? "+" : "") + Number(factor); }

// A coefficient as the second factor of a written-out product.
std::string Times(float coefficient, const std::string& letter, bool bracket_a_one) {
  if (coefficient == 1) return bracket_a_one ? "*(" + letter + ")" : "*" + letter;
  const std::string term = Term(coefficient, letter, true);
  return coefficient < 0 ? "*(" + term + ")" : "*" + term;
}

std::array<std::string, 5> ExpectedTwoBrackets(float a, float b, float c, float d, float e,
                                               float f) {
  const float x = a * b + d * e, y = a * c + d * f;
  return {
      Number(a) + "(" + Term(b, "x", true) + Term(c, "y", false) + ")" + SignedFactor(d) + "(" +
          Term(e, "x", true) + Term(f, "y", false) + ")",
      "=" + Number(a) + Times(b, "x", true) + SignedFactor(a) + Times(c, "y", false) +
          SignedFactor(d) + Times(e, "x", false) + SignedFactor(d) + Times(f, "y", false),
      "=" + Term(a * b, "x", true) + Term(a * c, "y", false) + Term(d * e, "x", false) +
          Term(d * f, "y", false),
      "=" + Term(a * b, "x", true) + Term(d * e, "x", false) + Term(a * c, "y", false) +
          Term(d * f, "y", false),
      "=" + Term(x, "x", true) + Term(y, "y", x == 0),
  };
}

bool IsFactor(float v) { return std::fabs(v) >= 2 && std::fabs(v) <= 6 && v == std::floor(v); }
bool IsCoefficient(float v) { return std::fabs(v) >= 1 && std::fabs(v) <= 5 && v == std::floor(v); }

}  // namespace

TEST(TwoBracketsPractice, ManySeedsGiveRulesLinesAndNeverTheSameFirstFactorTwice) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  for (int seed = 0; seed < 25; ++seed) {
    session.runtime.PaRandomize(static_cast<float>(seed));
    for (int problem = 0; problem < 40; ++problem) {
      const float previous = p.practice.PreviousFirstCoefficient;
      session.Call(corvane::GenerateTwoBracketsProblem);
      session.Call(corvane::WriteTwoBracketsTexts);
      const auto& v = p.work.TermValues;
      const float a = v(1), b = v(2), c = v(3), d = v(4), e = v(5), f = v(6);
      ASSERT_TRUE(IsFactor(a) && IsFactor(d)) << seed << " " << problem;
      ASSERT_TRUE(IsCoefficient(b) && IsCoefficient(c) && IsCoefficient(e) && IsCoefficient(f))
          << seed << " " << problem;
      ASSERT_NE(a, previous) << seed << " " << problem;
      ASSERT_EQ(p.practice.PreviousFirstCoefficient, a);
      ASSERT_FALSE(a * b + d * e == 0 && a * c + d * f == 0);
      ASSERT_EQ(corvane::TwoBracketsLines(p), ExpectedTwoBrackets(a, b, c, d, e, f))
          << seed << " " << problem;
    }
  }
}

TEST(WithConstantPractice, ManySeedsKeepTheValuesInRange) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  for (int seed = 0; seed < 10; ++seed) {
    session.runtime.PaRandomize(static_cast<float>(seed));
    for (int problem = 0; problem < 40; ++problem) {
      session.Call(corvane::GenerateBracketsWithConstantProblem);
      const auto& v = p.work.TermValues;
      const auto& aux = p.work.AuxValues;
      ASSERT_TRUE(IsFactor(v(1)) && IsFactor(v(4)));
      ASSERT_TRUE(IsCoefficient(v(2)) && IsCoefficient(v(3)) && IsCoefficient(v(5)) &&
                  IsCoefficient(v(6)) && IsCoefficient(aux(1)));
      ASSERT_EQ(aux(2), v(4) * aux(1));
      ASSERT_EQ(aux(22), aux(2));
      ASSERT_EQ(v(11), v(1) * v(2) + v(4) * v(5));
      ASSERT_EQ(v(12), v(1) * v(3) + v(4) * v(6));
    }
  }
  EXPECT_EQ(p.practice.PreviousFirstCoefficient, 0);
}
