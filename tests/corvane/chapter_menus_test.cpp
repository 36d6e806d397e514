// The sub-menus and goal screens of chapters 1 to 6.
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
      {"4.6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"5", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
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
      {"4", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"3.6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"0.6", ""},
      {"4.6", ""},
  });
}

TEST(CorvaneChapter3Menu, ChoiceLeadsToItsItem) {
  ExpectChoices("3\n", kChapter3Line, {
      {"0", ""}, {"13", ""}, {"-3", ""}, {"12.4", ""}, {"0.6", ""}, {"", ""},
      {"1.4", "ノート1冊a円、ペン1本b円です。"},
      {"2", "例5　次の2つの式をたしなさい。"},
      {"6/2", "問5 解答"},
      {"4", "例6 左の式から右の式をひきなさい。"},
      {"5", "問6 解答"},
      {"7", "例7 次の計算をしなさい。"},
      {"8", "例8 次の計算をしなさい。"},
      {"9", "問7 解答"},
      {"10", "次の計算が正しくない理由を説明しよう。"},
      {"11", "練習問題 解答"},
      {"11.6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"24/2", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
  });
}

TEST(CorvaneChapter3Menu, ShowsTheGoalOnEntryOnlyAndAgainAfterTheMainMenu) {
  // Out of range, a section, back to the main menu, the chapter again, the end.
  auto session = RunCorvane("3\n0\n6\n12\n3\n12\n8\n");
  ExpectScreen(ScreenRows(session->trace(), kGoalHeading, kChapter3Line), {
      Text("<めあて>", 3, 44, 240),
      Text("2つの多項式をたしたりひいたりできるようになろう。", 0, 44, 305),
  });
  EXPECT_EQ(Count(*session, kGoalHeading), 2);
  EXPECT_EQ(Count(*session, kChapter3Line), 4);
  EXPECT_EQ(Count(*session, kMenuTitle), 3);
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(CorvaneChapter4Menu, ChoiceLeadsToItsItem) {
  // Item 3, the first summary, waits for no key (see its own test).
  ExpectChoices("4\n", kChapter4Line, {
      {"0", ""}, {"9", ""}, {"-3", ""}, {"0.5", ""}, {"8.5", ""}, {"17/2", ""}, {"", ""},
      {"4/4", "縦3m,横2amの長方形の花壇があります。"},
      {"6/3", "復習 次の計算をしなさい。"},
      {"4", "例1 次の計算をしなさい。"},
      {"5", "例2 次の計算をしなさい。"},
      {"6", "<多項式×数、多項式÷数>"},
      {"7", "問1 解答"},
      {"8", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"8.0", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"7.6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"16/2", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
  });
}

TEST(CorvaneChapter4Menu, ShowsTheGoalOnEntryOnlyAndAgainAfterTheMainMenu) {
  // Out of range, a section, back to the main menu, the chapter again, the end.
  auto session = RunCorvane("4\n0\n3\n8\n4\n8\n8\n");
  ExpectScreen(ScreenRows(session->trace(), kGoalHeading, kChapter4Line), {
      Text("<めあて>", 3, 44, 240),
      Text("多項式と数の乗法や除法ができるようになろう。", 0, 44, 305),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  EXPECT_EQ(Count(*session, kGoalHeading), 2);
  EXPECT_EQ(Count(*session, kChapter4Line), 4);
  EXPECT_EQ(Count(*session, kMenuTitle), 3);
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(CorvaneChapter4Menu, AFractionOverZeroIsClearedAndTheMenuReadsOn) {
  // Enter on 3/0 empties the field, which goes on reading: 3 then opens the first summary.
  auto session = RunCorvane("4\n3/0\n3\n");
  EXPECT_EQ(Count(*session, kChapter4Line), 2);
  EXPECT_TRUE(HasEvent(session->trace(),
                       {"text", "DrawText", "88", "18", "3", "<文字式と数の乗法・除法>"}));
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "keys-exhausted"}));
}

TEST(CorvaneChapter5Menu, ShowsTheGoalOncePerEntryWithTheItemLineAtOnce) {
  auto session = RunCorvane("5\n0\n9\n4\n5\n4\n8\n");
  ExpectScreen(ScreenRows(session->trace(), kGoalHeading, kMenuTitle), {
      Text("<めあて>", 3, 44, 240),
      Text("かっこのある式の計算ができるようになろう。", 0, 44, 305),
      NumberRead(), NumberRead(), NumberRead(),
  });
  EXPECT_EQ(Count(*session, kGoalHeading), 2);
  EXPECT_EQ(Count(*session, kChapter5Line), 4);
  EXPECT_EQ(Count(*session, kMenuTitle), 3);
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(CorvaneChapter5Menu, RangeIsTestedBeforeRounding) {
  ExpectChoices("5\n", kChapter5Line, {
      {"0", ""}, {"5", ""}, {"-1", ""}, {"4.4", ""}, {"", ""}, {"1/2", ""},
      {"1", "例3 次の計算をしなさい。"},
      {"2/2", "例3 次の計算をしなさい。"},
      {"2", "例4 次の計算をしなさい。"},
      {"7/3", "例4 次の計算をしなさい。"},
      {"3", "問2 解答"},
      {"4", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"3.6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"8/2", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
  });
}

TEST(CorvaneChapter6Menu, ShowsTheGoalOncePerEntryWithTheItemLineAtOnce) {
  auto session = RunCorvane("6\n7\n6\n6\n6\n8\n");
  ExpectScreen(ScreenRows(session->trace(), kGoalHeading, kMenuTitle), {
      Text("<めあて>", 3, 44, 240),
      Text("分数をふくむ式の計算ができるようになろう。", 0, 44, 305),
      NumberRead(), NumberRead(),
  });
  EXPECT_EQ(Count(*session, kGoalHeading), 2);
  EXPECT_EQ(Count(*session, kChapter6Line), 3);
  EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "program-ended"}));
}

TEST(CorvaneChapter6Menu, RangeIsTestedBeforeRounding) {
  ExpectChoices("6\n", kChapter6Line, {
      {"7", ""}, {"0", ""}, {"-1", ""}, {"6.4", ""}, {"0.6", ""}, {"", ""},
      {"1", "例5　次の計算をしなさい。"},
      {"1.4", "例5　次の計算をしなさい。"},
      {"2", "問3 解答"},
      {"3", "Q　次の①、②の式は同じ意味ですか。"},
      {"6/2", "Q　次の①、②の式は同じ意味ですか。"},
      {"3.2", "Q　次の①、②の式は同じ意味ですか。"},
      {"4", "例6　次の計算をしなさい。"},
      {"5", "問4 解答"},
      {"6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
      {"5.6", "＜Ｃｏｒｖａｎｅ　メニュー＞"},
  });
}

// A fraction with a zero or missing denominator is refused where it is typed: Enter clears the
// entry and the field reads on, at every sub-menu and every next-step prompt of chapters 3 to
// 6 alike, and the lesson goes on to what the following entry asks for.
TEST(CorvaneChapters3To6, ZeroDenominatorsAreRefusedAtEveryPrompt) {
  const struct {
    std::string keys;
    const Fields& item_line;
    int item_lines;  // one while the lesson has not come back to the sub-menu
    const char* shows;
  } cases[] = {
      // The sub-menus.
      {"3\n3/0\n3\n", kChapter3Line, 1, "問5 解答"},
      {"5\n3/0\n3\n", kChapter5Line, 1, "問2 解答"},
      {"6\n3/0\n2\n", kChapter6Line, 1, "問3 解答"},
      // Chapter 3's drills: a pass's next-step prompt, then 1 ends the drill.
      {"3\n2\nkkkk3/0\n1\n", kChapter3Line, 1, "   <式の加法の計算>"},
      {"3\n4\nkkkkk2/\n1\n", kChapter3Line, 1, "   <式の減法の計算>"},
      {"3\n7\nkkk0/0\n1\n", kChapter3Line, 2, "   <縦書きの加法>"},
      {"3\n8\nkkkkkkk1/0\n1\n", kChapter3Line, 1, "   <縦書きの減法>"},
      // Chapter 4's multiplication stages, then the division's second stage.
      {"4\n4\nkkkk3/0\n1\n", kChapter4Line, 1, "②"},
      {"4\n4\nkkkk1\nkkkk3/0\n1\n", kChapter4Line, 1, "③"},
      {"4\n4\nkkkk1\nkkkk1\nkkkkkk3/0\n1\n", kChapter4Line, 2, "<多項式と数の乗法>"},
      {"4\n5\nkkkkkkk1\nkkkkkk5/0\n1\n", kChapter4Line, 2, "<多項式と数の除法>"},
      // Chapters 5 and 6's practices.
      {"5\n1\nkkkk1/0\n1\nk", kChapter5Line, 2, "<かっこのある式の計算>"},
      {"5\n2\nkkk1/0\n1\nk", kChapter5Line, 2, "教科書P18 問2　をしなさい。"},
      {"6\n4\nkkkk1/0\n1\nkk", kChapter6Line, 2, "<分数の形の式の計算>"},
  };
  for (const auto& c : cases) {
    auto session = RunCorvane(c.keys);
    EXPECT_EQ(Events(session->trace()).back(), (Fields{"end", "keys-exhausted"})) << c.keys;
    EXPECT_EQ(Count(*session, c.item_line), c.item_lines) << c.keys;
    bool shown = false;
    for (const auto& e : EventsOf(session->trace(), "text", "DrawText")) {
      shown = shown || (e.size() > 5 && e[5] == c.shows);
    }
    EXPECT_TRUE(shown) << c.keys;
  }
}
