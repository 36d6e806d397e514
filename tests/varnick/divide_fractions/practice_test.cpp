// Chapter 5's practice: the problem generator with its sign memory shared with chapter 4,
// the worked pass with its anchors and strokes, the closing screen, and long runs.
#include <gtest/gtest.h>

#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

// The generator's eight draws as the values they give: r's place among 2, 3, 5 (1 to 3),
// q's place among the two smaller primes left (1, 2), which of the last two is p (1: the
// smaller), the sign draw (1 plus, 2 minus), the exponents i, j, m, n (0 to 2).
struct Draws {
  int r_place, q_place, p_place, sign, i, j, m, n;
};

std::vector<float> RandomsFor(const std::vector<Draws>& problems) {
  // INT(r·count) + first; the middle of each step of r is safe from rounding.
  const auto r = [](int value, int first, int count) {
    return (static_cast<float>(value - first) + 0.5f) / static_cast<float>(count);
  };
  std::vector<float> all;
  for (const Draws& d : problems) {
    for (float value : {r(d.r_place, 1, 3), r(d.q_place, 1, 2), r(d.p_place, 1, 2),
                        r(d.sign, 1, 2), r(d.i, 0, 3), r(d.j, 0, 3), r(d.m, 0, 3),
                        r(d.n, 0, 3)}) {
      all.push_back(value);
    }
  }
  return all;
}

// The keys of one pass: five key waits, then `next` at the next-step prompt.
std::string Pass(const std::string& next) { return "kkkkk" + next + "\n"; }

const std::string kTitle = "text 40 30 0 練習　次の計算をしなさい。";

TEST(FractionDivisionProblem, ScriptedDrawsInTheirOrder) {
  const struct {
    Draws draws;
    float last_sign;
    std::vector<float> primes_left;  // PointX(1) to (4)
    std::vector<float> numbers;      // TermValues 1 to 8 and 11
    std::vector<float> exponents;    // AuxValues 1, 2, 11, 12, then 3, 4, 13, 14
    std::vector<std::string> texts;  // PartTexts 1 and 3, TermTexts 5, 6 and 11
  } cases[] = {
      // r = 2 leaves 3, 5, 7; q = 3 leaves 5, 7: p = 5, s = 7.
      {{1, 1, 1, 1, 1, 1, 1, 1},
       0,
       {5, 7, 7, 7},
       {21, 5, 5, 14, 3, 2, 5, 7, 1},
       {1, 1, 1, 1, 0, 0, 0, 0},
       {"ﾀ5/21ﾀ", "ﾀ5/14ﾀ", "3", "2", ""}},
      // r = 5 leaves 2, 3, 7; q = 3 leaves 2, 7: p = 7, s = 2. A pair (0, 0) becomes a.
      {{3, 2, 2, 2, 0, 0, 0, 2},
       0,
       {2, 7, 7, 7},
       {6, 7, 7, 10, 3, 5, 7, 2, -1},
       {1, 0, 0, 2, 1, -2, -1, 2},
       {"-ﾀ7/6ﾀ", "ﾀ7/10ﾀ", "3", "5", "-"}},
      // The worked example: p = 2, q = 5, r = 3, s = 7; i = 0 and m = 2 leave a squared
      // under the bar. LastSign -1 turns the drawn minus to plus.
      {{2, 2, 1, 2, 0, 1, 2, 1},
       -1,
       {2, 7, 7, 7},
       {35, 2, 2, 21, 5, 3, 2, 7, 1},
       {0, 1, 2, 1, -2, 0, 2, 0},
       {"ﾀ2/35ﾀ", "ﾀ2/21ﾀ", "5", "3", ""}},
  };
  for (const auto& c : cases) {
    platform::HeadlessOptions options;
    options.random = RandomsFor({c.draws});
    options.random.push_back(0.625f);
    lesson::HeadlessSession session(varnick::kVarnick, options);
    session.program.practice.LastSign = c.last_sign;
    session.Call(varnick::MakeFractionDivisionProblem);
    const auto& w = session.program.work;
    std::vector<float> primes, numbers, exponents;
    for (float k : {1.f, 2.f, 3.f, 4.f}) primes.push_back(w.PointX(k));
    for (float k : {1.f, 2.f, 3.f, 4.f, 5.f, 6.f, 7.f, 8.f, 11.f}) {
      numbers.push_back(w.TermValues(k));
    }
    for (float k : {1.f, 2.f, 11.f, 12.f, 3.f, 4.f, 13.f, 14.f}) {
      exponents.push_back(w.AuxValues(k));
    }
    const std::vector<std::string> texts{w.PartTexts(1), w.PartTexts(3), w.TermTexts(5),
                                         w.TermTexts(6), w.TermTexts(11)};
    const std::string name = c.texts[0] + " / " + c.texts[1];
    EXPECT_EQ(primes, c.primes_left) << name;
    EXPECT_EQ(numbers, c.numbers) << name;
    EXPECT_EQ(exponents, c.exponents) << name;
    EXPECT_EQ(texts, c.texts) << name;
    // The letter texts come after the number texts: a^2 is not "2".
    EXPECT_EQ(w.AuxTexts(11), c.exponents[2] == 2 ? "a^2" : c.exponents[2] == 1 ? "a" : "");
    // Eight draws, whatever their outcome.
    EXPECT_EQ(session.runtime.PaRnd(), 0.625f) << name;
  }
}

TEST(FractionDivisionPractice, WorkedExampleRowsAnchorsStrokesAndTheClosing) {
  // The issue's draws: r's place 2, q's place 2, p the smaller, minus, exponents 2, 1, 1, 1.
  const VarnickRun run("5\n4\n" + Pass("1") + "kk",
                       {0.5f, 0.75f, 0.25f, 0.75f, 0.8f, 0.5f, 0.5f, 0.5f});
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(40, 30, 0, "練習　次の計算をしなさい。")
      .Text(120, 110, 0, "-ﾀ2/35ﾀa^2b/ﾀ2/21ﾀab")
      .Key()
      .Text(80, 220, 0, "=-ﾀ2/35ﾀa^2b*ﾀ21/2abﾀ")
      .Key()
      .Text(80, 330, 0, "=-ﾀ2a^2b*21/35*2abﾀ")
      .Key()
      .Text(80, 450, 0, "=-")
      .Text(139, 450, 0, "ﾀ2*a*a*b*21/35*2*a*bﾀ")
      .Key()
      // The coefficients struck whole, then what is left of them, then one letter of each
      // run on each row.
      .Stroke(139, 439, 171, 467, 3, 5)
      .Stroke(419, 439, 483, 467, 3, 5)
      .Stroke(174, 479, 238, 507, 3, 5)
      .Stroke(276, 479, 308, 507, 3, 5)
      .Text(139, 401, 3, "1")
      .Text(419, 401, 3, "3")
      .Text(174, 511, 3, "5")
      .Text(276, 511, 3, "1")
      .Stroke(209, 439, 241, 467, 3, 5)
      .Stroke(349, 439, 381, 467, 3, 5)
      .Stroke(346, 479, 378, 507, 3, 5)
      .Stroke(416, 479, 448, 507, 3, 5)
      .Key()
      .Text(80, 570, 5, "=-ﾀ3a/5ﾀ")
      .Line("next-step")
      // 1 ends the practice: the method beside the last problem, a key, the prompt.
      .Key()
      .Text(640, 30, 5, "<分数をふくむ式の除法>")
      .Text(600, 90, 3, "① 分数を係数とする文字は、")
      .Text(664, 140, 3, "分子につける。")
      .Text(600, 200, 3, "② 符号をきめて、逆数をかける。")
      .Text(600, 260, 3, "③ 約分する。")
      .More(5, "(文字も約分する）")
      .Key()
      .Text(352, 570, 7, "教科書P21 問4　をしなさい。");
  EXPECT_EQ(run.Section(), e.steps());
  const auto& w = run.session.program.work;
  std::vector<std::pair<float, float>> anchors;
  for (float k : {1.f, 2.f, 3.f, 4.f, 11.f, 12.f, 13.f, 14.f}) {
    anchors.emplace_back(w.PointX(k), w.PointY(k));
  }
  EXPECT_EQ(anchors, (std::vector<std::pair<float, float>>{{139, 439},
                                                           {171, 439},
                                                           {311, 439},
                                                           {419, 439},
                                                           {174, 479},
                                                           {276, 479},
                                                           {308, 479},
                                                           {378, 479}}));
  EXPECT_EQ(run.session.program.practice.LastSign, -1);
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
}

TEST(FractionDivisionPractice, NoLetterInCommonAWiderDenominatorAndAPlusSign) {
  // 5/21 a ÷ 5/14 b^2: exponents (0, 0), made (1, 0), over (0, 2). The expanded fraction
  // starts after "=" alone, at 112; its numerator 5×a×14 (204) is centred over 21×5×b×b
  // (274), so the numerator's anchors lie 35 right of the fraction's edge.
  const VarnickRun run("5\n4\n" + Pass("1") + "k", RandomsFor({{1, 1, 1, 1, 0, 0, 0, 2}}));
  Expected e;
  e.Text(80, 450, 0, "=")
      .Text(112, 450, 0, "ﾀ5*a*14/21*5*b*bﾀ")
      .Key()
      .Stroke(147, 439, 179, 467, 3, 5)
      .Stroke(287, 439, 351, 467, 3, 5)
      .Stroke(112, 479, 176, 507, 3, 5)
      .Stroke(214, 479, 246, 507, 3, 5)
      .Text(147, 401, 3, "1")
      .Text(287, 401, 3, "2")
      .Text(112, 511, 3, "3")
      .Text(214, 511, 3, "1")
      .Key()
      .Text(80, 570, 5, "=ﾀ2a/3b^2ﾀ")
      .Line("next-step");
  const auto section = run.Section();
  const auto from = std::find(section.begin(), section.end(), "text 80 450 0 =");
  ASSERT_NE(from, section.end());
  EXPECT_EQ(std::vector<std::string>(from, from + static_cast<long>(e.steps().size())),
            e.steps());
  EXPECT_EQ(section[2], "text 120 110 0 ﾀ5/21ﾀa/ﾀ5/14ﾀb^2");
}

TEST(FractionDivisionPractice, SignMemorySharedWithChapterFourAndNeverReset) {
  // Drawn minus, minus, minus, plus, minus over two visits give minus, plus, plus, plus,
  // minus; LastSign ends at minus.
  const std::vector<Draws> problems{
      {1, 1, 1, 2, 1, 1, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 1},
      {1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 1},
  };
  const VarnickRun run("5\n4\n" + Pass("0") + Pass("") + Pass("1") + "kk" + "4\n" + Pass("2") +
                           Pass("1") + "kk",
                       RandomsFor(problems));
  std::vector<std::string> lines;
  for (const std::string& step : run.steps) {
    if (step.starts_with("text 120 110 0 ")) lines.push_back(step.substr(15));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"-ﾀ5/21ﾀab/ﾀ5/14ﾀab", "ﾀ5/21ﾀab/ﾀ5/14ﾀab",
                                             "ﾀ5/21ﾀab/ﾀ5/14ﾀab", "ﾀ5/21ﾀab/ﾀ5/14ﾀab",
                                             "-ﾀ5/21ﾀab/ﾀ5/14ﾀab"}));
  EXPECT_EQ(run.session.program.practice.LastSign, -1);

  // Chapter 4's practice first: its drawn minus leaves LastSign at minus, so chapter 5's
  // drawn minus comes out plus.
  std::vector<float> randoms{0.5f, 0.5f, 0.125f, 0.75f, 0.5f, 0.5f, 0.5f, 0.5f};
  const auto chapter5 = RandomsFor({{1, 1, 1, 2, 1, 1, 1, 1}});
  randoms.insert(randoms.end(), chapter5.begin(), chapter5.end());
  const VarnickRun both("4\n5\nkkkk1\nk7\n5\n4\n" + Pass("1"), randoms);
  EXPECT_EQ(AfterSubMenu(both.steps, 1)[2], "text 220 98 0 -10ab/6ab");
  EXPECT_EQ(AfterSubMenu(both.steps, 3)[2], "text 120 110 0 ﾀ5/21ﾀab/ﾀ5/14ﾀab");
}

TEST(FractionDivisionPractice, EndsOnlyOnExactlyOneAndAZeroDivisorIsRefused) {
  // 0, empty, -1, 1/2, 11 and 3/0 (refused, then 2) each bring a new problem; 2/2 ends.
  const VarnickRun run("5\n4\n" + Pass("0") + Pass("") + Pass("-1") + Pass("1/2") + Pass("11") +
                       Pass("3/0\n2") + Pass("2/2") + "kk6\n8\n");
  const auto section = run.Section();
  EXPECT_EQ(std::count(section.begin(), section.end(), "next-step"), 7);
  EXPECT_EQ(std::count(section.begin(), section.end(), "erase 0 0 1320 1300"), 7);
  EXPECT_EQ(section.back(), "text 352 570 7 教科書P21 問4　をしなさい。");
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(FractionDivisionProblem, RangesAndRelationsOverManySeeds) {
  std::set<std::vector<float>> roles_seen;  // (r, q)
  std::set<std::pair<float, float>> pairs_seen;
  int problems = 0, p_seven = 0, a_alone = 0;
  for (int seed = 0; seed < 12; ++seed) {
    lesson::HeadlessSession session(varnick::kVarnick);
    session.runtime.PaRandomize(seed * 11);
    for (int k = 0; k < 40; ++k, ++problems) {
      const float last_sign = session.program.practice.LastSign;
      session.Call(varnick::MakeFractionDivisionProblem);
      const auto& w = session.program.work;
      const float q = w.TermValues(5), r = w.TermValues(6), p = w.TermValues(7),
                  s = w.TermValues(8);
      std::vector<float> primes{p, q, r, s};
      std::sort(primes.begin(), primes.end());
      ASSERT_EQ(primes, (std::vector<float>{2, 3, 5, 7}));
      ASSERT_NE(q, 7);
      ASSERT_NE(r, 7);
      roles_seen.insert({r, q});
      if (p == 7) ++p_seven;
      ASSERT_EQ(w.TermValues(1), q * s);
      ASSERT_EQ(w.TermValues(4), r * s);
      ASSERT_EQ(w.TermValues(2), p);
      ASSERT_EQ(w.TermValues(3), p);
      const float sign = w.TermValues(11);
      if (last_sign != 0) {
        ASSERT_EQ(sign, -last_sign);
      }
      // The texts: the coefficients as they are (never reducible), the quotient r over q.
      const std::string minus = sign == 1 ? "" : "-";
      ASSERT_EQ(w.TermTexts(11), minus);
      ASSERT_EQ(w.PartTexts(1), minus + "ﾀ" + w.TermTexts(2) + "/" + w.TermTexts(1) + "ﾀ");
      ASSERT_EQ(w.PartTexts(3), "ﾀ" + w.TermTexts(3) + "/" + w.TermTexts(4) + "ﾀ");
      ASSERT_EQ(w.TermTexts(6), std::to_string(static_cast<int>(r)));
      ASSERT_EQ(w.TermTexts(5), std::to_string(static_cast<int>(q)));
      for (float side : {1.f, 11.f}) {
        const std::pair<float, float> pair{w.AuxValues(side), w.AuxValues(side + 1)};
        ASSERT_NE(pair, (std::pair<float, float>{0, 0}));
        ASSERT_TRUE(pair.first >= 0 && pair.first <= 2 && pair.second >= 0 && pair.second <= 2);
        pairs_seen.insert(pair);
        if (pair == std::pair<float, float>{1, 0}) ++a_alone;
      }
      ASSERT_EQ(w.AuxValues(3), w.AuxValues(1) - w.AuxValues(11));
      ASSERT_EQ(w.AuxValues(14), w.AuxValues(12) - w.AuxValues(2));
    }
  }
  EXPECT_EQ(roles_seen.size(), 6u);  // every ordered pair of 2, 3, 5
  EXPECT_EQ(pairs_seen.size(), 8u);  // all nine but (0, 0)
  EXPECT_NEAR(static_cast<double>(p_seven) / problems, 0.5, 0.08);
  EXPECT_NEAR(static_cast<double>(a_alone) / (2 * problems), 2.0 / 9.0, 0.05);
}

// An independent reading of a problem line: its sign, coefficients and exponents.
struct ReadProblem {
  bool negative;
  int p, qs, rs;
  int e[4];  // a, b in the dividend; a, b in the divisor
};

bool Read(const std::string& line, ReadProblem& r) {
  static const std::regex form(
      R"(^(-?)ﾀ(\d)/(\d+)ﾀ(a(\^2)?)?(b(\^2)?)?/ﾀ(\d)/(\d+)ﾀ(a(\^2)?)?(b(\^2)?)?$)");
  std::smatch m;
  if (!std::regex_match(line, m, form) || m[2] != m[8]) return false;
  r.negative = m[1].length() > 0;
  r.p = std::stoi(m[2]);
  r.qs = std::stoi(m[3]);
  r.rs = std::stoi(m[9]);
  const auto power = [&m](int letter, int square) {
    return m[letter].matched ? (m[square].matched ? 2 : 1) : 0;
  };
  r.e[0] = power(4, 5);
  r.e[1] = power(6, 7);
  r.e[2] = power(10, 11);
  r.e[3] = power(12, 13);
  return true;
}

std::string Power(const std::string& letter, int exponent) {
  return exponent <= 0 ? "" : exponent == 1 ? letter : letter + "^2";
}

TEST(FractionDivisionPractice, AHundredPassesAgreeWithTheirProblems) {
  for (const char* time : {"10:20:30", "00:00:00", "23:59:59"}) {
    std::string keys = "5\n4\n";
    for (int pass = 0; pass < 99; ++pass) keys += Pass("0");
    keys += Pass("1") + "kk";
    platform::HeadlessOptions options = WithKeys(keys);
    options.time = time;
    lesson::HeadlessSession session(varnick::kVarnick, options);
    session.Start();
    const auto section = AfterSubMenu(Steps(session.trace(), Detail::kWithMarks), 1);
    int passes = 0;
    for (size_t k = 0; k < section.size(); ++k) {
      if (section[k] != kTitle) continue;
      ++passes;
      const auto texts = TextsOf({section.begin() + static_cast<long>(k), section.end()});
      ReadProblem r{};
      ASSERT_TRUE(Read(texts[1], r)) << texts[1];
      // s is what both denominators share; the quotient is r over q.
      const int s = std::gcd(r.qs, r.rs);
      const std::string sign = r.negative ? "-" : "";
      ASSERT_EQ(texts[4], "=" + sign) << texts[1];
      ASSERT_EQ(texts[10], "=" + sign + "ﾀ" + std::to_string(r.rs / s) +
                               Power("a", r.e[0] - r.e[2]) + Power("b", r.e[1] - r.e[3]) + "/" +
                               std::to_string(r.qs / s) + Power("a", r.e[2] - r.e[0]) +
                               Power("b", r.e[3] - r.e[1]) + "ﾀ")
          << texts[1];
      // Four coefficient strokes and, on each row, one per letter both sides share.
      const auto next = std::find(section.begin() + static_cast<long>(k), section.end(),
                                  "next-step");
      const auto strokes =
          std::count_if(section.begin() + static_cast<long>(k), next,
                        [](const std::string& step) { return step.starts_with("stroke "); });
      ASSERT_EQ(strokes, 4 + 2 * (std::min(r.e[0], r.e[2]) + std::min(r.e[1], r.e[3])))
          << texts[1];
    }
    EXPECT_EQ(passes, 100) << time;
    EXPECT_EQ(section.back(), "text 352 570 7 教科書P21 問4　をしなさい。") << time;
    EXPECT_EQ(Events(session.trace()).back(), (Fields{"end", "keys-exhausted"})) << time;
  }
}

}  // namespace
