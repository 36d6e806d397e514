// Ostrel's glyph rules: the standard rules as they are, the script letter l at its two sizes,
// and the cancellation stroke that strikes out a fraction's cells when the fraction is drawn
// again at the same place.
#include <gtest/gtest.h>

#include <algorithm>

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/formula_fixture.h"
#include "tests/test_support.h"

using namespace formula_testing;

namespace {

using Modes = GlyphModes;

class OstrelGlyphTest : public ::testing::Test {
 protected:
  // One glyph run of `run` with its pen at (100, 200), in the given modes.
  void Run(const std::string& run, Modes modes = {}) { RunGlyphs(p, run, modes); }
  float Advance() const { return p.text.TextX - 100; }
  void Draw(const std::string& text, float x, float y) {
    p.text.TextToDraw = text;
    p.text.TextX = x;
    p.text.TextY = y;
    p.text.TextColour = 0;
    lesson::DrawText(p);
  }

  lesson::HeadlessSession session{ostrel::kOstrel};
  lesson::Program& p = session.program;
};

TEST_F(OstrelGlyphTest, EachCharacterIsDrawnByItsRule) {
  ExpectGlyphRules(session, {
      // The script letter l: its own two rules, with their own sizes and places.
      {"l", {.fraction = 1}, "l", "MT Extra", 38, false, 0, 0, 3, 1, 32, {}},
      {"l", {}, "l", "MT Extra", 56, false, 4, 0, 1, 1, 32, {}},
      // An exponent or raised l is drawn by the exponent rules, in the base face.
      {"l", {.caret = 1}, "l", "ゴシック", 16, false, 0, 0, 3, 2, 24, {}},
      {"l", {.fraction = 1, .caret = 1}, "l", "ゴシック", 8, false, 0, -4, 6, 3, 24, {}},
      {"l", {.raised = 1}, "l", "ゴシック", 8, false, 0, -10, 6, 3, 24, {}},
      // So is an exponent or raised a, x or c: not in the italic face.
      {"x", {.caret = 1}, "x", "ゴシック", 16, false, 0, 0, 3, 2, 24, {}},
      {"a", {.fraction = 1, .caret = 1}, "a", "ゴシック", 8, false, 0, -4, 6, 3, 24, {}},
      {"c", {.raised = 1}, "c", "ゴシック", 8, false, 0, -10, 6, 3, 24, {}},
      // "ｹ" outside a fraction is an ordinary one-byte character.
      {"ｹ", {}, "ｹ", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
      // The rest is the standard list.
      {".", {}, ".", "ゴシック", 16, false, -3, 14, 3, 2, 8, {}},
      {"'", {}, "'", "ゴシック", 16, false, 0, 0, 3, 3, 12, {}},
      {"%", {}, "°", "ゴシック", 16, false, 0, 0, 3, 3, 12, {}},
      {"(", {.tall_paren = 1}, "(", "ゴシック", 16, false, -4, -6, 3, 4, 27, {.tall_paren = 1}},
      {")", {.tall_paren = 1}, ")", "ゴシック", 16, false, 6, -6, 3, 4, 27, {}},
      {"=", {}, "=", "ゴシック", 14, false, 4, 0, 3, 3, 32, {}},
      {"=", {.caret = 1}, "=", "ゴシック", 14, false, 4, 0, 3, 3, 32, {.caret = 1}},
      {"2", {.raised = 1}, "2", "ゴシック", 8, false, 0, -10, 6, 3, 24, {}},
      {"2", {.fraction = 1, .caret = 1}, "2", "ゴシック", 8, false, 0, -4, 6, 3, 24, {}},
      {"2", {.caret = 1}, "2", "ゴシック", 16, false, 0, 0, 3, 2, 24, {}},
      {"x", {.fraction = 1}, "x", "Times New Roman", 8, true, 4, -16, 12, 5, 32, {}},
      {"a", {}, "a", "Times New Roman", 8, true, 4, -22, 10, 7, 27, {}},
      {"c", {}, "c", "Times New Roman", 8, true, 4, -22, 10, 7, 27, {}},
      {"*", {}, "×", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"/", {}, "÷", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"@", {}, "±", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"*", {.fraction = 1}, "×", "ゴシック", 11, false, 0, 0, 3, 3, 38, {}},
      {"π", {.fraction = 1}, "π", "ゴシック", 11, false, 0, 0, 3, 3, 38, {}},
      {"π", {}, "π", "ゴシック", 16, false, 0, 0, 2, 3, 34, {}},
      {"5", {.fraction = 1}, "5", "ゴシック", 16, false, 0, 0, 4, 2, 32, {}},
      {"b", {.fraction = 1}, "b", "ゴシック", 16, false, 0, 0, 4, 2, 32, {}},
      {"5", {}, "5", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
      {"r", {}, "r", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
  });
}

TEST_F(OstrelGlyphTest, StrokesSignsAndTheCancellationStroke) {
  const struct {
    const char* ch;
    float fraction;
    std::vector<std::array<float, 4>> strokes;  // from and to, relative to the pen
    int colour;
    int width;
    float advance;
    int width_after;  // the draw width the run leaves
  } cases[] = {
      {"-", 1, {{6, 14, 26, 14}}, 0, 5, 32, 2},
      {"+", 1, {{6, 14, 26, 14}, {16, 4, 16, 24}}, 0, 5, 32, 2},
      {"-", 0, {{4, 20, 23, 20}}, 0, 5, 27, 2},
      {"+", 0, {{4, 22, 23, 22}, {13, 10, 13, 34}}, 0, 5, 27, 2},
      // The stroke across a fraction cell, in LineColour at the caller's width.
      {"ｹ", 1, {{4, 4, 32, 24}}, 7, 2, 32, 2},
      {"ｹ", 0, {}, 0, 0, 27, 2},
      {" ", 1, {}, 0, 0, 27, 2},
      {" ", 0, {}, 0, 0, 27, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("character \"") + c.ch + "\" fraction mode " +
                 std::to_string(c.fraction));
    p.figure.LineColour = 7;
    session.runtime.FE_SETDRAWWIDTH(2);
    const size_t before = Lines(session.trace()).size();
    const size_t glyphs_before = Glyphs(session.trace()).size();
    Run(c.ch, {.fraction = c.fraction});
    ExpectStrokes(Lines(session.trace()), before, c.strokes, c.colour, c.width);
    // Only "ｹ" outside a fraction draws a character.
    EXPECT_EQ(Glyphs(session.trace()).size() - glyphs_before,
              std::string(c.ch) == "ｹ" && c.fraction == 0 ? 1u : 0u);
    EXPECT_EQ(Advance(), c.advance);
    EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), c.width_after);
  }
}

TEST_F(OstrelGlyphTest, AStrokeAfterASignInTheSamePartIsThreeWide) {
  p.figure.LineColour = 7;
  session.runtime.FE_SETDRAWWIDTH(1);
  Run("-ｹ", {.fraction = 1});
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].colour, 7);
  EXPECT_EQ(lines[1].x1, 100 + 32 + 4);
  EXPECT_EQ(lines[1].width, 3);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 1);
}

TEST_F(OstrelGlyphTest, TheRunStaysBoldAfterAnL) {
  Run("l2", {.fraction = 1});
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[1].text, "2");
  EXPECT_EQ(glyphs[1].face, "ゴシック");
  EXPECT_EQ(glyphs[1].size, 16);
  EXPECT_TRUE(glyphs[1].bold);
  EXPECT_EQ(glyphs[1].x, 132);
}

TEST_F(OstrelGlyphTest, TheLetterLInATextAndInANumerator) {
  // "2πr=l": the l after the "=", 4 right of the pen, at size 56.
  Draw("2πr=l", 100, 200);
  auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 5u);
  EXPECT_EQ(glyphs[4].face, "MT Extra");
  EXPECT_EQ(glyphs[4].size, 56);
  EXPECT_EQ(glyphs[4].x, 100 + 27 + 34 + 27 + 32 + 4);
  EXPECT_EQ(glyphs[4].y, 200);
  EXPECT_EQ(p.text.TextX, 100 + 27 + 34 + 27 + 32 + 32);

  // "r=ﾀl/2πﾀ": the numerator's l at size 38, 3 by 1, at its pen.
  lesson::HeadlessSession other(ostrel::kOstrel);
  other.program.text = {};
  other.program.text.TextToDraw = "r=ﾀl/2πﾀ";
  other.program.text.TextX = 100;
  other.program.text.TextY = 200;
  lesson::DrawText(other.program);
  glyphs = Glyphs(other.trace());
  const auto l = std::find_if(glyphs.begin(), glyphs.end(), [](const Glyph& g) { return g.text == "l"; });
  ASSERT_NE(l, glyphs.end());
  EXPECT_EQ(l->face, "MT Extra");
  EXPECT_EQ(l->size, 38);
  EXPECT_EQ(l->mag_x, 3);
  EXPECT_EQ(l->mag_y, 1);
  EXPECT_EQ(l->y, other.program.renderer.NumeratorY);
  EXPECT_EQ(l->x, other.program.renderer.NumeratorX);
}

// A fraction drawn, then drawn again at the same place with "ｹ" in the cells to strike out.
TEST_F(OstrelGlyphTest, OverdrawingWithStrokesStrikesOutTheCells) {
  const struct {
    const char* first;
    const char* second;
    std::vector<std::string> struck;  // the characters of the first drawing that are struck out
    std::vector<std::string> kept;    // those drawn again over themselves
  } cases[] = {
      {"=ﾀ12ab/3bﾀ", "=ﾀｹｹaｹ/ｹｹﾀ", {"1", "2", "b", "3", "b"}, {"=", "a"}},
      {"ﾀ6*x/3ﾀ", "ﾀｹ*x/ｹﾀ", {"6", "3"}, {"×", "x"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    lesson::HeadlessSession s(ostrel::kOstrel);
    lesson::Program& q = s.program;
    q.figure.LineColour = 7;
    s.runtime.FE_SETDRAWWIDTH(3);
    const auto draw = [&q](const char* text) {
      q.text.TextToDraw = text;
      q.text.TextX = 200;
      q.text.TextY = 300;
      q.text.TextColour = 0;
      lesson::DrawText(q);
      return q.text.TextX;
    };
    const float first_end = draw(c.first);
    const auto first_glyphs = Glyphs(s.trace());
    const size_t lines_before = Lines(s.trace()).size();
    const float second_end = draw(c.second);
    EXPECT_EQ(second_end, first_end);

    // The cells of the struck characters, in drawing order (denominator first).
    std::vector<std::pair<float, float>> struck_cells, strokes;
    std::vector<std::string> struck_chars;
    for (const Glyph& g : first_glyphs) {
      if (std::find(c.kept.begin(), c.kept.end(), g.text) == c.kept.end()) {
        struck_cells.push_back({g.x, g.y});
        struck_chars.push_back(g.text);
      }
    }
    std::vector<std::string> expected_struck = c.struck;
    std::sort(expected_struck.begin(), expected_struck.end());
    std::sort(struck_chars.begin(), struck_chars.end());
    EXPECT_EQ(struck_chars, expected_struck);

    const auto lines = Lines(s.trace());
    for (size_t k = lines_before; k < lines.size(); ++k) {
      const Line& l = lines[k];
      if (l.colour != 7) continue;  // the fraction bar is drawn again in the text colour
      EXPECT_EQ(l.mode, 0);
      EXPECT_EQ(l.x2 - l.x1, 28);
      EXPECT_EQ(l.y2 - l.y1, 20);
      strokes.push_back({l.x1 - 4, l.y1 - 4});
    }
    std::sort(struck_cells.begin(), struck_cells.end());
    std::sort(strokes.begin(), strokes.end());
    EXPECT_EQ(strokes, struck_cells);

    // The characters that stay are drawn again at their own places.
    const auto all = Glyphs(s.trace());
    const std::vector<Glyph> second(all.begin() + static_cast<long>(first_glyphs.size()), all.end());
    ASSERT_EQ(second.size(), c.kept.size());
    for (const Glyph& g : second) {
      const auto same = std::find_if(first_glyphs.begin(), first_glyphs.end(), [&g](const Glyph& f) {
        return f.text == g.text && f.x == g.x && f.y == g.y && f.size == g.size;
      });
      EXPECT_NE(same, first_glyphs.end()) << g.text;
    }
  }
}

}  // namespace
