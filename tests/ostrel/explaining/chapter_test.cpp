// Chapter 2's entry, goal screen and sub-menu.
#include <gtest/gtest.h>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/explaining/explaining_script.h"
#include "tests/test_support.h"

using namespace explaining_testing;
using namespace ostrel_testing;
using namespace testing_support;
using lesson::HeadlessSession;

namespace {

const char* const kItemLine =
    "①P23　②３数和説明　③５数和　④例題1　⑤問２　⑥話しあおう　⑦P26　⑧例題２　⑨説明しよう　⑩終了";
const Fields kItemLineText{"text", "DrawWideText", "16", "666", "0", kItemLine};

int Count(const platform::Trace& trace, const Fields& wanted) {
  int n = 0;
  for (const auto& e : Events(trace)) n += e == wanted;
  return n;
}

}  // namespace

TEST(ExplainingChapter, OpensWithItsGoalAndTheItemLine) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("2\n"));
  session.Start();
  ExpectScript(AfterField(ScriptOf(session.trace()), 1),
               {{"erase", "0", "0", "1760", "1800"},  // the main menu's
                {"erase", "0", "0", "1760", "1800"},  // the goal screen's own
                Text(44, 240, 3, "<めあて>"),
                Text(44, 305, 0, "文字式を利用して、いろいろなことがらを説明しよう。"),
                kField});
  EXPECT_EQ(Count(session.trace(), kItemLineText), 1);
}

// Where a number typed at the sub-menu leads: the first text each place draws.
TEST(ExplainingChapter, SubMenuDispatch) {
  const struct {
    const char* keys;
    Fields first;
  } cases[] = {
      {"1\n", Text(40, 30, 3, "Q 連続する3つの整数の和の性質を予想しよう。")},
      {"2\n", Text(40, 30, 0, "Q1　連続する3つの整数の和は3の倍数になることを、")},
      {"2.4\n", Text(40, 30, 0, "Q1　連続する3つの整数の和は3の倍数になることを、")},
      {"3\n", Text(40, 30, 3, "Q4 連続する5つの整数の和の性質を予想しよう。")},
      {"4\n", Text(44, 30, 0, "例題1　偶数と奇数の和は奇数になる。")},
      {"5\n", Text(44, 30, 0, "問2　奇数と奇数の和は偶数になる。")},
      {"6\n", Text(44, 30, 7, "次の説明が不十分な理由は？")},
      {"7\n", Text(40, 30, 3, "P26 2けたの正の整数とその数の十の位と一の位の数を")},
      {"8\n", Text(40, 30, 3, "例題2 2けたの正の整数とその数の十の位と一の位の数を")},
      {"9\n", Text(76, 30, 3, "差 ")},
      {"10\n", Text(264, 30, 15, "＜Ｏｓｔｒｅｌ　メニュー＞")},
      {"30/3\n", Text(264, 30, 15, "＜Ｏｓｔｒｅｌ　メニュー＞")},
  };
  for (const auto& c : cases) {
    HeadlessSession session(ostrel::kOstrel, WithKeys(std::string("2\n") + c.keys));
    session.Start();
    Script script = AfterField(ScriptOf(session.trace()), 2);
    while (!script.empty() && script.front()[0] != "text") script.erase(script.begin());
    ASSERT_FALSE(script.empty()) << c.keys;
    EXPECT_EQ(script.front(), c.first) << c.keys;
  }
}

TEST(ExplainingChapter, ANumberOutOfRangeRedrawsOnlyTheItemLine) {
  for (const char* keys : {"0\n", "11\n", "1/2\n", "\n", "-3\n", "10.6\n"}) {
    HeadlessSession session(ostrel::kOstrel, WithKeys(std::string("2\n") + keys));
    session.Start();
    EXPECT_EQ(AfterField(ScriptOf(session.trace()), 2), (Script{kField})) << keys;
    EXPECT_EQ(Count(session.trace(), kItemLineText), 2) << keys;
  }
}

// Each section ends on the item line with its last screen standing, and the chapter goes on
// from there.
TEST(ExplainingChapter, ASectionReturnsToTheItemLine) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("2\n5\n        10\n8\n"));
  EXPECT_EQ(session.Start(), platform::ExitReason::kProgramEnded);
  EXPECT_EQ(Count(session.trace(), kItemLineText), 2);
}
