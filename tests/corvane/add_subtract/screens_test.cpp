// Chapter 3's fixed screens: the notebook-and-pen problem with its pictures, the answers to
// questions 5, 6 and 7 and to the exercises, the explanation and the summary; the key waits
// of every section and the draw width the summary leaves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using testing_support::After;
using testing_support::Events;
using testing_support::EventsOf;

namespace {

int ItemLinesDrawn(const lesson::HeadlessSession& session) {
  int count = 0;
  for (const auto& e : EventsOf(session.trace(), "text", "DrawWideText")) {
    count += e == kChapter3Line ? 1 : 0;
  }
  return count;
}

// The boxes (PsLINE in mode 2) a section draws above the prompts' band, after the item line
// that led to it, as "x1 y1 x2 y2 border fill".
std::vector<std::string> SectionBoxes(const lesson::HeadlessSession& session) {
  std::vector<std::string> boxes;
  for (const auto& e : After(Events(session.trace()), kChapter3Line)) {
    if (e[0] != "op" || e[1] != "PsLINE" || e[7] != "2" || std::stof(e[3]) >= 639) continue;
    boxes.push_back(e[2] + " " + e[3] + " " + e[4] + " " + e[5] + " " + e[6] + " " + e[8]);
  }
  return boxes;
}

std::string Box(float x1, float y1, float x2, float y2, int border, int fill) {
  const auto n = [](float v) { return platform::ShortNumber(v); };
  return n(x1) + " " + n(y1) + " " + n(x2) + " " + n(y2) + " " + std::to_string(border) + " " +
         std::to_string(fill);
}

// The notebook's and the pen's boxes for frames at (x, y), computed as the pictures compute
// them: a point (u, v) of the frame at (x + 50u, y + 150 - 50v).
std::vector<std::string> NotebookBoxes(float x, float y) {
  const float bottom = y + 150, height = 2 * std::sqrt(2.0f);
  return {Box(x, bottom - 50 * height, x + 100, bottom, 0, 9),
          Box(x + 50 * 0.2f, bottom - 50 * (height - 0.5f), x + 50 * 1.8f,
              bottom - 50 * (height - 0.8f), 15, 15)};
}
std::vector<std::string> PenBoxes(float x, float y) {
  return {Box(x + 10, y + 50, x + 30, y + 150, 0, 11),
          Box(x + 50 * 0.19f, y + 50, x + 50 * 0.61f, y + 70, 5, 5)};
}

}  // namespace

TEST(AddSubtractSections, KeyWaitsThenTheItemLineAtOnce) {
  const struct {
    const char* keys;  // after the item number
    int waits, next_steps;
  } sections[] = {
      {"1\nkkkkkkkkk", 9, 0},
      {"3\nkkkkkkk", 7, 0},
      {"5\nkkkkkkkkk", 9, 0},
      {"6\n", 0, 0},
      {"10\nk", 1, 0},
      {"11\nkkkkkkkk", 8, 0},
      {"9\nkkkkkkkkkkkkkk", 14, 0},
      // Drills: two passes, then the closing after 1.
      {"2\nkkkk0\nkkkk1\nkkkkkk", 4 + 4 + 6, 2},
      {"4\nkkkkk0\nkkkkk1\nkkkkkkk", 5 + 5 + 7, 2},
      {"7\nkkk0\nkkk1\n", 3 + 3, 2},
      {"8\nkkkkkkk0\nkkkkkkk1\nk", 7 + 7 + 1, 2},
  };
  for (const auto& section : sections) {
    auto session = RunCorvane(std::string("3\n") + section.keys);
    const Screen rows = SectionRows(*session, kChapter3Line);
    EXPECT_EQ(CountRows(rows, "key"), section.waits) << section.keys;
    EXPECT_EQ(CountRows(rows, "next"), section.next_steps) << section.keys;
    // The section ends with a text and the item line comes next, with no key between.
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows.back(), "key") << section.keys;
    EXPECT_EQ(ItemLinesDrawn(*session), 2) << section.keys;
  }
}

// The letters of a picture row whose first frame is at (x, y): "a" on every notebook, "b" over
// every pen, the pens' frames from the last notebook frame's right edge.
std::vector<Row> PictureLabels(float x, float y, float notebooks, float pens) {
  const float label_y = (y + 150) - 50 * (2 * std::sqrt(2.0f) - 0.8f) + 50;
  std::vector<Row> rows;
  for (float k = 0; k < notebooks; ++k) rows.push_back(Text("a", 0, x + 50 * k + 36, label_y));
  const float first_pen = x + 50 * (notebooks - 1) + 150;
  for (float k = 0; k < pens; ++k) rows.push_back(Text("b", 0, first_pen + 50 * k + 10, y));
  return rows;
}

TEST(NotebookPenProblem, LinesAndPictures) {
  auto session = RunCorvane("3\n1\nkkkkkkkkk");
  std::vector<Row> expected{Text("ノート1冊a円、ペン1本b円です。", 0, 40, 30)};
  const auto add = [&](std::vector<Row> rows) {
    expected.insert(expected.end(), rows.begin(), rows.end());
  };
  // Line 1 ends at 590: its notebook's frame at 630, the pen's at 780.
  add(PictureLabels(630, 30, 1, 1));
  add({Text("姉はノート5冊とペン3本、", 0, 40, 80),
       Text("弟はノート2冊とペン5本買いました。", 0, 40, 130),
       Key(), Text("姉の代金は？", 7, 40, 210)});
  // The question ends at 244; the row starts 200 after it, 20 above the line.
  add(PictureLabels(444, 190, 5, 3));
  add({Key(), Text("5a+3b(円)", 3, 40, 280),
       Key(), Text("弟の代金は？", 7, 40, 360)});
  add(PictureLabels(444, 340, 2, 5));
  add({Key(), Text("2a+5b(円)", 3, 40, 430),
       Key(), Text("2人の代金の合計は？", 7, 40, 510),
       Key(), Text("5a+3b+2a+5b(円) ?", 3, 423, 510),
       Key(), Text("2人の代金の差は？", 7, 40, 560),
       Key(), Text("5a+3b-2a+5b(円) ?", 3, 389, 560),
       Key(), Text("これでいいのだろうか？", 7, 40, 610)});
  ExpectScreen(SectionRows(*session, kChapter3Line), expected);

  // The screen's erase, then the pictures in their drawing order.
  std::vector<std::string> pictures{Box(0, 0, 1760, 1300, 15, 15)};
  const auto notebook = [&](float x, float y) {
    for (const auto& box : NotebookBoxes(x, y)) pictures.push_back(box);
  };
  const auto pen = [&](float x, float y) {
    for (const auto& box : PenBoxes(x, y)) pictures.push_back(box);
  };
  notebook(630, 30);
  pen(780, 30);
  for (float x : {444.0f, 494.0f, 544.0f, 594.0f, 644.0f}) notebook(x, 190);
  for (float x : {794.0f, 844.0f, 894.0f}) pen(x, 190);
  for (float x : {444.0f, 494.0f}) notebook(x, 340);
  for (float x : {644.0f, 694.0f, 744.0f, 794.0f, 844.0f}) pen(x, 340);
  EXPECT_EQ(SectionBoxes(*session), pictures);
}

// The answer screens: the heading at (94, 30), each problem on its label's line, a key before
// every further line, the results in colour 5.
TEST(AddSubtractAnswers, QuestionsFiveAndSixAndTheExercises) {
  const struct {
    const char* item;
    const char* heading;
    std::vector<const char*> first, second;  // problem, working..., result
  } screens[] = {
      {"3", "問5 解答",
       {" (4x-7y)+(x+5y)", "=4x-7y+x+5y", "=4x+x-7y+5y", "=5x-2y"},
       {" (5a-2b)+(-a-3b)", "=5a-2b-a-3b", "=5a-a-2b-3b", "=4a-5b"}},
      {"5", "問6 解答",
       {" (5x+2y)-(3x+y)", "=(5x+2y)+(-3x-y)", "=5x+2y-3x-y", "=5x-3x+2y-y", "=2x+y"},
       {" (3a-6b)-(2a+4b)", "=(3a-6b)+(-2a-4b)", "=3a-6b-2a-4b", "=3a-2a-6b-4b", "=a-10b"}},
      {"11", "練習問題 解答",
       {" (8x-7y)+(2x+5y)", "=8x-7y+2x+5y", "=8x+2x-7y+5y", "=10x-2y"},
       {" (8x-7y)-(2x+5y)", "=(8x-7y)+(-2x-5y)", "=8x-7y-2x-5y", "=8x-2x-7y-5y", "=6x-12y"}},
  };
  for (const auto& screen : screens) {
    auto session = RunCorvane(std::string("3\n") + screen.item + "\n" + std::string(9, 'k'));
    std::vector<Row> expected{Text(screen.heading, 3, 94, 30)};
    float y = 30;
    for (const auto* problem : {&screen.first, &screen.second}) {
      if (problem == &screen.second) expected.push_back(Key());
      y += problem == &screen.first ? 50 : 60;
      expected.push_back(Text(problem == &screen.first ? "(1)" : "(2)", 3, 40, y));
      expected.push_back(Text((*problem)[0], 0, 94, y));
      for (size_t k = 1; k < problem->size(); ++k) {
        y += 50;
        expected.push_back(Key());
        expected.push_back(Text((*problem)[k], k + 1 == problem->size() ? 5 : 0, 94, y));
      }
    }
    ExpectScreen(SectionRows(*session, kChapter3Line), expected);
    EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800)) << screen.item;
  }
}

TEST(AddSubtractAnswers, WhyTheCalculationIsWrong) {
  auto session = RunCorvane("3\n10\nk");
  ExpectScreen(SectionRows(*session, kChapter3Line), {
      Text("次の計算が正しくない理由を説明しよう。", 3, 94, 30),
      Text(" 3x-2y+5x+4y", 0, 94, 80),
      Text("=8x+2y", 0, 94, 130),
      Text("=10xy", 0, 94, 180),
      Key(),
      Text("8xと2y は同類項ではないのに、", 3, 94, 240),
      Text("分配法則を使い1つの項にまとめている。", 3, 94, 290),
      Text("8x+2y までしか計算できない。", 3, 94, 340),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
}

TEST(AddSubtractSummary, PanelDrawnWholeAndWidthFiveLeftForTheRun) {
  auto session = RunCorvane("3\n6\n");
  ExpectScreen(SectionRows(*session, kChapter3Line), {
      Text("   <式の加法・減法>", 5, 32, 18),
      Text("　計算のしかた", 3, 32, 78),
      Text("①　それぞれの式に（　）をつける。", 0, 64, 138),
      Text("②　+または- でつなぐ。", 0, 64, 198),
      Text("-(減法)は、+(加法)になおす", 3, 144, 258),
      Text("（　）の中の項は、すべて符号を変える", 3, 104, 318),
      Text("③　（　）をはずす。", 0, 64, 378),
      Text("④　同類項をまとめる。", 0, 64, 438),
  });
  // The erase in the width in force (3 from start-up), the panel 8 wide.
  EXPECT_TRUE(testing_support::HasEvent(
      session->trace(), {"op", "PsLINE", "0", "0", "1760", "1500", "15", "2", "15", "3"}));
  EXPECT_TRUE(testing_support::HasEvent(
      session->trace(), {"op", "PsLINE", "16", "9", "912", "507", "9", "2", "15", "8"}));

  // Width 5 stays: the explanation's erase and the vertical drill's rule take it, and the key
  // waits and the next-step prompt give it back.
  session = RunCorvane("3\n6\n10\nk7\nkkk1\n");
  EXPECT_TRUE(testing_support::HasEvent(
      session->trace(), {"op", "PsLINE", "0", "0", "1760", "1800", "15", "2", "15", "5"}));
  EXPECT_TRUE(testing_support::HasEvent(
      session->trace(), {"op", "PsLINE", "80", "241", "560", "241", "0", "0", "0", "5"}));
  session = RunCorvane("3\n7\nkkk1\n");
  EXPECT_TRUE(testing_support::HasEvent(
      session->trace(), {"op", "PsLINE", "80", "241", "560", "241", "0", "0", "0", "3"}));
}

// Question 7: each layout at a key, the changed signs of a subtraction at the next, then the
// answer piece by piece, its top on the rule.
TEST(Question7Answers, FourVerticalCalculations) {
  auto session = RunCorvane("3\n9\n" + std::string(14, 'k'));
  const auto layout = [](float x, float y, const char* upper, const char* operator_sign,
                         const char* lower) {
    return std::vector<Row>{Text(upper, 0, x + 54, y), Text(operator_sign, 0, x, y + 56),
                            Continues(")", 0), Text(lower, 0, x + 54, y + 50)};
  };
  std::vector<Row> expected{Text("問7 解答", 3, 94, 30), Key(), Text("(1)", 3, 40, 80)};
  const auto add = [&](std::vector<Row> rows) {
    expected.insert(expected.end(), rows.begin(), rows.end());
  };
  add(layout(94, 130, "2x-3y", "+", "4x+5y"));
  add({Key(), Text("6x", 5, 148, 230), Key(), Continues("+2y", 5),
       Key(), Text("(2)", 3, 40, 280)});
  add(layout(94, 330, " x +y", "+", " x -y"));
  add({Key(), Text("2x", 5, 148, 430), Key(), Text("(3)", 3, 600, 80)});
  add(layout(654, 130, "5x-2y", "-", " x-3y"));
  add({Key(), Text("+ - +", 3, 654, 155),
       Key(), Text("4x", 5, 708, 230), Key(), Continues(" +y", 5),
       Key(), Text("(4)", 3, 600, 280)});
  add(layout(654, 330, "6x +y", "-", "6x -y -8"));
  add({Key(), Text("+-   +  +", 3, 654, 355),
       Key(), Text("  ", 5, 708, 430), Key(), Continues(" 2y", 5), Key(), Continues(" +8", 5)});
  ExpectScreen(SectionRows(*session, kChapter3Line), expected);
  // The rules: 30 longer than the wider operand, (4)'s lower one eight cells long.
  for (const Fields& rule : std::vector<Fields>{{"121", "230", "286", "230"},
                                               {"121", "430", "286", "430"},
                                               {"681", "230", "846", "230"},
                                               {"681", "430", "927", "430"}}) {
    Fields event{"op", "PsLINE"};
    event.insert(event.end(), rule.begin(), rule.end());
    for (const char* rest : {"0", "0", "0", "3"}) event.push_back(rest);
    EXPECT_TRUE(testing_support::HasEvent(session->trace(), event)) << rule[0] << " " << rule[1];
  }
}
