// Chapter 3's two random practices of solving for a letter: the problems their draws give,
// the steps revealed one per key, the loop that ends on 1, and over many problems the ranges
// of the draws and answers consistent with the equations.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace testing_support;
using namespace ostrel_testing;

namespace {

const Fields kWait{"wait"};
const Fields kField{"field"};
// Each problem erases the practice area at (40, 30), 600 by 1300.
const Fields kPracticeArea{"erase", "40", "30", "640", "1330"};

Fields Text(const std::string& x, const std::string& y, const std::string& colour,
            const std::string& text) {
  return {"text", x, y, colour, text};
}

constexpr int kLetterSteps = 4;
constexpr int kMarkedLetterSteps = 6;

// The texts of each problem of a run, a problem starting at each erase of the practice area.
std::vector<std::vector<std::string>> ProblemTexts(const Script& script) {
  std::vector<std::vector<std::string>> problems;
  for (const Fields& step : script) {
    if (step == kPracticeArea) {
      problems.emplace_back();
    } else if (step[0] == "text" && !problems.empty()) {
      problems.back().push_back(step[4]);
    }
  }
  return problems;
}

// A problem of 練習１, k = 4, m = 3, letters p and q; then 1 ends the practice.
Script LetterProblem() {
  return {
      {"erase", "0", "0", "1320", "1300"},
      kPracticeArea,
      Text("40", "30", "3", "練習"),
      Text("+", "30", "0", " 次の等式をpについて解きなさい。"),
      Text("152", "90", "3", "4p-q=12"),
      kWait,
      Text("156", "140", "7", "-q を移項して"),
      Text("120", "190", "0", "4p=12+q"),
      kWait,
      Text("156", "250", "7", "両辺を4 でわって"),
      Text("120", "330", "0", "ﾀ4p/4ﾀ=ﾀ12+q/4ﾀ"),
      kWait,
      Text("120", "410", "0", "p=ﾀ12/4ﾀ+ﾀq/4ﾀ"),
      kWait,
      Text("120", "500", "5", "p=3+ﾀq/4ﾀ"),
      kField,
      kField,
  };
}

// A problem of 練習２, d = 3, k = 7, c = 2, letters a and b; then 1 ends the practice.
Script MarkedLetterProblem() {
  return {
      {"erase", "0", "0", "1320", "1300"},
      kPracticeArea,
      Text("40", "30", "3", "練習"),
      Text("+", "30", "0", " 次の等式を【】内の文字について解きなさい。"),
      Text("152", "90", "3", "7b=3(a+2) 【a】"),
      kWait,
      Text("156", "150", "7", "両辺を入れかえる"),
      kWait,
      Text("120", "210", "0", "3(a+2)=7b"),
      kWait,
      Text("156", "270", "7", "3でわって"),
      kWait,
      Text("120", "350", "0", "a+2=ﾀ7b/3ﾀ"),
      kWait,
      Text("156", "410", "7", "2を移項する"),
      kWait,
      Text("120", "480", "5", "a=ﾀ7b/3ﾀ-2"),
      kField,
      Text("352", "570", "3", "教科書P29 問4　をしなさい。"),
      kField,
  };
}

}  // namespace

TEST(SolveForLetterDrill, ShowsTheProblemOneStepPerKey) {
  ExpectScript(SectionScript("3", "3", Presses(kLetterSteps) + "1\n", {0.3f, 0.7f, 0.5f}),
               LetterProblem());
}

TEST(SolveForMarkedLetterDrill, ShowsTheProblemOneStepPerKeyThenTheTextbookQuestion) {
  ExpectScript(
      SectionScript("3", "5", Presses(kMarkedLetterSteps) + "1\n", {0.3f, 0.6f, 0.1f, 0.1f}),
      MarkedLetterProblem());
}

// The extreme draws: the largest random fraction gives the last value of every range (in
// single precision INT(RND * n + m) would round it up past it), the smallest the first.
TEST(SolveForLetterDrills, ExtremeDrawsGiveTheEndsOfTheRanges) {
  const float top = 0.99999994f;
  const struct {
    const char* item;
    int steps;
    std::vector<float> random;
    const char* equation;
    const char* answer;
  } cases[] = {
      {"3", kLetterSteps, {top, top, top}, "9x-y=27", "x=3+ﾀy/9ﾀ"},
      {"3", kLetterSteps, {0, 0, 0}, "2a-b=4", "a=2+ﾀb/2ﾀ"},
      {"5", kMarkedLetterSteps, {top, top, top, top}, "11q=7(p+5) 【p】", "p=ﾀ11q/7ﾀ-5"},
      {"5", kMarkedLetterSteps, {0, 0, 0, 0}, "3b=2(a+2) 【a】", "a=ﾀ3b/2ﾀ-2"},
  };
  for (const auto& c : cases) {
    const auto problems =
        ProblemTexts(SectionScript("3", c.item, Presses(c.steps) + "1\n", c.random));
    ASSERT_EQ(problems.size(), 1u) << c.equation;
    const auto& t = problems[0];
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[2], c.equation);
    EXPECT_EQ(t[t.size() - (c.item == std::string("5") ? 2 : 1)], c.answer);
  }
}

TEST(SolveForLetterDrills, OnlyAValueOfExactlyOneEndsThem) {
  const struct {
    const char* entry;
    int problems;
  } cases[] = {{"1\n", 1}, {"2/2\n", 1}, {"1.0\n", 1}, {"0\n", 2}, {"\n", 2},
               {"-1\n", 2}, {"2\n", 2}, {"3/2\n", 2}};
  for (const auto& [item, steps] : {std::pair{"3", kLetterSteps}, std::pair{"5", kMarkedLetterSteps}}) {
    for (const auto& c : cases) {
      const std::string second = c.problems == 2 ? Presses(steps) + "1\n" : "";
      const Script script = SectionScript("3", item, Presses(steps) + c.entry + second);
      EXPECT_EQ(ProblemTexts(script).size(), static_cast<size_t>(c.problems))
          << item << " " << c.entry;
      // A new problem comes at once after the prompt, erasing only the practice area.
      for (size_t k = 1; k < script.size(); ++k) {
        if (script[k] == kPracticeArea && k > 2) {
          EXPECT_EQ(script[k - 1], kField) << c.entry;
        }
      }
      // The last problem stays while the sub-menu asks again.
      EXPECT_EQ(script.back(), kField);
    }
  }
}

namespace {

// The problems of a few hundred passes of a practice, from several clock seeds.
std::vector<std::vector<std::string>> ManyProblems(const char* item, int steps) {
  std::vector<std::vector<std::string>> all;
  for (const char* time : {"10:20:30", "08:15:59", "13:01:07"}) {
    std::string keys;
    for (int k = 0; k < 100; ++k) keys += Presses(steps) + "0\n";
    platform::HeadlessOptions options = SectionRun("3", item, keys);
    options.time = time;
    lesson::HeadlessSession session(ostrel::kOstrel, options);
    session.Start();
    for (auto& t : ProblemTexts(AfterField(ScriptOf(session.trace()), 2))) {
      // Both practices draw nine texts a problem; the last pass stops where the keys run out.
      if (t.size() == 9) all.push_back(std::move(t));
    }
  }
  return all;
}

}  // namespace

// Every draw within its range, every answer following from its equation.
TEST(SolveForLetterDrill, ProblemsAreInRangeWithConsistentAnswers) {
  const std::regex equation(R"(([2-9])([apx])-([bqy])=(\d+))");
  std::set<std::string> pairs;
  std::set<int> ks, ms;
  const auto problems = ManyProblems("3", kLetterSteps);
  ASSERT_GE(problems.size(), 290u);
  for (const auto& t : problems) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(t[2], match, equation)) << t[2];
    const std::string k = match[1], s = match[2], other = match[3], km = match[4];
    const int product = std::stoi(km);
    ASSERT_EQ(product % std::stoi(k), 0) << t[2];
    const std::string m = std::to_string(product / std::stoi(k));
    ks.insert(std::stoi(k));
    ms.insert(std::stoi(m));
    pairs.insert(s + other);
    EXPECT_EQ(t[1], " 次の等式を" + s + "について解きなさい。");
    EXPECT_EQ(t[3], "-" + other + " を移項して");
    EXPECT_EQ(t[4], k + s + "=" + km + "+" + other);
    EXPECT_EQ(t[5], "両辺を" + k + " でわって");
    EXPECT_EQ(t[6], "ﾀ" + k + s + "/" + k + "ﾀ=ﾀ" + km + "+" + other + "/" + k + "ﾀ");
    EXPECT_EQ(t[7], s + "=ﾀ" + km + "/" + k + "ﾀ+ﾀ" + other + "/" + k + "ﾀ");
    EXPECT_EQ(t[8], s + "=" + m + "+ﾀ" + other + "/" + k + "ﾀ");
  }
  EXPECT_EQ(ks, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(ms, (std::set<int>{2, 3}));
  EXPECT_EQ(pairs, (std::set<std::string>{"ab", "pq", "xy"}));
}

TEST(SolveForMarkedLetterDrill, ProblemsAreInRangeWithConsistentAnswers) {
  const std::regex equation(R"((\d+)([bqy])=(\d)\(([apx])\+(\d)\) 【([apx])】)");
  std::set<std::string> pairs;
  std::set<int> ds, ks, cs;
  int k_is_11 = 0;
  const auto problems = ManyProblems("5", kMarkedLetterSteps);
  ASSERT_GE(problems.size(), 290u);
  for (const auto& t : problems) {
    std::smatch match;
    ASSERT_TRUE(std::regex_match(t[2], match, equation)) << t[2];
    const std::string k = match[1], other = match[2], d = match[3], s = match[4], c = match[5];
    EXPECT_EQ(match[6], s);
    ds.insert(std::stoi(d));
    ks.insert(std::stoi(k));
    cs.insert(std::stoi(c));
    pairs.insert(s + other);
    EXPECT_NE(k, d);
    k_is_11 += k == "11";
    EXPECT_EQ(t[4], d + "(" + s + "+" + c + ")=" + k + other);
    EXPECT_EQ(t[5], d + "でわって");
    EXPECT_EQ(t[6], s + "+" + c + "=ﾀ" + k + other + "/" + d + "ﾀ");
    EXPECT_EQ(t[7], c + "を移項する");
    EXPECT_EQ(t[8], s + "=ﾀ" + k + other + "/" + d + "ﾀ-" + c);
  }
  EXPECT_EQ(ds, (std::set<int>{2, 3, 5, 7}));
  EXPECT_EQ(ks, (std::set<int>{2, 3, 5, 7, 11}));
  EXPECT_EQ(cs, (std::set<int>{2, 3, 4, 5}));
  EXPECT_EQ(pairs, (std::set<std::string>{"ab", "xy", "pq"}));
  // k is 11 in about a quarter of the problems.
  EXPECT_GT(k_is_11 * 5, static_cast<int>(problems.size()));
  EXPECT_LT(k_is_11 * 3, static_cast<int>(problems.size()));
}
