#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;

namespace {

class BoxedTextTest : public FormulaTest {
 protected:
  void SetBox(float x, float y, float width, float height, const std::string& text) {
    p.text.TextX = x;
    p.text.TextY = y;
    p.figure.BoxWidth = width;
    p.figure.BoxHeight = height;
    p.figure.LineColour = 0;
    p.figure.FillColour = 14;
    p.text.TextColour = 5;
    p.text.WorkText = text;
  }
  // Where the drawn (not measured) texts started.
  std::vector<std::pair<float, float>> TextPlaces() {
    std::vector<std::pair<float, float>> places;
    for (const auto& e : EventsOf(session.trace(), "text")) {
      places.emplace_back(std::stof(e[2]), std::stof(e[3]));
    }
    return places;
  }
};

TEST_F(BoxedTextTest, MeasuringGivesTheAdvanceAndPutsThePositionAndTextBack) {
  p.text.TextX = 300;
  p.text.TextY = 400;
  p.text.TextToDraw = "left over";
  EXPECT_EQ(Measure("ﾀ1/2ﾀ+x"), 32 + 27 + 27);
  EXPECT_EQ(p.text.TextX, 300);
  EXPECT_EQ(p.text.TextY, 400);
  EXPECT_EQ(p.text.WorkText, "ﾀ1/2ﾀ+x");
  EXPECT_EQ(p.text.TextToDraw, "");
  // The fraction's layout is the one drawn off screen.
  EXPECT_EQ(p.renderer.NumeratorY, 1790);
  EXPECT_EQ(Measure(""), 0);
  // Nothing measured shows among the drawn events.
  EXPECT_TRUE(Glyphs(session.trace()).empty());
  EXPECT_TRUE(Lines(session.trace()).empty());
  EXPECT_TRUE(EventsOf(session.trace(), "text").empty());
}

TEST_F(BoxedTextTest, TextTopFollowsTheBoxHeight) {
  const struct {
    const char* text;
    float height;
    float text_top;  // below the box's top
  } cases[] = {
      {"12", 44, 0},  {"12", 46, 1},  {"12", 50, 3},  {"12", 70, 13},  {"12", 80, 18},
      {"12", 45, 0},  {"12", 43, -1}, {"ﾀ1/2ﾀ", 50, 0}, {"ﾀ1/2ﾀ", 80, 15},
      {"3ﾀ", 80, 15},  // a single unmatched bracket counts too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " in a box " + std::to_string(c.height) + " high");
    lesson::HeadlessSession fresh(kStandardProgram);
    lesson::Program& q = fresh.program;
    q.text.TextX = 100;
    q.text.TextY = 300;
    q.figure.BoxWidth = 200;
    q.figure.BoxHeight = c.height;
    q.text.WorkText = c.text;
    lesson::DrawBoxedText(q);
    const auto texts = EventsOf(fresh.trace(), "text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(std::stof(texts[0][3]), 300 + c.text_top);
    EXPECT_EQ(q.text.TextX, 300);
    EXPECT_EQ(q.text.TextY, 300);
  }
}

TEST_F(BoxedTextTest, TextIsCentredAcrossTheBoxOrStartsAtItsLeftEdge) {
  SetBox(100, 300, 100, 50, "12");
  lesson::DrawBoxedText(p);
  const auto box = Lines(session.trace());
  ASSERT_EQ(box.size(), 1u);
  EXPECT_EQ(box[0].x1, 100);
  EXPECT_EQ(box[0].y1, 300);
  EXPECT_EQ(box[0].x2, 200);
  EXPECT_EQ(box[0].y2, 350);
  EXPECT_EQ(box[0].mode, 2);
  EXPECT_EQ(EventsOf(session.trace(), "op", "PsLINE")[0][8], "14");  // the fill
  // The next box of a row only needs its x: y still holds the row's top.
  p.text.WorkText = "123456";  // 162 wide, wider than the box
  p.figure.BoxWidth = 100;
  lesson::DrawBoxedText(p);
  p.text.WorkText = "";
  lesson::DrawBoxedText(p);
  EXPECT_EQ(TextPlaces(),
            (std::vector<std::pair<float, float>>{{123, 303}, {200, 303}, {350, 303}}));
  EXPECT_EQ(p.text.TextX, 400);
  EXPECT_EQ(p.text.TextY, 300);
  EXPECT_EQ(Glyphs(session.trace()).size(), 2u + 6u);
  EXPECT_EQ(p.text.WorkText, "");
}

TEST_F(BoxedTextTest, HalfUnitOffsetsAreKept) {
  SetBox(100, 300, 100, 44, "1 ");  // 54 wide: 23 each side
  lesson::DrawBoxedText(p);
  SetBox(100, 300, 101, 44, "12");
  lesson::DrawBoxedText(p);
  EXPECT_EQ(TextPlaces(), (std::vector<std::pair<float, float>>{{123, 300}, {123.5f, 300}}));
}

TEST_F(BoxedTextTest, TheTallBracketFlagIsHeldAcrossTheMeasuring) {
  p.renderer.TallParenFlag = 1;
  SetBox(100, 300, 200, 44, "(1)");
  lesson::DrawBoxedText(p);
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0].mag_y, 4);  // tall "(" although measuring drew a tall ")" already
  EXPECT_EQ(glyphs[2].mag_y, 4);
  EXPECT_EQ(p.renderer.TallParenFlag, 0);  // as the drawing leaves it
}

TEST_F(BoxedTextTest, ABoxAroundALineKeepsTheLineInPlace) {
  SetBox(100, 600, 100, 50, "12");
  lesson::DrawBoxedTextOnLine(p);
  const auto box = Lines(session.trace());
  ASSERT_EQ(box.size(), 1u);
  EXPECT_EQ(box[0].y1, 597);
  EXPECT_EQ(box[0].y2, 647);
  SetBox(100, 600, 100, 80, "ﾀ1/2ﾀ");  // no fraction case: 44 whatever the text
  lesson::DrawBoxedTextOnLine(p);
  EXPECT_EQ(Lines(session.trace())[1].y1, 582);
  EXPECT_EQ(TextPlaces(), (std::vector<std::pair<float, float>>{{123, 600}, {134, 600}}));
  EXPECT_EQ(p.text.TextX, 200);
  EXPECT_EQ(p.text.TextY, 600);
}

TEST_F(BoxedTextTest, TwoLinesInOneBox) {
  SetBox(100, 300, 200, 88, "");
  p.fraction.TextA = "12";
  p.fraction.TextB = "3";
  lesson::DrawBoxedTwoLines(p);
  // A single line stands 25 lower.
  p.text.TextX = 100;
  p.fraction.TextA = "12";
  p.fraction.TextB = "";
  lesson::DrawBoxedTwoLines(p);
  // With fractions: 50 instead of 44 on each line.
  p.text.TextX = 100;
  p.figure.BoxHeight = 120;
  p.fraction.TextA = "ﾀ1/2ﾀ";
  p.fraction.TextB = "ﾀ3/4ﾀ";
  lesson::DrawBoxedTwoLines(p);
  EXPECT_EQ(TextPlaces(), (std::vector<std::pair<float, float>>{{173, 300},
                                                                {186.5f, 344},
                                                                {173, 325},
                                                                {200, 344},
                                                                {184, 305},
                                                                {184, 355}}));
  EXPECT_EQ(Lines(session.trace())[0].y2, 388);
  EXPECT_EQ(p.text.TextX, 300);
  EXPECT_EQ(p.text.TextY, 300);
}

}  // namespace
