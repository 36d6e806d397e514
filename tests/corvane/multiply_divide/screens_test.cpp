// Chapter 4's fixed screens: the flower-bed task, the distributive-law review, the two
// summaries and the answers to 問1, with their arcs, strokes and waits.
#include <gtest/gtest.h>

#include <string>

#include "tests/corvane/multiply_divide/chapter4_support.h"

using namespace chapter4_testing;
using corvane_testing::RunCorvane;

namespace {

// The flower bed at margin m: the task, the grid with its length marks, the area and its
// expansion with the distribution arcs.
Rows FlowerBed(float m) {
  const float x0 = m + 100;
  // The grid's columns: left edge, width, fill, the width written in it, where that stands.
  const struct {
    float left, width, fill;
    const char* text;
    float text_x;
  } columns[] = {{x0, 88, 9, "a", 30.5f}, {x0 + 88, 88, 9, "a", 30.5f},
                 {x0 + 176, 70, 7, "1", 21.5f}};
  // Columns `first` to `last`, row by row; the width 13 below each box's top from key 4 on.
  const auto boxes = [&](int first, int last, bool with_widths) {
    Rows rows;
    for (int row = 0; row < 3; ++row) {
      const float top = 210 + 70 * static_cast<float>(row);
      for (int k = first; k <= last; ++k) {
        const auto& column = columns[k];
        rows.push_back(Box(column.left, top, column.width, 70, 0, column.fill));
        if (with_widths) rows.push_back(Txt(column.text, 5, column.left + column.text_x, top + 13));
      }
    }
    return rows;
  };
  Rows rows{Erase(0, 0, 1320, 1300),
            Txt("縦3m,横2amの長方形の花壇があります。", 0, m, 30),
            Txt("横を1mだけのばしたときの花壇の面積を求めなさい。", 0, m, 90)};
  const auto add = [&](const Rows& more) { rows.insert(rows.end(), more.begin(), more.end()); };
  add(boxes(0, 1, false));
  add({Arc(3, x0, 210, x0, 420, "left", 16, 5, 91), Txt("3m", 0, x0 - 70, 293),
       Arc(3, x0, 210, x0 + 176, 210, "up", 16), Txt("2am", 0, x0 + 47.5f, 150), kKey});
  add(boxes(2, 2, false));
  add({Arc(3, x0 + 176, 210, x0 + 246, 210, "up", 16, 5, 91), Txt("1m", 0, x0 + 184, 150),
       kKey, Txt("<式>", 5, m + 440, 150),
       kKey, Txt("3(2", 0, m + 484, 210), Txt("a+", 0, m + 565, 210), Txt("1)", 0, m + 619, 210),
       kKey});
  add(boxes(0, 1, true));
  add(boxes(2, 2, true));
  add({kKey, Txt("=6a+3 (m^2)", 5, m + 440, 350),
       kKey, Txt("=3*2a+3*1", 0, m + 440, 280),
       kKey, Arc(3, m + 494, 210, m + 565, 210, "up", 16),
       kKey, Arc(3, m + 494, 210, m + 629, 210, "up", 32),
       kKey, Txt("分配法則を使う！", 3, m + 440, 430)});
  return rows;
}

}  // namespace

TEST(FlowerBedReview, NineKeysFromTheGridToTheDistributiveLaw) {
  auto session = RunCorvane("4\n1\n" + Keys(9));
  EXPECT_EQ(SectionMarks(*session), FlowerBed(44));
}

TEST(FlowerBedReview, MarginFollowsThePanelCornerTheLastScreenLeft) {
  // The margin is 44 right of the panel corner that the last screen to set one left, in
  // whichever chapter: none since start-up (0); the distributive-law review (40); chapter 3's
  // bracket drills and chapter 6's notation question (16).
  const std::string to_the_flower_bed = "4\n1\n" + Keys(9);
  const struct {
    std::string before;
    int occurrence;  // of chapter 4's item line, the one that leads to the flower bed
    float margin;
  } cases[] = {
      {"", 1, 44},
      {"4\n2\n" + Keys(29) + "8\n", 3, 84},
      {"3\n2\nkkkk1\n" + Keys(6) + "12\n", 1, 60},
      {"3\n4\nkkkkk1\n" + Keys(7) + "12\n", 1, 60},
      {"6\n3\nk6\n", 1, 60},
      {"4\n2\n" + Keys(29) + "8\n6\n3\nk6\n", 3, 60},
      {"6\n3\nk6\n4\n2\n" + Keys(29) + "8\n", 3, 84},
      // Screens that set no corner leave it as it was.
      {"3\n7\nkkk1\n12\n5\n1\nkkkk1\nk4\n", 1, 44},
  };
  for (const auto& c : cases) {
    auto session = RunCorvane(c.before + to_the_flower_bed);
    EXPECT_EQ(SectionMarks(*session, c.occurrence), FlowerBed(c.margin)) << c.before;
  }
}

TEST(DistributiveReview, FiveCalculationsOneStepAKey) {
  auto session = RunCorvane("4\n2\n" + Keys(29));
  const Rows expected{
      Erase(0, 0, 1320, 1300),
      Txt("復習 次の計算をしなさい。", 0, 40, 30),
      // (1) 3(4x+5)
      Txt("(1) ", 3, 48, 125), Txt("3(4", 0, 156, 125), Txt("x+", 0, 237, 125),
      Txt("5)", 0, 291, 125),
      kKey, Arc(7, 166, 125, 237, 125, "up", 10),
      kKey, Arc(7, 166, 125, 301, 125, "up", 20),
      kKey, Txt("=3*4x+3*5", 0, 112, 190),
      kKey, Txt("=12x+15", 5, 112, 255),
      // (2) (2x-4)×(-5): the arcs run back from the multiplier
      kKey, Txt("(2) ", 3, 48, 350), Txt("(2", 0, 156, 350), Txt("x-", 0, 210, 350),
      Txt("4)*(-", 0, 264, 350), Txt("5)", 0, 399, 350),
      kKey, Arc(3, 409, 350, 210, 350, "up", 20),
      kKey, Arc(3, 409, 350, 264, 350, "up", 10),
      kKey, Txt("=2x*(-5)-4*(-5)", 0, 112, 415),
      kKey, Txt("=-10x+20", 5, 112, 480),
      // (3) 2/5(15x-10) in the second column
      kKey, Txt("(3) ", 3, 444, 60), Txt("ﾀ2/5ﾀ(1", 0, 552, 60), Txt("5x-1", 0, 638, 60),
      Txt("0)", 0, 746, 60),
      kKey, Arc(3, 562, 48, 638, 60, "up", 10),
      kKey, Arc(3, 562, 48, 746, 60, "up", 20),
      kKey, Txt("=", 0, 508, 140), Txt("ﾀ2/5ﾀ*", 0, 540, 140), Txt("15x-", 0, 599, 140),
      Txt("ﾀ2/5ﾀ*", 0, 707, 140), Txt("10", 0, 766, 140),
      kKey, Stroke(540, 198, 32, -28), Txt("1", 3, 520, 176),
      Stroke(599, 180, 54, -38), Txt("3", 3, 579, 112),
      Stroke(707, 198, 32, -28), Txt("1", 3, 687, 176),
      Stroke(766, 180, 54, -38), Txt("2", 3, 746, 112),
      // The reduced values leave the line: the result stands 95 below the expanded line.
      kKey, Txt("=6x-4", 5, 508, 235),
      // (4) (15x+30)÷5, below (3) and further in
      kKey, Txt("(4) ", 3, 516, 300), Txt("(15x+30)/5", 0, 624, 300),
      kKey, Txt("=(1", 0, 580, 385), Txt("5x+3", 0, 666, 385), Txt("0)*", 0, 774, 385),
      Txt("ﾀ1/5ﾀ", 0, 855, 385),
      kKey, Arc(3, 865, 373, 666, 385, "up", 20),
      kKey, Arc(3, 865, 373, 774, 385, "up", 10),
      kKey, Txt("=", 0, 580, 465), Txt("15x*", 0, 612, 465), Txt("ﾀ1/5ﾀ+", 0, 720, 465),
      Txt("30*", 0, 779, 465), Txt("ﾀ1/5ﾀ", 0, 860, 465),
      kKey, Stroke(612, 505, 54, -38), Txt("3", 3, 592, 437),
      Stroke(720, 523, 32, -28), Txt("1", 3, 700, 501),
      Stroke(779, 505, 54, -38), Txt("6", 3, 759, 437),
      Stroke(860, 523, 32, -28), Txt("1", 3, 840, 501),
      // Here they move the line: 65 below the last "1".
      kKey, Txt("=3x+6", 5, 580, 566),
      // (5) (6x-8)÷2/3 opens a third column
      kKey, Txt("(5) ", 3, 912, 30), Txt("(6x-8)/ﾀ2/3ﾀ", 0, 1020, 30),
      kKey, Txt("=(6", 0, 976, 115), Txt("x-", 0, 1062, 115), Txt("8)*", 0, 1116, 115),
      Txt("ﾀ3/2ﾀ", 0, 1197, 115),
      kKey, Arc(3, 1207, 103, 1062, 115, "up", 20),
      kKey, Arc(3, 1207, 103, 1126, 115, "up", 10),
      kKey, Txt("=", 0, 976, 195), Txt("6x*", 0, 1008, 195), Txt("ﾀ3/2ﾀ-", 0, 1089, 195),
      Txt("8*", 0, 1148, 195), Txt("ﾀ3/2ﾀ", 0, 1202, 195),
      kKey, Stroke(1008, 235, 27, -38), Txt("3", 3, 988, 167),
      Stroke(1089, 253, 32, -28), Txt("1", 3, 1069, 231),
      Stroke(1148, 235, 27, -38), Txt("4", 3, 1128, 167),
      Stroke(1202, 253, 32, -28), Txt("1", 3, 1182, 231),
      kKey, Txt("=9x-12", 5, 976, 296),
  };
  EXPECT_EQ(SectionMarks(*session), expected);
}

namespace {

Rows SummaryRules(const char* title, float width) {
  return {Erase(0, 0, 1760, 1300),
          Txt(title, 3, 88, 18),
          Txt("① ( )があるときは、分配法則を利用してかっこをはずす", 0, 44, 83),
          Txt("m(a+b)=ma+mb", 0, 132, 178),
          Arc(3, 150, 178, 210, 178, "up", 16, width),
          Arc(7, 150, 178, 258, 178, "up", 32, width),
          Txt("② 除法は逆数をかけ、約分する", 0, 44, 243)};
}

}  // namespace

TEST(MultiplyDivideSummaries, DrawnAtOnceWithTheArcsAtTheWidthInForce) {
  // First after start-up (width 3), then after the flower bed, which leaves width 5.
  auto session = RunCorvane("4\n3\n6\nk1\n" + Keys(9) + "3\n6\nk");
  const Rows summary1_at_3 = SummaryRules("<文字式と数の乗法・除法>", 3);
  Rows summary2_at_3 = SummaryRules("<多項式×数、多項式÷数>", 3);
  summary2_at_3.push_back(kKey);
  summary2_at_3.push_back(Txt("教科書P17 問1　をしなさい。", 0, 44, 570));
  EXPECT_EQ(SectionMarks(*session, 1), summary1_at_3);
  EXPECT_EQ(SectionMarks(*session, 2), summary2_at_3);
  EXPECT_EQ(SectionMarks(*session, 4), SummaryRules("<文字式と数の乗法・除法>", 5));
  Rows summary2_at_5 = SummaryRules("<多項式×数、多項式÷数>", 5);
  summary2_at_5.push_back(kKey);
  summary2_at_5.push_back(Txt("教科書P17 問1　をしなさい。", 0, 44, 570));
  EXPECT_EQ(SectionMarks(*session, 5), summary2_at_5);
}

// The draw width is the run's: the first summary's arcs take the width that the last screen
// to set one left, in whichever chapter; answer screens, goal screens, the notation question
// and the vertical drills set none.
TEST(MultiplyDivideSummaries, ArcsTakeTheWidthAnyChapterLeft) {
  const struct {
    std::string before;
    float width;
  } cases[] = {
      {"", 3},
      {"3\n6\n12\n", 5},                          // chapter 3's summary
      {"5\n2\nkkk1\nk4\n", 5},                    // 例4
      {"6\n1\n" + Keys(16) + "6\n", 5},            // 例5
      {"6\n4\nkkkk1\nkk6\n", 5},                  // 例6
      {"3\n7\nkkk1\n8\nkkkkkkk1\nk9\n" + Keys(14) + "12\n", 3},
      {"5\n3\nkkkk4\n6\n2\nkk3\nk5\nk6\n", 3},
  };
  for (const auto& c : cases) {
    auto session = RunCorvane(c.before + "4\n3\n");
    EXPECT_EQ(SectionMarks(*session), SummaryRules("<文字式と数の乗法・除法>", c.width))
        << c.before;
  }
}

TEST(Question1Answers, SixAnswersOneAKeyInTwoColumns) {
  auto session = RunCorvane("4\n7\n" + Keys(6));
  const Rows expected{
      Erase(0, 0, 1760, 1800),
      Txt("問1 解答", 3, 94, 30),
      kKey, Txt("(1)", 3, 40, 90), Txt(" 7(5x+4y)", 0, 121, 90),
      Txt("=7*5x+7*4y", 0, 94, 140), Txt("=35x+28y", 5, 94, 190),
      kKey, Txt("(2)", 3, 40, 250), Txt(" -4(2a-3b)", 0, 121, 250),
      Txt("=-4*2a-4*(-3b)", 0, 94, 300), Txt("=-8a+12b", 5, 94, 350),
      kKey, Txt("(3)", 3, 40, 410), Txt(" (12x-16y)*ﾀ1/4ﾀ", 0, 121, 410),
      Txt("=12x*ﾀ1/4ﾀ-16y*ﾀ1/4ﾀ", 0, 94, 490), Txt("=3x-4y", 5, 94, 550),
      // The right column starts above the heading's line; nothing is erased.
      kKey, Txt("(4)", 3, 600, 15), Txt(" (-8x+6y)/2", 0, 681, 15),
      Txt("=-ﾀ8x/2ﾀ+ﾀ6y/2ﾀ", 0, 654, 95), Txt("=-4x+3y", 5, 654, 155),
      kKey, Txt("(5)", 3, 600, 215), Txt(" (5a-15b)/(-5)", 0, 681, 215),
      Txt("=-ﾀ5a/5ﾀ+ﾀ15b/5ﾀ", 0, 654, 295), Txt("=-a+3b", 5, 654, 355),
      kKey, Txt("(6)", 3, 600, 415), Txt(" (14a-7b)/(-ﾀ7/2ﾀ)", 0, 681, 415),
      Txt("=(14a-7b)*(-ﾀ2/7ﾀ)", 0, 654, 485),
      Txt("=14a*(-ﾀ2/7ﾀ)-7b*(-ﾀ2/7ﾀ)", 0, 654, 555), Txt("=-4a+2b", 5, 654, 615),
  };
  EXPECT_EQ(SectionMarks(*session), expected);
}
