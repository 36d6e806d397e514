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

}  // namespace

TEST(CorvaneChapter1Menu, ChoiceLeadsToItsItem) {
  const struct {
    const char* choice;
    int item_lines;     // item lines drawn before the run ends
    const char* shows;  // what the choice leads to: a text of the next screen
  } cases[] = {
      {"0", 2, ""},  {"6", 2, ""},   {"5.4", 2, ""}, {"-1", 2, ""}, {"\n", 2, ""},
      {"4.6", 1, "＜Corvane　メニュー＞"},
      {"5", 1, "＜Corvane　メニュー＞"},
      {"1.4", 1, "世界一周道路と赤道の長さの差を考えよう。"},
      {"4/2", 1, "Q１　次の数量を表す式を書きなさい。"},
      {"3", 1, "問1 解答"},
      {"4", 1, "Q5　次の式の次数をいいなさい。"},
  };
  for (const auto& c : cases) {
    const std::string choice = c.choice;
    auto session = RunCorvane("1\n" + (choice == "\n" ? choice : choice + "\n"));
    const auto after = After(Events(session->trace()), kChapter1Line);
    EXPECT_EQ(Count(*session, kChapter1Line), c.item_lines) << c.choice;
    if (c.item_lines == 2) {
      // Out of range: nothing but the item line is drawn again.
      EXPECT_TRUE(EventsOf(session->trace(), "text", "DrawText").size() == 9) << c.choice;
    } else {
      bool shown = false;
      for (const auto& e : after) shown = shown || (e.size() > 5 && e[1] == "DrawText" && e[5] == c.shows);
      EXPECT_TRUE(shown) << c.choice;
    }
  }
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
  const struct {
    const char* choice;
    int item_lines;
    const char* shows;  // a text of the screen the choice leads to
  } cases[] = {
      {"1", 1, "課1　次の式の同類項をいいなさい。"},
      {"2", 1, "復習　次の計算をしなさい。"},
      {"3", 1, "問4 解答"},
      {"4", 1, "＜Corvane　メニュー＞"},
      {"3.6", 1, "＜Corvane　メニュー＞"},
      {"0.6", 2, ""},
      {"4.6", 2, ""},
  };
  for (const auto& c : cases) {
    auto session = RunCorvane("2\n" + std::string(c.choice) + "\n");
    EXPECT_EQ(Count(*session, kChapter2Line), c.item_lines) << c.choice;
    bool shown = false;
    for (const auto& e : After(Events(session->trace()), kChapter2Line)) {
      shown = shown || (e.size() > 5 && e[1] == "DrawText" && e[5] == c.shows);
    }
    EXPECT_EQ(shown, c.item_lines == 1) << c.choice;
  }
}
