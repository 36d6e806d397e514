#include <gtest/gtest.h>

#include <array>

#include "lessonlib/formula.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;

namespace {

using Modes = GlyphModes;

class GlyphRunTest : public FormulaTest {
 protected:
  // One glyph run of `run` with its pen at (100, 200), in the given modes.
  void Run(const std::string& run, Modes modes = {}) { RunGlyphs(p, run, modes); }
  float Advance() const { return p.text.TextX - 100; }
};

TEST_F(GlyphRunTest, GlyphRulesPickFaceSizeOffsetMagnificationAndAdvance) {
  ExpectGlyphRules(session, {
      {".", {}, ".", "ゴシック", 16, false, -3, 14, 3, 2, 8, {}},
      {"'", {}, "'", "ゴシック", 16, false, 0, 0, 3, 3, 12, {}},
      {"%", {}, "°", "ゴシック", 16, false, 0, 0, 3, 3, 12, {}},
      {"(", {.tall_paren = 1}, "(", "ゴシック", 16, false, -4, -6, 3, 4, 27, {.tall_paren = 1}},
      {")", {.tall_paren = 1}, ")", "ゴシック", 16, false, 6, -6, 3, 4, 27, {}},
      {"(", {}, "(", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
      {"=", {}, "=", "ゴシック", 14, false, 4, 0, 3, 3, 32, {}},
      // A flag is not used up by a character that an earlier rule takes.
      {"=", {.caret = 1}, "=", "ゴシック", 14, false, 4, 0, 3, 3, 32, {.caret = 1}},
      {".", {.raised = 1}, ".", "ゴシック", 16, false, -3, 14, 3, 2, 8, {.raised = 1}},
      {".", {.caret = 1}, ".", "ゴシック", 16, false, -3, 14, 3, 2, 8, {.caret = 1}},
      {"2", {.raised = 1}, "2", "ゴシック", 8, false, 0, -10, 6, 3, 24, {}},
      {"2", {.caret = 1, .raised = 1}, "2", "ゴシック", 8, false, 0, -10, 6, 3, 24, {.caret = 1}},
      {"2", {.fraction = 1, .caret = 1}, "2", "ゴシック", 8, false, 0, -4, 6, 3, 24, {}},
      {"2", {.caret = 1}, "2", "ゴシック", 16, false, 0, 0, 3, 2, 24, {}},
      // An exponent letter or sign is drawn by the exponent rule, upright.
      {"x", {.fraction = 1, .caret = 1}, "x", "ゴシック", 8, false, 0, -4, 6, 3, 24, {}},
      {"+", {.caret = 1}, "+", "ゴシック", 16, false, 0, 0, 3, 2, 24, {}},
      {"３", {.fraction = 1, .caret = 1}, "３", "ゴシック", 8, false, 0, -4, 6, 3, 24, {}},
      {"x", {.fraction = 1}, "x", "Times New Roman", 8, true, 4, -16, 12, 5, 32, {}},
      {"a", {}, "a", "Times New Roman", 8, true, 4, -22, 10, 7, 27, {}},
      {"c", {}, "c", "Times New Roman", 8, true, 4, -22, 10, 7, 27, {}},
      {"b", {}, "b", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
      {"l", {}, "l", "MT Extra", 16, false, 0, 0, 6, 3, 32, {}},
      {"l", {.fraction = 1}, "l", "MT Extra", 16, false, 0, 0, 6, 3, 32, {}},
      {"*", {}, "×", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"/", {}, "÷", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"@", {}, "±", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"×", {}, "×", "ゴシック", 16, false, -4, 0, 2, 3, 27, {}},
      {"*", {.fraction = 1}, "×", "ゴシック", 11, false, 0, 0, 3, 3, 38, {}},
      {"３", {.fraction = 1}, "３", "ゴシック", 11, false, 0, 0, 3, 3, 38, {}},
      {"３", {}, "３", "ゴシック", 16, false, 0, 0, 2, 3, 34, {}},
      // Two-byte characters whose second code-page byte is "@", "\" or "^" stay whole.
      {"　", {}, "　", "ゴシック", 16, false, 0, 0, 2, 3, 34, {}},
      {"表", {}, "表", "ゴシック", 16, false, 0, 0, 2, 3, 34, {}},
      {"／", {}, "／", "ゴシック", 16, false, 0, 0, 2, 3, 34, {}},
      {"5", {.fraction = 1}, "5", "ゴシック", 16, false, 0, 0, 4, 2, 32, {}},
      {"5", {}, "5", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
      {"ｹ", {.fraction = 1}, "ｹ", "ゴシック", 16, false, 0, 0, 4, 2, 32, {}},
      {"#", {.fraction = 1}, "#", "ゴシック", 16, false, 0, 0, 4, 2, 32, {}},
      // The empty character of an empty run.
      {"", {}, "", "ゴシック", 16, false, 0, 0, 3, 3, 27, {}},
      {"", {.fraction = 1}, "", "ゴシック", 16, false, 0, 0, 4, 2, 32, {}},
      {"", {.caret = 1}, "", "ゴシック", 16, false, 0, 0, 3, 2, 24, {}},
  });
}

TEST_F(GlyphRunTest, SignsAreDrawnAsHeavyStrokes) {
  const struct {
    const char* ch;
    float fraction;
    std::vector<std::array<float, 4>> strokes;  // x1, y1, x2, y2 relative to the pen
    float advance;
  } cases[] = {
      {"-", 1, {{6, 14, 26, 14}}, 32},
      {"+", 1, {{6, 14, 26, 14}, {16, 4, 16, 24}}, 32},
      {"-", 0, {{4, 20, 23, 20}}, 27},
      {"+", 0, {{4, 22, 23, 22}, {13, 10, 13, 34}}, 27},
      {" ", 0, {}, 27},
      {" ", 1, {}, 27},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("sign \"") + c.ch + "\" fraction " + std::to_string(c.fraction));
    session.runtime.FE_SETDRAWWIDTH(2);
    const size_t before = Lines(session.trace()).size();
    Run(c.ch, {.fraction = c.fraction});
    ExpectStrokes(Lines(session.trace()), before, c.strokes, 0, 5);
    EXPECT_EQ(Advance(), c.advance);
    EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 2);
    EXPECT_TRUE(Glyphs(session.trace()).empty());
  }
}

TEST_F(GlyphRunTest, AfterAStrokeTheRunGoesOnAtWidthThreeAndEndsAtTheCallersWidth) {
  session.runtime.FE_SETDRAWWIDTH(7);
  Run("-!2ﾝ");
  const auto lines = Lines(session.trace());
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().width, 3);  // the overbar after the stroke and the radical
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 7);
  EXPECT_EQ(p.values.SavedDrawWidth, 7);
}

TEST_F(GlyphRunTest, RadicalsOpenAnOverbarThatEveryGlyphExtendsUntilItCloses) {
  // Outside fractions: large sign, "2" at +28, bar at y - 4 from +28 to +55.
  Run("!2ﾝ3");
  auto polylines = Polylines(session.trace());
  ASSERT_EQ(polylines.size(), 1u);
  EXPECT_EQ(polylines[0], (std::vector<float>{104, 236, 108, 224, 116, 240, 124, 196, 132, 196}));
  EXPECT_EQ(GlyphXs(session.trace()), (std::vector<float>{128, 155}));
  auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 128);
  EXPECT_EQ(lines[0].x2, 155);
  EXPECT_EQ(lines[0].y1, 196);
  EXPECT_EQ(p.renderer.RootBarMode, 0);
  EXPECT_EQ(p.renderer.RootBarStartX, 182);  // follows the pen once closed
  EXPECT_EQ(Advance(), 82);

  // In a numerator: small sign, "2" at +26, bar at y - 6 from +26 to +58.
  lesson::HeadlessSession other(kStandardProgram);
  lesson::Program& q = other.program;
  q.renderer.FractionMode = 1;
  q.text.WorkText = "√2ﾝ";
  q.text.TextX = 100;
  q.text.TextY = 200;
  lesson::DrawFormulaChars(q);
  polylines = Polylines(other.trace());
  ASSERT_EQ(polylines.size(), 1u);
  EXPECT_EQ(polylines[0], (std::vector<float>{104, 224, 108, 213, 116, 229, 124, 194, 126, 194}));
  EXPECT_EQ(GlyphXs(other.trace()), (std::vector<float>{126}));
  lines = Lines(other.trace());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 126);
  EXPECT_EQ(lines[0].x2, 158);
  EXPECT_EQ(lines[0].y1, 194);
}

TEST_F(GlyphRunTest, AnOpenOverbarGoesOnInLaterRunsAndSkipsTheParallelogram) {
  Run("!");
  EXPECT_EQ(p.renderer.RootBarMode, 1);
  // A later run at another place: each glyph redraws the bar from the unchanged start.
  p.text.WorkText = "2 &3";
  p.text.TextX = 300;
  p.text.TextY = 100;
  lesson::DrawFormulaChars(p);
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].x1, 128);
  EXPECT_EQ(lines[0].x2, 327);
  EXPECT_EQ(lines[0].y1, 96);
  EXPECT_EQ(lines[1].x2, 354);  // the blank is covered too
  // "&": a parallelogram 5 wide, no bar over it; the bar resumes from the pen after it.
  const auto polylines = Polylines(session.trace());
  ASSERT_EQ(polylines.size(), 2u);
  EXPECT_EQ(polylines[1], (std::vector<float>{358, 140, 379, 140, 386, 108, 365, 108, 358, 140}));
  EXPECT_EQ(lines[2].x1, 390);
  EXPECT_EQ(lines[2].x2, 417);
  EXPECT_EQ(p.renderer.RootBarMode, 1);
}

TEST_F(GlyphRunTest, MarkersDrawNothingAndLeaveTheRunsFont) {
  session.runtime.FE_SETFONTNAME("Times New Roman");
  session.runtime.FE_SETFONTSIZE(30);
  session.runtime.FE_SETFONTITALIC(-1);
  session.runtime.FE_SETFONTITALIC(0);
  Run("^");
  EXPECT_TRUE(Glyphs(session.trace()).empty());
  EXPECT_EQ(Advance(), 0);
  EXPECT_EQ(p.text.CaretFlag, 1);
  EXPECT_EQ(session.runtime.font().face, "ゴシック");
  EXPECT_EQ(session.runtime.font().size, 16);
  EXPECT_FALSE(session.runtime.font().bold);
  Run("\\");
  EXPECT_EQ(p.renderer.RaisedFlag, 1);
  p.renderer.RootBarMode = 11;
  Run("ﾝ");
  EXPECT_EQ(p.renderer.RootBarMode, 0);
  EXPECT_TRUE(Glyphs(session.trace()).empty());
  EXPECT_EQ(p.text.WorkText, "ﾝ");
  EXPECT_EQ(p.text.TextY, 200);
}

TEST_F(GlyphRunTest, TheRunsWorkValuesAreLeftAsItsLastPassLeavesThem) {
  const struct {
    const char* run;
    float counter;  // one past the last pass; an empty run makes one pass
    float count;
    const char* last;
    float byte_count;
  } cases[] = {
      {"", 2, 0, "", 0},
      {"7", 2, 1, "7", 1},
      {"3x^", 4, 3, "^", 1},  // a marker is not handed to the list: the byte count is x's
      {"2/３", 4, 3, "３", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.run);
    p.renderer.CharByteCount = 9;
    Run(c.run);
    EXPECT_EQ(p.values.LoopIndex, c.counter);
    EXPECT_EQ(p.renderer.GlyphCount, c.count);
    EXPECT_EQ(p.renderer.GlyphText, c.run);
    EXPECT_EQ(p.text.CurrentChar, c.last);
    EXPECT_EQ(p.renderer.CharByteCount, c.byte_count);
    EXPECT_EQ(p.text.WorkText, c.run);
    p.text.CaretFlag = 0;
  }
}

TEST_F(GlyphRunTest, ScriptLTurnsBoldOffForTheRestOfTheRunUntilAnEqualsSign) {
  Run("l2=2", {.fraction = 1});
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 4u);
  EXPECT_TRUE(glyphs[0].bold);
  EXPECT_FALSE(glyphs[1].bold);
  EXPECT_TRUE(glyphs[2].bold);
  EXPECT_TRUE(glyphs[3].bold);
  EXPECT_EQ(Advance(), 32 + 32 + 32 + 32);
}

TEST_F(GlyphRunTest, ATrailingMarkIsTakenByTheFirstGlyphOfALaterRunThatReachesItsRule) {
  Run("x^");
  p.text.WorkText = "=2";  // a later run, the pending flag kept
  p.text.TextX = 100;
  lesson::DrawFormulaChars(p);
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[1].text, "=");
  EXPECT_EQ(glyphs[2].mag_y, 2);  // the exponent
  EXPECT_EQ(Advance(), 32 + 24);
  EXPECT_EQ(p.text.CaretFlag, 0);
}

// A program whose list is the standard one with a rule of its own inserted, and with the
// "l" rule split in two, built the way a program's list is meant to be built.
bool MarkRule(lesson::Program& p) {
  if (p.text.CurrentChar != "ｹ" || p.renderer.FractionMode != 1) return false;
  p.rt.PsLINE(p.renderer.GlyphX + 4, p.renderer.GlyphY + 4, 28, 20, true, p.figure.LineColour, 0,
              p.figure.LineColour);
  p.renderer.GlyphX += 32;
  return true;
}

bool FractionLRule(lesson::Program& p) {
  if (p.text.CurrentChar != "l" || p.renderer.FractionMode != 1) return false;
  p.renderer.GlyphX += 40;
  return true;
}

// Built at start-up: the sanitizer build does not take function addresses as constants.
const auto kMarkedRules = lesson::SpliceGlyphRules(
    lesson::SpliceGlyphRules(lesson::kStandardGlyphRules, lesson::FractionWideCharRule,
                             {MarkRule, lesson::FractionWideCharRule}),
    lesson::ScriptLRule, {FractionLRule, lesson::ScriptLRule});
static_assert(kMarkedRules.size() == lesson::kStandardGlyphRules.size() + 2);

TEST(GlyphRuleList, SplicingInsertsAndSplitsRulesInPlace) {
  EXPECT_EQ(kMarkedRules[17], lesson::BlankRule);
  EXPECT_EQ(kMarkedRules[18], MarkRule);
  EXPECT_EQ(kMarkedRules[19], lesson::FractionWideCharRule);
  EXPECT_EQ(kMarkedRules[10], FractionLRule);
  EXPECT_EQ(kMarkedRules[11], lesson::ScriptLRule);
}

void ApplyMarkedRules(lesson::Program& p) { lesson::ApplyGlyphRuleList(p, kMarkedRules); }
const lesson::ProgramDefinition kMarkedProgram{"Marked", nullptr, ApplyMarkedRules};

TEST(GlyphRuleList, AProgramsOwnListIsUsedBehindTheSharedRules) {
  lesson::HeadlessSession session(kMarkedProgram);
  lesson::Program& p = session.program;
  DrawFormula(p, "ﾀｹ!lﾝ/ｹｹﾀｹl");
  // Cancelled cells in the fraction, the shared radical still drawn, "ｹ" itself outside.
  const auto strokes = EventsOf(session.trace(), "op", "PsLINE");
  ASSERT_EQ(strokes.size(), 5u);  // bar, two strokes in the denominator, overbar, one stroke
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].text, "ｹ");
  EXPECT_EQ(glyphs[1].text, "l");
  EXPECT_EQ(Polylines(session.trace()).size(), 1u);
  // Numerator 32 + 26 + 40, denominator 64: the fraction is 98 wide; then 27 and 32.
  EXPECT_EQ(p.renderer.NumeratorWidth, 98);
  EXPECT_EQ(p.text.TextX, 100 + 98 + 27 + 32);
}

TEST(GlyphRuleList, AProgramWithoutAListDrawsWithTheStandardOne) {
  lesson::HeadlessSession session(testing_support::kTestProgram);
  lesson::Program& p = session.program;
  p.text.TextToDraw = "3x^2";
  lesson::DrawText(p);
  EXPECT_EQ(p.text.TextX, 27 + 27 + 24);
}

}  // namespace
