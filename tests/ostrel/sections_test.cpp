// Chapter 1's worked sections, step by step: what each draws where and in which colour,
// where it waits for a key, and that it ends on the sub-menu with its last screen standing.
#include <gtest/gtest.h>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace testing_support;
using namespace ostrel_testing;
using lesson::HeadlessSession;

namespace {

// Chapter 1, the section of sub-menu `choice`, `presses` key presses; the script from the
// section's start until the sub-menu reads its next number.
Script RunSection(const char* choice, int presses) {
  HeadlessSession session(ostrel::kOstrel,
                          WithKeys(std::string("1\n") + choice + "\n" + Presses(presses)));
  session.Start();
  return AfterField(ScriptOf(session.trace()), 2);
}

Fields Text(const char* x, const char* y, const char* colour, const char* text) {
  return {"text", x, y, colour, text};
}
const Fields kWait{"wait"};
const Fields kField{"field"};

Script Multiples() {
  Script s = {
      {"erase", "0", "0", "1320", "1300"},
      Text("44", "30", "0", "問1　nを整数とするとき、3の倍数をnを使って表しなさい。"),
      kWait,
      Text("44", "80", "3", "n=｛            1,2,3,…｝"),
      kWait,
      {"erase", "44", "76", "1364", "131"},
      Text("44", "80", "3", "n=｛…-3,-2,-1,0,1,2,3,…｝"),
      kWait,
      Text("44", "130", "5", "３の倍数=｛            3,6,9,…｝"),
      kWait,
      {"erase", "44", "126", "1364", "181"},
      Text("44", "130", "5", "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝"),
      kWait,
  };
  // The table under the multiples: the multiples, then "=3*", then the factors row by row.
  const char* const multiples[] = {" …", "-9", "-6", "-3", " 0", " 3", " 6", " 9", " …"};
  const char* const factors[] = {"(-3)", "(-2)", "(-1)", " 0", " 1", " 2", " 3"};
  for (int r = 1; r <= 9; ++r) {
    s.push_back(Text("44", std::to_string(130 + 50 * r).c_str(), "5", multiples[r - 1]));
  }
  s.push_back(kWait);
  for (int r = 2; r <= 8; ++r) s.push_back(Text("132", std::to_string(130 + 50 * r).c_str(), "0", "=3*"));
  s.push_back(kWait);
  for (int r = 2; r <= 8; ++r) {
    s.push_back(Text("220", std::to_string(130 + 50 * r).c_str(), "3", factors[r - 2]));
    s.push_back(kWait);
  }
  const Script rest = {
      Text("528", "250", "0", "３の倍数は、"),
      kWait,
      Text("+", "250", "5", "3*整数　"),
      Text("528", "300", "0", "の形をしているから、"),
      kWait,
      Text("528", "400", "0", "３の倍数は、"),
      Text("+", "400", "5", "3n　"),
      Text("528", "450", "0", "と表すことができる。"),
      kField,
  };
  s.insert(s.end(), rest.begin(), rest.end());
  return s;
}

const Script kEvenNumbers = {
    {"erase", "0", "0", "1320", "1300"},
    Text("44", "30", "0", "問2　偶数をnを使って表しなさい。"),
    kWait,
    Text("44", "120", "5", "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
    kWait,
    Text("44", "210", "0", "偶数は、"),
    kWait,
    Text("+", "210", "5", "2*整数　"),
    Text("+", "210", "0", "の形をしているから、"),
    kWait,
    Text("44", "300", "0", "偶数は、"),
    Text("+", "300", "5", "2n　"),
    Text("+", "300", "0", "と表すことができる。"),
    kField,
};

const Script kOddNumbers = {
    {"erase", "0", "0", "1760", "1800"},
    Text("44", "30", "0", "問3　奇数をnを使って表しなさい。"),
    kWait,
    Text("44", "90", "3", "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
    kWait,
    Text("44", "150", "5", "奇数=｛…-5,-3,-1,1,3,5,7,…｝"),
    kWait,
    Text("44", "210", "0", "奇数は、"),
    kWait,
    Text("+", "210", "5", "偶数＋１　"),
    Text("+", "210", "0", "の形をしているから、"),
    kWait,
    Text("44", "270", "0", "奇数は、"),
    Text("+", "270", "5", "2n+1　"),
    Text("+", "270", "0", "と表すことができる。"),
    kWait,
    Text("44", "330", "3", "偶数=｛…-6,-4,-2,0,2,4,6,…｝"),
    kWait,
    Text("44", "390", "5", "奇数=｛…-7,-5,-3,-1,1,3,5,…｝"),
    kWait,
    Text("44", "450", "0", "奇数は、"),
    Text("+", "450", "5", "2n-1　"),
    Text("+", "450", "0", "と表すこともできる。"),
    kWait,
    Text("44", "510", "0", "他にも、"),
    Text("+", "510", "5", "２n+3,2n-3,2n+5,…"),
    Text("+", "510", "0", "と表すこともできる。"),
    kField,
};

const Script kNaturalNumbers = {
    {"erase", "0", "0", "1760", "1800"},
    Text("44", "30", "0", "問5　37や256などの自然数を文字を使って表しなさい。"),
    Text("44", "90", "3", "(1) 十の位の数をx、一の位の数をyとするとき、2けたの自然数"),
    kWait,
    Text("132", "150", "0", "十の位は、"),
    kWait,
    Text("+", "150", "5", "10x"),
    kWait,
    Text("+", "150", "0", "、一の位は、"),
    Text("+", "150", "5", "y"),
    Text("+", "150", "0", " だから"),
    kWait,
    Text("176", "210", "5", "10x+y"),
    Text("44", "300", "3", "(2) 百の位の数をa、十の位の数をb、一の位の数をcとするとき、"),
    Text("44", "350", "3", "     3けたの自然数"),
    kWait,
    Text("132", "410", "0", "百の位は、"),
    kWait,
    Text("+", "410", "5", "100a"),
    kWait,
    Text("+", "410", "0", "、十の位は、"),
    kWait,
    Text("+", "410", "5", "10b"),
    kWait,
    Text("+", "410", "0", "、一の位は、"),
    Text("+", "410", "5", "c"),
    Text("+", "410", "0", " だから"),
    kWait,
    Text("176", "470", "5", "100a+10b+c"),
    kField,
};

const Script kSummary = {
    {"erase", "0", "0", "1760", "1800"},
    Text("88", "30", "0", "<倍数・偶数・奇数・自然数の表し方>"),
    kWait,
    Text("22", "90", "3", "(1) nを整数とすると"),
    Text("88", "150", "0", "① ３の倍数…"),
    Text("+", "150", "5", "3n"),
    Text("88", "210", "0", "② 偶数…"),
    Text("+", "210", "5", "2n"),
    Text("88", "270", "0", "③ 奇数…"),
    Text("+", "270", "5", "2n+1,2n-1"),
    Text("22", "330", "3", "(2) m,nを整数とすると"),
    Text("88", "390", "0", "① 連続する偶数…"),
    Text("+", "390", "5", "2nと2n+2 ,2n-2と2n"),
    Text("88", "450", "0", "② ２つの偶数…"),
    Text("+", "450", "5", "2mと2n"),
    Text("88", "510", "0", "③ 連続する奇数…"),
    Text("+", "510", "5", "2n+1と2n+3,2n-1と2n+1"),
    Text("88", "570", "0", "④ ２つの奇数…"),
    Text("+", "570", "5", "2m+1と2n+1"),
    Text("462", "90", "3", "(3) 十の位をx、一の位をyとすると"),
    Text("528", "150", "0", "2けたの自然数…"),
    Text("+", "150", "5", "10x+y"),
    kField,
};

// The three screens of consecutive numbers.
const char* const kQuestion4 = "問4　次の数を 整数 m,n を使って表しなさい。";

const Script kConsecutiveIntegers = {
    {"erase", "0", "0", "1760", "1800"},
    Text("44", "30", "0", kQuestion4),
    kWait,
    Text("44", "90", "3", "(1) 2,3,4のように、3つの続いた整数"),
    kWait,
    Text("132", "150", "0", "①一番小さい整数を"), Text("+", "150", "5", "n"),
    Text("+", "150", "0", "とすると、"),
    kWait,
    Text("176", "210", "0", "中央の整数は"), Text("+", "210", "3", "1大きいから"),
    Text("+", "210", "5", "n+1"),
    kWait,
    Text("176", "270", "0", "一番大きい整数は"), Text("+", "270", "3", "2大きいから"),
    Text("+", "270", "5", "n+2"),
    kWait,
    Text("176", "330", "5", "n,n+1,n+2"),
    kWait,
    Text("132", "390", "0", "②中央の整数を"), Text("+", "390", "5", "n"),
    Text("+", "390", "0", "とすると、"),
    kWait,
    Text("176", "450", "0", "一番小さい整数は"), Text("+", "450", "3", "1小さいから"),
    Text("+", "450", "5", "n-1"),
    kWait,
    Text("176", "510", "0", "一番大きい整数は"), Text("+", "510", "3", "1大きいから"),
    Text("+", "510", "5", "n+1"),
    kWait,
    Text("176", "570", "5", "n-1,n,n+1"),
    kWait,
    kWait,
};

// Screens 2 and 3 share their rows; texts in the order the rows use them.
Script PairScreen(const std::vector<const char*>& t) {
  return {
      {"erase", "0", "0", "1320", "1300"},
      Text("44", "30", "0", kQuestion4),
      kWait,
      Text("44", "90", "3", t[0]),
      kWait,
      Text("132", "150", "0", t[1]), Text("+", "150", "5", t[2]), Text("+", "150", "0", "とすると、"),
      kWait,
      Text("176", "210", "0", t[3]), Text("+", "210", "3", "2大きいから"), Text("+", "210", "5", t[4]),
      kWait,
      Text("132", "270", "0", t[5]), Text("+", "270", "5", t[6]), Text("+", "270", "0", "とすると、"),
      kWait,
      Text("176", "330", "0", t[7]), Text("+", "330", "3", "2小さいから"), Text("+", "330", "5", t[8]),
      kWait,
      Text("132", "390", "0", "③他にも、"), Text("+", "390", "9", t[9]),
      kWait,
      Text("44", "480", "3", t[10]),
      kWait,
      Text("176", "540", "5", t[11]),
  };
}

Script ConsecutiveNumbers() {
  Script s = kConsecutiveIntegers;
  const Script even = PairScreen({"(2) 2と4のように、連続する偶数", "①小さい方の偶数を", "2n",
                                  "大きい方の偶数は", "2n+2", "②大きい方の偶数を", "2n",
                                  "小さい方の偶数は", "2n-2", "2n+2と2n+4,2n-4と2n-2…",
                                  "(3) 2と126のような２つの偶数", "2m と 2n"});
  const Script odd = PairScreen({"(4) 3と5のように、連続する奇数", "①小さい方の奇数を", "2n+1",
                                 "大きい方の奇数は", "2n+3", "②大きい方の奇数を", "2n+1",
                                 "小さい方の奇数は", "2n-1", "2n+3と2n+5,2n-5と2n-3…",
                                 "(5) 3と177のような２つの奇数", "2m+1 と 2n+1"});
  s.insert(s.end(), even.begin(), even.end());
  s.push_back(kWait);
  s.push_back(kWait);
  s.insert(s.end(), odd.begin(), odd.end());
  // The last screen ends without a key wait.
  s.push_back(kField);
  return s;
}

int Waits(const Script& script) {
  return static_cast<int>(std::count(script.begin(), script.end(), kWait));
}

}  // namespace

TEST(NumberFormsSections, DrawTheirStepsAndWaitWhereTheyShould) {
  const struct {
    const char* name;
    const char* choice;
    Script expected;
    int waits;
  } sections[] = {
      {"multiples", "1", Multiples(), 16},
      {"even numbers", "2", kEvenNumbers, 4},
      {"odd numbers", "3", kOddNumbers, 9},
      {"consecutive numbers", "4", ConsecutiveNumbers(), 29},
      {"natural numbers", "5", kNaturalNumbers, 10},
      {"summary", "6", kSummary, 1},
  };
  for (const auto& section : sections) {
    SCOPED_TRACE(section.name);
    EXPECT_EQ(Waits(section.expected), section.waits);
    ExpectScript(RunSection(section.choice, section.waits), section.expected);
  }
}

TEST(NumberFormsSections, RunAgainFromTheStartWhenChosenAgain) {
  for (const auto& [choice, presses] : {std::pair{"1", 16}, std::pair{"4", 29}, std::pair{"5", 10}}) {
    HeadlessSession session(ostrel::kOstrel,
                            WithKeys(std::string("1\n") + choice + "\n" + Presses(presses) +
                                     choice + "\n" + Presses(presses)));
    session.Start();
    const Script all = ScriptOf(session.trace());
    Script first = AfterField(all, 2);
    const Script second = AfterField(all, 3);
    first.resize(first.size() - second.size());
    EXPECT_EQ(first, second) << choice;
  }
}

// A key wait is the only way on: a section fed fewer keys stops at the wait after them.
TEST(NumberFormsSections, NothingIsDrawnBeforeTheKeyOfAStep) {
  const Script script = RunSection("4", 10);
  ASSERT_FALSE(script.empty());
  EXPECT_EQ(script.back(), kWait);
  // Ten presses: screen 1 is complete and its first closing wait is passed; the second
  // closing wait still holds screen 1.
  EXPECT_EQ(Waits(script), 11);
  EXPECT_EQ(script[script.size() - 2], kWait);
  EXPECT_EQ(script[script.size() - 3], Text("176", "570", "5", "n-1,n,n+1"));
}
