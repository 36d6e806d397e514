// The bracket drills of chapter 3: the worked passes, the result when everything cancels, the
// closing screens, and many generated problems.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>

#include "corvane/add_subtract/add_subtract.h"
#include "tests/corvane/add_subtract/written_terms.h"
#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using add_subtract_testing::CoefficientOf;
using add_subtract_testing::WrittenTerm;

namespace {

// The random fractions that draw `value` as a size from 2 to 9 and then its sign.
void AddCoefficient(std::vector<float>& random, int value) {
  random.push_back(Pick(std::abs(value) - 1, 8));
  random.push_back(Pick(value < 0 ? 2 : 1, 2));
}

std::vector<float> AdditionDraws(const std::array<int, 4>& problem) {
  std::vector<float> random;
  for (int value : problem) AddCoefficient(random, value);
  return random;
}

// A subtraction as posed: the minuend's two coefficients with their signs, then the
// subtrahend's sizes and which of its terms is negative.
std::vector<float> SubtractionDraws(const std::array<int, 4>& posed) {
  std::vector<float> random;
  AddCoefficient(random, posed[0]);
  AddCoefficient(random, posed[1]);
  random.push_back(Pick(std::abs(posed[2]) - 1, 8));
  random.push_back(Pick(std::abs(posed[3]) - 1, 8));
  random.push_back(Pick(posed[2] < 0 ? 2 : 1, 2));
  return random;
}

// The two binomials of a problem line "7a+5b,4a-2b".
std::pair<std::string, std::string> Binomials(const std::string& line) {
  const size_t comma = line.find(',');
  return {line.substr(0, comma), line.substr(comma + 1)};
}

struct AdditionPass {
  std::array<int, 4> values;
  const char *problem, *brackets_removed, *together, *result;
};

std::vector<Row> AdditionRows(const AdditionPass& pass) {
  const auto [first, second] = Binomials(pass.problem);
  return {Text("例5　次の2つの式をたしなさい。", 3, 48, 36),
          Text(pass.problem, 0, 88, 91),
          Key(), Text("(", 3, 88, 156), Continues(first, 0), Continues(")+(", 3),
          Continues(second, 0), Continues(")", 3),
          Key(), Text(pass.brackets_removed, 0, 64, 221),
          Key(), Text(pass.together, 0, 64, 286),
          Key(), Text(pass.result, 5, 64, 351),
          Next()};
}

struct SubtractionPass {
  std::array<int, 4> posed;
  const char *problem, *changed, *brackets_removed, *together, *result;
};

std::vector<Row> SubtractionRows(const SubtractionPass& pass) {
  const auto [first, second] = Binomials(pass.problem);
  return {Text("例6 左の式から右の式をひきなさい。", 3, 48, 27),
          Text(pass.problem, 0, 88, 77),
          Key(), Text("(", 3, 104, 127), Continues(first, 0), Continues(")-(", 3),
          Continues(second, 0), Continues(")", 3),
          // The plus and the subtrahend with its changed signs in colour 3.
          Key(), Text("=(", 0, 64, 177), Continues(first + ")", 0), Continues("+", 3),
          Continues("(", 0), Continues(pass.changed, 3), Continues(")", 0),
          Key(), Text(pass.brackets_removed, 0, 64, 227),
          Key(), Text(pass.together, 0, 64, 277),
          Key(), Text(pass.result, 5, 64, 327),
          Next()};
}

// A run through a drill: the keys typed, the random numbers handed out and the rows expected,
// put together pass by pass.
struct DrillScript {
  std::string keys;
  std::vector<float> random;
  std::vector<Row> rows;

  void Add(const std::string& more_keys, const std::vector<float>& more_random,
           const std::vector<Row>& more_rows) {
    keys += more_keys;
    random.insert(random.end(), more_random.begin(), more_random.end());
    rows.insert(rows.end(), more_rows.begin(), more_rows.end());
  }

  std::unique_ptr<lesson::HeadlessSession> RunAndCompare() const {
    auto session = RunCorvane(keys, random);
    ExpectScreen(SectionRows(*session, kChapter3Line), rows);
    return session;
  }
};

// Checks one generated problem against the texts written from its values.
void ExpectBracketTexts(lesson::Program& p, const std::array<int, 4>& shown) {
  const auto& values = p.work.TermValues;
  const int a = static_cast<int>(values(5)), b = static_cast<int>(values(6));
  EXPECT_EQ(a, static_cast<int>(values(1) + values(3)));
  EXPECT_EQ(b, static_cast<int>(values(2) + values(4)));
  const auto& texts = p.work.TermTexts;
  for (int k = 1; k <= 4; ++k) {
    const float value = k <= 2 ? values(k) : static_cast<float>(shown[static_cast<size_t>(k - 1)]);
    ASSERT_TRUE(std::fabs(value) >= 2 && std::fabs(value) <= 9) << value;
  }
  // The result: the a term leads without "+", the b term leads when there is no a term.
  const std::string result = texts(15) + texts(16);
  const std::string written = WrittenTerm(a, "a", true) + WrittenTerm(b, "b", a == 0);
  EXPECT_EQ(result, written);
}

}  // namespace

TEST(BracketAdditionDrill, WorkedPassesAndTheClosing) {
  const AdditionPass passes[] = {
      {{7, 5, 4, -2}, "7a+5b,4a-2b", "=7a+5b+4a-2b", "=7a+4a+5b-2b", "=11a+3b"},
      {{3, 2, -2, 4}, "3a+2b,-2a+4b", "=3a+2b-2a+4b", "=3a-2a+2b+4b", "=a+6b"},
      {{-3, 4, 3, -3}, "-3a+4b,3a-3b", "=-3a+4b+3a-3b", "=-3a+3a+4b-3b", "=b"},
      {{5, 3, 2, -3}, "5a+3b,2a-3b", "=5a+3b+2a-3b", "=5a+2a+3b-3b", "=7a"},
      // Everything cancels: the result is 0.
      {{5, 3, -5, -3}, "5a+3b,-5a-3b", "=5a+3b-5a-3b", "=5a-5a+3b-3b", "=0"},
      {{-6, -8, 6, 2}, "-6a-8b,6a+2b", "=-6a-8b+6a+2b", "=-6a+6a-8b+2b", "=-6b"},
      {{-4, 2, 3, -3}, "-4a+2b,3a-3b", "=-4a+2b+3a-3b", "=-4a+3a+2b-3b", "=-a-b"},
      {{9, 9, 9, 9}, "9a+9b,9a+9b", "=9a+9b+9a+9b", "=9a+9a+9b+9b", "=18a+18b"},
      {{-9, -9, -9, -9}, "-9a-9b,-9a-9b", "=-9a-9b-9a-9b", "=-9a-9a-9b-9b", "=-18a-18b"},
  };
  DrillScript script;
  script.keys = "3\n2\n";
  const char* go_on[] = {"0", "", "1/2", "11"};
  for (const auto& pass : passes) {
    // Any number but 1 goes on; 2/2 is 1 and ends.
    const size_t k = static_cast<size_t>(&pass - passes);
    const std::string number = k + 1 == std::size(passes) ? "2/2" : go_on[k % 4];
    script.Add("kkkk" + number + "\n", AdditionDraws(pass.values), AdditionRows(pass));
  }
  script.Add("kkkkkk", {}, {
      Text("   <式の加法の計算>", 7, 600, 60),
      Text("①　それぞれの式に（　）をつける。", 0, 600, 120),
      Text("②　+ でつなぐ。", 0, 600, 180),
      Text("③　（　）をはずす。", 0, 600, 240),
      Text("④　同類項をまとめる。", 0, 600, 300),
      Key(), Text("2人の代金の合計は", 7, 40, 400),
      Key(), Text(" (5a+3b)+(2a+5b)", 0, 40, 450),
      Key(), Text("=5a+3b+2a+5b", 0, 40, 500),
      Key(), Text("=5a+2a+3b+5b", 0, 40, 550),
      Key(), Text("=7a+8b(円)", 5, 40, 600),
      Key(), Continues("教科書P15 問5　をしなさい。", 7, 40),
  });
  const auto session = script.RunAndCompare();
  EXPECT_TRUE(Erased(*session, 0, 0, 1200, 1300));
  EXPECT_TRUE(Erased(*session, 464, 9, 1264, 639));
  EXPECT_TRUE(Erased(*session, 16, 18, 936, 426));
}

TEST(BracketSubtractionDrill, WorkedPassesAndTheClosing) {
  const SubtractionPass passes[] = {
      {{5, -3, -2, 7}, "5a-3b,-2a+7b", "2a-7b", "=5a-3b+2a-7b", "=5a+2a-3b-7b", "=7a-10b"},
      {{-6, 9, -7, 2}, "-6a+9b,-7a+2b", "7a-2b", "=-6a+9b+7a-2b", "=-6a+7a+9b-2b", "=a+7b"},
      {{3, -4, 5, -4}, "3a-4b,5a-4b", "-5a+4b", "=3a-4b-5a+4b", "=3a-5a-4b+4b", "=-2a"},
      {{4, -2, 4, -3}, "4a-2b,4a-3b", "-4a+3b", "=4a-2b-4a+3b", "=4a-4a-2b+3b", "=b"},
      {{-5, -8, -5, 3}, "-5a-8b,-5a+3b", "5a-3b", "=-5a-8b+5a-3b", "=-5a+5a-8b-3b", "=-11b"},
      {{9, -9, -9, 9}, "9a-9b,-9a+9b", "9a-9b", "=9a-9b+9a-9b", "=9a+9a-9b-9b", "=18a-18b"},
      // The two binomials are equal: the difference is 0.
      {{4, -2, 4, -2}, "4a-2b,4a-2b", "-4a+2b", "=4a-2b-4a+2b", "=4a-4a-2b+2b", "=0"},
  };
  DrillScript script;
  script.keys = "3\n4\n";
  for (const auto& pass : passes) {
    const bool last = &pass == &passes[std::size(passes) - 1];
    script.Add(last ? "kkkkk1\n" : "kkkkk\n", SubtractionDraws(pass.posed), SubtractionRows(pass));
  }
  script.Add("kkkkkkk", {}, {
      Text("   <式の減法の計算>", 7, 680, 30),
      Text("①　それぞれの式に（　）をつける。", 0, 680, 80),
      Text("②　- でつなぐ。", 0, 680, 130),
      Text("③　+ にする。", 3, 680, 180),
      Text("　 ( )の中の項は、", 3, 680, 230),
      Text("　 すべて符号を変える", 3, 680, 280),
      Text("④　（　）をはずす。", 0, 680, 330),
      Text("⑤　同類項をまとめる。", 0, 680, 380),
      // Under the last result (64, 327); the difference's result 70 right of the end of its
      // first rewritten line.
      Key(), Text("2人の代金の差は", 7, 64, 397),
      Key(), Text(" (5a+3b)-(2a+5b)", 0, 64, 447),
      Key(), Text("=(5a+3b)+(-2a-5b)", 0, 64, 497),
      Key(), Text("=5a+3b-2a-5b", 0, 64, 547),
      Key(), Text("=5a-2a+3b-5b", 0, 64, 597),
      Key(), Text("=3a-2b(円)", 5, 598, 497),
      Key(), Text("教科書P16 問6　をしなさい。", 7, 598, 557),
  });
  const auto session = script.RunAndCompare();
  EXPECT_TRUE(Erased(*session, 0, 0, 1200, 1300));
  EXPECT_TRUE(Erased(*session, 896, 9, 1696, 639));
  EXPECT_TRUE(Erased(*session, 16, 18, 936, 491));
}

TEST(BracketDrillProblems, EveryGeneratedProblemIsWorkedOutRight) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  int negative_firsts = 0;
  for (int seed = 0; seed < 300; ++seed) {
    SCOPED_TRACE(seed);
    session.runtime.PaRandomize(seed);
    session.Call(corvane::GenerateBracketAdditionProblem);
    const auto& v = p.work.TermValues;
    ExpectBracketTexts(p, {static_cast<int>(v(1)), static_cast<int>(v(2)),
                           static_cast<int>(v(3)), static_cast<int>(v(4))});
    EXPECT_EQ(v(13), v(3));
    negative_firsts += v(1) < 0 ? 1 : 0;

    session.runtime.PaRandomize(seed);
    session.Call(corvane::GenerateBracketSubtractionProblem);
    const auto& posed = p.work.AuxValues;
    ExpectBracketTexts(p, {static_cast<int>(posed(1)), static_cast<int>(posed(2)),
                           static_cast<int>(posed(3)), static_cast<int>(posed(4))});
    // Exactly one subtrahend term is negative; the sums add it with its signs changed.
    EXPECT_NE(posed(3) < 0, posed(4) < 0);
    EXPECT_EQ(v(1), posed(1));
    EXPECT_EQ(v(2), posed(2));
    EXPECT_EQ(v(3), -posed(3));
    EXPECT_EQ(v(4), -posed(4));
    // The texts as the screen writes them.
    const auto& texts = p.work.AuxTexts;
    const auto& t = p.work.TermTexts;
    const auto i = [&](float value) { return static_cast<int>(value); };
    EXPECT_EQ(texts(1) + "a" + texts(2) + "b",
              WrittenTerm(i(posed(1)), "a", true) + WrittenTerm(i(posed(2)), "b", false));
    EXPECT_EQ(texts(3) + "a" + texts(4) + "b",
              WrittenTerm(i(posed(3)), "a", true) + WrittenTerm(i(posed(4)), "b", false));
    EXPECT_EQ(t(13) + "a" + t(4) + "b",
              WrittenTerm(i(v(3)), "a", true) + WrittenTerm(i(v(4)), "b", false));
  }
  EXPECT_GT(negative_firsts, 100);
  EXPECT_LT(negative_firsts, 200);
}

// Through the drills as the pupil sees them: the result drawn is the sum or difference of the
// binomials drawn, pass after pass.
TEST(BracketDrillProblems, ManyPassesOnScreen) {
  const std::regex binomial(R"(^(-?\d*)a([+-]\d*)b$)");
  const auto coefficients = [&](const std::string& text) {
    std::smatch m;
    EXPECT_TRUE(std::regex_match(text, m, binomial)) << text;
    return std::pair{CoefficientOf(m[1]), CoefficientOf(m[2])};
  };
  const struct {
    const char* item;
    int keys;
    const char* problem_at;  // "x y colour" of the problem line
    const char* result_at;
    int sign;  // of the second binomial
  } drills[] = {{"2", 4, "88 91 0", "64 351 5", 1}, {"4", 5, "88 77 0", "64 327 5", -1}};
  for (const auto& drill : drills) {
    std::string keys = std::string("3\n") + drill.item + "\n";
    for (int pass = 0; pass < 150; ++pass) keys += std::string(drill.keys, 'k') + "0\n";
    auto session = RunCorvane(keys);
    const Screen rows = SectionRows(*session, kChapter3Line);
    std::vector<std::string> problems, results;
    const auto collect = [&](const std::string& row, const char* at, auto& into) {
      const std::string prefix = std::string(at) + " ";
      if (row.starts_with(prefix)) into.push_back(row.substr(prefix.size()));
    };
    for (const auto& row : rows) {
      collect(row, drill.problem_at, problems);
      collect(row, drill.result_at, results);
    }
    // The keys run out at the next pass's first key, after its problem.
    ASSERT_EQ(problems.size(), 151u);
    ASSERT_EQ(results.size(), 150u);
    for (size_t k = 0; k < results.size(); ++k) {
      const auto [first, second] = Binomials(problems[k]);
      const auto [a1, b1] = coefficients(first);
      const auto [a2, b2] = coefficients(second);
      const int a = a1 + drill.sign * a2, b = b1 + drill.sign * b2;
      const std::string terms = WrittenTerm(a, "a", true) + WrittenTerm(b, "b", a == 0);
      EXPECT_EQ(results[k], "=" + (terms.empty() ? "0" : terms)) << problems[k];
    }
  }
}
