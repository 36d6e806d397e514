// The sub-menus and goal screens of chapters 1 and 2.
#include <gtest/gtest.h>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using testing_support::After;
using testing_support::Events;
using testing_support::EventsOf;
using testing_support::HasEvent;

namespace {

int Count(const lesson::HeadlessSession& session, const Fields& event) {
  int count = 0;
  for (const auto& e : Events(session.trace())) {
    bool match = e.size() >= event.size();
    for (size_t k = 0; match && k < event.size(); ++k) match = e[k] == event[k];
    count += match ? 1 : 0;
  }
  return count;
}

const Fields kGoalHeading{"text", "DrawText", "44", "240", "3", "<めあて>"};

struct Choice {
  const char* number;
  const char* shows;  // a text of the screen it leads to; "" when out of range
};

// Each number typed at the sub-menu either draws the item line again and nothing else, or
// leads to the screen that shows the given text.
void ExpectChoices(const std::string& to_chapter, const Fields& item_line,
                   std::initializer_list<Choice> choices) {
  for (const Choice& choice : choices) {
    auto session = RunCorvane(to_chapter + choice.number + "\n");
    const std::string shows = choice.shows;
    EXPECT_EQ(Count(*session, item_line), shows.empty() ? 2 : 1) << choice.number;
    bool drawn = false, shown = false;
    for (const auto& e : After(Events(session->trace()), item_line)) {
      if (e.size() > 5 && e[1] == "DrawText") {
        drawn = true;
        shown = shown || e[5] == shows;
      }
    }
    if (shows.empty()) {
      EXPECT_FALSE(drawn) << choice.number;
    } else {
      EXPECT_TRUE(shown) << choice.number;
    }
  }
}

}  // namespace

TEST(CorvaneChapter1Menu, ChoiceLeadsToItsItem) {
  ExpectChoices("1\n", kChapter1Line, {
      {"0", ""}, {"6", ""}, {"5.4", ""}, {"-1", ""}, {"", ""},
      {"4.6", "＜Corvane　メニュー＞"},
      {"5", "＜Corvane　メニュー＞"},
      {"1.4", "世界一周道路と赤道の長さの差を考えよう。"},
      {"4/2", "Q１　次の数量を表す式を書きなさい。"},
      {"3", "問1 解答"},
      {"4", "Q5　次の式の次数をいいなさい。"},
  });
}

TEST(CorvaneChapter1Menu, OpensOnAnEmptyScreenAndShowsTheGoalAfterTheRoad) {
  auto session = RunCorvane("1\n");
  EXPECT_FALSE(HasEvent(session->trace(), kGoalHeading));
  EXPECT_EQ(Count(*session, kChapter1Line), 1);

  session = RunCorvane("1\n1\n" + std::string(18, 'k'));
  const auto screen = ScreenRows(session->trace(), kGoalHeading);
  ExpectScreen(screen, {
      Text("<めあて>", 3, 44, 240),
      Text("文字を使った式を、", 0, 44, 305),
      Text("項の数やかけられている文字の個数に着目して調べよう。", 0, 44, 355),
      NumberRead(),
  });
  EXPECT_EQ(Count(*session, kChapter1Line), 2);
}

TEST(CorvaneChapter2Menu, ShowsTheGoalOnceAndTheItemLineBelowIt) {
  auto session = RunCorvane("2\n0\n9\n4\n8\n");
  EXPECT_EQ(Count(*session, kGoalHeading), 1);
  EXPECT_TRUE(HasEvent(session->trace(), {"text", "DrawText", "44", "305", "0", "同類項をまとめよう"}));
  EXPECT_EQ(Count(*session, kChapter2Line), 3);
  EXPECT_EQ(Count(*session, kMenuTitle), 2);
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(CorvaneChapter2Menu, ItemsLeadToTheirSections) {
  ExpectChoices("2\n", kChapter2Line, {
      {"1", "課1　次の式の同類項をいいなさい。"},
      {"2", "復習　次の計算をしなさい。"},
      {"3", "問4 解答"},
      {"4", "＜Corvane　メニュー＞"},
      {"3.6", "＜Corvane　メニュー＞"},
      {"0.6", ""},
      {"4.6", ""},
  });
}

namespace {

// Chapters 3 to 6 as far as they are in: entry, goal screen and sub-menu.
struct LaterChapter {
  const char* number;  // typed at the main menu
  const char* goal;
  const char* item_line;
  int items;
};
const LaterChapter kLaterChapters[] = {
    {"3", "2つの多項式をたしたりひいたりできるようになろう。",
     "①ひろげよう　②加法　③問５　④減法　⑤問６　⑥まとめ　⑦縦加法　⑧縦減法　⑨問7　⑩説明しよう"
     "　⑪練習問題　⑫終了",
     12},
    {"4", "多項式と数の乗法や除法ができるようになろう。",
     "①復習課題　②分配　③まとめ１　④乗法　⑤除法　⑥まとめ２　⑦問1　⑧終了", 8},
    {"5", "かっこのある式の計算ができるようになろう。", "①例３　②例４　③問２　④終了", 4},
    {"6", "分数をふくむ式の計算ができるようになろう。",
     "①解き方１（分数係数）　②問３　③分数表現　④解き方２ ⑤問４　⑥終了", 6},
};

Fields ItemLine(const LaterChapter& chapter) {
  return {"text", "DrawWideText", "16", "666", "0", chapter.item_line};
}

}  // namespace

TEST(CorvaneChapters3To6, OpenOnTheirGoalWithTheItemLineBelowIt) {
  for (const auto& chapter : kLaterChapters) {
    auto session = RunCorvane(std::string(chapter.number) + "\n");
    ExpectScreen(ScreenRows(session->trace(), kGoalHeading), {
        Text("<めあて>", 3, 44, 240),
        Text(chapter.goal, 0, 44, 305),
        NumberRead(),
    });
    EXPECT_EQ(Count(*session, ItemLine(chapter)), 1) << chapter.number;
  }
}

TEST(CorvaneChapters3To6, LastItemLeadsToTheMainMenuAndTheOthersShowTheItemLineAgain) {
  // Their sections are not in yet: every other item, and any number out of range, draws the
  // item line again without the goal.
  for (const auto& chapter : kLaterChapters) {
    const std::string last = std::to_string(chapter.items);
    const std::string before_last = std::to_string(chapter.items - 1);
    const std::string beyond = std::to_string(chapter.items + 1);
    const std::string rounds_to_last = std::to_string(chapter.items - 1) + ".6";
    ExpectChoices(std::string(chapter.number) + "\n", ItemLine(chapter), {
        {"0", ""}, {beyond.c_str(), ""}, {"1", ""}, {before_last.c_str(), ""},
        {last.c_str(), "＜Corvane　メニュー＞"},
        {rounds_to_last.c_str(), "＜Corvane　メニュー＞"},
    });
  }
}
