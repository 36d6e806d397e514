// Chapter 6's random sections: the mixed problem generator, the three partial-step drills in
// their panels, the two-stage practice; scripted draws and long runs of each.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

// The generator's ten draws as the values they give: c2 (2 to 7), c3 (7 to 12), then
// coins: the signs of t1 and t2 (1 positive), the operators (1 "*"), the letter pair (0 x
// and y), the letter parts of t1, t2, t3.
struct MixedDraws {
  int c2, c3, sign1, sign2, op2, op3, pair, part1, part2, part3;
};

std::vector<float> RandomsFor(const MixedDraws& d) {
  const auto coin = [](int value) { return value == 0 ? 0.25f : 0.75f; };
  return {(static_cast<float>(d.c2 - 2) + 0.5f) / 6, (static_cast<float>(d.c3 - 7) + 0.5f) / 6,
          coin(d.sign1), coin(d.sign2), coin(d.op2), coin(d.op3), coin(d.pair),
          coin(d.part1), coin(d.part2), coin(d.part3)};
}

// The issue's example: -42x^2y/(-6x)*(-7y^2).
const MixedDraws kExample{6, 7, 0, 0, 0, 1, 0, 0, 0, 0};

TEST(MixedProblemGenerator, ScriptedDrawsInTheirOrder) {
  const struct {
    MixedDraws draws;
    std::vector<std::string> texts;  // PartTexts 1, 2, 3, 11, 12 and AuxTexts(4)
  } cases[] = {
      {kExample, {"-42x^2y", "/(-6x)", "*(-7y^2)", "42x^2y*7y^2", "6x", "-"}},
      // The smallest numbers; "*" then "*" becomes "*" then "/"; a and b.
      {{2, 7, 1, 1, 1, 1, 1, 1, 1, 1}, {"14ab^2", "*2b", "/(-7a^2)", "14ab^2*2b", "7a^2", "-"}},
      // The largest; "/" then "/": the first term alone over the bar.
      {{7, 12, 1, 0, 0, 0, 0, 1, 0, 0},
       {"84xy^2", "/(-7x)", "/(-12y^2)", "84xy^2", "7x*12y^2", "+"}},
      {{3, 9, 0, 1, 1, 0, 1, 0, 1, 1}, {"-27a^2b", "*3b", "/(-9a^2)", "27a^2b*3b", "9a^2", "+"}},
  };
  for (const auto& c : cases) {
    platform::HeadlessOptions options;
    options.random = RandomsFor(c.draws);
    options.random.push_back(0.625f);
    lesson::HeadlessSession session(varnick::kVarnick, options);
    // A denominator left from an earlier problem is not kept.
    session.program.work.PartTexts(12) = "old";
    session.program.work.TermValues(4) = 5;
    session.Call(varnick::MakeMixedMultiplyDivideProblem);
    const auto& w = session.program.work;
    const std::vector<std::string> texts{w.PartTexts(1),  w.PartTexts(2),  w.PartTexts(3),
                                         w.PartTexts(11), w.PartTexts(12), w.AuxTexts(4)};
    EXPECT_EQ(texts, c.texts) << c.texts[0];
    EXPECT_EQ(w.TermValues(1), static_cast<float>(c.draws.c2 * c.draws.c3)) << c.texts[0];
    // Entries it does not set read as the texts of their values.
    EXPECT_EQ(w.TermTexts(4), "5") << c.texts[0];
    EXPECT_EQ(w.TermTexts(5), "0") << c.texts[0];
    EXPECT_EQ(session.program.layout.RandomPick, static_cast<float>(c.draws.part3));
    // Ten draws, whatever their outcome.
    EXPECT_EQ(session.runtime.PaRnd(), 0.625f) << c.texts[0];
  }
}

// The product of the coefficients of a fraction part "c1x^2y*c2y^2...".
long CoefficientProduct(const std::string& part) {
  static const std::regex number(R"((^|\*)(\d+))");
  long product = 1;
  for (std::sregex_iterator m(part.begin(), part.end(), number), end; m != end; ++m) {
    product *= std::stol((*m)[2]);
  }
  return product;
}

TEST(MixedProblemGenerator, InvariantsOverManySeeds) {
  static const std::regex term(R"(^([*/]?)(\(-|-)?(\d+)([xyab^2]+)\)?$)");
  std::set<std::string> patterns;
  std::set<float> c2_seen, c3_seen;
  int problems = 0, star_then_slash = 0;
  for (int seed = 0; seed < 10; ++seed) {
    lesson::HeadlessSession session(varnick::kVarnick);
    session.runtime.PaRandomize(seed * 13);
    for (int k = 0; k < 40; ++k, ++problems) {
      session.Call(varnick::MakeMixedMultiplyDivideProblem);
      const auto& w = session.program.work;
      c2_seen.insert(w.TermValues(2));
      c3_seen.insert(w.TermValues(3));
      ASSERT_EQ(w.TermValues(1), w.TermValues(2) * w.TermValues(3));
      ASSERT_FALSE(w.PointX(2) == 1 && w.PointX(3) == 1);
      // Read the problem back from its written terms.
      int minus_signs = 0;
      std::string numerator, denominator, ops;
      for (float part : {1.f, 2.f, 3.f}) {
        std::smatch m;
        const std::string& text = w.PartTexts(part);
        ASSERT_TRUE(std::regex_match(text, m, term)) << text;
        ASSERT_EQ(m[1].length() == 0, part == 1) << text;
        // Brackets exactly around a negative second or third term; t3 always negative.
        if (part == 1) {
          ASSERT_NE(m[2], "(-") << text;
        } else if (m[2].matched) {
          ASSERT_EQ(m[2], "(-") << text;
        }
        if (part == 3) {
          ASSERT_TRUE(m[2].matched) << text;
        }
        if (m[2].matched) ++minus_signs;
        const std::string bare = m[3].str() + m[4].str();
        std::string& side = part == 1 || m[1] == "*" ? numerator : denominator;
        side += (side.empty() ? "" : "*") + bare;
        ops += m[1].str();
      }
      ASSERT_EQ(w.AuxTexts(4), minus_signs % 2 == 1 ? "-" : "+");
      ASSERT_EQ(w.PartTexts(11), numerator);
      ASSERT_EQ(w.PartTexts(12), denominator);
      ASSERT_FALSE(denominator.empty());
      // The coefficients always reduce to a whole number.
      ASSERT_EQ(CoefficientProduct(numerator) % CoefficientProduct(denominator), 0)
          << numerator << " / " << denominator;
      const bool xy = w.PartTexts(1).find('x') != std::string::npos;
      for (float part : {1.f, 2.f, 3.f, 11.f, 12.f}) {
        ASSERT_EQ(w.PartTexts(part).find_first_of(xy ? "ab" : "xy"), std::string::npos);
      }
      patterns.insert(ops);
      if (ops == "*/") ++star_then_slash;
    }
  }
  EXPECT_EQ(c2_seen, (std::set<float>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(c3_seen, (std::set<float>{7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(patterns, (std::set<std::string>{"*/", "/*", "//"}));
  EXPECT_NEAR(static_cast<double>(star_then_slash) / problems, 0.5, 0.08);
}

std::vector<float> Repeated(const std::vector<float>& draws, int times) {
  std::vector<float> all;
  for (int k = 0; k < times; ++k) all.insert(all.end(), draws.begin(), draws.end());
  return all;
}

TEST(PartialStepDrills, TheExampleInEachPanelThenTheMethod) {
  const VarnickRun run("6\n2\nk1\nk1\nk1\n", Repeated(RandomsFor(kExample), 3));
  const std::string problem = "-42x^2y/(-6x)*(-7y^2)";
  const std::string fraction = "ﾀ42x^2y*7y^2/6xﾀ";
  Expected e;
  e.Erase(0, 0, 1760, 1300)
      // Q1: the sign's box empty, then filled with the sign centred by its advance.
      .Erase(40, 30, 600, 230)
      .Text(40, 30, 3, "Q1　符号をいいなさい。")
      .Text(104, 100, 0, problem)
      .Text(72, 180, 0, "=")
      .Box(104, 180, 164, 230, 3, 13, 5)
      .Text(134, 183, 5, "")
      .Text(164, 180, 0, fraction)
      .Key()
      .Box(104, 180, 164, 230, 3, 13, 5)
      .Text(120.5f, 183, 5, "-")
      .Line("next-step")
      // Q2: the fraction laid out unseen, the denominator shown, the numerator boxed; the
      // numerator 278 wide over 64, so the denominator stands 107 in.
      .Erase(40, 310, 600, 300)
      .Text(40, 310, 3, "Q2　分子をいいなさい。")
      .Text(104, 390, 0, problem)
      .Text(72, 500, 0, "=-")
      .Text(131, 500, 15, fraction)
      .Text(238, 537, 0, "6x")
      .Box(131, 473, 419, 517, 3, 13, 5)
      .Text(275, 473, 5, "")
      .Key()
      .Text(136, 477, 5, "42x^2y*7y^2")
      .Line("next-step")
      // Q3: the numerator shown, the denominator boxed.
      .Erase(680, 30, 640, 300)
      .Text(680, 30, 3, "Q3　分母をいいなさい。")
      .Text(712, 110, 0, problem)
      .Text(680, 220, 0, "=-")
      .Text(739, 220, 15, fraction)
      .Text(739, 205, 0, "42x^2y*7y^2")
      .Box(846, 251, 920, 295, 3, 13, 5)
      .Text(883, 251, 5, "")
      .Key()
      .Text(851, 255, 5, "6x")
      .Line("next-step")
      .Text(680, 325, 5, "<乗除の混じった式の計算>")
      .Text(680, 375, 0, "① 符号を決め、分数の形にする。")
      .Text(740, 425, 3, "(最初の項と*の項は分子、")
      .Text(767, 475, 3, "/の項は分母）")
      .Text(680, 525, 0, "② 約分する。")
      .More(5, "(文字も約分する）");
  EXPECT_EQ(run.Section(), e.steps());
  // The two bars, 4 wide, then width 5 again; the lone parts drawn in fraction mode.
  for (const Fields& bar :
       {Fields{"op", "PsLINE", "131", "525", "409", "525", "0", "0", "0", "4"},
        Fields{"op", "PsLINE", "739", "245", "1017", "245", "0", "0", "0", "4"}}) {
    EXPECT_TRUE(HasEvent(run.session.trace(), bar)) << bar[2];
  }
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(run.session.program.renderer.FractionMode, 0);
}

TEST(PartialStepDrills, EachDrillRunsUntilOneAndErasesOnlyItsPanel) {
  // Q1: 0, empty, 3/0 (refused, then 2), then 1; Q2: 1/2, then 2/2; Q3: -1, then 1.
  const VarnickRun run("6\n2\nk0\nk\nk3/0\n2\nk1\nk1/2\nk2/2\nk-1\nk1\n7\n8\n");
  const auto section = run.Section();
  const auto count = [&section](const std::string& step) {
    return std::count(section.begin(), section.end(), step);
  };
  EXPECT_EQ(count("erase 40 30 640 260"), 4);
  EXPECT_EQ(count("erase 40 310 640 610"), 2);
  EXPECT_EQ(count("erase 680 30 1320 330"), 2);
  EXPECT_EQ(count("erase 0 0 1760 1300"), 1);
  EXPECT_EQ(count("next-step"), 8);
  EXPECT_EQ(section.back(), "text 911 525 5 (文字も約分する）");
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"}));
}

// The sign, numerator and denominator of a problem line, read from its written terms.
struct FractionForm {
  std::string sign, numerator, denominator;
};

FractionForm Solve(const std::string& line) {
  static const std::regex term(R"(([*/]?)(\(-|-)?(\d+[xyab^2]+)\)?)");
  FractionForm form;
  int minus_signs = 0;
  for (std::sregex_iterator m(line.begin(), line.end(), term), end; m != end; ++m) {
    if ((*m)[2].matched) ++minus_signs;
    std::string& side = (*m)[1] == "/" ? form.denominator : form.numerator;
    side += (side.empty() ? "" : "*") + (*m)[3].str();
  }
  form.sign = minus_signs % 2 == 1 ? "-" : "+";
  return form;
}

TEST(PartialStepDrills, AHundredProblemsInEachPanelRevealTheirParts) {
  std::string keys = "6\n2\n";
  for (int drill = 0; drill < 3; ++drill) {
    for (int k = 0; k < 99; ++k) keys += "k0\n";
    keys += "k1\n";
  }
  const VarnickRun run(keys + "7\n8\n");
  const auto texts = TextsOf(run.Section());
  int asked[3] = {0, 0, 0};
  for (size_t k = 0; k + 1 < texts.size(); ++k) {
    const int drill = texts[k] == "Q1　符号をいいなさい。"   ? 0
                      : texts[k] == "Q2　分子をいいなさい。" ? 1
                      : texts[k] == "Q3　分母をいいなさい。" ? 2
                                                             : -1;
    if (drill < 0) continue;
    ++asked[drill];
    const FractionForm form = Solve(texts[k + 1]);
    // Q1: "=", the empty box, the fraction, the sign in the box; Q2 and Q3: "=" and the
    // sign, the hidden fraction, the known part, the empty box, the asked part.
    const std::string fraction = "ﾀ" + form.numerator + "/" + form.denominator + "ﾀ";
    if (drill == 0) {
      ASSERT_EQ(std::vector<std::string>(texts.begin() + static_cast<long>(k) + 2,
                                         texts.begin() + static_cast<long>(k) + 6),
                (std::vector<std::string>{"=", "", fraction, form.sign}))
          << texts[k + 1];
    } else {
      const bool numerator = drill == 1;
      ASSERT_EQ(std::vector<std::string>(texts.begin() + static_cast<long>(k) + 2,
                                         texts.begin() + static_cast<long>(k) + 7),
                (std::vector<std::string>{"=" + form.sign, fraction,
                                          numerator ? form.denominator : form.numerator, "",
                                          numerator ? form.numerator : form.denominator}))
          << texts[k + 1];
    }
  }
  EXPECT_EQ(asked[0], 100);
  EXPECT_EQ(asked[1], 100);
  EXPECT_EQ(asked[2], 100);
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"}));
}

// The keys of one practice problem: three key waits, then `next` at the next-step prompt.
std::string Problem(const std::string& next) { return "kkk" + next + "\n"; }

// The practice's eight draws of one stage's problem: q's place (1 to 3), p's place among the
// three primes left, k (2 to 5), the sign (1 plus, 2 minus), the exponents.
struct StageDraws {
  int q_place, p_place, k, sign, e1, e2, e3, e4;
};

std::vector<float> RandomsFor(const std::vector<StageDraws>& problems, bool stage1) {
  const auto r = [](int value, int first, int count) {
    return (static_cast<float>(value - first) + 0.5f) / static_cast<float>(count);
  };
  std::vector<float> all;
  for (const StageDraws& d : problems) {
    // Stage ① draws its divisor's exponents from 0 and 1, every other exponent 1 or 2.
    const int divisor_first = stage1 ? 0 : 1;
    for (float value : {r(d.q_place, 1, 3), r(d.p_place, 1, 3), r(d.k, 2, 4), r(d.sign, 1, 2),
                        r(d.e1, 1, 2), r(d.e2, 1, 2), r(d.e3, divisor_first, 2),
                        r(d.e4, divisor_first, 2)}) {
      all.push_back(value);
    }
  }
  return all;
}

TEST(MixedPractice, StageOneThenTwoOnOneScreenThenThePrompt) {
  // Stage ①: s = -1, k = 3, p = 5, q = 2, i = 2, j = 1, m = n = 1. Stage ②: the two worked
  // problems.
  std::vector<float> randoms = RandomsFor({{1, 2, 3, 2, 2, 1, 1, 1}}, true);
  const auto stage2 = RandomsFor({{1, 2, 3, 2, 2, 1, 1, 2}, {2, 3, 2, 1, 1, 2, 1, 1}}, false);
  randoms.insert(randoms.end(), stage2.begin(), stage2.end());
  const VarnickRun run("6\n3\n" + Problem("1") + Problem("0") + Problem("1"), randoms);
  Expected e;
  e.Erase(0, 0, 1760, 1300)
      .Text(40, 30, 3, "練習　次の計算をしなさい。")
      .Text(40, 110, 3, "①")
      .Text(112, 110, 0, "-3a^2*5b/(-6ab)")
      .Key()
      .Text(80, 230, 0, "=ﾀ3a^2*5b/6abﾀ")
      .Key()
      .Text(80, 350, 0, "=ﾀ3*a*a*5*b/6*a*bﾀ")
      .Key()
      .Text(80, 470, 5, "=ﾀ5a/2ﾀ")
      .Line("next-step")
      // 1: stage ② at once, erasing only from x 640.
      .Erase(640, 0, 1760, 1300)
      .Text(640, 110, 3, "②")
      .Text(712, 110, 0, "-15x^2y/(-3x)/2y^2")
      .Key()
      .Text(680, 230, 0, "=ﾀ15x^2y/3x*2y^2ﾀ")
      .Key()
      .Text(680, 350, 0, "=ﾀ15*x*x*y/3*x*2*y*yﾀ")
      .Key()
      .Text(680, 470, 5, "=ﾀ5x/2yﾀ")
      .Line("next-step")
      .Erase(640, 0, 1760, 1300)
      .Text(640, 110, 3, "②")
      .Text(712, 110, 0, "14xy^2/(-2x)/3y")
      .Key()
      .Text(680, 230, 0, "=-ﾀ14xy^2/2x*3yﾀ")
      .Key()
      .Text(680, 350, 0, "=-ﾀ14*x*y*y/2*x*3*yﾀ")
      .Key()
      .Text(680, 470, 5, "=-ﾀ7y/3ﾀ")
      .Line("next-step")
      .Text(352, 570, 7, "教科書P22 問5　をしなさい。");
  EXPECT_EQ(run.Section(), e.steps());
  // Every sign is drawn afresh: the practices' sign memory is not touched.
  EXPECT_EQ(run.session.program.practice.LastSign, 0);
}

TEST(MixedPractice, DivisorPairsAndPlusSigns) {
  // s = +1 and a divisor pair (0, 0) made (1, 0): the lines carry "-", the divisor a alone;
  // k = 5 and q = 5 make 25. Then i = m = 1, j = n = 1: p over q bare.
  const VarnickRun run("6\n3\n" + Problem("0") + Problem("1") + Problem("1"),
                       RandomsFor({{3, 3, 5, 1, 2, 2, 0, 0}, {1, 1, 2, 2, 1, 1, 1, 1}}, true));
  const auto texts = TextsOf(run.Section());
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.begin() + 6),
            (std::vector<std::string>{"5a^2*7b^2/(-25a)", "=-ﾀ5a^2*7b^2/25aﾀ",
                                      "=-ﾀ5*a*a*7*b*b/25*aﾀ", "=-ﾀ7ab^2/5ﾀ"}));
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 8, texts.begin() + 12),
            (std::vector<std::string>{"-2a*3b/(-4ab)", "=ﾀ2a*3b/4abﾀ", "=ﾀ2*a*3*b/4*a*bﾀ",
                                      "=ﾀ3/2ﾀ"}));
}

// Stage ①'s problem line read back: s, k, i, p, j, k·q, m, n.
struct ReadStage1 {
  bool negative;
  int k, i, p, j, kq, m, n;
};

bool Read(const std::string& line, ReadStage1& r) {
  static const std::regex form(R"(^(-?)(\d)a(\^2)?\*(\d)b(\^2)?/\(-(\d+)(a)?(b)?\)$)");
  std::smatch m;
  if (!std::regex_match(line, m, form)) return false;
  r = {m[1].length() > 0, std::stoi(m[2]), m[3].matched ? 2 : 1, std::stoi(m[4]),
       m[5].matched ? 2 : 1, std::stoi(m[6]), m[7].matched ? 1 : 0, m[8].matched ? 1 : 0};
  return true;
}

// Stage ②'s: s, k·p, i, j, k, m, q, n.
struct ReadStage2 {
  bool negative;
  int kp, i, j, k, m, q, n;
};

bool Read(const std::string& line, ReadStage2& r) {
  static const std::regex form(R"(^(-?)(\d+)x(\^2)?y(\^2)?/\(-(\d)x(\^2)?\)/(\d)y(\^2)?$)");
  std::smatch m;
  if (!std::regex_match(line, m, form)) return false;
  r = {m[1].length() > 0,      std::stoi(m[2]), m[3].matched ? 2 : 1, m[4].matched ? 2 : 1,
       std::stoi(m[5]),        m[6].matched ? 2 : 1, std::stoi(m[7]),  m[8].matched ? 2 : 1};
  return true;
}

std::string Power(const std::string& letter, int exponent) {
  return exponent <= 0 ? "" : exponent == 1 ? letter : letter + "^2";
}

TEST(MixedPractice, AHundredProblemsInEachStageAgreeWithTheirLines) {
  const std::set<int> small_primes{2, 3, 5}, primes{2, 3, 5, 7};
  for (const char* time : {"10:20:30", "23:59:59"}) {
    std::string keys = "6\n3\n";
    for (int k = 0; k < 99; ++k) keys += Problem("0");
    keys += Problem("1");
    for (int k = 0; k < 99; ++k) keys += Problem("0");
    keys += Problem("1");
    platform::HeadlessOptions options = WithKeys(keys);
    options.time = time;
    lesson::HeadlessSession session(varnick::kVarnick, options);
    session.program.practice.LastSign = 1;
    session.Start();
    const auto steps = AfterSubMenu(Steps(session.trace()), 1);
    int stage1 = 0, stage2 = 0;
    for (size_t k = 0; k + 4 < steps.size(); ++k) {
      if (steps[k] != "text 40 110 3 ①" && steps[k] != "text 640 110 3 ②") continue;
      const auto texts = TextsOf({steps.begin() + static_cast<long>(k), steps.end()});
      std::string expected_result;
      if (steps[k] == "text 40 110 3 ①") {
        ++stage1;
        ReadStage1 r{};
        ASSERT_TRUE(Read(texts[1], r)) << texts[1];
        const int q = r.kq / r.k;
        ASSERT_EQ(r.kq % r.k, 0) << texts[1];
        ASSERT_TRUE(small_primes.contains(q) && primes.contains(r.p) && r.p != q) << texts[1];
        ASSERT_TRUE(r.k >= 2 && r.k <= 5 && r.m + r.n >= 1) << texts[1];
        expected_result = "=" + std::string(r.negative ? "" : "-") + "ﾀ" + std::to_string(r.p) +
                          Power("a", r.i - r.m) + Power("b", r.j - r.n) + "/" +
                          std::to_string(q) + "ﾀ";
      } else {
        ++stage2;
        ReadStage2 r{};
        ASSERT_TRUE(Read(texts[1], r)) << texts[1];
        const int p = r.kp / r.k;
        ASSERT_EQ(r.kp % r.k, 0) << texts[1];
        ASSERT_TRUE(small_primes.contains(r.q) && primes.contains(p) && p != r.q) << texts[1];
        expected_result = "=" + std::string(r.negative ? "" : "-") + "ﾀ" + std::to_string(p) +
                          Power("x", r.i - r.m) + Power("y", r.j - r.n) + "/" +
                          std::to_string(r.q) + Power("x", r.m - r.i) + Power("y", r.n - r.j) +
                          "ﾀ";
      }
      ASSERT_EQ(texts[4], expected_result) << texts[1];
    }
    EXPECT_EQ(stage1, 100) << time;
    EXPECT_EQ(stage2, 100) << time;
    EXPECT_EQ(steps.back(), "text 352 570 7 教科書P22 問5　をしなさい。") << time;
    EXPECT_EQ(session.program.practice.LastSign, 1) << time;
    EXPECT_EQ(Events(session.trace()).back(), (Fields{"end", "keys-exhausted"})) << time;
  }
}

TEST(MixedPractice, ZeroDenominatorsAtBothStagesPromptsAreRefused) {
  const VarnickRun run("6\n3\n" + Problem("3/0\n1") + Problem("/\n0") + Problem("1") +
                       "7\n8\n");
  const auto section = run.Section();
  EXPECT_EQ(std::count(section.begin(), section.end(), "next-step"), 3);
  EXPECT_EQ(std::count(section.begin(), section.end(), "erase 640 0 2400 1300"), 2);
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"}));
}

}  // namespace
