// Varnick's glyph rules: the cancellation stroke, and the standard rules otherwise unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lessonlib/formula.h"
#include "tests/test_support.h"
#include "varnick/varnick.h"

using namespace testing_support;

namespace {

class CancelStrokeTest : public ::testing::Test {
 protected:
  // Draws `text` in colour 0 at (x, y) with strokes in colour 7 and the striking screens'
  // width 5; returns the drawing's events (measuring left out) and leaves TextX after it.
  std::vector<Fields> Draw(const std::string& text, float x, float y) {
    const size_t before = Events(session.trace()).size();
    session.runtime.FE_SETDRAWWIDTH(5);
    lesson::Program& p = session.program;
    p.figure.LineColour = 7;
    p.text.TextColour = 0;
    p.text.TextX = x;
    p.text.TextY = y;
    p.text.TextToDraw = text;
    lesson::DrawText(p);
    const auto events = Events(session.trace());
    return {events.begin() + static_cast<long>(before), events.end()};
  }

  static std::vector<Fields> Strokes(const std::vector<Fields>& events) {
    std::vector<Fields> strokes;
    for (const Fields& e : events) {
      if (e[0] == "op" && e[1] == "PsLINE" && e[6] == "7") strokes.push_back(e);
    }
    return strokes;
  }

  // A stroke from (x, y), 28 right and 20 down, in colour 7, line mode, at `width`.
  static Fields Stroke(int x, int y, int width = 5) {
    return {"op",  "PsLINE", std::to_string(x), std::to_string(y), std::to_string(x + 28),
            std::to_string(y + 20), "7", "0", "7", std::to_string(width)};
  }

  static std::vector<Fields> Glyphs(const std::vector<Fields>& events) {
    std::vector<Fields> glyphs;
    for (const Fields& e : events) {
      if (e[0] == "op" && (e[1] == "PsSYMBOL40" || (e[1] == "PsLINE" && e[6] != "7"))) {
        glyphs.push_back(e);
      }
    }
    return glyphs;
  }

  lesson::HeadlessSession session{varnick::kVarnick};
};

TEST_F(CancelStrokeTest, StruckRedrawLaysStrokesOverTheCancelledCells) {
  // "=" and "-" take 59, so the fraction's left edge L is 99; its top is 100. The numerator
  // "6ab" is 96 wide and sets the width; the denominator "2a" (64) stands 16 further right.
  const auto first = Draw("=-ﾀ6ab/2aﾀ", 40, 100);
  const float end = session.program.text.TextX;
  const auto struck = Draw("=-ﾀｹｹb/ｹｹﾀ", 40, 100);
  EXPECT_EQ(end, 195);
  EXPECT_EQ(session.program.text.TextX, end);
  // Numerator cells at L, L + 32 from y 90; denominator cells at L + 16, L + 48 from y 128.
  EXPECT_EQ(Strokes(struck), (std::vector<Fields>{Stroke(119, 132), Stroke(151, 132),
                                                  Stroke(103, 94), Stroke(135, 94)}));
  EXPECT_TRUE(Strokes(first).empty());
  // Everything else of the redraw (the signs, the bar, the "b") lies over the first drawing.
  for (const Fields& glyph : Glyphs(struck)) {
    EXPECT_NE(std::find(first.begin(), first.end(), glyph), first.end()) << glyph[1] << " " << glyph[2];
  }
}

TEST_F(CancelStrokeTest, TheStrikingScreensTextsKeepTheirLayout) {
  const struct {
    const char* first;
    const char* struck;
  } cases[] = {
      {"=-ﾀ6ab/2aﾀ", "=-ﾀｹｹb/ｹｹﾀ"},
      {"=ﾀ8xx/xﾀ", "=ﾀ8ｹx/ｹﾀ"},
      {"=ﾀ5ab*9/18*10bﾀ", "=ﾀｹaｹ*ｹ/ｹｹ*ｹｹｹﾀ"},
      {"=ﾀ12aa/6a*2aﾀ", "=ﾀｹｹｹｹ/ｹｹ*ｹｹﾀ"},
  };
  for (const auto& c : cases) {
    const auto first = Draw(c.first, 40, 300);
    const float end = session.program.text.TextX;
    const auto struck = Draw(c.struck, 40, 300);
    EXPECT_EQ(session.program.text.TextX, end) << c.struck;
    const std::string struck_text = c.struck;
    size_t cells = 0;
    for (size_t at = struck_text.find("ｹ"); at != std::string::npos; at = struck_text.find("ｹ", at + 1)) ++cells;
    EXPECT_EQ(Strokes(struck).size(), cells) << c.struck;
    for (const Fields& glyph : Glyphs(struck)) {
      EXPECT_NE(std::find(first.begin(), first.end(), glyph), first.end()) << c.struck << " " << glyph[2];
    }
  }
}

TEST_F(CancelStrokeTest, PartsMadeOnlyOfStrokes) {
  // Parts of 96 and 128: the numerator's cells start 16 right of the fraction's left edge
  // (99), its first stroke 20 right of it; the denominator's strokes follow 32 apart.
  const auto struck = Draw("=-ﾀｹｹｹ/ｹｹｹｹﾀ", 40, 100);
  EXPECT_EQ(Strokes(struck), (std::vector<Fields>{Stroke(103, 132), Stroke(135, 132),
                                                  Stroke(167, 132), Stroke(199, 132),
                                                  Stroke(119, 94), Stroke(151, 94),
                                                  Stroke(183, 94)}));
  EXPECT_EQ(session.program.text.TextX, 99 + 128);
  // While a part is measured its strokes are drawn below the screen, at y 1804 to 1824.
  bool measured_stroke = false;
  for (const std::string& line : session.trace().lines()) {
    measured_stroke |= line.starts_with("op\tPsLINE\t") && line.find("\t1804\t") != std::string::npos;
  }
  EXPECT_TRUE(measured_stroke);
}

TEST_F(CancelStrokeTest, WhereTheCharacterIsNoStroke) {
  const struct {
    const char* text;
    float fraction_mode;
    int strokes;
    const char* glyph;  // the "ｹ" drawn as a character: x y magx magy
  } cases[] = {
      // Outside a fraction, also after an opener without its partner: the character, 3 by 3.
      {"ｹ", 0, 0, "100 200 3 3"},
      {"ﾀｹ", 0, 0, "100 200 3 3"},
      {"2ｹ", 0, 0, "127 200 3 3"},
      // After "^" in a fraction: a small exponent character, 4 above the numerator's pen.
      {"ﾀ^ｹ/2ﾀ", 0, 0, "104 186 6 3"},
      // After a backslash the raised glyph takes it the same way, 10 above the pen.
      {"ﾀ\\ｹ/2ﾀ", 0, 0, "104 180 6 3"},
      // Fraction mode held by a lesson outside any fraction: the stroke is drawn.
      {"ｹ", 1, 1, nullptr},
  };
  for (const auto& c : cases) {
    session.program.renderer.FractionMode = c.fraction_mode;
    const auto events = Draw(c.text, 100, 200);
    session.program.renderer.FractionMode = 0;
    EXPECT_EQ(static_cast<int>(Strokes(events).size()), c.strokes) << c.text;
    bool drawn = false;
    for (const Fields& e : events) {
      if (e[1] == "PsSYMBOL40" && e[2] == "ｹ") {
        drawn = true;
        if (c.glyph != nullptr) {
          EXPECT_EQ(e[3] + " " + e[4] + " " + e[5] + " " + e[6], c.glyph) << c.text;
        }
      }
    }
    EXPECT_EQ(drawn, c.glyph != nullptr) << c.text;
  }
  EXPECT_EQ(session.program.figure.LineColour, 7);
}

TEST_F(CancelStrokeTest, AfterASignInThePartTheStrokeIsThreeWide) {
  const auto events = Draw("ﾀ-ｹ/2ﾀ", 100, 200);
  // The numerator "-ｹ" (64) sets the width; its "ｹ" is the second cell, after the minus.
  EXPECT_EQ(Strokes(events), (std::vector<Fields>{Stroke(136, 194, 3)}));
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 5);
}

TEST(VarnickGlyphRules, EveryOtherCharacterIsDrawnAsTheStandardListDrawsIt) {
  const char* texts[] = {
      "=-ﾀ6ab/2aﾀ", "3x^2+ﾀ1/6ﾀ-4.5", "ﾀ３/x^2ﾀ*(a-c)", "l+'%@!2ﾝ", "問5 解答", "ﾀ 1/-2ﾀ", "\\2b",
  };
  for (const char* text : texts) {
    std::vector<std::vector<Fields>> drawings;
    for (const lesson::ProgramDefinition* definition : {&varnick::kVarnick, &kTestProgram}) {
      lesson::HeadlessSession session(*definition);
      session.program.text.TextToDraw = text;
      session.program.text.TextX = 40;
      session.program.text.TextY = 100;
      session.Call(lesson::DrawText);
      drawings.push_back(Events(session.trace()));
    }
    EXPECT_EQ(drawings[0], drawings[1]) << text;
  }
}

}  // namespace
