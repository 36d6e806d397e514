// 例1, the multiplication practice: stages ① a(bx+cy), ② (bx+cy)×a and ③ (p/q)(bx+cy) with
// their arcs, strokes and waits, the closing rule, and the problems over many seeds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "corvane/multiply_divide/multiply_divide.h"
#include "platform/text_ops.h"
#include "tests/corvane/multiply_divide/chapter4_support.h"

using namespace chapter4_testing;
using corvane_testing::RunCorvane;

namespace {

// The draws of a whole-number problem: a, b, c, each magnitude then sign.
std::vector<float> Whole(int a, int b, int c) {
  return Join({Signed(a, 2, 5), Signed(b, 1, 7), Signed(c, 2, 5)});
}

// The draws of a fraction problem (p/q)(m·q x + n·q y): q's place among 2, 3, 5; |p|'s place
// among what is left of 2, 3, 5, 1; p's sign; m and n.
std::vector<float> Fraction(int p, int q, int m, int n) {
  return Join({Picks({2, 3, 5, 1}, q, std::abs(p)), {SignOf(p)}, Signed(m, 1, 5), Signed(n, 1, 5)});
}

// The rows of the practice, from its item number on.
Rows Practice(const lesson::HeadlessSession& session) { return SectionMarks(session); }

}  // namespace

TEST(MultiplicationPractice, StageOneRevealsArcsProductsAndResultAKeyEach) {
  auto session = RunCorvane("4\n4\n" + Keys(4) + "0\n" + Keys(4) + "1\n",
                            Join({Whole(3, 2, 5), Whole(-6, -7, -6)}));
  const Rows expected{
      Erase(0, 0, 1320, 1300),
      Txt("例1 次の計算をしなさい。", 0, 40, 30),
      Erase(0, 80, 1320, 1300),
      Txt("①", 3, 40, 140), Txt("3(", 0, 80, 140), Txt("2x", 0, 134, 140),
      Txt("+5y)", 0, 188, 140),
      kKey, Arc(9, 107, 140, 161, 140, "up", 16),
      kKey, Arc(7, 107, 140, 215, 140, "up", 32),
      kKey, Txt("=3*2x", 0, 40, 190), Txt("+3*5y", 0, 180, 190),
      kKey, Txt("=6x+15y", 5, 40, 240),
      kNext,
      // The next problem erases the stage's area only.
      Erase(0, 80, 1320, 1300),
      Txt("①", 3, 40, 140), Txt("-6(", 0, 80, 140), Txt("-7x", 0, 161, 140),
      Txt("-6y)", 0, 242, 140),
      kKey, Arc(9, 107, 140, 188, 140, "up", 16),
      kKey, Arc(7, 107, 140, 269, 140, "up", 32),
      kKey, Txt("=-6*(-7x)", 0, 40, 190), Txt("-6*(-6y)", 0, 288, 190),
      kKey, Txt("=42x+36y", 5, 40, 240),
      kNext,
      // 1 moves on to stage 2, 80 below the last result.
      Erase(0, 320, 1320, 1300),
  };
  EXPECT_EQ(Head(Practice(*session), expected), expected);
}

TEST(MultiplicationPractice, StageTwoPutsTheMultiplierAfterTheBracket) {
  auto session = RunCorvane("4\n4\n" + Keys(4) + "1\n" + Keys(4) + "2/2\n",
                            Join({Whole(3, 2, 5), Whole(-2, -5, -4)}));
  const Rows expected{
      Erase(0, 320, 1320, 1300),
      Txt("②", 3, 40, 380), Txt("(", 0, 80, 380), Txt("-5x", 0, 107, 380),
      Txt("-4y)*", 0, 188, 380), Txt("(-2)", 0, 323, 380),
      kKey, Arc(9, 350, 380, 134, 380, "up", 40),
      kKey, Arc(7, 350, 380, 215, 380, "up", 32),
      kKey, Txt("=-5x*(-2)", 0, 40, 430), Txt("-4y*(-2)", 0, 288, 430),
      kKey, Txt("=10x+8y", 5, 40, 480),
      kNext,
  };
  const std::vector<Rows> passes = Passes(Practice(*session));
  ASSERT_EQ(passes.size(), 3u);
  EXPECT_EQ(passes[1], expected);
  // 2/2 is 1: stage 3 starts in the right half.
  EXPECT_EQ(passes[2].front(), Erase(600, 30, 1320, 1500));
}

TEST(MultiplicationPractice, WholeMultiplierStagesShowTheirTables) {
  const struct {
    int stage;
    std::vector<float> random;  // from the practice's start
    const char* problem;
    const char* products;
    const char* result;
  } cases[] = {
      // The issue's draws, and the worked problems of the two stages.
      {1, {0.3f, 0.7f, 0.2f, 0.7f, 0.7f, 0.7f}, "3(2x+5y)", "=3*2x+3*5y", "=6x+15y"},
      {1, {0.5f, 0.2f, 0.1f, 0.7f, 0.3f, 0.7f}, "-4(x+3y)", "=-4*x-4*3y", "=-4x-12y"},
      {1, Whole(-3, 2, -5), "-3(2x-5y)", "=-3*2x-3*(-5y)", "=-6x+15y"},
      {1, Whole(2, -1, 4), "2(-x+4y)", "=2*(-x)+2*4y", "=-2x+8y"},
      {1, Whole(5, -7, -6), "5(-7x-6y)", "=5*(-7x)+5*(-6y)", "=-35x-30y"},
      // Stage 2 after -4(x+3y): its first -4 is drawn again.
      {2,
       Join({{0.5f, 0.2f, 0.1f, 0.7f, 0.3f, 0.7f},
             {0.5f, 0.2f, 0.1f, 0.2f, 0.6f, 0.2f, 0.5f, 0.2f}}),
       "(-5x-4y)*(-2)", "=-5x*(-2)-4y*(-2)", "=10x+8y"},
      {2, Join({Whole(3, 2, 5), Whole(4, 1, -3)}), "(x-3y)*4", "=x*4-3y*4", "=4x-12y"},
      {2, Join({Whole(3, 2, 5), Whole(2, -1, 6)}), "(-x+6y)*2", "=-x*2+6y*2", "=-2x+12y"},
      {2, Join({Whole(3, 2, 5), Whole(-6, 1, 2)}), "(x+2y)*(-6)", "=x*(-6)+2y*(-6)",
       "=-6x-12y"},
  };
  for (const auto& c : cases) {
    std::string keys = "4\n4\n" + Keys(4) + "1\n";
    if (c.stage == 2) keys += Keys(4) + "1\n";
    auto session = RunCorvane(keys, c.random);
    const Rows pass = Passes(Practice(*session))[static_cast<size_t>(c.stage - 1)];
    const float y = c.stage == 1 ? 140 : 380;
    SCOPED_TRACE(c.problem);
    EXPECT_EQ(LineAt(pass, y, 0), c.problem);
    EXPECT_EQ(LineAt(pass, y + 50, 0), c.products);
    EXPECT_EQ(LineAt(pass, y + 100, 5), c.result);
  }
}

namespace {

// Stage 3's pass, after a stage-1 and a stage-2 problem.
Rows FractionPass(const std::vector<float>& fraction_draws, const std::string& end = "1\n") {
  auto session = RunCorvane("4\n4\n" + Keys(4) + "1\n" + Keys(4) + "1\n" + Keys(6) + end,
                            Join({Whole(3, 2, 5), Whole(2, 2, 5), fraction_draws}));
  return Passes(SectionMarks(*session))[2];
}

}  // namespace

TEST(MultiplicationPractice, StageThreeCancelsTheDenominatorAgainstEachCoefficient) {
  // 2/3(6x+9y): the strokes cover the one-digit coefficients and the denominators.
  EXPECT_EQ(FractionPass(Fraction(2, 3, 2, 3)), (Rows{
      Erase(600, 30, 1320, 1500),
      Txt("③", 3, 680, 90), Txt("ﾀ2/3ﾀ(", 0, 720, 90), Txt("6x", 0, 779, 90),
      Txt("+9y)", 0, 833, 90),
      kKey, Arc(9, 747, 70, 806, 90, "up", 16),
      kKey, Arc(7, 747, 70, 860, 90, "up", 32),
      kKey, Txt("=", 0, 680, 180), Txt("ﾀ2/3ﾀ*", 0, 712, 180), Txt("6x", 0, 771, 180),
      Txt("+ﾀ2/3ﾀ*", 0, 825, 180), Txt("9y", 0, 911, 180),
      kKey, Stroke(771, 220, 27, -40), Lbl("2", 3, 771, 150),
      Stroke(712, 236, 27, -28), Lbl("1", 3, 712, 236),
      kKey, Stroke(911, 220, 27, -40), Lbl("3", 3, 911, 150),
      Stroke(852, 236, 27, -28), Lbl("1", 3, 852, 236),
      kKey, Txt("=4x+6y", 5, 680, 280),
      kNext,
  }));
  // -1/5(-10x+5y): the minus before the fraction is never struck; the bracketed coefficient's
  // stroke starts past "(-" and covers both digits.
  EXPECT_EQ(FractionPass(Fraction(-1, 5, -2, 1)), (Rows{
      Erase(600, 30, 1320, 1500),
      Txt("③", 3, 680, 90), Txt("-ﾀ1/5ﾀ(", 0, 720, 90), Txt("-10x", 0, 806, 90),
      Txt("+5y)", 0, 914, 90),
      kKey, Arc(9, 747, 70, 833, 90, "up", 16),
      kKey, Arc(7, 747, 70, 941, 90, "up", 32),
      kKey, Txt("=", 0, 680, 180), Txt("-ﾀ1/5ﾀ*", 0, 712, 180), Txt("(-10x)", 0, 798, 180),
      Txt("-ﾀ1/5ﾀ*", 0, 960, 180), Txt("5y", 0, 1046, 180),
      kKey, Stroke(852, 220, 54, -40), Lbl("2", 3, 852, 150),
      Stroke(739, 236, 27, -28), Lbl("1", 3, 739, 236),
      kKey, Stroke(1046, 220, 27, -40), Lbl("1", 3, 1046, 150),
      Stroke(987, 236, 27, -28), Lbl("1", 3, 987, 236),
      kKey, Txt("=2x-y", 5, 680, 280),
      kNext,
  }));
  // 3/2(4x-10y): a negative two-digit c.
  const Rows pass = FractionPass(Fraction(3, 2, 2, -5));
  EXPECT_EQ(LineAt(pass, 90, 0), "ﾀ3/2ﾀ(4x-10y)");
  EXPECT_EQ(LineAt(pass, 180, 0), "=ﾀ3/2ﾀ*4x+ﾀ3/2ﾀ*(-10y)");
  EXPECT_EQ(OfKind(pass, "stroke"), (Rows{Stroke(771, 220, 27, -40), Stroke(712, 236, 27, -28),
                                         Stroke(965, 220, 54, -40), Stroke(852, 236, 27, -28)}));
  EXPECT_EQ(OfKind(pass, "label"), (Rows{Lbl("2", 3, 771, 150), Lbl("1", 3, 712, 236),
                                        Lbl("5", 3, 965, 150), Lbl("1", 3, 852, 236)}));
  EXPECT_EQ(LineAt(pass, 280, 5), "=6x-15y");
}

TEST(MultiplicationPractice, StageThreeShowsItsTable) {
  const struct {
    std::vector<float> random;
    const char* problem;
    const char* result;
  } cases[] = {
      {{0.5f, 0.1f, 0.7f, 0.3f, 0.7f, 0.5f, 0.7f}, "ﾀ2/3ﾀ(6x+9y)", "=4x+6y"},
      {{0.9f, 0.9f, 0.2f, 0.3f, 0.2f, 0.1f, 0.7f}, "-ﾀ1/5ﾀ(-10x+5y)", "=2x-y"},
      // A coefficient of 1 in the result is the bare letter.
      {Fraction(1, 3, 1, -3), "ﾀ1/3ﾀ(3x-9y)", "=x-3y"},
      {Fraction(-1, 2, 1, -1), "-ﾀ1/2ﾀ(2x-2y)", "=-x+y"},
      {Fraction(-5, 3, -5, -5), "-ﾀ5/3ﾀ(-15x-15y)", "=25x+25y"},
  };
  for (const auto& c : cases) {
    const Rows pass = FractionPass(c.random);
    EXPECT_EQ(LineAt(pass, 90, 0), c.problem);
    EXPECT_EQ(LineAt(pass, 280, 5), c.result) << c.problem;
  }
}

TEST(MultiplicationPractice, EndsWithTheRuleBelowTheLastProblemAndBackToTheMenu) {
  // Two stage-3 problems, the same one twice: nothing stops a repeat.
  auto session = RunCorvane(
      "4\n4\n" + Keys(4) + "1\n" + Keys(4) + "1\n" + Keys(6) + "\n" + Keys(6) + "1\n",
      Join({Whole(3, 2, 5), Whole(2, 2, 5), Fraction(2, 3, 2, 3), Fraction(2, 3, 2, 3)}));
  const std::vector<Rows> passes = Passes(SectionMarks(*session));
  ASSERT_EQ(passes.size(), 5u);
  EXPECT_EQ(passes[2], passes[3]);
  EXPECT_EQ(passes[4], (Rows{
      Txt("<多項式と数の乗法>", 3, 680, 360),
      Txt("分配法則を使って計算する", 0, 680, 410),
      Txt("(a+b)*c=ac+bc", 7, 680, 460),
      Txt("c(a+b)=ac+bc", 7, 680, 510),
      Txt("※cが分数の場合でも同じ", 5, 680, 560),
  }));
  // The sub-menu follows without a key.
  EXPECT_EQ(testing_support::Events(session->trace()).back(),
            (Fields{"end", "keys-exhausted"}));
}

TEST(MultiplicationPractice, TheLastMultiplierIsRememberedFromVisitToVisit) {
  // The second visit's first draw, 2, is the last stage-2 multiplier of the first: drawn again.
  const std::string visit = "4\n" + Keys(4) + "1\n" + Keys(4) + "1\n" + Keys(6) + "1\n";
  auto session = RunCorvane("4\n" + visit + visit,
                            Join({Whole(3, 2, 5), Whole(2, 2, 5), Fraction(2, 3, 2, 3),
                                  Signed(2, 2, 5), Whole(-5, 1, 2)}));
  EXPECT_EQ(LineAt(Passes(SectionMarks(*session, 2))[0], 140, 0), "-5(x+2y)");
}

TEST(MultiplicationPractice, KeysAPass) {
  auto session = RunCorvane("4\n4\n" + Keys(4) + "0\n" + Keys(4) + "1\n" + Keys(4) + "-1\n" +
                            Keys(4) + "1\n" + Keys(6) + "1/2\n" + Keys(6) + "1\n");
  const std::vector<Rows> passes = Passes(SectionMarks(*session));
  ASSERT_EQ(passes.size(), 7u);
  const int keys[] = {4, 4, 4, 4, 6, 6, 0};
  for (size_t k = 0; k < passes.size(); ++k) {
    EXPECT_EQ(OfKind(passes[k], kKey).size(), static_cast<size_t>(keys[k])) << k;
  }
}

// ---- Over many seeds ------------------------------------------------------------------------

namespace {

int Coefficient(const std::string& text) {
  if (text.empty() || text == "+") return 1;
  if (text == "-") return -1;
  return std::stoi(text);
}

std::string Result(int x, int y) { return "=" + Leading(x) + "x" + Following(y) + "y"; }
// A term as a factor of a product: bracketed when negative, without "+".
std::string Factor(int value, const char* letter) {
  const std::string term = Leading(value) + letter;
  return value < 0 ? "(" + term + ")" : term;
}

}  // namespace

TEST(MultiplicationPractice, OverManySeedsEveryAnswerFollowsFromItsProblem) {
  constexpr size_t kProblems = 8;  // a stage, at each of 12 clock seeds
  const std::regex left(R"(^(-?\d)\((-?\d*)x([+-]\d)y\)$)");
  const std::regex right(R"(^\((-?\d*)x([+-]\d)y\)\*\(?(-?\d)\)?$)");
  const std::regex fraction(R"(^(-?)ﾀ(\d)/(\d)ﾀ\((-?\d+)x([+-]\d+)y\)$)");
  std::set<std::string> multipliers;
  for (int seed = 0; seed < 12; ++seed) {
    std::string keys = "4\n4\n";
    for (int keys_a_pass : {4, 4, 6}) {
      for (size_t k = 1; k < kProblems; ++k) keys += Keys(keys_a_pass) + "0\n";
      keys += Keys(keys_a_pass) + "1\n";
    }
    auto session = RunAt(keys, Clock(seed));
    const std::vector<Rows> passes = Passes(SectionMarks(*session));
    ASSERT_EQ(passes.size(), 3 * kProblems + 1) << seed;
    int previous = 0;
    for (size_t k = 0; k < 3 * kProblems; ++k) {
      const Rows& pass = passes[k];
      std::smatch m;
      SCOPED_TRACE(std::to_string(seed) + " " + std::to_string(k));
      if (k < 2 * kProblems) {
        // Stages 1 and 2: a never the multiplier of the problem before, across both.
        const bool first = k < kProblems;
        const float y = first ? 140 : 380;
        const std::string problem = LineAt(pass, y, 0);
        ASSERT_TRUE(std::regex_match(problem, m, first ? left : right)) << problem;
        const int a = std::stoi(m[first ? 1 : 3]);
        const int b = Coefficient(m[first ? 2 : 1]), c = Coefficient(m[first ? 3 : 2]);
        EXPECT_TRUE(std::abs(a) >= 2 && std::abs(a) <= 6) << problem;
        EXPECT_TRUE(std::abs(b) >= 1 && std::abs(b) <= 7) << problem;
        EXPECT_TRUE(std::abs(c) >= 2 && std::abs(c) <= 6) << problem;
        EXPECT_NE(a, previous) << problem;
        previous = a;
        multipliers.insert(std::to_string(a));
        const std::string products =
            first ? "=" + std::to_string(a) + "*" + Factor(b, "x") + (a > 0 ? "+" : "") +
                        std::to_string(a) + "*" + Factor(c, "y")
                  : "=" + Leading(b) + "x*" + Factor(a, "") + Following(c) + "y*" + Factor(a, "");
        EXPECT_EQ(LineAt(pass, y + 50, 0), products);
        EXPECT_EQ(LineAt(pass, y + 100, 5), Result(a * b, a * c));
      } else {
        const std::string problem = LineAt(pass, 90, 0);
        ASSERT_TRUE(std::regex_match(problem, m, fraction)) << problem;
        const int p = (m[1] == "-" ? -1 : 1) * std::stoi(m[2]), q = std::stoi(m[3]);
        const int b = std::stoi(m[4]), c = std::stoi(m[5]);
        EXPECT_TRUE(q == 2 || q == 3 || q == 5) << problem;
        EXPECT_TRUE(std::abs(p) != q && (std::abs(p) == 1 || std::abs(p) == 2 ||
                                         std::abs(p) == 3 || std::abs(p) == 5))
            << problem;
        EXPECT_TRUE(b % q == 0 && c % q == 0 && b != 0 && c != 0) << problem;
        EXPECT_TRUE(std::abs(b / q) <= 5 && std::abs(c / q) <= 5) << problem;
        EXPECT_EQ(LineAt(pass, 280, 5), Result(p * b / q, p * c / q));
      }
    }
  }
  EXPECT_EQ(multipliers.size(), 10u);
}

TEST(MultiplicationPractice, GeneratorsDrawEveryValueOfTheirRanges) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  std::set<float> as, bs, cs;
  std::set<std::pair<float, float>> fractions;
  for (int seed = 0; seed < 2000; ++seed) {
    session.runtime.PaRandomize(seed);
    session.Call(corvane::GenerateWholeMultiplierProblem);
    const auto& v = p.work.TermValues;
    EXPECT_EQ(p.practice.PreviousFirstCoefficient, v(1));
    EXPECT_EQ(v(5), v(1) * v(2));
    EXPECT_EQ(v(6), v(1) * v(3));
    as.insert(v(1));
    bs.insert(v(2));
    cs.insert(v(3));
    session.Call(corvane::GenerateFractionMultiplierProblem);
    const float q = p.work.AuxValues(1), numerator = v(1);
    fractions.insert({numerator, q});
    EXPECT_EQ(v(2), v(12) * q);
    EXPECT_EQ(v(3), v(13) * q);
    EXPECT_EQ(v(4), numerator * v(12));
    EXPECT_EQ(v(5), numerator * v(13));
    const std::string size = platform::ShortNumber(std::abs(numerator));
    EXPECT_EQ(p.work.FactorTexts(1), (numerator < 0 ? "-ﾀ" : "ﾀ") + size + "/" +
                                         platform::ShortNumber(q) + "ﾀ");
  }
  EXPECT_EQ(as.size(), 10u);  // ±2 to ±6
  EXPECT_EQ(bs.size(), 14u);  // ±1 to ±7
  EXPECT_EQ(cs.size(), 10u);
  EXPECT_EQ(fractions.size(), 18u);  // 3 denominators, 3 numerators each, 2 signs
}
