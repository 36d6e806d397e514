#include <gtest/gtest.h>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using testing_support::After;
using testing_support::Events;
using testing_support::EventsOf;
using testing_support::HasEvent;

namespace {

const Fields kErase{"op", "PsLINE", "0", "0", "1760", "1800", "15", "2", "15"};
const Fields kPromptCleared{"op", "PsLINE", "816", "640", "1872", "690", "15", "2", "15"};

bool Starts(const Fields& event, const Fields& prefix) {
  if (event.size() < prefix.size()) return false;
  for (size_t k = 0; k < prefix.size(); ++k) {
    if (event[k] != prefix[k]) return false;
  }
  return true;
}

// How often the menu's title was drawn.
int MenusDrawn(const lesson::HeadlessSession& session) {
  int count = 0;
  for (const auto& e : EventsOf(session.trace(), "text", "DrawText")) count += Starts(e, kMenuTitle);
  return count;
}

// The events right after the first number read at the menu: what the choice led to.
std::vector<Fields> AfterFirstChoice(const lesson::HeadlessSession& session) {
  auto events = After(Events(session.trace()), kPromptCleared);
  events.erase(events.begin());
  return events;
}

}  // namespace

TEST(CorvaneMainMenu, DrawsPanelTitleItemsAndPrompt) {
  auto session = RunCorvane("");
  const auto& trace = session->trace();
  const auto lines = EventsOf(trace, "op", "PsLINE");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(Starts(lines[0], kErase));
  EXPECT_TRUE(Starts(lines[1], {"op", "PsLINE", "22", "10", "1342", "610", "15", "2", "10"}));
  const auto texts = EventsOf(trace, "text");
  const std::vector<Fields> expected{
      kMenuTitle,
      {"text", "DrawText", "44", "120", "13", "1　単項式と多項式"},
      {"text", "DrawText", "44", "180", "15", "2　同類項"},
      {"text", "DrawText", "44", "240", "13", "3　式の加法・減法"},
      {"text", "DrawText", "44", "300", "15", "4　数×多項式、多項式÷数"},
      {"text", "DrawText", "44", "360", "13", "5　かっこのある式の計算"},
      {"text", "DrawText", "44", "420", "15", "6　分数をふくむ式の計算"},
      {"text", "DrawText", "44", "480", "13", "7　"},
      {"text", "DrawText", "44", "540", "15", "8　終了"},
      {"text", "DrawWideText", "816", "648", "0", "番号を入力して下さい。"},
      {"text", "DrawWideText", "816", "648", "0", "番号を入力して下さい。"},
      {"text", "DrawWideText", "1008", "648", "0", "入力"},
  };
  ASSERT_GE(texts.size(), expected.size());
  EXPECT_EQ(std::vector<Fields>(texts.begin(), texts.begin() + expected.size()), expected);
}

TEST(CorvaneMainMenu, OnlyEightEndsTheProgram) {
  for (const char* keys : {"8\n", "8.0\n", "16/2\n"}) {
    auto session = RunCorvane(keys);
    EXPECT_TRUE(HasEvent(session->trace(), {"op", "PsEND"})) << keys;
    EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"})) << keys;
  }
  // A value that rounds to 8 without being 8 is not the end item: the menu comes again.
  for (const char* keys : {"7.6\n", "7.5\n"}) {
    auto session = RunCorvane(keys);
    EXPECT_FALSE(HasEvent(session->trace(), {"op", "PsEND"})) << keys;
    EXPECT_EQ(MenusDrawn(*session), 2) << keys;
  }
}

TEST(CorvaneMainMenu, NumbersOutsideOneToEightDrawTheMenuAgainWithoutErasingFirst) {
  for (const char* keys : {"0\n", "9\n", "-3\n", "1/2\n", "\n", "8.5\n"}) {
    auto session = RunCorvane(keys);
    EXPECT_EQ(MenusDrawn(*session), 2) << keys;
    const auto next = AfterFirstChoice(*session);
    ASSERT_GE(next.size(), 2u);
    // The menu's own erase, then its panel: no erase for a chapter in between.
    EXPECT_TRUE(Starts(next[0], kErase)) << keys;
    EXPECT_TRUE(Starts(next[1], {"op", "PsLINE", "22", "10"})) << keys;
  }
}

TEST(CorvaneMainMenu, ChoiceRoundsToItsItem) {
  const struct {
    const char* keys;
    const char* leads_to;  // "menu": erased and drawn again; else the first text drawn
  } cases[] = {
      {"1\n", "item line 1"}, {"1.4\n", "item line 1"}, {"2.4\n", "同類項をまとめよう"},
      {"2\n", "同類項をまとめよう"},
      {"6/2\n", "2つの多項式をたしたりひいたりできるようになろう。"},
      {"2.6\n", "2つの多項式をたしたりひいたりできるようになろう。"},
      {"4\n", "多項式と数の乗法や除法ができるようになろう。"},
      {"7\n", "menu"}, {"7.4\n", "menu"},
      {"5\n", "かっこのある式の計算ができるようになろう。"},
      {"10/2\n", "かっこのある式の計算ができるようになろう。"},
      {"6\n", "分数をふくむ式の計算ができるようになろう。"},
      {"5.6\n", "分数をふくむ式の計算ができるようになろう。"},
  };
  for (const auto& c : cases) {
    auto session = RunCorvane(c.keys);
    const auto next = AfterFirstChoice(*session);
    ASSERT_GE(next.size(), 3u) << c.keys;
    EXPECT_TRUE(Starts(next[0], kErase)) << c.keys;  // the screen is erased for the item
    const std::string leads_to = c.leads_to;
    if (leads_to == "menu") {
      EXPECT_TRUE(Starts(next[1], kErase)) << c.keys;
      EXPECT_EQ(MenusDrawn(*session), 2) << c.keys;
    } else if (leads_to == "item line 1") {
      EXPECT_TRUE(Starts(next[1], kChapter1Line)) << c.keys;
    } else {
      EXPECT_TRUE(HasEvent(session->trace(), {"text", "DrawText", "44", "305", "0", c.leads_to}))
          << c.keys;
      EXPECT_EQ(MenusDrawn(*session), 1) << c.keys;
    }
  }
}

TEST(CorvaneMainMenu, ComingBackFromAChapterRedrawsTheWholeMenu) {
  auto session = RunCorvane("1\n5\n2\n4\n8\n");
  EXPECT_EQ(MenusDrawn(*session), 3);
  const auto back = After(After(Events(session->trace()), kChapter2Line), kErase);
  ASSERT_GE(back.size(), 3u);
  EXPECT_TRUE(Starts(back[1], {"op", "PsLINE", "22", "10", "1342", "610", "15", "2", "10"}));
  EXPECT_TRUE(Starts(back[2], kMenuTitle));
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(CorvaneMainMenu, AFractionOverZeroIsClearedAndNeverAnError) {
  // At the menu and at a drill's next-step prompt: Enter on 3/0, 3/ or / empties the entry
  // and the field reads on.
  for (const char* zero : {"3/0", "3/", "/"}) {
    auto session = RunCorvane(std::string(zero) + "\n8\n");
    EXPECT_EQ(MenusDrawn(*session), 1) << zero;
    EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"})) << zero;

    session = RunCorvane("1\n4\nk" + std::string(zero) + "\n1\n");
    EXPECT_TRUE(HasEvent(session->trace(), {"text", "DrawText", "40", "150", "5", "単項式の次数"}))
        << zero;
  }
}
