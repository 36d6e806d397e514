// 例2, the division practice: stage ① (bx+cy)÷d and stage ② (Ba+Cb)÷(q/p), each worked with
// the reciprocal, the note between them, the closing rule, and the problems over many seeds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "corvane/multiply_divide/multiply_divide.h"
#include "tests/corvane/multiply_divide/chapter4_support.h"

using namespace chapter4_testing;
using corvane_testing::RunCorvane;
using testing_support::Events;

namespace {

// The draws of (m·s x + n·s y)÷d: the size s of d among 2, 3, 5, d's sign, m and n.
std::vector<float> ByNumber(int d, int m, int n) {
  const int size = std::abs(d);
  const int place = size == 2 ? 1 : size == 3 ? 2 : 3;
  return Join({{Draw(place, 1, 3), SignOf(d)}, Signed(m, 1, 5), Signed(n, 1, 5)});
}

// The draws of (B'|q| a + C'|q| b)÷(q/p): |q|'s place among 2, 3, 5, 7; p's place among what is
// left; q's sign; B' and C'.
std::vector<float> ByFraction(int q, int p, int b, int c) {
  return Join({Picks({2, 3, 5, 7}, std::abs(q), p), {SignOf(q)}, Signed(b, 1, 5), Signed(c, 1, 5)});
}

// One problem of each stage, with the key at the note between them.
std::vector<Rows> OneOfEach(const std::vector<float>& number, const std::vector<float>& fraction,
                            const std::string& end_first = "1\n") {
  auto session = RunCorvane("4\n5\n" + Keys(7) + end_first + "k" + Keys(5) + "1\n",
                            Join({number, fraction}));
  return Passes(SectionMarks(*session));
}

}  // namespace

TEST(DivisionPractice, DivideByNumberWorksWithTheReciprocal) {
  // (6x-9y)÷(-3): the minus of the reciprocal is stepped over by the arcs, never struck.
  const std::vector<Rows> passes = OneOfEach(ByNumber(-3, 2, -3), ByFraction(3, 2, -2, 3));
  ASSERT_EQ(passes.size(), 3u);
  EXPECT_EQ(passes[0], (Rows{
      Erase(0, 0, 1320, 1300),
      Txt("例2 次の計算をしなさい。", 0, 40, 30),
      Erase(-40, 80, 1320, 1500),
      Txt("①", 3, 40, 140), Txt("(6x-9y)/(-3)", 0, 80, 140),
      kKey, Txt("=(", 0, 40, 240), Txt("6x", 0, 99, 240), Txt("-9y)*", 0, 153, 240),
      Txt("(-ﾀ1/3ﾀ)", 0, 288, 240),
      kKey, Arc(9, 369, 220, 126, 240, "up", 32),
      kKey, Arc(7, 369, 220, 207, 240, "up", 16),
      kKey, Txt("=", 0, 40, 330), Txt("6x*", 0, 72, 330), Txt("(-ﾀ1/3ﾀ)", 0, 153, 330),
      Txt("-9y*", 0, 266, 330), Txt("(-ﾀ1/3ﾀ)", 0, 374, 330),
      kKey, Stroke(72, 370, 27, -40), Lbl("2", 3, 72, 300),
      Stroke(207, 386, 27, -28), Lbl("1", 3, 207, 386),
      kKey, Stroke(293, 370, 27, -40), Lbl("3", 3, 293, 300),
      Stroke(428, 386, 27, -28), Lbl("1", 3, 428, 386),
      kKey, Txt("=-2x+3y", 5, 40, 430),
      kNext,
  }));
  // The note 120 below the result, and a key before stage ②.
  EXPECT_EQ(Head(passes[1], {"", ""}),
            (Rows{Txt("※　わる数の逆数をかける", 3, 40, 550), kKey}));
}

TEST(DivisionPractice, DivideByNumberStepsOverANegativeCoefficientsMinus) {
  // (-15x+10y)÷5: the first arc ends and the first stroke starts past b's minus.
  const Rows pass = OneOfEach(ByNumber(5, -3, 2), ByFraction(3, 2, -2, 3))[0];
  EXPECT_EQ(LineAt(pass, 240, 0), "=(-15x+10y)*ﾀ1/5ﾀ");
  EXPECT_EQ(OfKind(pass, "arc"), (Rows{Arc(9, 396, 220, 153, 240, "up", 32),
                                      Arc(7, 396, 220, 261, 240, "up", 16)}));
  EXPECT_EQ(LineAt(pass, 330, 0), "=-15x*ﾀ1/5ﾀ+10y*ﾀ1/5ﾀ");
  EXPECT_EQ(OfKind(pass, "stroke"), (Rows{Stroke(99, 370, 54, -40), Stroke(207, 386, 27, -28),
                                         Stroke(266, 370, 54, -40), Stroke(374, 386, 27, -28)}));
  EXPECT_EQ(OfKind(pass, "label"), (Rows{Lbl("3", 3, 99, 300), Lbl("1", 3, 207, 386),
                                        Lbl("2", 3, 266, 300), Lbl("1", 3, 374, 386)}));
  EXPECT_EQ(LineAt(pass, 430, 5), "=-3x+2y");
}

TEST(DivisionPractice, DivideByFractionCancelsInEachFraction) {
  // (10a-5b)÷(-5/3): the minus cells of the second numerator and of both denominators are
  // stepped over; "+" stands before the negative second fraction.
  const std::vector<Rows> passes = OneOfEach(ByNumber(-3, 2, -3), ByFraction(-5, 3, 2, -1));
  ASSERT_EQ(passes.size(), 3u);
  const Rows expected{
      Txt("※　わる数の逆数をかける", 3, 40, 550), kKey,
      Erase(640, 0, 1320, 1500),
      Txt("②", 3, 640, 50), Txt("(10a-5b)/(-ﾀ5/3ﾀ)", 0, 680, 50),
      kKey, Txt("=(10a-5b)*(-ﾀ3/5ﾀ)", 0, 640, 120),
      kKey, Txt("=", 0, 640, 210), Txt("ﾀ10a*3/-5ﾀ+", 0, 672, 210),
      Txt("ﾀ-5b*3/-5ﾀ", 0, 865, 210),
      kKey, Stroke(672, 228, 64, -28), Lbl("2", 3, 672, 170),
      Stroke(755, 266, 32, -28), Lbl("1", 3, 755, 266),
      kKey, Stroke(897, 228, 32, -28), Lbl("1", 3, 897, 170),
      Stroke(948, 266, 32, -28), Lbl("1", 3, 948, 266),
      kKey, Txt("=-6a+3b", 5, 640, 310),
      kNext,
  };
  EXPECT_EQ(passes[1], expected);
  EXPECT_EQ(passes[2], (Rows{
      Txt("<多項式と数の除法>", 3, 640, 380),
      Txt("逆数にして、分配法則を使う", 5, 640, 430),
      Txt("①(a+b)/c=(a+b)*ﾀ1/cﾀ", 0, 640, 500),
      Txt("②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ", 0, 640, 570),
  }));
}

TEST(DivisionPractice, DivideByFractionWithAPositiveDivisorStrikesFromTheLeftEdges) {
  // (-6a+9b)÷3/2, and a negative two-digit B: its stroke starts one cell in and is 64 long.
  Rows pass = OneOfEach(ByNumber(-3, 2, -3), ByFraction(3, 2, -2, 3))[1];
  EXPECT_EQ(LineAt(pass, 50, 0), "(-6a+9b)/ﾀ3/2ﾀ");
  EXPECT_EQ(LineAt(pass, 120, 0), "=(-6a+9b)*ﾀ2/3ﾀ");
  EXPECT_EQ(LineAt(pass, 210, 0), "=ﾀ-6a*2/3ﾀ+ﾀ9b*2/3ﾀ");
  EXPECT_EQ(LineAt(pass, 310, 5), "=-4a+6b");
  pass = OneOfEach(ByNumber(-3, 2, -3), ByFraction(2, 5, -5, 4))[1];
  EXPECT_EQ(LineAt(pass, 210, 0), "=ﾀ-10a*5/2ﾀ+ﾀ8b*5/2ﾀ");
  // The numerator (five cells of 32 and the 38-wide ×) is the wider: the denominator "2" is
  // centred under it.
  const float denominator = 672 + (5 * 32 + 38 - 32) / 2.0f;
  EXPECT_EQ(OfKind(pass, "stroke")[0], Stroke(704, 228, 64, -28));
  EXPECT_EQ(OfKind(pass, "stroke")[1], Stroke(denominator, 266, 32, -28));
  EXPECT_EQ(OfKind(pass, "label")[0], Lbl("5", 3, 704, 170));
  EXPECT_EQ(LineAt(pass, 310, 5), "=-25a+20b");
}

TEST(DivisionPractice, ShowsItsTable) {
  const struct {
    int stage;
    std::vector<float> random;
    const char* problem;
    const char* result;
  } cases[] = {
      {1, {0.5f, 0.2f, 0.3f, 0.7f, 0.5f, 0.2f}, "(6x-9y)/(-3)", "=-2x+3y"},
      {1, {0.05f, 0.3f, 0.1f, 0.8f, 0.5f, 0.45f}, "(2x-6y)/(-2)", "=-x+3y"},
      {1, {0.5f, 0.7f, 0.3f, 0.9f, 0.65f, 0.2f}, "(6x-12y)/3", "=2x-4y"},
      {1, {0.9f, 0.1f, 0.25f, 0.6f, 0.1f, 0.4f}, "(10x-5y)/(-5)", "=-2x+y"},
      {1, {0, 0, 0, 0, 0, 0}, "(-2x-2y)/(-2)", "=x+y"},
      {2, {0.5f, 0.1f, 0.7f, 0.3f, 0.2f, 0.5f, 0.7f}, "(-6a+9b)/ﾀ3/2ﾀ", "=-4a+6b"},
      {2, {0.9f, 0.5f, 0.2f, 0.3f, 0.7f, 0.1f, 0.2f}, "(10a-5b)/(-ﾀ5/3ﾀ)", "=-6a+3b"},
      {2, ByFraction(-2, 5, -2, 3), "(-4a+6b)/(-ﾀ2/5ﾀ)", "=10a-15b"},
      {2, ByFraction(-5, 7, 5, 5), "(25a+25b)/(-ﾀ5/7ﾀ)", "=-35a-35b"},
  };
  for (const auto& c : cases) {
    const std::vector<float> first = ByNumber(2, 1, 1);
    const std::vector<Rows> passes =
        c.stage == 1 ? OneOfEach(c.random, ByFraction(3, 2, 1, 1))
                     : OneOfEach(first, c.random);
    const Rows& pass = passes[static_cast<size_t>(c.stage - 1)];
    EXPECT_EQ(LineAt(pass, c.stage == 1 ? 140 : 50, 0), c.problem);
    EXPECT_EQ(LineAt(pass, c.stage == 1 ? 430 : 310, 5), c.result) << c.problem;
  }
}

TEST(DivisionPractice, KeysAPassAndAtTheNote) {
  auto session = RunCorvane("4\n5\n" + Keys(7) + "\n" + Keys(7) + "1.0\nk" + Keys(5) + "0\n" +
                            Keys(5) + "01\n");
  const std::vector<Rows> passes = Passes(SectionMarks(*session));
  ASSERT_EQ(passes.size(), 5u);
  EXPECT_EQ(OfKind(passes[0], kKey).size(), 7u);
  EXPECT_EQ(OfKind(passes[1], kKey).size(), 7u);
  EXPECT_EQ(OfKind(passes[2], kKey).size(), 1u + 5u);
  EXPECT_EQ(OfKind(passes[3], kKey).size(), 5u);
  EXPECT_EQ(OfKind(passes[4], kKey).size(), 0u);
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "keys-exhausted"}));
}

TEST(DivisionPractice, AFractionOverZeroAtTheNextStepIsClearedAndThePracticeGoesOn) {
  // 2/0 is refused on Enter; the 1 typed after it ends stage ①.
  const std::vector<Rows> passes = OneOfEach(ByNumber(-3, 2, -3), ByFraction(3, 2, -2, 3),
                                             "2/0\n1\n");
  ASSERT_EQ(passes.size(), 3u);
  EXPECT_EQ(passes[1].front(), Txt("※　わる数の逆数をかける", 3, 40, 550));
  EXPECT_EQ(LineAt(passes[1], 310, 5), "=-4a+6b");
}

// ---- Over many seeds ------------------------------------------------------------------------

TEST(DivisionPractice, OverManySeedsEveryAnswerFollowsFromItsProblem) {
  constexpr size_t kProblems = 10;  // a stage, at each of 12 clock seeds
  const std::regex by_number(R"(^\((-?\d+)x([+-]\d+)y\)/\(?(-?\d)\)?$)");
  const std::regex by_fraction(R"(^\((-?\d+)a([+-]\d+)b\)/\(?(-?)ﾀ(\d)/(\d)ﾀ\)?$)");
  std::set<std::string> divisors;
  for (int seed = 0; seed < 12; ++seed) {
    std::string keys = "4\n5\n";
    for (size_t k = 1; k < kProblems; ++k) keys += Keys(7) + "0\n";
    keys += Keys(7) + "1\nk";
    for (size_t k = 1; k < kProblems; ++k) keys += Keys(5) + "0\n";
    keys += Keys(5) + "1\n";
    auto session = RunAt(keys, Clock(seed));
    const std::vector<Rows> passes = Passes(SectionMarks(*session));
    ASSERT_EQ(passes.size(), 2 * kProblems + 1) << seed;
    for (size_t k = 0; k < 2 * kProblems; ++k) {
      const Rows& pass = passes[k];
      std::smatch m;
      SCOPED_TRACE(std::to_string(seed) + " " + std::to_string(k));
      if (k < kProblems) {
        const std::string problem = LineAt(pass, 140, 0);
        ASSERT_TRUE(std::regex_match(problem, m, by_number)) << problem;
        const int b = std::stoi(m[1]), c = std::stoi(m[2]), d = std::stoi(m[3]);
        EXPECT_TRUE(std::abs(d) == 2 || std::abs(d) == 3 || std::abs(d) == 5) << problem;
        EXPECT_TRUE(b % d == 0 && c % d == 0 && b != 0 && c != 0) << problem;
        EXPECT_TRUE(std::abs(b / d) <= 5 && std::abs(c / d) <= 5) << problem;
        EXPECT_EQ(LineAt(pass, 430, 5), "=" + Leading(b / d) + "x" + Following(c / d) + "y");
      } else {
        const std::string problem = LineAt(pass, 50, 0);
        ASSERT_TRUE(std::regex_match(problem, m, by_fraction)) << problem;
        const int b = std::stoi(m[1]), c = std::stoi(m[2]);
        const int q = (m[3] == "-" ? -1 : 1) * std::stoi(m[4]), p = std::stoi(m[5]);
        divisors.insert(problem.substr(problem.find('/')));
        EXPECT_TRUE(std::abs(q) == 2 || std::abs(q) == 3 || std::abs(q) == 5) << problem;
        EXPECT_TRUE(p != std::abs(q) && (p == 2 || p == 3 || p == 5 || p == 7)) << problem;
        EXPECT_TRUE(b % q == 0 && c % q == 0 && b != 0 && c != 0) << problem;
        EXPECT_EQ(LineAt(pass, 310, 5),
                  "=" + Leading(p * b / q) + "a" + Following(p * c / q) + "b");
        // Every stroke rises 28 over whole cells of 32.
        for (const auto& stroke : OfKind(pass, "stroke")) {
          std::istringstream fields(stroke.substr(7));
          float x1, y1, x2, y2;
          fields >> x1 >> y1 >> x2 >> y2;
          EXPECT_EQ(y1 - y2, 28) << stroke;
          EXPECT_TRUE(x2 - x1 == 32 || x2 - x1 == 64) << stroke;
        }
      }
    }
  }
  EXPECT_GE(divisors.size(), 12u);
}

TEST(DivisionPractice, GeneratorsDrawEveryValueOfTheirRanges) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  std::set<float> divisors;
  std::set<std::pair<float, float>> fractions;
  for (int seed = 0; seed < 2000; ++seed) {
    session.runtime.PaRandomize(seed);
    session.Call(corvane::GenerateDivideByNumberProblem);
    const auto& v = p.work.TermValues;
    const float d = v(1), size = p.work.AuxValues(1);
    divisors.insert(d);
    EXPECT_EQ(std::abs(d), size);
    EXPECT_EQ(v(2), v(12) * size);
    EXPECT_EQ(v(4) * d, v(2));
    EXPECT_EQ(v(5) * d, v(3));
    session.Call(corvane::GenerateDivideByFractionProblem);
    const float q = p.work.AuxValues(1), denominator = v(1);
    fractions.insert({q, denominator});
    EXPECT_EQ(v(2), v(12) * std::abs(q));
    EXPECT_EQ(v(4) * q, denominator * v(2));
    EXPECT_EQ(v(5) * q, denominator * v(3));
    EXPECT_EQ(p.fraction.TextB, "a");
    EXPECT_EQ(p.fraction.TextC, "b");
  }
  EXPECT_EQ(divisors.size(), 6u);     // ±2, ±3, ±5
  EXPECT_EQ(fractions.size(), 18u);  // 3 numerators, 3 denominators each, 2 signs
}
