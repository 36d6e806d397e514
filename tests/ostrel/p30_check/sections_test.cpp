// Chapter 5, the review page 30: the sub-menu and every answer screen step by step, with the
// column calculations' rows, the cancellation strokes, the fill-in boxes and the draw width
// the screens inherit.
#include <gtest/gtest.h>

#include <algorithm>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/answer_script.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace testing_support;
using namespace ostrel_testing;
using lesson::HeadlessSession;

namespace {

const Fields kWait{"wait"};
const Fields kField{"field"};
const Fields kEraseScreen{"erase", "0", "0", "1760", "1800"};
const char* const kItemLine = "①1,2　②3　③4　④5　⑤6　⑥7　⑦8,9　⑧終了";

Script Section(const char* item, int presses) { return SectionScript("5", item, Presses(presses)); }

// A heading of page 30 with its number box of 44 x 44.
Script Heading(const char* number, float x, float y, float gap) {
  return HeadingTexts(Numbered(kPage30, number), x, y, gap);
}

// Where a text drawn from x ends.
std::string End(const std::string& text, float x) { return X(EndOfText(text, x)); }

}  // namespace

TEST(OstrelP30Check, OpensOnItsItemLineAndGoesToTheNearestItemInRange) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("5\n"));
  session.Start();
  ExpectScript(AfterField(ScriptOf(session.trace()), 1), {kEraseScreen, kField});
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "16", "666", "0", kItemLine}));

  const struct {
    const char* entry;
    const char* number;  // the number box of the screen it leads to; empty: the item line again
  } cases[] = {
      {"1", "1"}, {"1.6", "3"}, {"7/3", "3"}, {"3", "4"}, {"4", "5"}, {"5", "6"}, {"6", "7"},
      // The range is tested on the typed value: 8.4 lies above 8 as 8.6 does.
      {"0", ""},  {"9", ""},    {"-1", ""},   {"0.6", ""}, {"8.4", ""}, {"8.6", ""},
  };
  for (const auto& c : cases) {
    const Script script = SectionScript("5", c.entry, "");
    ASSERT_GE(script.size(), 1u) << c.entry;
    if (*c.number == '\0') {
      EXPECT_EQ(script[0], kField) << c.entry;
      continue;
    }
    ASSERT_GE(script.size(), 3u) << c.entry;
    EXPECT_EQ(script[2][4], c.number) << c.entry;
  }
  // Items 7 and 8 (by 7.6).
  EXPECT_EQ(SectionScript("5", "7", "")[2], BoxedText(40, 90, 44, 44, "13", "8"));
  const Script main_menu = SectionScript("5", "7.6", "");
  ASSERT_GE(main_menu.size(), 2u);
  EXPECT_EQ(main_menu[1][4], "＜Ｏｓｔｒｅｌ　メニュー＞");
}

TEST(OstrelP30Check, DegreeAndLikeTermsOneProblemPerKey) {
  const float after_box = 36 + 40;  // the number box "2" is 40 wide
  ExpectScript(Section("1", 7), Concat({
      {kEraseScreen},
      {BoxedText(36, 20, 396, 46, "0", "学びをたしかめよう"),
       BoxedText(442, 20, 40, 46, "13", "1")},
      {
          kWait,
          TextStep("502", "20", "0", "(1)"), TextStep("+", "20", "5", "二次式"),
          TextStep(X(EndOfText("二次式", EndOfText("(1)", 502)) + 20), "20", "0", "(2)"),
          TextStep("+", "20", "5", "三次式"),
          kWait,
          BoxedText(36, 80, 40, 46, "13", "2"),
          TextStep(X(after_box), "80", "0", "(1) 3x-7y+4x"),
          TextStep("108", "140", "0", "=3x+4x-7y"),
          TextStep("108", "200", "5", "=7x-7y"),
          kWait,
          TextStep("36", "260", "0", "(2) 8a-b-7a+2b"),
          TextStep("108", "320", "0", "=8a-7a-b+2b"),
          TextStep("108", "380", "5", "=a+b"),
          kWait,
          TextStep("36", "440", "0", "(3) -5x+9y+3x-8y"),
          TextStep("108", "500", "0", "=-5x+3x+9y-8y"),
          TextStep("108", "560", "5", "=-2x+y"),
          kWait,
          TextStep("504", "90", "0", "(4) 3x^2-5x-2x^2+x"),
          TextStep("576", "150", "0", "=3x^2-2x^2-5x+x"),
          TextStep("576", "210", "5", "=x^2-4x"),
          kWait,
          TextStep("504", "270", "0", "(5) 8a^2-5a-2+7a"),
          TextStep("576", "330", "0", "=8a^2-5a+7a-2"),
          TextStep("576", "390", "5", "=8a^2+2a-2"),
          kWait,
          TextStep("504", "450", "0", "(6) 4x-2y-7+2x"),
          TextStep("576", "510", "0", "=4x+2x-2y-7"),
          TextStep("576", "570", "5", "=6x-2y-7"),
          kField,
      },
  }));
  // Exercise 1's pieces on the heading's line.
  EXPECT_EQ(End("(1)", 502), "583");
  EXPECT_EQ(X(EndOfText("二次式", 583) + 20), "705");
}

TEST(OstrelP30Check, BracketSumsAndDifferencesAreDrawnAtOnce) {
  Script expected = Concat({{kEraseScreen}, Heading("3", 40, 30, 44)});
  const struct {
    const char* column;
    const char* margin;
    const char* label;
    const char* texts[8];
  } columns[] = {
      {"40", "94", "(1)",
       {" (3a+2b)+(a-4b)", "=3a+2b+a-4b", "=3a+a+2b-4b", "=4a-2b", " (3a+2b)-(a-4b)",
        "=3a+2b-a+4b", "=3a-a+2b+4b", "=2a+6b"}},
      {"600", "654", "(2)",
       {" (x-4y)+(-2x+3y)", "=x-4y-2x+3y", "=x-2x-4y+3y", "=-x-y", " (x-4y)-(-2x+3y)",
        "=x-4y+2x-3y", "=x+2x-4y-3y", "=3x-7y"}},
  };
  const char* const ys[] = {"80", "130", "180", "230", "290", "340", "390", "440"};
  for (const auto& c : columns) {
    for (int k = 0; k < 8; ++k) {
      // Each calculation's first line starts with its label, the difference's an empty one.
      if (k == 0) expected.push_back(TextStep(c.column, ys[k], "3", c.label));
      if (k == 4) expected.push_back(TextStep(c.column, ys[k], "3", ""));
      expected.push_back(TextStep(c.margin, ys[k], k % 4 == 3 ? "5" : "0", c.texts[k]));
    }
  }
  expected.push_back(kField);
  ExpectScript(Section("2", 0), expected);
}

// The column calculations: operands, operator and ")" from DrawColumnAddition, the sign marks
// of the subtractions 25 above their lower rows, the answers under the rules. (4) is
// 4a+6b - (a+6b-5) = 3a+5: every sign of the lower row changes, the constant's too.
TEST(OstrelP30Check, ColumnCalculationsWithTheirSignMarks) {
  const Script script = Section("3", 0);
  // (4) does not keep the constant's sign.
  for (const Fields& step : script) EXPECT_TRUE(step.size() < 5 || step[4] != "3a   -5");
  ExpectScript(script, Concat({
      {kEraseScreen},
      Heading("4", 94, 30, 10),
      {
          TextStep("40", "90", "3", "(1)"),
          TextStep("148", "140", "0", "3x+4y"),
          TextStep("94", "196", "0", "+"), TextStep("+", "196", "0", ")"),
          TextStep("148", "190", "0", "2x-2y"),
          TextStep("148", "240", "5", "5x+2y"),
          TextStep("40", "290", "3", "(2)"),
          TextStep("148", "340", "0", " a-2b"),
          TextStep("94", "396", "0", "-"), TextStep("+", "396", "0", ")"),
          TextStep("148", "390", "0", "-a-3b"),
          TextStep("94", "365", "3", "+ + +"),
          TextStep("148", "440", "5", "2a+ b"),
          TextStep("400", "90", "3", "(3)"),
          TextStep("508", "140", "0", "7x"),
          TextStep("454", "196", "0", "+"), TextStep("+", "196", "0", ")"),
          TextStep("508", "190", "0", "3x-6y"),
          TextStep("481", "240", "5", "10x-6y"),
          TextStep("400", "290", "3", "(4)"),
          TextStep("508", "340", "0", "4a+6b"),
          TextStep("454", "396", "0", "-"), TextStep("+", "396", "0", ")"),
          TextStep("508", "390", "0", " a+6b-5"),
          TextStep("454", "365", "3", "+ - -  +"),
          TextStep("508", "440", "5", "3a   +5"),
          kField,
      },
  }));
}

TEST(OstrelP30Check, ColumnRulesAreAsLongAsTheWiderRowAndThirty) {
  std::vector<Fields> rules;
  for (const Fields& e : SectionEvents("5", "3", "")) {
    if (e[0] == "op" && e[1] == "PsLINE" && e[7] == "0" && e[9] == "3") rules.push_back(e);
  }
  EXPECT_EQ(rules, (std::vector<Fields>{
                       {"op", "PsLINE", "121", "240", "286", "240", "0", "0", "0", "3"},
                       {"op", "PsLINE", "121", "440", "286", "440", "0", "0", "0", "3"},
                       {"op", "PsLINE", "481", "240", "646", "240", "0", "0", "0", "3"},
                       {"op", "PsLINE", "481", "440", "700", "440", "0", "0", "0", "3"},
                   }));
}

TEST(OstrelP30Check, PolynomialByNumberOnTwoScreens) {
  ExpectScript(Section("4", 1), Concat({
      {kEraseScreen},
      Heading("5", 94, 30, 10),
      {
          TextStep("40", "85", "3", "(1)"), TextStep("94", "85", "0", " 5(4a-5b)"),
          TextStep("94", "135", "5", "=20a-25b"),
          TextStep("40", "185", "3", "(2)"), TextStep("94", "185", "0", " -3(4x-9y)"),
          TextStep("94", "235", "5", "=-12x+27y"),
          TextStep("40", "285", "3", "(3)"), TextStep("121", "285", "0", "(-28x+21y)/7"),
          TextStep("94", "355", "0", "=ﾀ-28x/7ﾀ+ﾀ21y/7ﾀ"),
          TextStep("94", "415", "5", "=-4x+3y"),
          TextStep("40", "475", "3", "(4)"), TextStep("121", "475", "0", "(36a-24b)/(-4)"),
          TextStep("94", "545", "0", "=ﾀ36a/-4ﾀ+ﾀ-24b/-4ﾀ"),
          TextStep("94", "605", "5", "=-9a+6b"),
          TextStep("640", "30", "3", "(5)"), TextStep("694", "30", "0", " 5x+2(x-2y)"),
          TextStep("694", "80", "0", "=5x+2x-4y"),
          TextStep("694", "130", "5", "=7x-4y"),
          TextStep("640", "190", "3", "(6)"), TextStep("694", "190", "0", " 2(2x-y)+(5x-y)"),
          TextStep("694", "240", "0", "=4x-2y+5x-y"),
          TextStep("694", "290", "0", "=4x+5x-2y-y"),
          TextStep("694", "340", "5", "=9x-3y"),
          TextStep("640", "400", "3", "(7)"), TextStep("694", "400", "0", " 3(x+y)-3(x-y)"),
          TextStep("694", "450", "0", "=3x+3y-3x+3y"),
          TextStep("694", "500", "0", "=3x-3x+3y+3y"),
          TextStep("694", "550", "5", "=6y"),
          kWait,
          kEraseScreen,
      },
      Heading("5", 94, 30, 10),
      {
          TextStep("40", "90", "3", "(8)"), TextStep("94", "90", "0", " 5(4a+b)-6(5a-b+3)"),
          TextStep("94", "140", "0", "=20a+5b-30a+6b-18"),
          TextStep("94", "190", "0", "=20a-30a+5b+6b-18"),
          TextStep("94", "240", "5", "=-10a+11b-18"),
          TextStep("40", "290", "3", "(9)"), TextStep("121", "290", "0", " ﾀ1/2ﾀ(4x-y)+ﾀ1/3ﾀ(x+2y)"),
          TextStep("94", "370", "0", "=ﾀ4/2ﾀx-ﾀ1/2ﾀy+ﾀ1/3ﾀx+ﾀ2/3ﾀy"),
          TextStep("94", "450", "0", "=ﾀ12/6ﾀx-ﾀ3/6ﾀy+ﾀ2/6ﾀx+ﾀ4/6ﾀy"),
          TextStep("94", "530", "0", "=ﾀ12/6ﾀx+ﾀ2/6ﾀx-ﾀ3/6ﾀy+ﾀ4/6ﾀy"),
          TextStep("94", "610", "3", "=ﾀ14/6ﾀx+ﾀ1/6ﾀy"),
          TextStep("303", "610", "5", "=ﾀ7/3ﾀx+ﾀ1/6ﾀy"),
          TextStep("640", "30", "3", "(10)"), TextStep("748", "30", "0", " ﾀ3a-4b/4ﾀ-ﾀa-b/2ﾀ"),
          TextStep("694", "120", "0", "=ﾀ(3a-4b)-2(a-b)/4ﾀ"),
          TextStep("694", "210", "0", "=ﾀ3a-4b-2a+2b/4ﾀ"),
          TextStep("694", "300", "0", "=ﾀ3a-2a-4b+2b/4ﾀ"),
          TextStep("694", "390", "5", "=ﾀa-2b/4ﾀ"),
          kField,
      },
  }));
}

TEST(OstrelP30Check, SimplifyAndSubstituteWaitsBetweenItsProblems) {
  const char* const substitution = "a=3 ,b=-ﾀ1/2ﾀ　を代入して";
  ExpectScript(Section("5", 1), Concat({
      {kEraseScreen},
      Heading("6", 94, 30, 10),
      {
          TextStep("40", "90", "3", "(1)"), TextStep("121", "90", "0", " 2a-7b-a+3b"),
          TextStep("94", "150", "0", "=2a-a-7b+3b"),
          TextStep("94", "210", "0", "=a-4b"),
          TextStep("94", "280", "0", substitution),
          TextStep("94", "360", "0", "=3-4*(-ﾀ1/2ﾀ)"),
          TextStep("94", "440", "0", "=3+2"),
          TextStep("94", "520", "5", "=5"),
          kWait,
          TextStep("600", "90", "3", "(2)"), TextStep("681", "90", "0", " 3(a-2b)-(5a+2b)"),
          TextStep("654", "150", "0", "=3a-6b-5a-2b"),
          TextStep("654", "210", "0", "=3a-5a-6b-2b"),
          TextStep("654", "270", "0", "=-2a-8b"),
          TextStep("654", "340", "0", substitution),
          TextStep("654", "400", "0", "=-2*3-8*(-ﾀ1/2ﾀ)"),
          TextStep("654", "460", "0", "=-6+4"),
          TextStep("654", "520", "5", "=-2"),
          kField,
      },
  }));
}

TEST(OstrelP30Check, MonomialProductsAndQuotientsWithTheirOverlays) {
  ExpectScript(Section("6", 1), Concat({
      {kEraseScreen},
      Heading("7", 40, 30, 44),
      {
          TextStep("40", "90", "3", "(1)"), TextStep("94", "90", "0", " 2a*(-9b)"),
          TextStep("94", "140", "5", "=-18ab"),
          TextStep("40", "200", "3", "(2)"), TextStep("94", "200", "0", " (-6x)*(-3y)"),
          TextStep("94", "250", "5", "=18xy"),
          TextStep("40", "310", "3", "(3)"), TextStep("94", "310", "0", " (-2a)^2"),
          TextStep("94", "360", "0", "=(-2a)*(-2a)"),
          TextStep("94", "410", "5", "=4a^2"),
          TextStep("40", "470", "3", "(4)"), TextStep("94", "470", "0", " (-4x)^2*y"),
          TextStep("94", "520", "0", "=16x^2*y"),
          TextStep("94", "570", "5", "=16x^2y"),
          TextStep("440", "90", "3", "(5)"), TextStep("494", "90", "0", " 12ab/3b"),
          TextStep("494", "170", "0", "=ﾀ12ab/3bﾀ"),
          TextStep("494", "170", "0", "=ﾀｹｹaｹ/ｹｹﾀ"),
          TextStep("494", "220", "5", "=4a"),
          TextStep("440", "280", "3", "(6)"), TextStep("494", "280", "0", " 3x^2/x"),
          TextStep("494", "360", "0", "=ﾀ3x^2/xﾀ"),
          TextStep("494", "440", "0", "=ﾀ3xx/xﾀ"),
          TextStep("494", "440", "0", "=ﾀ3ｹx/ｹﾀ"),
          TextStep("494", "500", "5", "=3x"),
          TextStep("760", "30", "3", "(7)"), TextStep("814", "30", "0", " -ﾀ2/5ﾀx^2/ﾀ3/2ﾀx"),
          TextStep("814", "110", "0", "=-ﾀ2/5ﾀx^2*ﾀ2/3xﾀ"),
          TextStep("814", "190", "0", "=-ﾀ2xx*2/5*3xﾀ"),
          TextStep("814", "190", "0", "=-ﾀ2ｹx*2/5*3ｹﾀ"),
          TextStep("814", "260", "5", "=-ﾀ4/15ﾀx"),
          TextStep("760", "330", "3", "(8)"), TextStep("814", "330", "0", " 8x^3/ﾀ2/7ﾀx"),
          TextStep("814", "410", "0", "=8x^3*ﾀ7/2xﾀ"),
          TextStep("814", "490", "0", "=ﾀ8xxx*7/2xﾀ"),
          TextStep("814", "490", "0", "=ﾀｹｹxx*7/ｹｹﾀ"),
          TextStep("814", "560", "5", "=28x^2"),
          kWait,
          kEraseScreen,
      },
      Heading("7", 40, 30, 44),
      {
          TextStep("40", "90", "3", "(9)"), TextStep("121", "90", "0", " 5a*2ab*3b"),
          TextStep("94", "150", "0", "=5*2*3*a*ab*b"),
          TextStep("94", "210", "5", "=30a^2b^2"),
          TextStep("40", "290", "3", "(10)"), TextStep("148", "290", "0", "14x^2/(-7x)*(-2x)"),
          TextStep("94", "370", "0", "=ﾀ14x^2*2x/7xﾀ"),
          TextStep("94", "450", "0", "=ﾀ14xx*2x/7xﾀ"),
          TextStep("94", "450", "0", "=ﾀｹｹｹx*2x/ｹｹﾀ"),
          TextStep("356", "450", "5", "=4x^2"),
          TextStep("600", "50", "3", "(11)"), TextStep("708", "50", "0", "7a^2*6b/3a"),
          TextStep("654", "130", "0", "=ﾀ7a^2*6b/3aﾀ"),
          TextStep("654", "210", "0", "=ﾀ7aa*6b/3aﾀ"),
          TextStep("654", "210", "0", "=ﾀ7ｹa*ｹb/ｹｹﾀ"),
          TextStep("654", "270", "5", "=14ab"),
          TextStep("600", "330", "3", "(12)"), TextStep("708", "330", "0", "18x^2y/3xy/(-2x)"),
          TextStep("654", "410", "0", "=-ﾀ18x^2y/3xy*2xﾀ"),
          TextStep("654", "490", "0", "=-ﾀ18xxy/3xy*2xﾀ"),
          TextStep("654", "490", "0", "=-ﾀｹｹｹｹｹ/ｹｹｹ*ｹｹﾀ"),
          TextStep("911", "490", "5", "=-3"),
          kField,
      },
  }));
}

// Each overlay strikes its cancelled cells, 28 by 20 from 4 inside the cell's corner, in
// colour 7 at width 5, whatever width the section was entered with.
TEST(OstrelP30Check, OverlayStrokesFallOnTheirCells) {
  std::vector<Fields> strokes;
  for (const Fields& e : SectionEvents("5", "6", "")) {
    if (e[0] == "op" && e[1] == "PsLINE" && e[6] == "7") strokes.push_back(e);
  }
  // (5): "1", "2" and "b" of the numerator 12ab, "3" and "b" of the denominator 3b; the
  // fraction starts after "=" at 494 + 32, 128 wide, its denominator centred in it.
  ASSERT_EQ(strokes.size(), 5u + 2u + 2u + 4u);
  std::vector<Fields> first(strokes.begin(), strokes.begin() + 5);
  std::sort(first.begin(), first.end());
  const auto stroke = [](const char* x1, const char* y1, const char* x2, const char* y2) {
    return Fields{"op", "PsLINE", x1, y1, x2, y2, "7", "0", "7", "5"};
  };
  EXPECT_EQ(first, (std::vector<Fields>{
                       stroke("530", "164", "558", "184"), stroke("562", "164", "590", "184"),
                       stroke("562", "202", "590", "222"), stroke("594", "202", "622", "222"),
                       stroke("626", "164", "654", "184"),
                   }));
}

namespace {

// The explanation of exercise 8 with its boxes, drawn down from their rows' y (the labels 3
// below), bordered in colour 0, their numbers in colour 5; box 6 shows ⑤ as box 5 does.
Script EvenSumExplanation() {
  const float first_end = EndOfText("m,nを整数とすると、2つの偶数は、", 104);
  const auto box = [](float x, float y, const char* text) {
    return BoxedText(x, y, 90, 50, "5", text);
  };
  const float comma_end = EndOfText(" , ", first_end + 90);
  const float plus_end = EndOfText(" + ", 94 + 90);
  const float equals_end = EndOfText(" = ", plus_end + 90);
  const float integer_end = EndOfText("m+n は整数だから、", 94);
  return {
      TextStep("104", "90", "0", "m,nを整数とすると、2つの偶数は、"),
      box(first_end, 90, "①"),
      TextStep(X(first_end + 90), "90", "5", " , "),
      box(comma_end, 90, "②"),
      TextStep("94", "150", "0", "と表される。このとき、２数の和は、"),
      box(94, 210, "③"),
      TextStep("184", "210", "0", " + "),
      box(plus_end, 210, "④"),
      TextStep(X(plus_end + 90), "210", "0", " = "),
      box(equals_end, 210, "⑤"),
      TextStep(X(equals_end + 90), "210", "0", "(m+n)"),
      TextStep("94", "270", "0", "m+n は整数だから、"),
      box(integer_end, 270, "⑤"),
      TextStep(X(integer_end + 90), "270", "0", "(m+n)　は偶数である。"),
      TextStep("94", "330", "0", "したがって、２つの偶数の和は偶数である。"),
      kWait, box(first_end, 90, "2m"),
      kWait, box(comma_end, 90, "2n"),
      kWait, box(94, 210, "2m"),
      kWait, box(plus_end, 210, "2n"),
      kWait, box(equals_end, 210, "2"),
      kWait, box(integer_end, 270, "2"),
  };
}

}  // namespace

TEST(OstrelP30Check, EvenSumBoxesFilledOneByOneThenExercise9InTwoColumns) {
  ExpectScript(Section("7", 8), Concat({
      {kEraseScreen, BoxedText(94, 30, 396, 46, "0", "学びをたしかめよう"),
       BoxedText(40, 90, 44, 44, "13", "8")},
      EvenSumExplanation(),
      {
          kWait,
          // Box 9 stands 120 below box 6's line, where the last filling left the line.
          BoxedText(40, 390, 44, 44, "13", "9"),
          TextStep("94", "450", "0", "7x+y=4  【y】"),
          TextStep("94", "500", "7", "7xを移項して"),
          TextStep("94", "550", "5", "y=4-7x"),
          kWait,
          TextStep("534", "450", "0", "7x+y=4  【x】"),
          TextStep("534", "500", "7", "yを移項して"),
          TextStep(X(EndOfText("yを移項して", 534) + 20), "500", "0", "7x=4-y"),
          TextStep("534", "550", "7", "7でわって"),
          TextStep(X(EndOfText("7でわって", 534) + 20), "550", "5", "x=ﾀ4/7ﾀ-ﾀy/7ﾀ"),
          kField,
      },
  }));
}

// The screens that set no draw width border their boxes at the width in force: 3 from
// start-up, 5 once exercise 7's screen has set it.
TEST(OstrelP30Check, BoxBordersTakeTheWidthTheScreensBeforeLeft) {
  const auto title_width = [](const std::string& keys) {
    return BorderWidthAt("5\n" + keys, "94", "30", "4");
  };
  EXPECT_EQ(title_width("7\n" + Presses(8)), "3");
  EXPECT_EQ(title_width("6\n" + Presses(1) + "7\n" + Presses(8)), "5");
  EXPECT_EQ(title_width("6\n" + Presses(1) + "3\n"), "5");
}
