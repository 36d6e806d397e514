#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::HasEvent;

namespace {

class LabelTextTest : public FormulaTest {
 protected:
  void Label(const std::string& text, float x = 100, float y = 200) {
    p.text.TextToDraw = text;
    p.text.TextX = x;
    p.text.TextY = y;
    p.text.TextColour = 3;
    lesson::DrawLabelText(p);
  }
};

TEST_F(LabelTextTest, EachCharacterByItsRow) {
  const struct {
    const char* ch;
    float dx, dy;
    int mag_x, mag_y;
    const char* face;
    int size;
    bool italic;
    float advance;
  } cases[] = {
      {".", 0, 0, 3, 2, "ゴシック", 15, false, 8},
      {",", 0, 0, 3, 2, "ゴシック", 15, false, 8},
      {"(", -8, 0, 3, 2, "ゴシック", 15, false, 12},
      {")", 0, 0, 3, 2, "ゴシック", 15, false, 8},
      {"３", 0, 0, 2, 2, "ゴシック", 15, false, 30},
      {"c", 4, -12, 7, 4, "Times New Roman", 8, true, 20},
      {"x", 4, -12, 7, 4, "Times New Roman", 8, true, 20},
      {"y", 0, -6, 3, 2, "ゴシック", 15, false, 20},
      {"m", 0, 0, 3, 2, "ゴシック", 15, false, 20},
      // Markup means nothing here, and a half-width katakana character is one byte.
      {"ﾀ", 0, 0, 3, 2, "ゴシック", 15, false, 20},
      {"^", 0, 0, 3, 2, "ゴシック", 15, false, 20},
      {"*", 0, 0, 3, 2, "ゴシック", 15, false, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ch);
    session.runtime.FE_SETFONTNAME("ゴシック");
    const size_t before = Glyphs(session.trace()).size();
    Label(c.ch);
    const auto glyphs = Glyphs(session.trace());
    ASSERT_GT(glyphs.size(), before);
    const Glyph& g = glyphs[before];
    EXPECT_EQ(g.text, c.ch);
    EXPECT_EQ(g.x, 100 + c.dx);
    EXPECT_EQ(g.y, 200 + c.dy);
    EXPECT_EQ(g.mag_x, c.mag_x);
    EXPECT_EQ(g.mag_y, c.mag_y);
    EXPECT_EQ(g.face, c.face);
    EXPECT_EQ(g.size, c.size);
    EXPECT_TRUE(g.bold);
    EXPECT_EQ(g.italic, c.italic);
    EXPECT_EQ(p.text.TextX, 100 + c.advance);
    EXPECT_EQ(p.text.TextY, 200);
  }
}

TEST_F(LabelTextTest, WalksTheLabelAndLeavesBoldOffAtSizeSixteen) {
  session.runtime.FE_SETDRAWWIDTH(4);
  Label("(x)");
  EXPECT_EQ(GlyphXs(session.trace()), (std::vector<float>{92, 116, 132}));
  EXPECT_EQ(p.text.TextX, 140);
  EXPECT_EQ(p.text.TextToDraw, "");
  EXPECT_EQ(session.runtime.font().face, "ゴシック");
  EXPECT_FALSE(session.runtime.font().italic);
  EXPECT_FALSE(session.runtime.font().bold);
  EXPECT_EQ(session.runtime.font().size, 16);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 4);
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawLabelText", "100", "200", "3", "(x)"}));

  Label("12 3", 0, 0);
  EXPECT_EQ(p.text.TextX, 20 + 20 + 20 + 20);
}

TEST_F(LabelTextTest, WithoutItalicLettersTheFaceInForceIsKept) {
  session.runtime.FE_SETFONTNAME("Times New Roman");
  Label("12");
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].face, "Times New Roman");
  EXPECT_EQ(session.runtime.font().face, "Times New Roman");
  // The face of the run switches to the formula face after the first italic letter.
  Label("a1");
  EXPECT_EQ(Glyphs(session.trace()).back().face, "ゴシック");
}

TEST_F(LabelTextTest, AnEmptyLabelDrawsNothingButSetsTheFont) {
  session.runtime.FE_SETFONTBOLD(-1);
  session.runtime.FE_SETFONTSIZE(30);
  Label("");
  EXPECT_TRUE(Glyphs(session.trace()).empty());
  EXPECT_EQ(p.text.TextX, 100);
  EXPECT_EQ(p.text.TextY, 200);
  EXPECT_FALSE(session.runtime.font().bold);
  EXPECT_EQ(session.runtime.font().size, 16);
}

}  // namespace
