// Chapter 1's two practice sheets: the sheets their random draws give, the answers revealed
// one per key, the loop that ends on 1, and the ranges of the draws over many runs.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace testing_support;
using namespace ostrel_testing;
using lesson::HeadlessSession;

namespace {

const Fields kWait{"wait"};
const Fields kField{"field"};
const Fields kEraseScreen{"erase", "0", "0", "1760", "1800"};

std::string X(float x) { return platform::ShortNumber(x); }

// Where a line of pieces drawn from x ends.
float EndOfLine(float x, std::initializer_list<std::string> pieces) {
  for (const std::string& piece : pieces) x = EndOfText(piece, x);
  return x;
}

Fields Text(const std::string& x, const std::string& y, const std::string& colour,
            const std::string& text) {
  return {"text", x, y, colour, text};
}

// Chapter 1, the drill of sub-menu `choice` with these keys and random numbers.
HeadlessSession RunDrillSession(const char* choice, const std::string& keys,
                                std::vector<float> random = {}, const char* time = "10:20:30") {
  platform::HeadlessOptions options = WithKeys(std::string("1\n") + choice + "\n" + keys);
  options.random = std::move(random);
  options.time = time;
  return HeadlessSession(ostrel::kOstrel, options);
}

// The texts of each sheet of a run, a sheet starting at each erase of the whole screen.
std::vector<std::vector<std::string>> SheetTexts(const Script& script) {
  std::vector<std::vector<std::string>> sheets;
  for (const Fields& step : script) {
    if (step == kEraseScreen) {
      sheets.emplace_back();
    } else if (step[0] == "text" && !sheets.empty()) {
      sheets.back().push_back(step[4]);
    }
  }
  return sheets;
}

// ---- Number forms ----

constexpr int kFormsAnswers = 8;

// The sheet with letter k, base 7 and digit letters a and b, its answers and the prompt.
Script FormsSheetWithK() {
  const float anchor1 = EndOfText("① 7の倍数…", 67);
  const float anchor2 = EndOfText("② 偶数…", 600);
  const float anchor3 = EndOfText("③ 奇数…", 67);
  const float anchor4 = EndOfLine(67, {"④ ", "k", "が一番小さい連続する3つの整数…"});
  const float anchor5 = EndOfLine(67, {"⑤ ", "k", "がまん中の連続する3つの整数…"});
  const float anchor6 = EndOfText("⑥ 連続する2つの偶数…", 67);
  const float anchor7 = EndOfText("⑦ 連続する2つの奇数…", 67);
  const float anchor8 = EndOfText(" 2けたの自然数…", 67);
  return {
      kEraseScreen,
      Text("40", "30", "0", "1 "),
      Text("+", "30", "3", "k"),
      Text("+", "30", "0", "を整数とするとき、次の数を"),
      Text("+", "30", "3", "k"),
      Text("+", "30", "0", "を用いた式で表しなさい。"),
      Text("67", "90", "0", "① 7の倍数…"),
      Text("600", "90", "0", "② 偶数…"),
      Text("67", "150", "0", "③ 奇数…"),
      Text("67", "210", "0", "④ "),
      Text("+", "210", "3", "k"),
      Text("+", "210", "0", "が一番小さい連続する3つの整数…"),
      Text("67", "270", "0", "⑤ "),
      Text("+", "270", "3", "k"),
      Text("+", "270", "0", "がまん中の連続する3つの整数…"),
      Text("67", "330", "0", "⑥ 連続する2つの偶数…"),
      Text("67", "390", "0", "⑦ 連続する2つの奇数…"),
      Text("40", "470", "0", "2 十の位の数を"),
      Text("+", "470", "3", "a"),
      Text("+", "470", "0", "、一の位の数を"),
      Text("+", "470", "3", "b"),
      Text("+", "470", "0", "とするとき、"),
      Text("67", "520", "0", " 2けたの自然数…"),
      kWait,
      Text(X(anchor1), "90", "5", "7k"),
      kWait,
      Text(X(anchor2), "90", "5", "2k"),
      kWait,
      Text(X(anchor3), "150", "5", "2k+1"),
      Text(X(EndOfText("2k+1", anchor3) + 30), "150", "3", "(2k-1)"),
      kWait,
      Text(X(anchor4), "210", "5", "k,k+1,k+2"),
      kWait,
      Text(X(anchor5), "270", "5", "k-1,k,k+1"),
      kWait,
      Text(X(anchor6), "330", "5", "2kと2k+2"),
      Text(X(EndOfText("2kと2k+2", anchor6) + 30), "330", "3", "(2k-2と2k)"),
      kWait,
      Text(X(anchor7), "390", "5", "2k+1と2k+3"),
      Text(X(EndOfText("2k+1と2k+3", anchor7) + 30), "390", "3", "(2k-1と2k+1)"),
      kWait,
      Text(X(anchor8), "520", "5", "10a+b"),
      kField,
  };
}

// ---- Multiple check ----

constexpr int kCheckAnswers = 10;

// The sheet with letters a and k, d = 7, o1 = 3 and o2 = 5.
Script CheckSheetWithAK() {
  Script s = {kEraseScreen, Text("40", "30", "0", "  "), Text("+", "30", "3", "a,k")};
  float x = EndOfLine(40, {"  ", "a,k"}) + 8;
  s.push_back(Text(X(x), "30", "0", "を整数とするとき、次の数は"));
  x = EndOfText("を整数とするとき、次の数は", x) + 8;
  s.push_back(Text(X(x), "30", "3", "7"));
  x = EndOfText("7", x) + 8;
  s.push_back(Text(X(x), "30", "0", "の倍数ですか。"));
  const struct {
    const char* prefix;
    const char* expression;
    const char* colour;
    float x;
    const char* y;
    const char* answer;
  } items[] = {
      {"① ", "7(a+3)", "3", 67, "110", "倍数"},
      {"② ", "7(a-5)", "7", 67, "190", "倍数"},
      {"③ ", "7(a+k)", "3", 67, "270", "倍数"},
      {"④ ", "7(a-k)", "7", 67, "350", "倍数"},
      {"⑤ ", "7(a+k+5)", "3", 67, "430", "倍数"},
      {"⑥ ", "7(a-k-3)", "7", 67, "510", "倍数"},
      {"⑦ ", "7ak", "7", 627, "110", "倍数"},
      {"⑧ ", "7(ak-5)", "3", 627, "190", "倍数"},
      {"⑨ ", "7*ﾀa/kﾀ", "7", 627, "280", "倍数ではない"},
      {"⑩ ", "7(ﾀa/kﾀ+3)", "3", 627, "370", "倍数ではない"},
  };
  for (const auto& item : items) {
    s.push_back(Text(X(item.x), item.y, "0", item.prefix));
    s.push_back(Text("+", item.y, item.colour, item.expression));
    s.push_back(Text("+", item.y, "0", "…"));
  }
  for (const auto& item : items) {
    s.push_back(kWait);
    s.push_back(Text(X(EndOfLine(item.x, {item.prefix, item.expression, "…"})), item.y, "5",
                     item.answer));
  }
  s.push_back(kField);
  return s;
}

}  // namespace

TEST(NumberFormsDrill, DrawsTheSheetThenOneAnswerPerKey) {
  // Letter 3 (k), base 7, digit draw 1 (a and b).
  HeadlessSession session =
      RunDrillSession("7", Presses(kFormsAnswers) + "1\n", {0.4f, 0.5f, 0.1f});
  session.Start();
  Script expected = FormsSheetWithK();
  // 1 ends the drill: the sheet stays while the sub-menu asks again.
  expected.push_back(kField);
  ExpectScript(AfterField(ScriptOf(session.trace()), 2), expected);
}

TEST(NumberFormsDrill, LetterBaseAndDigitLettersFollowTheDraws) {
  const struct {
    std::vector<float> random;
    const char* letter;
    const char* item1;
    const char* answer1;
    const char* digits;  // question 2's two letters
    const char* answer8;
  } cases[] = {
      {{0.0f, 0.0f, 0.0f}, "a", "① 3の倍数…", "3a", "ab", "10a+b"},
      {{0.2f, 0.2f, 0.49f}, "b", "① 4の倍数…", "4b", "ab", "10a+b"},
      {{0.4f, 0.5f, 0.5f}, "k", "① 7の倍数…", "7k", "mn", "10m+n"},
      {{0.55f, 0.8f, 0.7f}, "p", "① 10の倍数…", "10p", "mn", "10m+n"},
      {{0.7f, 0.9f, 0.99999994f}, "m", "① 11の倍数…", "11m", "mn", "10m+n"},
      {{0.99999994f, 0.99999994f, 0.2f}, "n", "① 11の倍数…", "11n", "ab", "10a+b"},
  };
  for (const auto& c : cases) {
    HeadlessSession session = RunDrillSession("7", Presses(kFormsAnswers) + "1\n", c.random);
    session.Start();
    const auto sheets = SheetTexts(AfterField(ScriptOf(session.trace()), 2));
    ASSERT_EQ(sheets.size(), 1u) << c.letter;
    const auto& t = sheets[0];
    ASSERT_EQ(t.size(), 22u + 11u) << c.letter;
    EXPECT_EQ(t[1], c.letter);
    EXPECT_EQ(t[3], c.letter);
    EXPECT_EQ(t[9], c.letter);
    EXPECT_EQ(t[12], c.letter);
    EXPECT_EQ(t[5], c.item1);
    EXPECT_EQ(t[17] + t[19], c.digits);
    EXPECT_EQ(t[22], c.answer1);
    EXPECT_EQ(t[32], c.answer8);
  }
}

TEST(NumberFormsDrill, OnlyExactlyOneEndsIt) {
  const struct {
    const char* entry;
    int sheets;
  } cases[] = {{"1\n", 1}, {"2/2\n", 1}, {"1.0\n", 1}, {"0\n", 2}, {"\n", 2}, {"2\n", 2},
               {"-1\n", 2}, {"11\n", 2}, {"1/0\n1\n", 1}};
  for (const auto& c : cases) {
    // A second sheet, when there is one, is ended by 1.
    const std::string second = c.sheets == 2 ? Presses(kFormsAnswers) + "1\n" : "";
    HeadlessSession session = RunDrillSession("7", Presses(kFormsAnswers) + c.entry + second);
    session.Start();
    const Script script = AfterField(ScriptOf(session.trace()), 2);
    EXPECT_EQ(SheetTexts(script).size(), static_cast<size_t>(c.sheets)) << c.entry;
    // A new sheet comes at once after the prompt: no key wait between them.
    for (size_t k = 1; k < script.size(); ++k) {
      if (script[k] == kEraseScreen) {
        EXPECT_EQ(script[k - 1], kField) << c.entry;
      }
    }
    // The last sheet stays when the sub-menu asks again.
    ASSERT_GE(script.size(), 2u);
    EXPECT_EQ(script[script.size() - 2], kField);
    EXPECT_EQ(script.back(), kField);
  }
}

TEST(NumberFormsDrill, DrawsEveryLetterBaseAndDigitPairOverManyRuns) {
  std::set<std::string> letters, bases, digits;
  for (const char* time : {"10:20:30", "08:15:59", "13:01:07"}) {
    std::string keys;
    for (int k = 0; k < 120; ++k) keys += Presses(kFormsAnswers) + "2\n";
    HeadlessSession session = RunDrillSession("7", keys, {}, time);
    session.Start();
    for (const auto& t : SheetTexts(AfterField(ScriptOf(session.trace()), 2))) {
      if (t.size() < 22) continue;
      letters.insert(t[1]);
      bases.insert(t[5]);
      digits.insert(t[17] + t[19]);
    }
  }
  EXPECT_EQ(letters, (std::set<std::string>{"a", "b", "k", "p", "m", "n"}));
  std::set<std::string> all_bases;
  for (int b = 3; b <= 11; ++b) all_bases.insert("① " + std::to_string(b) + "の倍数…");
  EXPECT_EQ(bases, all_bases);
  EXPECT_EQ(digits, (std::set<std::string>{"ab", "mn"}));
}

TEST(MultipleCheckDrill, DrawsTheSheetThenOneAnswerPerKey) {
  // Pair 2 (a, k), d = 7, o1 = 3, o2 = 5.
  HeadlessSession session =
      RunDrillSession("8", Presses(kCheckAnswers) + "1\n", {0.2f, 0.5f, 0.4f, 0.7f});
  session.Start();
  Script expected = CheckSheetWithAK();
  expected.push_back(kField);
  ExpectScript(AfterField(ScriptOf(session.trace()), 2), expected);
}

TEST(MultipleCheckDrill, LettersDivisorAndOffsetsFollowTheDraws) {
  const struct {
    std::vector<float> random;
    const char* letters;
    const char* d;
    const char* item1;
    const char* item2;
    const char* item5;
    const char* item7;
    const char* item8;
    const char* item10;
  } cases[] = {
      {{0.0f, 0.0f, 0.0f, 0.0f}, "i,m", "3", "3(i+1)", "3(i-1)", "3(i+m+1)", "3im", "3(im-1)",
       "3(ﾀi/mﾀ+1)"},
      {{0.4f, 0.0f, 0.99999994f, 0.6f}, "k,n", "3", "3(k+2)", "3(k-2)", "3(k+n+2)", "3kn",
       "3(kn-2)", "3(ﾀk/nﾀ+2)"},
      // A fraction just below 1 gives the largest offset, d - 1, also where d - 1 + 1 would
      // round up to d in single precision (d = 3, 5, 9).
      {{0.2f, 0.25f, 0.99999994f, 0.99999994f}, "a,k", "5", "5(a+4)", "5(a-4)", "5(a+k+4)",
       "5ak", "5(ak-4)", "5(ﾀa/kﾀ+4)"},
      {{0.9f, 0.7f, 0.99999994f, 0.0f}, "n,p", "9", "9(n+8)", "9(n-1)", "9(n+p+1)", "9np",
       "9(np-1)", "9(ﾀn/pﾀ+8)"},
      {{0.5f, 0.3f, 0.5f, 0.1f}, "b,m", "5", "5(b+3)", "5(b-1)", "5(b+m+1)", "5bm", "5(bm-1)",
       "5(ﾀb/mﾀ+3)"},
      {{0.7f, 0.9f, 0.0f, 0.99999994f}, "m,n", "11", "11(m+1)", "11(m-10)", "11(m+n+10)",
       "11mn", "11(mn-10)", "11(ﾀm/nﾀ+1)"},
      {{0.99999994f, 0.99999994f, 0.99999994f, 0.99999994f}, "n,p", "11", "11(n+10)",
       "11(n-10)", "11(n+p+10)", "11np", "11(np-10)", "11(ﾀn/pﾀ+10)"},
  };
  for (const auto& c : cases) {
    HeadlessSession session = RunDrillSession("8", Presses(kCheckAnswers) + "1\n", c.random);
    session.Start();
    const auto sheets = SheetTexts(AfterField(ScriptOf(session.trace()), 2));
    ASSERT_EQ(sheets.size(), 1u) << c.letters;
    const auto& t = sheets[0];
    ASSERT_EQ(t.size(), 5u + 30u + 10u) << c.letters;
    EXPECT_EQ(t[1], c.letters);
    EXPECT_EQ(t[3], c.d);
    const auto expression = [&t](int k) { return t[static_cast<size_t>(3 * k + 3)]; };
    EXPECT_EQ(expression(1), c.item1);
    EXPECT_EQ(expression(2), c.item2);
    EXPECT_EQ(expression(5), c.item5);
    EXPECT_EQ(expression(7), c.item7);
    EXPECT_EQ(expression(8), c.item8);
    EXPECT_EQ(expression(10), c.item10);
    // The answers do not depend on the draws.
    for (int k = 1; k <= 10; ++k) {
      EXPECT_EQ(t[static_cast<size_t>(34 + k)], k <= 8 ? "倍数" : "倍数ではない");
    }
  }
}

TEST(MultipleCheckDrill, OnlyExactlyOneEndsIt) {
  for (const auto& [entry, sheets] :
       {std::pair{"1\n", 1}, std::pair{"4/4\n", 1}, std::pair{"0\n", 2}, std::pair{"\n", 2},
        std::pair{"-3\n", 2}, std::pair{"0.5\n", 2}}) {
    const std::string second = sheets == 2 ? Presses(kCheckAnswers) + "1\n" : "";
    HeadlessSession session = RunDrillSession("8", Presses(kCheckAnswers) + entry + second);
    session.Start();
    const Script script = AfterField(ScriptOf(session.trace()), 2);
    EXPECT_EQ(SheetTexts(script).size(), static_cast<size_t>(sheets)) << entry;
    ASSERT_GE(script.size(), 2u);
    EXPECT_EQ(script[script.size() - 2], kField);
    EXPECT_EQ(script.back(), kField);
  }
}

TEST(MultipleCheckDrill, DrawsWithinTheirRangesOverManyRuns) {
  std::set<std::string> pairs;
  std::set<int> divisors;
  std::map<int, std::set<int>> offsets;  // by divisor, both offsets
  bool offsets_equal_once = false;
  for (const char* time : {"10:20:30", "08:15:59", "13:01:07"}) {
    std::string keys;
    for (int k = 0; k < 120; ++k) keys += Presses(kCheckAnswers) + "2\n";
    HeadlessSession session = RunDrillSession("8", keys, {}, time);
    session.Start();
    for (const auto& t : SheetTexts(AfterField(ScriptOf(session.trace()), 2))) {
      if (t.size() < 45) continue;
      pairs.insert(t[1]);
      const int d = std::stoi(t[3]);
      divisors.insert(d);
      // Items 1 and 2: d "(" l1 "+" o1 ")" and d "(" l1 "-" o2 ")".
      const std::string prefix = t[3] + "(" + t[1].substr(0, 1);
      const std::string& item1 = t[6];
      const std::string& item2 = t[9];
      ASSERT_EQ(item1.rfind(prefix + "+", 0), 0u) << item1;
      ASSERT_EQ(item2.rfind(prefix + "-", 0), 0u) << item2;
      const int o1 = std::stoi(item1.substr(prefix.size() + 1));
      const int o2 = std::stoi(item2.substr(prefix.size() + 1));
      EXPECT_GE(o1, 1);
      EXPECT_LE(o1, d - 1);
      EXPECT_GE(o2, 1);
      EXPECT_LE(o2, d - 1);
      offsets[d].insert(o1);
      offsets[d].insert(o2);
      offsets_equal_once |= o1 == o2;
    }
  }
  EXPECT_EQ(pairs, (std::set<std::string>{"i,m", "a,k", "k,n", "b,m", "m,n", "n,p"}));
  EXPECT_EQ(divisors, (std::set<int>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
  // Every offset from 1 to d - 1 comes up.
  for (const auto& [d, seen] : offsets) EXPECT_EQ(static_cast<int>(seen.size()), d - 1) << d;
  EXPECT_TRUE(offsets_equal_once);
}
