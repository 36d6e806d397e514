// Chapter 6, the review page 32: the sub-menu and the answer screens step by step, the
// calendar proof's grid, frame and boxes, and the semicircle and cylinder figures.
#include <gtest/gtest.h>

#include <algorithm>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
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
const Fields kEraseScreen{"erase", "0", "0", "1760", "1800"};
const char* const kItemLine = "P32 学びを身につけよう ①～⑧解答　　　⑨終了";

Script Section(const char* item, int presses) { return SectionScript("6", item, Presses(presses)); }

Script Heading(const char* number) { return HeadingTexts(Numbered(kPage32, number), 40, 30, 10); }

// The script without the texts a figure draws (names, labels and marks: colour and text).
Script WithoutFigureTexts(const Script& script, const std::vector<Fields>& figure) {
  Script kept;
  for (const Fields& step : script) {
    const bool drawn_by_figure =
        step[0] == "text" &&
        (step[4].empty() ||
         std::find(figure.begin(), figure.end(), Fields{step[3], step[4]}) != figure.end());
    if (!drawn_by_figure) kept.push_back(step);
  }
  return kept;
}

bool DrawsLineInColour(const std::vector<Fields>& events, const std::string& colour) {
  for (const Fields& e : events) {
    if (e[0] == "op" && e[1] == "PsLINE" && e[6] == colour) return true;
  }
  return false;
}

}  // namespace

TEST(OstrelP32Master, OpensOnItsItemLineAndGoesToTheNearestItemInRange) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("6\n"));
  session.Start();
  ExpectScript(AfterField(ScriptOf(session.trace()), 1), {kEraseScreen, kField});
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "16", "666", "0", kItemLine}));

  const struct {
    const char* entry;
    const char* number;  // the number box of the screen it leads to; empty: the item line again
  } cases[] = {
      {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"7", "7"},
      {"8", "8"}, {"1.6", "2"}, {"7/3", "2"}, {"0", ""}, {"10", ""}, {"-1", ""}, {"", ""},
      {"9.2", ""},
  };
  for (const auto& c : cases) {
    const Script script = SectionScript("6", c.entry, "");
    ASSERT_FALSE(script.empty()) << c.entry;
    if (*c.number == '\0') {
      EXPECT_EQ(script[0], kField) << c.entry;
      continue;
    }
    ASSERT_GE(script.size(), 3u) << c.entry;
    EXPECT_EQ(script[2][4], c.number) << c.entry;
  }
  for (const char* last : {"9", "8.6"}) {
    const Script script = SectionScript("6", last, "");
    ASSERT_GE(script.size(), 2u);
    EXPECT_EQ(script[1][4], "＜Ｏｓｔｒｅｌ　メニュー＞") << last;
  }
}

TEST(OstrelP32Master, CalculationsOnThreeScreens) {
  ExpectScript(Section("1", 2), Concat({
      {kEraseScreen},
      Heading("1"),
      {
          TextStep("40", "90", "3", "(1)"), TextStep("121", "90", "0", "0.7x+y-(-1.4x+y)"),
          TextStep("94", "140", "0", "=0.7x+y+1.4x-y"),
          TextStep("94", "190", "0", "=0.7x+1.4x+y-y"),
          TextStep("94", "240", "5", "=2.1x"),
          // "(2)" and its problem start where "(1)" and its problem did.
          TextStep("40", "300", "3", "(2)"), TextStep("121", "300", "0", "-x^2y/2x/(-3y)"),
          TextStep("94", "370", "0", "=-x^2y*ﾀ1/2xﾀ*(-ﾀ1/3yﾀ)"),
          TextStep("94", "440", "0", "=ﾀxxy*1*1/2x*3yﾀ"),
          TextStep("94", "440", "0", "=ﾀｹxｹ*1*1/2ｹ*3ｹﾀ"),
          TextStep("94", "510", "5", "=ﾀ1/6ﾀx (ﾀx/6ﾀ)"),
          TextStep("600", "30", "3", "(3)"), TextStep("681", "30", "0", "m-10n-6(2m-n)"),
          TextStep("654", "80", "0", "=m-10n-12m+6n"),
          TextStep("654", "130", "0", "=m-12m-10n+6n"),
          TextStep("654", "180", "5", "=-11m-4n"),
          TextStep("600", "240", "3", "(4)"), TextStep("681", "240", "0", "(-a)^2*2a"),
          TextStep("654", "310", "0", "=a^2*2a"),
          TextStep("654", "380", "5", "=2a^3"),
          kWait,
          kEraseScreen,
          TextStep("40", "30", "3", "(5)"), TextStep("121", "30", "0", "ﾀ5x-3y/2ﾀ-ﾀ8x-4y/3ﾀ+x"),
          TextStep("40", "100", "0", "=ﾀ3(5x-3y)-2(8x-4y)+6x/6ﾀ"),
          TextStep("40", "170", "0", "=ﾀ15x-9y-16x+8y+6x/6ﾀ"),
          TextStep("40", "240", "0", "=ﾀ15x-16x+6x-9y+8y/6ﾀ"),
          TextStep("40", "310", "5", "=ﾀ5x-y/6ﾀ "),
          TextStep("40", "380", "3", "(6)"), TextStep("121", "380", "0", "ﾀ2/5ﾀa^2/ﾀ3/10ﾀb*(-6ab)"),
          TextStep("94", "450", "0", "=ﾀ2/5ﾀa^2*ﾀ10/3bﾀ*(-6ab)"),
          TextStep("94", "520", "0", "=-ﾀ2aa*10*6ab/5*3bﾀ"),
          TextStep("94", "520", "0", "=-ﾀ2aa*ｹｹ*ｹaｹ/ｹ*ｹｹﾀ"),
          TextStep("94", "590", "5", "=-8a^3"),
          TextStep("680", "30", "3", "(7)"), TextStep("761", "30", "0", "-xy*(-10xy^2)/5x^2"),
          TextStep("734", "100", "0", "=-xy*(-10xy^2)*ﾀ1/5x^2ﾀ"),
          TextStep("734", "170", "0", "=ﾀxy*10xyy*1/5xxﾀ"),
          TextStep("734", "170", "0", "=ﾀｹy*ｹｹｹyy*1/ｹｹｹﾀ"),
          TextStep("734", "240", "5", "=2y^3"),
          TextStep("680", "300", "3", "(8)"), TextStep("761", "300", "0", "3x^2+3x+1-(4x+2x^2)"),
          TextStep("734", "350", "0", "=3x^2+3x+1-4x-2x^2"),
          TextStep("734", "400", "0", "=3x^2-2x^2+3x-4x+1"),
          TextStep("734", "450", "5", "=x^2-x+1"),
          kWait,
          kEraseScreen,
          TextStep("40", "80", "3", "(9)"),
          TextStep("148", "130", "0", "25x- 3y+ 6"),
          TextStep("94", "186", "0", "-"), TextStep("+", "186", "0", ")"),
          TextStep("148", "180", "0", " 5x-10y+ 6"),
          TextStep("94", "155", "3", "+ -  +   -"),
          TextStep("148", "230", "5", "20x+ 7y"),
          TextStep("40", "290", "3", "(10)"),
          TextStep("148", "340", "0", "0.8x-0.5y-0.3"),
          TextStep("94", "396", "0", "+"), TextStep("+", "396", "0", ")"),
          TextStep("148", "390", "0", "0.2x+0.5y+2"),
          TextStep("148", "440", "5", "  x    +1.7"),
          kField,
      },
  }));
}

TEST(OstrelP32Master, SubstitutionAnswersAreDrawnAtOnce) {
  const char* const substitution = "  x=0.8,y=2.5 を代入して";
  ExpectScript(Section("2", 0), Concat({
      {kEraseScreen},
      Heading("2"),
      {
          TextStep("40", "90", "3", "(1)"), TextStep("121", "90", "0", "-2(6x-2y)+2(x+3y)"),
          TextStep("94", "150", "0", "=-12x+4y+2x+6y"),
          TextStep("94", "210", "0", "=-12x+2x+4y+6y"),
          TextStep("94", "270", "0", "=-10x+10y"),
          TextStep("94", "330", "3", substitution),
          TextStep("94", "390", "0", "=-10*0.8+10*2.5"),
          TextStep("94", "450", "0", "=-8+25"),
          TextStep("94", "510", "5", "=17"),
          TextStep("600", "90", "3", "(2)"), TextStep("681", "90", "0", "-14xy^2/2xy*(-5x)"),
          TextStep("654", "160", "0", "=ﾀ14xy^2*5x/2xyﾀ"),
          TextStep("654", "230", "0", "=ﾀ14xyy*5x/2xyﾀ"),
          TextStep("654", "230", "0", "=ﾀｹｹｹｹy*5x/ｹｹｹﾀ"),
          TextStep("654", "300", "5", "=35xy"),
          TextStep("654", "360", "3", substitution),
          TextStep("654", "420", "0", "=35*0.8*2.5"),
          TextStep("654", "480", "0", "=35*2"),
          TextStep("654", "540", "5", "=70"),
          kField,
      },
  }));
}

TEST(OstrelP32Master, SolveForLetterAnswersAreDrawnAtOnce) {
  ExpectScript(Section("3", 0), Concat({
      {kEraseScreen},
      Heading("3"),
      {
          TextStep("40", "90", "0", "(1) -a+2b=5  【a】"),
          TextStep("94", "150", "0", "-a=-2b+5"),
          TextStep("94", "200", "5", "a=2b-5"),
          TextStep("40", "280", "0", "(2) 12x+3y=11  【y】"),
          TextStep("94", "330", "0", "3y=11-12x"),
          TextStep("94", "410", "5", "y=ﾀ11-12x/3ﾀ"),
          TextStep("600", "30", "0", "(3) S=ﾀ1/2ﾀah  【h】"),
          TextStep("654", "110", "0", "ﾀ1/2ﾀah=S"),
          TextStep("654", "180", "0", "ah=2S"),
          TextStep("654", "240", "5", "h=ﾀ2S/aﾀ"),
          TextStep("600", "320", "0", "(4) m=ﾀa+b/2ﾀ  【b】"),
          TextStep("654", "380", "0", "2m=a+b"),
          TextStep("654", "440", "0", "a+b=2m"),
          TextStep("654", "500", "5", "b=2m-a"),
          kField,
      },
  }));
}

TEST(OstrelP32Master, ConsecutiveEvenSumOneStepPerKey) {
  ExpectScript(Section("4", 5), Concat({
      {kEraseScreen},
      Heading("4"),
      {
          TextStep("40", "90", "3", "(1)"), TextStep("+", "90", "5", "2n+2"),
          kWait,
          TextStep("40", "150", "3", "(2)"),
          TextStep("+", "150", "0", "連続する3つの偶数を　2n,2n+2,2n+4 とすると"),
          kWait, TextStep("94", "210", "0", "これらの和は"),
          kWait, TextStep("94", "270", "0", " 2n+(2n+2)+(2n+4)"),
          kWait, TextStep("94", "330", "0", "=2n+2n+2+2n+4"),
          TextStep("94", "390", "0", "=6n+6"),
          TextStep("94", "450", "3", "=3(2n+2)"),
          kWait,
          TextStep("94", "510", "0", "2n+2は中央の偶数だから、3(2n+2)は中央の偶数の3倍である。"),
          TextStep("94", "570", "0", "したがって、連続する3つの偶数の和は、中央の偶数の3倍になる。"),
          kField,
      },
  }));
}

// ---- The calendar proof ----

TEST(OstrelP32Master, CalendarStartsOnThursdayWithFiveRowsAndTheFrame) {
  const Script script = Section("5", 0);
  // After the heading: the weekday header and 35 date cells, 70 x 50 each from (722, 70).
  const char* const weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
  Script expected = Concat({{kEraseScreen}, Heading("5")});
  for (int c = 0; c < 7; ++c) {
    expected.push_back(BoxedText(722 + 70 * static_cast<float>(c), 70, 70, 50, "0", weekdays[c]));
  }
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 7; ++c) {
      const int date = 7 * (r - 1) + c - 4;
      expected.push_back(BoxedText(722 + 70 * static_cast<float>(c - 1),
                                   70 + 50 * static_cast<float>(r), 70, 50, "0",
                                   date >= 1 ? std::to_string(date) : ""));
    }
  }
  expected.push_back(kWait);
  ASSERT_GE(script.size(), expected.size());
  ExpectScript(Script(script.begin(), script.begin() + static_cast<long>(expected.size())),
               expected);

  // One solid block of colour 13, and the frame round 1, 2, 8 and 9 in colour 5 before the key.
  const auto events = SectionEvents("6", "5", "");
  int cells = 0;
  for (const Fields& e : events) {
    cells += e[0] == "op" && e[1] == "PsLINE" && e[6] == "13" && e[8] == "13" && e[9] == "5";
  }
  EXPECT_EQ(cells, 7 * 6);
  EXPECT_TRUE(std::find(events.begin(), events.end(),
                        Fields{"op", "PsLINE", "1007", "120", "1142", "220", "5", "1", "5", "5"}) !=
              events.end());
}

TEST(OstrelP32Master, CalendarProofFillsItsNineBoxesOnePerKey) {
  const Script script = Section("5", 10);
  // From the key after the calendar on: the boxes' numbers, then their fillings.
  Script texts;
  size_t first_wait = 0;
  while (first_wait < script.size() && script[first_wait] != kWait) ++first_wait;
  for (size_t k = first_wait; k < script.size(); ++k) texts.push_back(script[k]);
  const auto box = [](float x, float y, float width, const char* colour, const char* text) {
    // Laid around the line: the text stands on the line, the box 3 above it.
    return TextStep(X(x + std::max(0.0f, (width - EndOfText(text, 0)) / 2)), X(y), colour, text);
  };
  const float n_end = EndOfText("n,", 94);
  const float b1 = n_end + 10, b2 = EndOfText(",", b1 + 100) + 10;
  const float b3 = EndOfText(",", b2 + 100) + 10;
  const float sum_start = EndOfText("n+", 94) + 10;
  const float b4 = sum_start, b5 = EndOfText("+", b4 + 160) + 10;
  const float b6 = EndOfText("+", b5 + 160) + 10, b7 = EndOfText("=", b6 + 160) + 10;
  const float b8 = EndOfText("=", b7 + 160) + 10;
  ExpectScript(texts, {
      kWait,
      TextStep("94", "90", "3", "＜説明＞"),
      TextStep("94", "150", "0", "最も小さい整数をnとすると、"),
      TextStep("94", "210", "0", "4つの整数は、"),
      TextStep("94", "270", "3", "n,"),
      box(b1, 270, 90, "3", "①"), TextStep(X(b1 + 100), "270", "3", ","),
      box(b2, 270, 90, "3", "②"), TextStep(X(b2 + 100), "270", "3", ","),
      box(b3, 270, 90, "3", "③"),
      TextStep("94", "330", "0", "と表されるから、それらの和は"),
      TextStep("94", "390", "0", "n+"),
      box(b4, 390, 150, "3", "④"), TextStep(X(b4 + 160), "390", "0", "+"),
      box(b5, 390, 150, "3", "⑤"), TextStep(X(b5 + 160), "390", "0", "+"),
      box(b6, 390, 150, "3", "⑥"), TextStep(X(b6 + 160), "390", "0", "="),
      box(b7, 390, 150, "3", "⑦"), TextStep(X(b7 + 160), "390", "0", "="),
      box(b8, 390, 180, "3", "⑧"),
      box(94, 450, 90, "3", "⑨"), TextStep("194", "450", "0", "は整数だから、4の倍数になる。"),
      TextStep("94", "510", "0", "したがって、四角形で囲んだ4つの数の和は、4の倍数になる。"),
      kWait, box(b1, 270, 90, "5", "n+1"),
      kWait, box(b2, 270, 90, "5", "n+7"),
      kWait, box(b3, 270, 90, "5", "n+8"),
      kWait, box(b4, 390, 150, "5", "(n+1)"),
      kWait, box(b5, 390, 150, "5", "(n+7)"),
      kWait, box(b6, 390, 150, "5", "(n+8)"),
      kWait, box(b7, 390, 150, "5", "4n+16"),
      kWait, box(b8, 390, 180, "5", "4(n+4)"),
      kWait, box(94, 450, 90, "5", "n+4"),
      kField,
  });
}

// ---- Exercise 6 ----

TEST(OstrelP32Master, ThreeDigitProofComesAfterOneKey) {
  ExpectScript(Section("6", 1), Concat({
      {kEraseScreen},
      Heading("6"),
      {
          kWait,
          TextStep("94", "90", "0", "百の位をa,一の位をbとすると、十の位はa+b となるので"),
          TextStep("94", "150", "0", "この3けたの正の整数は、100a+10(a+b)+b と表される。"),
          TextStep("94", "210", "0", " 100a+10(a+b)+b"),
          TextStep("94", "260", "0", "=100a+10a+10b+b"),
          TextStep("94", "310", "0", "=110a+11b"),
          TextStep("94", "360", "3", "=11(10a+b)"),
          TextStep("94", "420", "0", "10a+b は整数だから、11の倍数になる。"),
          TextStep("94", "470", "0", "したがって、3けたの正の整数で、百の位の数と一の位の数の和が"),
          TextStep("94", "520", "0", "十の位の数になっている数は11の倍数である。"),
          kField,
      },
  }));
}

// Exercise 6's screen keeps the draw width the screen before it left.
TEST(OstrelP32Master, ThreeDigitHeadingTakesTheWidthInForce) {
  EXPECT_EQ(BorderWidthAt("6\n6\n" + Presses(1), "40", "30", "3"), "3");
  EXPECT_EQ(BorderWidthAt("6\n2\n6\n" + Presses(1), "40", "30", "3"), "5");
}

// ---- Exercise 7: the semicircle routes ----

namespace {

Fields Circle(const char* x, const char* y, const char* radius, const char* colour,
              const char* start, const char* end) {
  return {"op", "PsCIRCLE", x, y, radius, colour, "1", start, end, "0", colour, "5"};
}
Fields Disc(const char* x, const char* y) {
  return {"op", "PsCIRCLE", x, y, "6", "0", "1", "0", "0", "1", "0", "5"};
}

}  // namespace

TEST(OstrelP32Master, SemicircleRoutesFigure) {
  const auto events = SectionEvents("6", "7", Presses(6));
  const auto stages = FigureStages(events, 600);
  ASSERT_EQ(stages.size(), 7u);
  // Before the first key: the three circles, the routes over them, the discs at A, B, the
  // centre of P, C, the centre of Q and O, and the names.
  EXPECT_EQ(stages[0].arcs, (std::vector<Fields>{
                                Circle("930", "290", "210", "0", "0", "0"),
                                Circle("860", "290", "140", "0", "0", "0"),
                                Circle("1070", "290", "70", "0", "0", "0"),
                                Circle("930", "290", "210", "3", "0.5", "1"),
                                Circle("860", "290", "140", "5", "0", "0.5"),
                                Circle("1070", "290", "70", "5", "0.5", "1"),
                                Disc("720", "290"), Disc("1140", "290"), Disc("860", "290"),
                                Disc("1000", "290"), Disc("1070", "290"), Disc("930", "290"),
                            }));
  // The 12cm bow over AB, then the dotted diameters AC and CB.
  EXPECT_EQ(stages[0].dots, (std::map<std::string, int>{{"7", 37}, {"0", 181 + 181}}));
  EXPECT_EQ(stages[0].texts, (std::vector<Fields>{
                                 {"876", "216", "7", "12cm"}, {"846.5", "300", "0", "P"},
                                 {"1056.5", "300", "0", "Q"}, {"936", "290", "0", "O"},
                                 {"676", "268", "0", "A"}, {"1148", "268", "0", "B"},
                                 {"1006", "290", "0", "C"}, {"760", "90", "3", "イ"},
                                 {"860", "440", "5", "ア"},
                             }));
  // The 2rcm bow under AC with the first text row.
  EXPECT_EQ(stages[1].dots, (std::map<std::string, int>{{"7", 37}}));
  EXPECT_EQ(stages[1].texts, (std::vector<Fields>{{"806", "320", "7", "2rcm"}}));
  EXPECT_EQ(DotCount(stages), 436);
  EXPECT_FALSE(DrawsLineInColour(events, "14"));
}

TEST(OstrelP32Master, SemicircleRoutesWorkedOutInSixKeys) {
  const Script texts = WithoutFigureTexts(
      Section("7", 6), {{"7", "12cm"}, {"0", "P"}, {"0", "Q"}, {"0", "O"}, {"0", "A"},
                        {"0", "B"}, {"0", "C"}, {"3", "イ"}, {"5", "ア"}, {"7", "2rcm"}});
  ExpectScript(texts, Concat({
      {kEraseScreen},
      Heading("7"),
      {
          kWait,
          TextStep("40", "90", "0", "円Pの直径を 2rcm とすると"),
          TextStep("40", "140", "0", "円Pの半径は　rcm"),
          TextStep("40", "190", "3", "円Qの半径は、"),
          kWait,
          TextStep("+", "190", "0", "(12-2r)/2="),
          TextStep("+", "190", "3", "6-r(cm)"),
          TextStep("40", "250", "0", "アの行き方は、"),
          kWait,
          TextStep("94", "320", "0", "2πr*ﾀ1/2ﾀ+2π(6-r)*ﾀ1/2ﾀ"),
          kWait,
          TextStep("94", "380", "0", "=πr+π(6-r)"),
          TextStep("94", "430", "0", "=πr+6π-πr"),
          TextStep("+", "430", "3", "=6π…①"),
          TextStep("40", "490", "0", "イの行き方は、"),
          kWait,
          TextStep("94", "560", "0", "12π*ﾀ1/2ﾀ"),
          TextStep("+", "560", "3", "=6π…②"),
          kWait,
          TextStep(X(EndOfText("=6π…②", EndOfText("12π*ﾀ1/2ﾀ", 94)) + 80), "560", "0",
                   "①、②から"),
          TextStep("+", "560", "5", "同じになる。"),
          kField,
      },
  }));
}

// ---- Exercise 8: the cylinders ----

TEST(OstrelP32Master, CylindersFigureAndTheirAreasAtOnce) {
  const auto events = SectionEvents("6", "8", "");
  const auto stages = FigureStages(events, 500);
  ASSERT_EQ(stages.size(), 1u);
  const auto side = [](const char* x1, const char* y1, const char* x2, const char* y2) {
    return Fields{"op", "PsLINE", x1, y1, x2, y2, "0", "0", "0", "5"};
  };
  std::vector<Fields> sides;
  for (const Fields& line : stages[0].straights) {
    if (line[6] == "0") sides.push_back(line);  // not the bar of the label h/2
  }
  EXPECT_EQ(sides, (std::vector<Fields>{
                                     side("590", "150", "590", "450"),
                                     side("770", "450", "770", "150"),
                                     side("830", "300", "830", "450"),
                                     side("1190", "450", "1190", "300"),
                                 }));
  // The ellipses dotted densely but for the hidden backs of the bottoms; the marks in 3.
  EXPECT_EQ(stages[0].dots, (std::map<std::string, int>{
                                {"0", 91 + 91 + 91 + 31 + 181 + 181 + 181 + 37},
                                {"3", 21 + 37 + 21 + 61}}));
  EXPECT_EQ(DotCount(stages), 1024);
  EXPECT_EQ(stages[0].texts, (std::vector<Fields>{
                                 {"623", "55", "3", "円柱A"}, {"543", "278", "3", "h"},
                                 {"631.5", "406", "3", "r"}, {"953", "205", "3", "円柱B"},
                                 {"778", "335", "3", "ﾀh/2ﾀ"}, {"903", "406", "3", "2r"},
                             }));
  EXPECT_FALSE(DrawsLineInColour(events, "14"));

  const Script texts =
      WithoutFigureTexts(Section("8", 0), {{"3", "円柱A"}, {"3", "円柱B"}, {"3", "h"},
                                           {"3", "r"}, {"3", "ﾀh/2ﾀ"}, {"3", "2r"}});
  ExpectScript(texts, Concat({
      {kEraseScreen},
      Heading("8"),
      {
          TextStep("40", "90", "7", "円柱A"),
          TextStep("40", "140", "0", "体積は、π*r^2*h"), TextStep("+", "140", "3", "=πr^2h"),
          TextStep("40", "190", "0", "底面積は、"), TextStep("+", "190", "3", "πr^2"),
          TextStep("40", "240", "0", "側面積は、"), TextStep("+", "240", "0", "h*2πr"),
          TextStep("+", "240", "3", "=2πrh"),
          TextStep("40", "300", "7", "円柱B"),
          TextStep("40", "360", "0", "体積は、π*(2r)^2*ﾀ1/2ﾀh"),
          TextStep("40", "420", "0", "=π*4r^2*ﾀ1/2ﾀh"), TextStep("+", "420", "3", "=2πr^2h"),
          TextStep("40", "480", "0", "底面積は、"), TextStep("+", "480", "0", "π(2r)^2"),
          TextStep("+", "480", "3", "=4πr^2"),
          TextStep("40", "540", "0", "側面積は、"), TextStep("+", "540", "0", "ﾀ1/2ﾀh*2π*2r"),
          TextStep("+", "540", "3", "=2πrh"),
          TextStep("40", "600", "0", "だから"), TextStep("+", "600", "5", "正しいものは(イ)と(エ)"),
          kField,
      },
  }));
}
