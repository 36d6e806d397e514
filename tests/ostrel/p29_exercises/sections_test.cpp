// Chapter 4, the exercises of page 29: the chapter opening on its item line, the sub-menu,
// and the two answer screens under their heading.
#include <gtest/gtest.h>

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

}  // namespace

TEST(OstrelP29Exercises, OpensOnItsItemLineOverTheErasedScreen) {
  HeadlessSession session(ostrel::kOstrel, WithKeys("4\n"));
  session.Start();
  ExpectScript(AfterField(ScriptOf(session.trace()), 1), {kEraseScreen, kField});
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "16", "666", "0", "①1　②2　③終了"}));
}

TEST(OstrelP29Exercises, SubMenuGoesToTheNearestItemInRange) {
  const struct {
    const char* entry;
    const char* first_text;  // of the place it leads to; empty: the item line again
  } cases[] = {
      {"1", "P29 練習問題"}, {"1.6", "P29 練習問題"}, {"5/3", "P29 練習問題"},
      {"3", "＜Ｏｓｔｒｅｌ　メニュー＞"}, {"0", ""}, {"4", ""}, {"-1", ""}, {"3.6", ""},
  };
  for (const auto& c : cases) {
    const Script script = SectionScript("4", c.entry, "");
    ASSERT_FALSE(script.empty()) << c.entry;
    if (*c.first_text == '\0') {
      EXPECT_EQ(script[0], kField) << c.entry;
    } else {
      ASSERT_GE(script.size(), 2u) << c.entry;
      EXPECT_EQ(script[1][0], "text") << c.entry;
      EXPECT_EQ(script[1][4], c.first_text) << c.entry;
    }
  }
  // Item 2 (by 1.6) is the triangle screen: its number box says so.
  const Script two = SectionScript("4", "1.6", " ");
  ASSERT_GE(two.size(), 3u);
  EXPECT_EQ(two[2][4], "2");
}

TEST(OstrelP29Exercises, SolvingAnswersComeInTwoColumnsAfterTheHeading) {
  ExpectScript(SectionScript("4", "1", Presses(2)), Concat({
      {kEraseScreen},
      HeadingTexts(Numbered(kPage29, "1"), 108, 30, 44),
      {
          kWait,
          TextStep("36", "100", "0", "(1) l=2(a+b)  【a】"),
          TextStep("108", "150", "7", " 両辺をいれかえて"),
          TextStep("108", "200", "0", "2(a+b)=l"),
          TextStep("108", "250", "7", " 両辺を2でわって"),
          TextStep("108", "310", "0", "a+b=ﾀl/2ﾀ"),
          TextStep("108", "370", "7", " bを移項して"),
          TextStep("108", "440", "5", "a=ﾀl/2ﾀ-b"),
          kWait,
          TextStep("568", "90", "0", "(2) 4x+2y=1  【y】"),
          TextStep("640", "140", "7", " 4xを移項して"),
          TextStep("640", "190", "0", "2y=1-4x"),
          TextStep("640", "240", "7", " 両辺を2でわって"),
          TextStep("640", "310", "0", "ﾀ2y/2ﾀ=ﾀ1/2ﾀ-ﾀ4x/2ﾀ"),
          TextStep("640", "380", "5", "y=ﾀ1/2ﾀ-2x"),
          kField,
      },
  }));
}

TEST(OstrelP29Exercises, TriangleAreaRatioWaitsOnceAfterTheRatio) {
  ExpectScript(SectionScript("4", "2", Presses(1)), Concat({
      {kEraseScreen},
      HeadingTexts(Numbered(kPage29, "2"), 40, 30, 44),
      {
          TextStep("40", "90", "0", "△ABDは、底辺がa,高さがh だから、"),
          TextStep("+", "90", "3", "S1"),
          TextStep("+", "90", "0", "=ﾀ1/2ﾀ*a*h"),
          TextStep("+", "90", "3", "=ﾀ1/2ﾀah"),
          TextStep("40", "160", "0", "△ADCは、底辺がb,高さがh だから、"),
          TextStep("+", "160", "3", "S2"),
          TextStep("+", "160", "0", "=ﾀ1/2ﾀ*b*h"),
          TextStep("+", "160", "3", "=ﾀ1/2ﾀbh"),
          TextStep("40", "230", "0", "したがって、"),
          TextStep("+", "230", "3", "S1:S2"),
          TextStep("+", "230", "0", "=ﾀ1/2ﾀah:ﾀ1/2ﾀbh"),
          TextStep("+", "230", "3", "=a:b"),
          kWait,
          TextStep("40", "300", "0", "S1:S2=a:b だから "),
          TextStep("+", "300", "3", "bS1=aS2"),
          TextStep("40", "370", "0", "両辺をbでわって ﾀbS1/bﾀ=ﾀaS2/bﾀ"),
          TextStep("40", "440", "5", " S1=ﾀa/bﾀS2"),
          kField,
      },
  }));
}

// The heading's boxes: the title box 396 wide bordered in colour 4 on fill 13, the number box
// 44 right of it, 44 x 44, bordered in 4 on fill 3, both at the draw width in force (3 from
// start-up: neither screen sets one).
TEST(OstrelP29Exercises, HeadingBoxesTakeTheDrawWidthInForce) {
  std::vector<Fields> boxes;
  for (const Fields& e : SectionEvents("4", "1", Presses(2))) {
    if (e[0] == "op" && e[1] == "PsLINE" && e[7] == "2" && e[6] == "4") boxes.push_back(e);
  }
  EXPECT_EQ(boxes, (std::vector<Fields>{
                       {"op", "PsLINE", "108", "30", "504", "76", "4", "2", "13", "3"},
                       {"op", "PsLINE", "548", "30", "592", "74", "4", "2", "3", "3"},
                   }));
}
