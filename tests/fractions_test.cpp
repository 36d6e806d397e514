#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;

namespace {

TEST(StackedFraction, LayoutOfItsParts) {
  const struct {
    const char* text;  // between the brackets
    float numerator_width, denominator_width, width;
    float numerator_offset, denominator_offset;
    float denominator_top;  // below the line's top
  } cases[] = {
      {"1/2", 32, 32, 32, 0, 0, 28},
      {"3x^2/x", 88, 32, 88, 0, 28, 28},   // "3", italic "x", exponent "2"
      {"3/2a^2", 32, 88, 88, 28, 0, 36},   // an exponent lowers the denominator
      {"1/３", 32, 38, 38, 3, 0, 28},
      {"1 2/3", 91, 32, 91, 0, 29.5f, 28},  // offsets are not rounded
      {"6/2/3", 32, 102, 102, 35, 0, 28},  // a second "/" is a "÷" in the denominator
      {"/5", 0, 32, 32, 16, 0, 28},
      {"5/", 32, 0, 32, 0, 16, 28},
      {"!5ﾝ/", 58, 0, 58, 0, 29, 36},     // an empty denominator under a root goes lower too
      {"!5ﾝ/2", 58, 32, 58, 0, 13, 36},    // a root anywhere in the fraction lowers it
      {"2/!3ﾝ", 32, 58, 58, 13, 0, 36},
      {"2/√3ﾝ", 32, 58, 58, 13, 0, 44},    // a root sign written out counts twice
      {"2/a^2√3ﾝ", 32, 114, 114, 41, 0, 44},
      {"1/-2", 32, 64, 64, 16, 0, 28},
      // A full-width character is a whole character, never taken for the exponent mark.
      {"1/２／", 32, 76, 76, 22, 0, 28},
      {"", 0, 0, 0, 0, 0, 28},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    lesson::HeadlessSession session(kStandardProgram);
    lesson::Program& p = session.program;
    DrawFormula(p, std::string("ﾀ") + c.text + "ﾀ");
    const lesson::RendererState& r = p.renderer;
    EXPECT_EQ(r.NumeratorWidth, c.numerator_width);
    EXPECT_EQ(r.DenominatorWidth, c.denominator_width);
    EXPECT_EQ(r.FractionWidth, c.width);
    EXPECT_EQ(r.NumeratorOffset, c.numerator_offset);
    EXPECT_EQ(r.DenominatorOffset, c.denominator_offset);
    EXPECT_EQ(r.NumeratorX, 100 + c.numerator_offset);
    EXPECT_EQ(r.NumeratorY, 190);
    EXPECT_EQ(r.DenominatorX, 100 + c.denominator_offset);
    EXPECT_EQ(r.DenominatorY, 200 + c.denominator_top);
    EXPECT_EQ(r.FractionBarY, 225);
    EXPECT_EQ(r.FractionTopY, 200);
    EXPECT_EQ(p.text.PenX, 100);
    EXPECT_EQ(p.text.TextX, 100 + c.width);
    EXPECT_EQ(p.text.TextY, 200);
    const auto lines = Lines(session.trace());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].x1, 100);
    EXPECT_EQ(lines[0].x2, 100 + c.width);
    EXPECT_EQ(lines[0].y1, 225);
    EXPECT_EQ(lines[0].width, 4);
  }
}

TEST(StackedFraction, RootPositionsAreBytePositionsInTheWholeText) {
  lesson::HeadlessSession session(kStandardProgram);
  lesson::Program& p = session.program;
  p.text.TextToDraw = "ﾀ３!2ﾝ/√5ﾝﾀ";
  lesson::DrawText(p);
  EXPECT_EQ(p.renderer.RootMarkPosition, 3);
  EXPECT_EQ(p.renderer.RootSignPosition, 7);
  EXPECT_EQ(p.renderer.NumeratorText, "３!2ﾝ");
  EXPECT_EQ(p.renderer.DenominatorText, "√5ﾝ");
}

TEST(StackedFraction, AMarkPendingBeforeTheFractionIsUsedUpByMeasuringTheNumerator) {
  lesson::HeadlessSession session(kStandardProgram);
  lesson::Program& p = session.program;
  DrawFormula(p, "^ﾀ2/3ﾀ");
  EXPECT_EQ(p.renderer.NumeratorWidth, 24);
  EXPECT_EQ(p.renderer.FractionWidth, 32);
  EXPECT_EQ(p.renderer.NumeratorOffset, 4);
  const auto glyphs = Glyphs(session.trace());
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[1].mag_x, 4);  // drawn at its ordinary fraction size
  EXPECT_EQ(p.text.CaretFlag, 0);
}

TEST(StackedFraction, TheTallBarIsDrawnOnlyWhileTheTallRadicalIsOpenAfterMeasuring) {
  lesson::HeadlessSession session(kStandardProgram);
  lesson::Program& p = session.program;
  // "ﾝ" inside the fraction closes the radical before the bars are drawn.
  DrawFormula(p, "#ﾀ1ﾝ/2ﾀ");
  const auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].y1, 225);
  EXPECT_EQ(p.renderer.RootBarMode, 0);
}

}  // namespace
