#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;
using testing_support::HasEvent;

namespace {

using DrawTextTest = FormulaTest;

TEST_F(DrawTextTest, AStackedFractionAdvancesByItsWiderPart) {
  Draw("ﾀ1/2ﾀ");
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 2u);
  // The denominator is drawn first, then the numerator, both at the fraction sizes.
  EXPECT_EQ(glyphs[0].text, "2");
  EXPECT_EQ(glyphs[0].x, 100);
  EXPECT_EQ(glyphs[0].y, 228);
  EXPECT_EQ(glyphs[1].text, "1");
  EXPECT_EQ(glyphs[1].x, 100);
  EXPECT_EQ(glyphs[1].y, 190);
  EXPECT_EQ(glyphs[1].mag_x, 4);
  EXPECT_EQ(glyphs[1].mag_y, 2);
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 100);
  EXPECT_EQ(lines[0].y1, 225);
  EXPECT_EQ(lines[0].x2, 132);
  EXPECT_EQ(lines[0].y2, 225);
  EXPECT_EQ(lines[0].width, 4);
  EXPECT_EQ(p.text.TextX, 132);
  EXPECT_EQ(p.text.TextY, 200);
  EXPECT_EQ(p.text.TextToDraw, "");
  EXPECT_EQ(p.text.WorkText, "1");  // a text ending in a fraction leaves its numerator
  EXPECT_EQ(p.renderer.FractionMode, 0);
}

TEST_F(DrawTextTest, AnUnclosedFractionBracketIsDroppedAndTheRestIsOrdinaryText) {
  Draw("ﾀ1/2");
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0].text, "1");
  EXPECT_EQ(glyphs[0].x, 100);
  EXPECT_EQ(glyphs[1].text, "÷");
  EXPECT_EQ(glyphs[1].x, 127 - 4);
  EXPECT_EQ(glyphs[2].text, "2");
  EXPECT_EQ(glyphs[2].x, 154);
  EXPECT_EQ(p.text.TextX, 181);
  EXPECT_TRUE(Lines(session.trace()).empty());
}

TEST_F(DrawTextTest, ASlashOutsideAFractionIsADivisionSign) {
  Draw("(6x-8)/ﾀ2/3ﾀ");
  const auto glyphs = Glyphs(session.trace());
  ASSERT_GE(glyphs.size(), 6u);
  EXPECT_EQ(glyphs[5].text, "÷");
  EXPECT_EQ(glyphs[5].x, 100 + 6 * 27 - 4);
  EXPECT_EQ(p.renderer.NumeratorX, 100 + 7 * 27);
  EXPECT_EQ(p.text.TextX, 100 + 7 * 27 + 32);

  // Two fractions with "÷" between them; the layout left is the second one's.
  lesson::HeadlessSession two(kStandardProgram);
  lesson::Program& q = two.program;
  DrawFormula(q, "=-ﾀ3x^2/2ﾀ/ﾀ3x/4ﾀ");
  const auto lines = Lines(two.trace());
  ASSERT_EQ(lines.size(), 3u);  // the minus, by a stroke, then the two bars
  EXPECT_EQ(lines[0].width, 5);
  EXPECT_EQ(lines[1].x1, 159);
  EXPECT_EQ(lines[1].x2, 159 + 88);
  EXPECT_EQ(lines[2].x1, 159 + 88 + 27);
  EXPECT_EQ(lines[2].x2, 159 + 88 + 27 + 64);
  const auto drawn = Glyphs(two.trace());
  bool division = false;
  for (const Glyph& g : drawn) division |= g.text == "÷" && g.x == 159 + 88 - 4;
  EXPECT_TRUE(division);
  EXPECT_EQ(q.renderer.NumeratorWidth, 64);
  EXPECT_EQ(q.renderer.DenominatorOffset, 16);
  EXPECT_EQ(q.text.TextX, 159 + 88 + 27 + 64);
}

TEST_F(DrawTextTest, ClosingAndOpeningBracketsAroundAMinus) {
  Draw("ﾀ1/2ﾀ-ﾀ3/4ﾀ");
  EXPECT_EQ(p.text.TextX, 100 + 32 + 27 + 32);
  EXPECT_EQ(Glyphs(session.trace()).size(), 4u);

  // As a whole text it is one fraction of the text "-": no numerator over a minus.
  lesson::HeadlessSession alone(kStandardProgram);
  lesson::Program& q = alone.program;
  DrawFormula(q, "ﾀ-ﾀ");
  EXPECT_EQ(q.renderer.NumeratorText, "");
  EXPECT_EQ(q.renderer.DenominatorText, "-");
  EXPECT_EQ(q.renderer.NumeratorWidth, 0);
  EXPECT_EQ(q.renderer.FractionWidth, 32);
  EXPECT_EQ(q.renderer.NumeratorOffset, 16);
  EXPECT_EQ(q.text.TextX, 132);
}

TEST_F(DrawTextTest, AnExponentMarkAtTheEndPendsForTheNextText) {
  Draw("x^");
  EXPECT_EQ(p.text.CaretFlag, 1);
  EXPECT_EQ(p.text.WorkText, "^");
  EXPECT_EQ(p.text.TextX, 127);
  Draw("=2", 300, 100);
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[1].text, "=");
  EXPECT_EQ(glyphs[2].text, "2");
  EXPECT_EQ(glyphs[2].x, 332);
  EXPECT_EQ(glyphs[2].mag_y, 2);
  EXPECT_EQ(p.text.TextX, 332 + 24);
  EXPECT_EQ(p.text.CaretFlag, 0);

  // The wide style reads the same flag and draws its next character unconverted.
  Draw("a^");
  p.text.TextToDraw = "3";
  lesson::DrawWideText(p);
  EXPECT_EQ(Glyphs(session.trace()).back().text, "3");
  EXPECT_EQ(p.text.CaretFlag, 0);
}

TEST_F(DrawTextTest, TheTallRadicalCoversAFractionUntilItCloses) {
  Draw("#ﾀ1/2ﾀﾝ3");
  const auto polylines = Polylines(session.trace());
  ASSERT_EQ(polylines.size(), 1u);
  EXPECT_EQ(polylines[0], (std::vector<float>{104, 236, 108, 224, 116, 260, 130, 186, 138, 186}));
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 2u);  // the fraction's bar and the tall bar; none after "ﾝ"
  EXPECT_EQ(lines[0].y1, 225);
  EXPECT_EQ(lines[0].x1, 132);
  EXPECT_EQ(lines[0].x2, 164);
  EXPECT_EQ(lines[1].y1, 186);
  EXPECT_EQ(lines[1].x1, 132);
  EXPECT_EQ(lines[1].x2, 164);
  EXPECT_EQ(lines[1].width, 3);
  EXPECT_EQ(p.renderer.NumeratorX, 132);
  EXPECT_EQ(p.renderer.RootBarMode, 0);
  EXPECT_EQ(p.text.TextX, 164 + 27);
}

TEST_F(DrawTextTest, TheTallRadicalOverOrdinaryCharactersExtendsItsBarPerCharacter) {
  session.runtime.FE_SETDRAWWIDTH(2);
  Draw("#23");
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, 132);
  EXPECT_EQ(lines[0].x2, 159);
  EXPECT_EQ(lines[0].y1, 186);
  EXPECT_EQ(lines[1].x1, 132);
  EXPECT_EQ(lines[1].x2, 186);
  EXPECT_EQ(p.text.WorkText, "3");
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(p.renderer.RootBarMode, 22);  // left open for later texts
}

TEST_F(DrawTextTest, AHashInsideAFractionIsACharacterButOpensTheTallBarWhileMeasured) {
  Draw("ﾀ#2/3ﾀ4");
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 4u);
  EXPECT_EQ(glyphs[1].text, "#");
  EXPECT_EQ(glyphs[1].x, 100);
  EXPECT_EQ(glyphs[2].x, 132);
  EXPECT_TRUE(Polylines(session.trace()).empty());  // the sign itself only while measuring
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].y1, 186);  // the tall bar over the fraction
  EXPECT_EQ(lines[1].x2, 164);
  // The glyph after the fraction goes on with the bar from the numerator's end.
  EXPECT_EQ(lines[2].x1, 164);
  EXPECT_EQ(lines[2].x2, 191);
  EXPECT_EQ(lines[2].y1, 186);
}

TEST_F(DrawTextTest, AnEmptyTextDrawsNothingAndChangesNothing) {
  session.runtime.FE_SETFONTNAME("Times New Roman");
  session.runtime.FE_SETFONTBOLD(-1);
  session.runtime.FE_SETDRAWWIDTH(6);
  p.text.WorkText = "kept";
  Draw("");
  EXPECT_EQ(p.text.TextX, 100);
  EXPECT_EQ(p.text.WorkText, "kept");
  EXPECT_EQ(session.runtime.font().face, "Times New Roman");
  EXPECT_TRUE(session.runtime.font().bold);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 6);
  EXPECT_TRUE(Glyphs(session.trace()).empty());
}

TEST_F(DrawTextTest, LeavesTheRunsFontAndTheCallersDrawWidth) {
  session.runtime.FE_SETFONTNAME("Times New Roman");
  session.runtime.FE_SETFONTSIZE(30);
  session.runtime.FE_SETDRAWWIDTH(6);
  Draw("ﾀ-1/2ﾀ+3");
  EXPECT_EQ(session.runtime.font().face, "ゴシック");
  EXPECT_EQ(session.runtime.font().size, 16);
  EXPECT_FALSE(session.runtime.font().bold);
  EXPECT_FALSE(session.runtime.font().italic);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 6);
  EXPECT_EQ(p.values.SavedDrawWidth, 6);
  // The bar is 4 wide and the signs 5, whatever the caller's width.
  for (const Line& l : Lines(session.trace())) EXPECT_NE(l.width, 6);
}

TEST_F(DrawTextTest, FractionModeSetByTheCallerHoldsUntilAFraction) {
  p.renderer.FractionMode = 1;
  Draw("3ﾀ1/2ﾀ3");
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 4u);
  EXPECT_EQ(glyphs[0].mag_x, 4);  // fraction size before the fraction
  EXPECT_EQ(glyphs[3].mag_x, 3);  // ordinary size after it
  EXPECT_EQ(p.renderer.FractionMode, 0);
  EXPECT_EQ(p.text.TextX, 100 + 32 + 32 + 27);
}

TEST_F(DrawTextTest, TheTraceNotesEveryCallAndBracketsTheMeasuringRuns) {
  p.text.TextColour = 5;
  p.text.TextToDraw = "ﾀ1/2ﾀ";
  p.text.TextX = 100;
  p.text.TextY = 200;
  lesson::DrawText(p);
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawText", "100", "200", "5", "ﾀ1/2ﾀ"}));
  // The parts are measured by nested runs at y 1800, which readers leave out.
  const auto& lines = session.trace().lines();
  int begins = 0, ends = 0, nested = 0;
  for (const auto& line : lines) {
    begins += line == "measure\tbegin";
    ends += line == "measure\tend";
    nested += line.rfind("text\tDrawText\t0\t1800", 0) == 0;
  }
  EXPECT_EQ(begins, 2);
  EXPECT_EQ(ends, 2);
  EXPECT_EQ(nested, 2);
  EXPECT_EQ(EventsOf(session.trace(), "text").size(), 1u);
}

}  // namespace
