// Ostrel's main menu, its number prompt, and chapter 1's entry, goal screen and sub-menu.
#include <gtest/gtest.h>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace testing_support;
using namespace ostrel_testing;
using lesson::HeadlessSession;

namespace {

const Fields kTitle{"text", "DrawText", "264", "30", "15", "＜Ｏｓｔｒｅｌ　メニュー＞"};
const Fields kPrompt{"text", "DrawWideText", "816", "648", "0", "番号を入力して下さい。"};
const Fields kGoalHeading{"text", "DrawText", "44", "240", "5", "<めあて>"};
const Fields kExplainingGoalHeading{"text", "DrawText", "44", "240", "3", "<めあて>"};
const Fields kTransformingGoal{"text", "DrawText", "44", "305", "0",
                               "等式を変形して、ある文字について解けるようになろう。"};
const char* const kItemLine =
    "①倍数　②偶数　③奇数　④連続する数　⑤自然数　⑥まとめ　⑦練習1　⑧練習2　⑨終了";

int Count(const platform::Trace& trace, const Fields& wanted) {
  int n = 0;
  for (const auto& e : Events(trace)) n += e == wanted;
  return n;
}

}  // namespace

TEST(OstrelMainMenu, DrawsPanelTitleAndItemsAndItsPromptOnce) {
  HeadlessSession session(ostrel::kOstrel);
  EXPECT_EQ(session.Start(), platform::ExitReason::kKeysExhausted);
  const auto events = After(Events(session.trace()), {"op", "PsLINE"});
  ASSERT_GE(events.size(), 15u);
  EXPECT_EQ(events[0], (Fields{"op", "PsLINE", "0", "0", "1760", "1800", "15", "2", "15", "3"}));
  EXPECT_EQ(events[1], (Fields{"op", "PsLINE", "22", "10", "1342", "610", "15", "2", "10", "3"}));
  const auto texts = EventsOf(session.trace(), "text", "DrawText");
  const Fields expected[] = {
      kTitle,
      {"text", "DrawText", "44", "120", "13", "1　数の表し方"},
      {"text", "DrawText", "44", "180", "15", "2　式による説明"},
      {"text", "DrawText", "44", "240", "13", "3　等式の変形"},
      {"text", "DrawText", "44", "300", "15", "4　P29 練習問題"},
      {"text", "DrawText", "44", "360", "13", "5　P30 学びをたしかめよう"},
      {"text", "DrawText", "44", "420", "15", "6　P32 学びを身につけよう"},
      {"text", "DrawText", "44", "480", "13", "7　"},
      {"text", "DrawText", "44", "540", "15", "8　終了"},
  };
  ASSERT_EQ(texts.size(), std::size(expected));
  for (size_t k = 0; k < texts.size(); ++k) EXPECT_EQ(texts[k], expected[k]);
  // The menu draws the prompt itself; its number prompt draws no second one, only the
  // number field's label.
  EXPECT_EQ(Count(session.trace(), kPrompt), 1);
  EXPECT_EQ(Count(session.trace(), {"text", "DrawWideText", "1008", "648", "0", "入力"}), 1);
}

// Where a number typed at the main menu leads.
TEST(OstrelMainMenu, GoesWhereTheNumberSays) {
  // A chapter without a goal screen opens on its item line over the erased screen.
  enum Outcome { kEnds, kMenuAgain, kChapter1, kChapter2, kChapter3, kOpensOnItsItemLine };
  const struct {
    const char* keys;
    Outcome outcome;
  } cases[] = {
      {"8\n", kEnds},       {"8.0\n", kEnds},     {"16/2\n", kEnds},
      {"1\n", kChapter1},   {"1.4\n", kChapter1}, {"2/2\n", kChapter1},
      {"0\n", kMenuAgain},  {"9\n", kMenuAgain},  {"-3\n", kMenuAgain},
      {"1/2\n", kMenuAgain}, {"\n", kMenuAgain},  {"7\n", kMenuAgain},
      {"7.4\n", kMenuAgain}, {"7.6\n", kMenuAgain},
      {"2\n", kChapter2},   {"2.4\n", kChapter2}, {"4/2\n", kChapter2},
      {"3\n", kChapter3},   {"3.4\n", kChapter3}, {"6/2\n", kChapter3},
      {"4\n", kOpensOnItsItemLine}, {"4.4\n", kOpensOnItsItemLine},
      {"5\n", kOpensOnItsItemLine}, {"6\n", kOpensOnItsItemLine},
      // Enter on a zero denominator clears the entry; the field reads on.
      {"3/0\n8\n", kEnds},  {"/\n1\n", kChapter1},
  };
  for (const auto& c : cases) {
    HeadlessSession session(ostrel::kOstrel, WithKeys(c.keys));
    const platform::ExitReason reason = session.Start();
    const int titles = Count(session.trace(), kTitle);
    const bool goal = Count(session.trace(), kGoalHeading) == 1;
    const bool explaining_goal = Count(session.trace(), kExplainingGoalHeading) == 1;
    switch (c.outcome) {
      case kEnds:
        EXPECT_EQ(reason, platform::ExitReason::kProgramEnded) << c.keys;
        EXPECT_EQ(titles, 1) << c.keys;
        break;
      case kMenuAgain:
        EXPECT_EQ(reason, platform::ExitReason::kKeysExhausted) << c.keys;
        EXPECT_EQ(titles, 2) << c.keys;
        EXPECT_FALSE(goal) << c.keys;
        // Every pass draws the prompt once.
        EXPECT_EQ(Count(session.trace(), kPrompt), 2) << c.keys;
        break;
      case kChapter1:
        EXPECT_EQ(titles, 1) << c.keys;
        EXPECT_TRUE(goal) << c.keys;
        break;
      case kChapter2:
        EXPECT_EQ(titles, 1) << c.keys;
        EXPECT_TRUE(explaining_goal) << c.keys;
        break;
      case kChapter3:
        EXPECT_EQ(titles, 1) << c.keys;
        EXPECT_EQ(Count(session.trace(), kTransformingGoal), 1) << c.keys;
        break;
      case kOpensOnItsItemLine: {
        EXPECT_EQ(titles, 1) << c.keys;
        const Script after = AfterField(ScriptOf(session.trace()), 1);
        EXPECT_EQ(after, (Script{{"erase", "0", "0", "1760", "1800"}, {"field"}})) << c.keys;
        break;
      }
    }
  }
}

TEST(OstrelMainMenu, ErasesTheFieldThePromptLineAndTheScreenAfterTheNumber) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("7\n"));
  session.Start();
  std::vector<Fields> erasers;
  for (const auto& e : After(Events(session.trace()), {"key", "13"})) {
    if (e[0] == "op" && e[1] == "PsLINE") erasers.push_back(e);
  }
  ASSERT_GE(erasers.size(), 3u);
  EXPECT_EQ(erasers[0], (Fields{"op", "PsLINE", "1008", "640", "1248", "670", "15", "2", "15", "3"}));
  EXPECT_EQ(erasers[1], (Fields{"op", "PsLINE", "816", "640", "1872", "690", "15", "2", "15", "3"}));
  EXPECT_EQ(erasers[2], (Fields{"op", "PsLINE", "0", "0", "1760", "1800", "15", "2", "15", "3"}));
}

TEST(AskPromptedNumber, DrawsTheCallersPromptReadsAndParses) {
  const struct {
    const char* prompt;
    const char* keys;
    float value;
  } cases[] = {{"2けたの数を", "37\n", 37}, {"2けたの数を", "9/3\n", 3}, {"", "12\n", 12},
               {"", "\n", 0}};
  for (const auto& c : cases) {
    HeadlessSession session(ostrel::kOstrel, WithKeys(c.keys));
    session.program.input.FieldX = 1056;
    session.program.input.FieldY = 648;
    session.program.text.TextColour = 3;
    session.program.text.TextToDraw = c.prompt;
    EXPECT_EQ(session.Call(ostrel::AskPromptedNumber), std::nullopt);
    EXPECT_EQ(session.program.input.InputValue, c.value) << c.keys;
    EXPECT_EQ(session.program.text.TextToDraw, "");
    const auto wide = EventsOf(session.trace(), "text", "DrawWideText");
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0], (Fields{"text", "DrawWideText", "816", "648", "0", c.prompt}));
    EXPECT_EQ(wide[1], (Fields{"text", "DrawWideText", "1008", "648", "0", "入力"}));
    // An empty prompt draws no glyph left of the field's label.
    if (*c.prompt == '\0') {
      for (const auto& glyph : EventsOf(session.trace(), "op", "PsSYMBOL40")) {
        EXPECT_GE(std::stof(glyph[3]), 1008) << glyph[2];
      }
    }
    // The prompt line is the caller's to erase.
    for (const auto& line : EventsOf(session.trace(), "op", "PsLINE")) {
      EXPECT_NE(line[2], "816");
    }
  }
}

TEST(NumberFormsChapter, OpensWithItsGoalOnTheErasedScreen) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("1\n"));
  session.Start();
  // The menu's erase is the last one before the goal: the goal screen erases nothing.
  ExpectScript(AfterField(ScriptOf(session.trace()), 1), {{"erase", "0", "0", "1760", "1800"},
                        {"text", "44", "240", "5", "<めあて>"},
                        {"text", "76", "305", "0", "文字を使って倍数や偶数、奇数を表そう。"},
                        {"field"}});
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "16", "666", "0", kItemLine}));
  EXPECT_EQ(session.program.layout.MarginX, 44);
  EXPECT_EQ(session.program.layout.LineY, 305);
}

// Where a number typed at chapter 1's sub-menu leads: the first text of each section.
TEST(NumberFormsChapter, SubMenuDispatch) {
  const struct {
    const char* keys;
    Fields first;
  } cases[] = {
      {"1\n", {"text", "44", "30", "0", "問1　nを整数とするとき、3の倍数をnを使って表しなさい。"}},
      {"1.4\n", {"text", "44", "30", "0", "問1　nを整数とするとき、3の倍数をnを使って表しなさい。"}},
      {"2\n", {"text", "44", "30", "0", "問2　偶数をnを使って表しなさい。"}},
      {"4/2\n", {"text", "44", "30", "0", "問2　偶数をnを使って表しなさい。"}},
      {"3\n", {"text", "44", "30", "0", "問3　奇数をnを使って表しなさい。"}},
      {"4\n", {"text", "44", "30", "0", "問4　次の数を 整数 m,n を使って表しなさい。"}},
      {"5\n", {"text", "44", "30", "0", "問5　37や256などの自然数を文字を使って表しなさい。"}},
      {"6\n", {"text", "88", "30", "0", "<倍数・偶数・奇数・自然数の表し方>"}},
      {"7\n", {"text", "40", "30", "0", "1 "}},
      {"8\n", {"text", "40", "30", "0", "  "}},
      {"9\n", {"text", "264", "30", "15", "＜Ｏｓｔｒｅｌ　メニュー＞"}},
      {"8.6\n", {"text", "264", "30", "15", "＜Ｏｓｔｒｅｌ　メニュー＞"}},
  };
  for (const auto& c : cases) {
    HeadlessSession session(ostrel::kOstrel, WithKeys(std::string("1\n") + c.keys));
    session.Start();
    Script script = AfterField(ScriptOf(session.trace()), 2);
    while (!script.empty() && script.front()[0] != "text") script.erase(script.begin());
    ASSERT_FALSE(script.empty()) << c.keys;
    EXPECT_EQ(script.front(), c.first) << c.keys;
  }
}

TEST(NumberFormsChapter, ANumberOutOfRangeRedrawsOnlyTheItemLine) {
  for (const char* keys : {"1\n10\n", "1\n0\n", "1\n\n", "1\n9.6\n", "1\n-1\n"}) {
    HeadlessSession session(ostrel::kOstrel, WithKeys(keys));
    session.Start();
    // After the choice: the band erased, the item line again, and nothing else drawn.
    EXPECT_EQ(Count(session.trace(), kGoalHeading), 1) << keys;
    EXPECT_EQ(AfterField(ScriptOf(session.trace()), 2), (Script{{"field"}})) << keys;
    EXPECT_EQ(Count(session.trace(), {"op", "PsLINE", "0", "657", "992", "720", "15", "2", "15", "3"}),
              1) << keys;
    EXPECT_EQ(Count(session.trace(), {"text", "DrawWideText", "16", "666", "0", kItemLine}), 2)
        << keys;
  }
}

TEST(NumberFormsChapter, BackToTheMainMenuAndOut) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("1\n9\n8\n"));
  EXPECT_EQ(session.Start(), platform::ExitReason::kProgramEnded);
  EXPECT_EQ(Count(session.trace(), kTitle), 2);
}
