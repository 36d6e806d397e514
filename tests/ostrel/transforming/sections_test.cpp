// Chapter 3, transforming equations: its entry and sub-menu, and the worked sections step
// by step (what each draws where and in which colour, where it waits for a key) with the
// running track's figure.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"
#include "tests/ostrel/answer_script.h"
#include "tests/ostrel/figure_script.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace testing_support;
using namespace ostrel_testing;
using lesson::HeadlessSession;

namespace {

const Fields kWait{"wait"};
const Fields kField{"field"};
const char* const kItemLine = "①ひろげ　②基本例題　③練習１　④例題3　⑤練習２　⑥問４　⑦終了";

Fields Text(const std::string& x, const std::string& y, const std::string& colour,
            const std::string& text) {
  return {"text", x, y, colour, text};
}

// A text `gap` right of where `before`, drawn from x, ends.
std::string AfterGap(const std::string& before, float x, float gap) {
  return X(EndOfText(before, x) + gap);
}

Script Section(const char* item, int presses) { return SectionScript("3", item, Presses(presses)); }

}  // namespace

TEST(OstrelTransforming, MainMenuItem3ShowsTheGoalAndTheItemLine) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("3\n"));
  session.Start();
  const Script script = AfterField(ScriptOf(session.trace()), 1);
  ExpectScript(script, {
      {"erase", "0", "0", "1760", "1800"},
      {"erase", "0", "0", "1760", "1800"},
      Text("44", "240", "3", "<めあて>"),
      Text("44", "305", "0", "等式を変形して、ある文字について解けるようになろう。"),
      kField,
  });
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "16", "666", "0", kItemLine}));
}

// Where a number typed at the sub-menu leads: the range is tested on the typed value, the
// item is the nearest one.
TEST(OstrelTransforming, SubMenuGoesToTheNearestItemInRange) {
  const struct {
    const char* entry;
    const char* first_text;  // of the place it leads to; empty: the item line again
  } cases[] = {
      {"1", "P28「ひろげよう」"}, {"1.6", "<xについて解く>"}, {"5/3", "<xについて解く>"},
      {"2.5", "<xについて解く>"}, {"3", "練習"},             {"4", "例題3 "},
      {"6", "教科書P29 問4 解答"}, {"6.6", "＜Ｏｓｔｒｅｌ　メニュー＞"},
      {"7", "＜Ｏｓｔｒｅｌ　メニュー＞"}, {"0", ""}, {"8", ""}, {"-1", ""}, {"0.4", ""}, {"7.2", ""},
  };
  for (const auto& c : cases) {
    const Script script = SectionScript("3", c.entry, "");
    ASSERT_FALSE(script.empty()) << c.entry;
    size_t k = 0;
    while (k < script.size() && script[k][0] == "erase") ++k;
    ASSERT_LT(k, script.size()) << c.entry;
    if (*c.first_text == '\0') {
      // The item line comes again at once, over the screen as it was.
      EXPECT_EQ(script[0], kField) << c.entry;
    } else {
      ASSERT_EQ(script[k][0], "text") << c.entry;
      EXPECT_EQ(script[k][4], c.first_text) << c.entry;
    }
  }
}

TEST(OstrelTransforming, TemperatureFormulaRevealsTheTableCellByCell) {
  const float c_end = EndOfText("c=ﾀ5/9ﾀ(f-32)", EndOfText("ﾀ9/5ﾀc=f-32",
                                                         EndOfText("ﾀ9/5ﾀc+32=f", 66) + 40) + 40);
  Script expected = {
      {"erase", "0", "0", "1760", "1800"},
      Text("30", "20", "3", "P28「ひろげよう」"),
      Text("+", "20", "0", "温度の表し方には摂氏(%C)と華氏(%F)の2種類がある。"),
      kWait,
      Text("66", "80", "0", " 華氏f%Fと摂氏c%C の関係は、"),
      Text("+", "80", "3", "f=ﾀ9/5ﾀc+32"),
      Text("+", "80", "0", " という式で表される。"),
      kWait,
      Text("30", "140", "3", "① "),
      Text("+", "140", "7", "68%Fは何%Cですか？"),
      kWait,
      Text("66", "190", "0", "68=ﾀ9/5ﾀc+32"),
      kWait,
      Text(AfterGap("68=ﾀ9/5ﾀc+32", 66, 40), "190", "0", "ﾀ9/5ﾀc+32=68"),
  };
  const auto add_steps = [&expected](float x, const std::string& y, const std::string& colour,
                                     std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
      expected.push_back(kWait);
      expected.push_back(Text(X(x), y, colour, text));
      x = EndOfText(text, x) + 40;
    }
  };
  const float x3 = EndOfText("ﾀ9/5ﾀc+32=68", std::stof(expected.back()[1])) + 40;
  add_steps(x3, "190", "0", {"ﾀ9/5ﾀc=68-32", "ﾀ9/5ﾀc=36"});
  add_steps(66, "250", "0", {"c=36*ﾀ5/9ﾀ=20"});
  add_steps(EndOfText("c=36*ﾀ5/9ﾀ=20", 66) + 40, "250", "5", {"20%C"});
  expected.insert(expected.end(), {
      kWait,
      Text("30", "310", "3", "② "),
      Text("+", "310", "7", "f=ﾀ9/5ﾀc+32 の式を、c=　の式に変形すると、"),
  });
  add_steps(66, "380", "0", {"ﾀ9/5ﾀc+32=f", "ﾀ9/5ﾀc=f-32"});
  add_steps(EndOfText("ﾀ9/5ﾀc=f-32", EndOfText("ﾀ9/5ﾀc+32=f", 66) + 40) + 40, "380", "3",
            {"c=ﾀ5/9ﾀ(f-32)"});

  // The table: columns at x 30 (180 wide) and 210, 360, 510, 660, 810 (150 wide); the
  // Fahrenheit row at y 450, 50 high; the Celsius row at y 500, 80 high.
  expected.push_back(kWait);
  expected.push_back(BoxedText(30, 450, 180, 50, "0", "華氏(%F)"));
  const float columns[] = {210, 360, 510, 660, 810};
  const char* const fahrenheit[] = {"-4", "0", "32", "50", "68"};
  for (int k = 0; k < 5; ++k) {
    expected.push_back(BoxedText(columns[k], 450, 150, 50, "0", fahrenheit[k]));
  }
  expected.push_back(BoxedText(30, 500, 180, 80, "0", "摂氏(%C)"));
  for (float x : columns) expected.push_back(BoxedText(x, 500, 150, 80, "5", ""));
  const char* const celsius[] = {"-20", "-ﾀ160/9ﾀ", "0", "10", "20"};
  for (int k = 0; k < 5; ++k) {
    expected.push_back(kWait);
    expected.push_back(BoxedText(columns[k], 500, 150, 80, "5", celsius[k]));
  }
  expected.insert(expected.end(), {
      kWait,
      Text(X(c_end + 20), "380", "5", "(cについて解く)"),
      kWait,
      Text("30", "590", "7", "教科書P29 問3をやろう。"),
      kWait,
      Text("+", "590", "3", "59%F="),
      Text("+", "590", "5", "15%C ,"),
      Text("+", "590", "3", "35%C="),
      Text("+", "590", "5", "95%F"),
      kField,
  });
  ExpectScript(Section("1", 21), expected);
}

TEST(OstrelTransforming, TemperatureTableIsBorderedInColour3WithTheCelsiusCellsOutlined) {
  const auto events = SectionEvents("3", "1", Presses(13));
  std::vector<Fields> boxes;
  for (const auto& e : events) {
    if (e[0] == "op" && e[1] == "PsLINE" && e[6] == "3" && e[7] == "2") boxes.push_back(e);
  }
  ASSERT_EQ(boxes.size(), 12u);
  // Head cells and Fahrenheit cells filled in 13, the empty Celsius cells in the background.
  EXPECT_EQ(boxes[0], (Fields{"op", "PsLINE", "30", "450", "210", "500", "3", "2", "13", "5"}));
  EXPECT_EQ(boxes[5], (Fields{"op", "PsLINE", "810", "450", "960", "500", "3", "2", "13", "5"}));
  EXPECT_EQ(boxes[6], (Fields{"op", "PsLINE", "30", "500", "210", "580", "3", "2", "13", "5"}));
  EXPECT_EQ(boxes[7], (Fields{"op", "PsLINE", "210", "500", "360", "580", "3", "2", "15", "5"}));
  EXPECT_EQ(boxes[11], (Fields{"op", "PsLINE", "810", "500", "960", "580", "3", "2", "15", "5"}));
}

TEST(OstrelTransforming, SolvingForXFillsThreeColumns) {
  const auto rows = [](std::initializer_list<Fields> r) { return Script(r); };
  Script expected = rows({
      {"erase", "0", "0", "1320", "1300"},
      Text("36", "30", "5", "<xについて解く>"),
      Text("36", "80", "0", "2x+y=10…①"),
      Text("36", "140", "0", "x=5-ﾀy/2ﾀ…②"),
      Text("36", "200", "0", "①の等式から、"),
      Text("36", "250", "0", "②の式をつくることを"),
      Text("36", "300", "5", "xについて解く"),
      Text("+", "300", "0", "という。"),
      kWait,
      Text("36", "400", "3", "問　xについて解きなさい。"),
      Text("0", "450", "0", "(1)　x-y=2"),
      kWait,
      Text("108", "500", "3", "-y を移項して"),
      Text("72", "550", "5", " 　x="),
      kWait,
      Text("+", "550", "5", "2+y"),
      // The second column.
      kWait, Text("432", "30", "0", "(2)　2x-y=0"),
      kWait, Text("504", "80", "3", "-y を移項して"),
      kWait, Text("468", "130", "0", "2x=y"),
      kWait, Text("504", "180", "3", "両辺を2 でわって"),
      kWait, Text("468", "240", "5", "x="),
      kWait, Text("+", "240", "5", "ﾀy/2ﾀ"),
      kWait, Text("432", "330", "0", "(3) ﾀ1/2ﾀx-y=0"),
      kWait, Text("504", "380", "3", "-y を移項して"),
      kWait, Text("468", "450", "0", "ﾀ1/2ﾀx=y"),
      kWait, Text("504", "500", "3", "両辺に2 をかけて"),
      kWait, Text("468", "560", "5", "x="),
      kWait, Text("+", "560", "5", "2y"),
      // The third column.
      kWait, Text("828", "30", "0", "(4)　2x-4y=7"),
      kWait, Text("900", "80", "3", "-4y を移項して"),
      kWait, Text("864", "130", "0", "2x=7+4y"),
      kWait, Text("900", "180", "3", "両辺を2 でわって"),
      kWait, Text("864", "230", "0", "2x/2=(7+4y)/2"),
      kWait, Text("864", "300", "0", "ﾀ2x/2ﾀ=ﾀ7/2ﾀ+ﾀ4y/2ﾀ"),
      kWait, Text("864", "390", "5", "x=ﾀ7/2ﾀ+2y"),
      kField,
  });
  ExpectScript(Section("2", 22), expected);
}

TEST(OstrelTransforming, Question4AnswersAreDrawnAtOnce) {
  ExpectScript(Section("6", 0), {
      {"erase", "0", "0", "1320", "1300"},
      Text("108", "30", "3", "教科書P29 問4 解答"),
      Text("36", "100", "0", "(1) y=ax  【a】"),
      Text("108", "150", "7", " 両辺をいれかえて"),
      Text("108", "200", "0", "ax=y"),
      Text("108", "250", "7", " 両辺をxでわって"),
      Text("108", "310", "5", "a=ﾀy/xﾀ"),
      Text("36", "370", "0", "(2) l=2πr  【r】"),
      Text("108", "420", "7", " 両辺をいれかえて"),
      Text("108", "470", "0", "2πr=l"),
      Text("108", "520", "7", " 両辺を2πでわって"),
      Text("108", "580", "5", "r=ﾀl/2πﾀ"),
      Text("576", "90", "0", "(3) x+y=6  【x】"),
      Text("648", "140", "7", " yを移項して"),
      Text("648", "190", "5", "x=6-y"),
      Text("576", "250", "0", "(4) 2x-y=3  【y】"),
      Text("648", "300", "7", " 2xを移項して"),
      Text("648", "350", "0", "-y=-2x+3"),
      Text("648", "400", "7", " 両辺を-1でわって"),
      Text("648", "460", "0", "ﾀ-y/-1ﾀ=ﾀ-2x/-1ﾀ+ﾀ3/-1ﾀ"),
      Text("648", "520", "5", "y=2x-3"),
      kField,
  });
}

// ---- The running track ----

namespace {

// The script without the figure's dimension labels (drawn by the dotted marks).
Script WithoutLabels(const Script& script) {
  Script kept;
  for (const Fields& step : script) {
    const bool label = step[0] == "text" && (step[4].empty() || step[4] == "r" || step[4] == "a");
    if (!label) kept.push_back(step);
  }
  return kept;
}

}  // namespace

TEST(OstrelTrack, BuildsThePerimeterAndSolvesItForA) {
  ExpectScript(WithoutLabels(Section("4", 12)), {
      {"erase", "0", "0", "1760", "1800"},
      Text("40", "30", "3", "例題3 "),
      Text("+", "30", "0", "トラックの周の長さを"),
      Text("+", "30", "3", "l "),
      Text("+", "30", "0", "とする。"),
      kWait, Text("40", "80", "3", "(1)l"), Text("+", "80", "0", "をaとrを使って表しなさい。"),
      kWait, Text("121", "130", "3", "l="),
      kWait, Text("+", "130", "3", "2a"),
      kWait, Text("+", "130", "3", "+2πr"),
      kWait, Text("40", "180", "3", "(2)"), Text("+", "180", "0", "aを求める式をつくりなさい。"),
      kWait, Text("157", "230", "3", "両辺を入れかえて"),
      kWait, Text("121", "280", "0", "2a+2πr=l"),
      kWait, Text("157", "330", "3", "2πr を移項して"),
      kWait, Text("121", "380", "0", "2a=l-2πr"),
      kWait, Text("157", "430", "3", "両辺を2 でわって"),
      kWait, Text("121", "500", "0", "ﾀ2a/2ﾀ=ﾀl/2ﾀ-ﾀ2πr/2ﾀ"),
      kWait, Text("121", "590", "5", "a=ﾀl/2ﾀ-πr"),
      kField,
  });
  // The first line ends at x 697, left of the track's leftmost point, x 724.
  EXPECT_EQ(EndOfText("とする。", EndOfText("l ", EndOfText("トラックの周の長さを",
                                                          EndOfText("例題3 ", 40)))),
            697);
}

namespace {

Fields Line(const char* x1, const char* y1, const char* x2, const char* y2, const char* colour) {
  return {"op", "PsLINE", x1, y1, x2, y2, colour, "0", colour, "5"};
}
Fields Arc(const char* x, const char* y, const char* colour, const char* start,
           const char* end) {
  return {"op", "PsCIRCLE", x, y, "120", colour, "1", start, end, "0", colour, "5"};
}

}  // namespace

TEST(OstrelTrack, TrackTurnsToColour7TermByTerm) {
  const auto events = SectionEvents("3", "4", Presses(12));
  // The grid frame only places the figure: no grid line, light or heavy (colour 14).
  for (const Fields& e : events) {
    EXPECT_FALSE(e[0] == "op" && e[1] == "PsLINE" && (e[6] == "14" || e[6] == "15") &&
                 e[7] == "0");
  }
  const auto stages = FigureStages(events, 684);
  ASSERT_EQ(stages.size(), 13u);
  // Before the first key: straights, dotted diameters, semicircles and the two marks; the
  // grid frame draws no line.
  const FigureStage& track = stages[0];
  EXPECT_EQ(track.straights, (std::vector<Fields>{Line("844", "70", "1084", "70", "0"),
                                                  Line("844", "310", "1084", "310", "0")}));
  EXPECT_EQ(track.arcs, (std::vector<Fields>{Arc("844", "190", "0", "0.25", "0.75"),
                                             Arc("1084", "190", "0", "0.75", "0.25")}));
  EXPECT_EQ(track.dots, (std::map<std::string, int>{{"0", 2 * 37}, {"3", 23 + 37}}));
  EXPECT_EQ(track.texts, (std::vector<Fields>{{"864", "228", "3", "r"},
                                               {"950.5", "90", "3", "a"}}));
  // With "2a" the straights, with "+2πr" the semicircles and the circle they make.
  EXPECT_EQ(stages[3].straights, (std::vector<Fields>{Line("844", "70", "1084", "70", "7"),
                                                      Line("844", "310", "1084", "310", "7")}));
  EXPECT_TRUE(stages[3].arcs.empty());
  EXPECT_EQ(stages[4].arcs, (std::vector<Fields>{Arc("844", "190", "7", "0.25", "0.75"),
                                                 Arc("1084", "190", "7", "0.75", "0.25"),
                                                 Arc("964", "490", "7", "0", "0")}));
  EXPECT_EQ(stages[4].dots, (std::map<std::string, int>{{"0", 37}, {"3", 23}}));
  EXPECT_EQ(stages[4].texts, (std::vector<Fields>{{"984", "528", "3", "r"}}));
  EXPECT_EQ(DotCount(stages), 194);
}
