// Chapter 4's practice: the problem generator and its sign memory, the letter texts, the
// worked pass with its anchors and strokes, and long runs of it.
#include <gtest/gtest.h>

#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/division_practices.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

// The generator's eight draws as the values they give: q's and p's places in their lists
// (1 to 3), k (2 to 5), the sign draw (1 plus, 2 minus), the exponents i, j, m, n (0 to 2).
struct Draws {
  int q_place, p_place, k, sign, i, j, m, n;
};

std::vector<float> RandomsFor(const Draws& d) {
  // INT(r·count) + first; the middle of each step of r is safe from rounding.
  const auto r = [](int value, int first, int count) {
    return (static_cast<float>(value - first) + 0.5f) / static_cast<float>(count);
  };
  return {r(d.q_place, 1, 3), r(d.p_place, 1, 3), r(d.k, 2, 4), r(d.sign, 1, 2),
          r(d.i, 0, 3),       r(d.j, 0, 3),       r(d.m, 0, 3), r(d.n, 0, 3)};
}

std::vector<float> RandomsFor(const std::vector<Draws>& problems) {
  std::vector<float> all;
  for (const Draws& d : problems) {
    const auto r = RandomsFor(d);
    all.insert(all.end(), r.begin(), r.end());
  }
  return all;
}

// The keys of one pass: four key waits, then `next` at the next-step prompt.
std::string Pass(const std::string& next) { return "kkkk" + next + "\n"; }

TEST(DivisionProblemGenerator, ScriptedDrawsInTheirOrder) {
  const struct {
    Draws draws;
    float last_sign;
    std::vector<float> primes_left;   // PointX(1) to (4)
    std::vector<float> terms;         // TermValues 1 to 5 and 11
    std::vector<float> exponents;     // AuxValues 1, 2, 11, 12
  } cases[] = {
      // The worked example: q's place 3 leaves 2, 3, 7, 7.
      {{3, 2, 2, 2, 2, 1, 1, 2}, 0, {2, 3, 7, 7}, {6, 10, 3, 5, 2, -1}, {2, 1, 1, 2}},
      // q's place 1 leaves 3, 5, 7, 7: p is 7 from place 3; 35 over 25 as well.
      {{1, 3, 5, 1, 0, 2, 2, 0}, 0, {3, 5, 7, 7}, {35, 10, 7, 2, 5, 1}, {0, 2, 2, 0}},
      {{3, 3, 5, 1, 1, 1, 1, 1}, 0, {2, 3, 7, 7}, {35, 25, 7, 5, 5, 1}, {1, 1, 1, 1}},
      // 4 over 6; a pair (0, 0) becomes (1, 0) on each side, (0, 2) stays.
      {{2, 1, 2, 2, 0, 0, 0, 0}, 1, {2, 5, 7, 7}, {4, 6, 2, 3, 2, -1}, {1, 0, 1, 0}},
      {{2, 1, 2, 2, 0, 2, 0, 0}, 1, {2, 5, 7, 7}, {4, 6, 2, 3, 2, -1}, {0, 2, 1, 0}},
  };
  for (const auto& c : cases) {
    platform::HeadlessOptions options;
    options.random = RandomsFor(c.draws);
    options.random.push_back(0.625f);
    lesson::HeadlessSession session(varnick::kVarnick, options);
    session.program.practice.LastSign = c.last_sign;
    session.Call(varnick::MakeMonomialDivisionProblem);
    const auto& w = session.program.work;
    std::vector<float> primes, terms, exponents;
    for (float k : {1.f, 2.f, 3.f, 4.f}) primes.push_back(w.PointX(k));
    for (float k : {1.f, 2.f, 3.f, 4.f, 5.f, 11.f}) terms.push_back(w.TermValues(k));
    for (float k : {1.f, 2.f, 11.f, 12.f}) exponents.push_back(w.AuxValues(k));
    EXPECT_EQ(primes, c.primes_left) << c.terms[0] << "/" << c.terms[1];
    EXPECT_EQ(terms, c.terms) << c.terms[0] << "/" << c.terms[1];
    EXPECT_EQ(exponents, c.exponents) << c.terms[0] << "/" << c.terms[1];
    EXPECT_EQ(session.program.values.TableIndex, 4);
    // Eight draws, whatever their outcome.
    EXPECT_EQ(session.runtime.PaRnd(), 0.625f);
  }
}

TEST(LastSignRule, DrawnSignAgainstTheMemory) {
  const struct {
    float last_sign, drawn, sign, last_sign_after;
  } cases[] = {
      {0, 1, 1, 1},   {0, -1, -1, -1}, {1, 1, -1, 1},
      {1, -1, -1, -1}, {-1, -1, 1, -1}, {-1, 1, 1, 1},
  };
  for (const auto& c : cases) {
    lesson::HeadlessSession session(varnick::kVarnick);
    session.program.practice.LastSign = c.last_sign;
    float sign = 0;
    session.Call([&](lesson::Program& p) { sign = varnick::ApplyLastSignRule(p, c.drawn); });
    EXPECT_EQ(sign, c.sign) << c.last_sign << " " << c.drawn;
    EXPECT_EQ(session.program.practice.LastSign, c.last_sign_after)
        << c.last_sign << " " << c.drawn;
  }
}

TEST(LetterPowerTexts, CompactRemainingAndExpandedFormsAtBothBases) {
  const struct {
    std::vector<float> exponents;  // first and second letter over the bar, then under it
    std::vector<std::string> texts;  // slots 1 to 6, then 11 to 16
  } cases[] = {
      {{2, 1, 1, 1}, {"a^2", "b", "a", "", "*a*a", "*b", "a", "b", "", "", "*a", "*b"}},
      {{0, 2, 1, 0}, {"", "b^2", "", "b^2", "", "*b*b", "a", "", "a", "", "*a", ""}},
      // Equal exponents on both sides: no letter left on either.
      {{1, 2, 1, 2}, {"a", "b^2", "", "", "*a", "*b*b", "a", "b^2", "", "", "*a", "*b*b"}},
      // A difference of -2 leaves nothing on its side and the square on the other.
      {{0, 1, 2, 1}, {"", "b", "", "", "", "*b", "a^2", "b", "a^2", "", "*a*a", "*b"}},
  };
  for (float base : {0.f, 20.f}) {
    for (const auto& c : cases) {
      lesson::HeadlessSession session(varnick::kVarnick);
      const std::string first = base == 0 ? "a" : "x", second = base == 0 ? "b" : "y";
      session.Call([&](lesson::Program& p) {
        auto& w = p.work;
        w.AuxValues(base + 1) = c.exponents[0];
        w.AuxValues(base + 2) = c.exponents[1];
        w.AuxValues(base + 11) = c.exponents[2];
        w.AuxValues(base + 12) = c.exponents[3];
        // Slots the builder does not write keep what they held.
        w.AuxTexts(base + 7) = "kept";
        varnick::SetQuotientExponents(p, base);
        varnick::BuildLetterPowerTexts(p, base, first, second);
      });
      std::vector<std::string> texts;
      for (float k : {1.f, 2.f, 3.f, 4.f, 5.f, 6.f, 11.f, 12.f, 13.f, 14.f, 15.f, 16.f}) {
        texts.push_back(session.program.work.AuxTexts(base + k));
      }
      std::vector<std::string> expected = c.texts;
      for (auto& text : expected) {
        for (char& ch : text) {
          if (ch == 'a') ch = first[0];
          if (ch == 'b') ch = second[0];
        }
      }
      EXPECT_EQ(texts, expected) << base << " " << c.texts[0] << c.texts[1];
      EXPECT_EQ(session.program.work.AuxTexts(base + 7), "kept");
    }
  }
}

TEST(DivisionPractice, WorkedExampleRowsAnchorsAndStrokes) {
  const VarnickRun run("4\n5\n" + Pass("1") + "k", RandomsFor({{3, 2, 2, 2, 2, 1, 1, 2}}));
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(88, 18, 0, "練習　次の計算をしなさい。")
      .Text(220, 98, 0, "-6a^2b/10ab^2")
      .Key()
      .Text(176, 218, 0, "=-ﾀ6a^2b/10ab^2ﾀ")
      .Key()
      .Text(176, 338, 0, "=-")
      .Text(235, 338, 0, "ﾀ6*a*a*b/10*a*b*bﾀ")
      .Key()
      // The coefficients, the primes left of them, then one letter of each run per row.
      .Stroke(251, 327, 283, 355, 3, 5)
      .Stroke(235, 367, 299, 395, 3, 5)
      .Text(251, 289, 3, "3")
      .Text(235, 399, 3, "5")
      .Stroke(321, 327, 353, 355, 3, 5)
      .Stroke(461, 327, 493, 355, 3, 5)
      .Stroke(337, 367, 369, 395, 3, 5)
      .Stroke(407, 367, 439, 395, 3, 5)
      .Key()
      .Text(176, 458, 5, "=-ﾀ3a/5bﾀ")
      .Line("next-step")
      // 1 ends the practice: the rules beside the last problem, a key, the prompt.
      .Text(640, 30, 5, "<単項式の除法>")
      .Text(600, 90, 3, "①　符号を決める。")
      .Text(600, 150, 3, "② 分数の形にする。")
      .Text(600, 210, 3, "③ 約分する。")
      .Text(831, 210, 5, "(文字も約分できる）")
      .Key()
      .Text(44, 570, 7, "教科書P21 問3　をしなさい。");
  EXPECT_EQ(run.Section(), e.steps());
  const auto& w = run.session.program.work;
  const std::vector<std::pair<float, float>> anchors{
      {w.PointX(1), w.PointY(1)},   {w.PointX(2), w.PointY(2)},   {w.PointX(3), w.PointY(3)},
      {w.PointX(11), w.PointY(11)}, {w.PointX(12), w.PointY(12)}, {w.PointX(13), w.PointY(13)}};
  EXPECT_EQ(anchors, (std::vector<std::pair<float, float>>{
                         {251, 327}, {283, 327}, {423, 327}, {235, 367}, {299, 367}, {369, 367}}));
  EXPECT_EQ(run.session.program.practice.LastSign, -1);
}

TEST(DivisionPractice, SignMemoryAcrossPassesAndVisits) {
  // The problem line, the result line and LastSign after each of four problems: three in
  // one visit, the fourth in the next.
  const std::vector<Draws> problems{
      {3, 2, 2, 2, 2, 1, 1, 2},  // drawn minus, LastSign 0: minus
      {1, 1, 2, 2, 1, 0, 1, 0},  // drawn minus again: negated, LastSign stays
      {2, 3, 5, 1, 0, 2, 0, 1},  // drawn plus: LastSign becomes plus
      {1, 2, 3, 1, 0, 0, 0, 0},  // next visit, drawn plus: minus; pairs (0, 0) become a
  };
  const VarnickRun run("4\n5\n" + Pass("0") + Pass("") + Pass("1") + "k" + "5\n" + Pass("1") + "k",
                       RandomsFor(problems));
  const auto texts = TextsOf(run.steps);
  const auto after = [&texts](const std::string& heading) {
    std::vector<std::string> lines;
    for (size_t k = 0; k + 1 < texts.size(); ++k) {
      if (texts[k] == heading) lines.push_back(texts[k + 1]);
    }
    return lines;
  };
  EXPECT_EQ(after("練習　次の計算をしなさい。"),
            (std::vector<std::string>{"-6a^2b/10ab^2", "6a/4a", "35b^2/15b", "-15a/6a"}));
  // Each pass's result, the text that follows the expanded fraction's key.
  std::vector<std::string> results;
  for (size_t k = 0; k < run.steps.size(); ++k) {
    if (run.steps[k] == "next-step") results.push_back(run.steps[k - 1]);
  }
  EXPECT_EQ(results, (std::vector<std::string>{
                         "text 176 458 5 =-ﾀ3a/5bﾀ", "text 176 458 5 =ﾀ3/2ﾀ",
                         "text 176 458 5 =ﾀ7b/3ﾀ", "text 176 458 5 =-ﾀ5/2ﾀ"}));
  EXPECT_EQ(run.session.program.practice.LastSign, 1);
}

TEST(DivisionPractice, PlusSignTwoDigitCoefficientsAndAMissingFirstLetter) {
  // 35b^2/15b: the fraction after "=" alone at 208; both coefficients two digits wide, so
  // the letter runs begin 64 after the first cells, and with no a the b runs begin there.
  const VarnickRun run("4\n5\n" + Pass("1") + "k", RandomsFor({{2, 3, 5, 1, 0, 2, 0, 1}}));
  const auto section = run.Section();
  const auto fraction = std::find(section.begin(), section.end(), "text 208 338 0 ﾀ35*b*b/15*bﾀ");
  ASSERT_NE(fraction, section.end());
  // Numerator 204 wide, denominator 134 centred 35 in; the bar at 363.
  const std::vector<std::string> marks(fraction + 1, fraction + 9);
  Expected e;
  e.Key()
      .Stroke(208, 327, 272, 355, 3, 5)
      .Stroke(243, 367, 307, 395, 3, 5)
      .Text(208, 289, 3, "7")
      .Text(243, 399, 3, "3")
      .Stroke(310, 327, 342, 355, 3, 5)
      .Stroke(345, 367, 377, 395, 3, 5)
      .Key();
  EXPECT_EQ(marks, e.steps());
  const auto& w = run.session.program.work;
  EXPECT_EQ(w.PointX(3), w.PointX(2));
  EXPECT_EQ(w.PointX(13), w.PointX(12));
}

TEST(DivisionPractice, EndsOnlyOnExactlyOneAndAZeroDivisorIsRefused) {
  // 0, empty, -1, 1/2, 11 and 3/0 (refused, then 2) each bring a new problem; 2/2 ends.
  const VarnickRun run("4\n5\n" + Pass("0") + Pass("") + Pass("-1") + Pass("1/2") + Pass("11") +
                       Pass("3/0\n2") + Pass("2/2") + "k7\n8\n");
  const auto section = run.Section();
  EXPECT_EQ(std::count(section.begin(), section.end(), "next-step"), 7);
  EXPECT_EQ(std::count(section.begin(), section.end(), "erase 0 0 1320 1300"), 7);
  EXPECT_EQ(section.back(), "text 44 570 7 教科書P21 問3　をしなさい。");
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(DivisionProblemGenerator, RangesAndRelationsOverManySeeds) {
  std::set<float> q_seen, p_seen, k_seen, numerators, denominators;
  std::set<std::pair<float, float>> pairs_seen;
  int problems = 0, p_seven = 0;
  for (int seed = 0; seed < 12; ++seed) {
    lesson::HeadlessSession session(varnick::kVarnick);
    session.runtime.PaRandomize(seed * 11);
    float previous_sign = 0;
    for (int k = 0; k < 40; ++k, ++problems) {
      const float last_sign = session.program.practice.LastSign;
      session.Call(varnick::MakeMonomialDivisionProblem);
      const auto& w = session.program.work;
      const float p = w.TermValues(3), q = w.TermValues(4), common = w.TermValues(5);
      q_seen.insert(q);
      p_seen.insert(p);
      k_seen.insert(common);
      ASSERT_NE(p, q);
      ASSERT_EQ(w.TermValues(1), common * p);
      ASSERT_EQ(w.TermValues(2), common * q);
      ASSERT_EQ(std::gcd(static_cast<int>(w.TermValues(1)), static_cast<int>(w.TermValues(2))),
                static_cast<int>(common));
      numerators.insert(w.TermValues(1));
      denominators.insert(w.TermValues(2));
      if (p == 7) ++p_seven;
      for (float side : {1.f, 11.f}) {
        const std::pair<float, float> pair{w.AuxValues(side), w.AuxValues(side + 1)};
        ASSERT_NE(pair, (std::pair<float, float>{0, 0}));
        pairs_seen.insert(pair);
      }
      const float sign = w.TermValues(11);
      ASSERT_TRUE(sign == 1 || sign == -1);
      // From the second problem of a run on, every sign is the opposite of LastSign.
      if (last_sign != 0) {
        ASSERT_EQ(sign, -last_sign);
      }
      if (k == 1) {
        ASSERT_EQ(sign, -previous_sign);
      }
      previous_sign = sign;
    }
  }
  EXPECT_EQ(q_seen, (std::set<float>{2, 3, 5}));
  EXPECT_EQ(p_seen, (std::set<float>{2, 3, 5, 7}));
  EXPECT_EQ(k_seen, (std::set<float>{2, 3, 4, 5}));
  EXPECT_EQ(*numerators.begin(), 4);
  EXPECT_EQ(*numerators.rbegin(), 35);
  EXPECT_EQ(*denominators.rbegin(), 25);
  EXPECT_FALSE(denominators.contains(14));
  EXPECT_EQ(pairs_seen.size(), 8u);  // all nine but (0, 0)
  EXPECT_NEAR(static_cast<double>(p_seven) / problems, 1.0 / 3.0, 0.08);
}

// An independent reading of a problem line: its coefficients, exponents and sign, and the
// lines the pass must show for it.
struct ReadProblem {
  bool negative;
  int c1, c2;
  int e[4];  // a, b over the bar; a, b under it
};

bool Read(const std::string& line, ReadProblem& r) {
  static const std::regex form(R"(^(-?)(\d+)(a(\^2)?)?(b(\^2)?)?/(\d+)(a(\^2)?)?(b(\^2)?)?$)");
  std::smatch m;
  if (!std::regex_match(line, m, form)) return false;
  r.negative = m[1].length() > 0;
  r.c1 = std::stoi(m[2]);
  r.c2 = std::stoi(m[7]);
  const auto power = [&m](int letter, int square) {
    return m[letter].matched ? (m[square].matched ? 2 : 1) : 0;
  };
  r.e[0] = power(3, 4);
  r.e[1] = power(5, 6);
  r.e[2] = power(8, 9);
  r.e[3] = power(10, 11);
  return true;
}

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int k = 0; k < times; ++k) text += piece;
  return text;
}

std::string Power(const std::string& letter, int exponent) {
  return exponent <= 0 ? "" : exponent == 1 ? letter : letter + "^2";
}

TEST(DivisionPractice, AHundredPassesAgreeWithTheirProblemsThenChapterTwoInWidthFive) {
  for (const char* time : {"10:20:30", "00:00:00", "23:59:59"}) {
    std::string keys = "4\n5\n";
    for (int pass = 0; pass < 99; ++pass) keys += Pass("0");
    keys += Pass("1") + "k7\n2\n1\n" + std::string(8, 'k');
    platform::HeadlessOptions options = WithKeys(keys);
    options.time = time;
    lesson::HeadlessSession session(varnick::kVarnick, options);
    session.Start();
    const auto steps = Steps(session.trace(), Detail::kWithMarks);
    const auto section = AfterSubMenu(steps, 1);
    int passes = 0;
    std::string previous_sign;
    for (size_t k = 0; k < section.size(); ++k) {
      if (section[k] != "text 88 18 0 練習　次の計算をしなさい。") continue;
      ++passes;
      const auto texts = TextsOf({section.begin() + static_cast<long>(k), section.end()});
      ReadProblem r{};
      ASSERT_TRUE(Read(texts[1], r)) << texts[1];
      const int g = std::gcd(r.c1, r.c2);
      const std::string sign = r.negative ? "-" : "";
      const std::string given = "ﾀ" + texts[1].substr(sign.size()) + "ﾀ";
      ASSERT_EQ(texts[2], "=" + sign + given);
      ASSERT_EQ(texts[3], "=" + sign);
      ASSERT_EQ(texts[4], "ﾀ" + std::to_string(r.c1) + Repeated("*a", r.e[0]) +
                              Repeated("*b", r.e[1]) + "/" + std::to_string(r.c2) +
                              Repeated("*a", r.e[2]) + Repeated("*b", r.e[3]) + "ﾀ");
      ASSERT_EQ(texts[5], std::to_string(r.c1 / g));
      ASSERT_EQ(texts[6], std::to_string(r.c2 / g));
      ASSERT_EQ(texts[7], "=" + sign + "ﾀ" + std::to_string(r.c1 / g) +
                              Power("a", r.e[0] - r.e[2]) + Power("b", r.e[1] - r.e[3]) + "/" +
                              std::to_string(r.c2 / g) + Power("a", r.e[2] - r.e[0]) +
                              Power("b", r.e[3] - r.e[1]) + "ﾀ");
      // Two coefficient strokes and, on each row, one per letter both rows share.
      const size_t next = static_cast<size_t>(
          std::find(section.begin() + static_cast<long>(k), section.end(), "next-step") -
          section.begin());
      const auto strokes =
          std::count_if(section.begin() + static_cast<long>(k),
                        section.begin() + static_cast<long>(next),
                        [](const std::string& s) { return s.starts_with("stroke "); });
      ASSERT_EQ(strokes, 2 + 2 * (std::min(r.e[0], r.e[2]) + std::min(r.e[1], r.e[3])));
      // The second problem of the run has the other sign.
      if (passes == 2) {
        ASSERT_NE(sign, previous_sign);
      }
      previous_sign = sign;
    }
    EXPECT_EQ(passes, 100) << time;
    // Chapter 2 afterwards: its header in the width the practice left.
    const auto header = AfterSubMenu(steps, 3);
    ASSERT_GE(header.size(), 2u);
    EXPECT_EQ(header[1], "box 40 30 436 76 3 13 5") << time;
    EXPECT_EQ(Events(session.trace()).back(), (Fields{"end", "keys-exhausted"})) << time;
  }
}

}  // namespace
