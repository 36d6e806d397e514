#include <gtest/gtest.h>

#include "lessonlib/screen.h"
#include "tests/test_support.h"

using namespace testing_support;

namespace {

struct Drawn {
  std::string text;
  std::string x, y;
};

// Draws `text` at (100, 200) in the wide style and returns the glyphs drawn.
std::vector<Drawn> DrawWide(lesson::HeadlessSession& session, const std::string& text) {
  lesson::Program& p = session.program;
  p.text.TextToDraw = text;
  p.text.TextX = 100;
  p.text.TextY = 200;
  p.text.TextColour = 0;
  session.Call(lesson::DrawWideText);
  std::vector<Drawn> glyphs;
  for (const auto& e : EventsOf(session.trace(), "op", "PsSYMBOL40")) {
    glyphs.push_back({e[2], e[3], e[4]});
  }
  return glyphs;
}

}  // namespace

TEST(WideText, ExponentIsRaisedAndTakesNoCell) {
  lesson::HeadlessSession session(kTestProgram);
  const auto glyphs = DrawWide(session, "x^2");
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[0].text, "χ");
  EXPECT_EQ(glyphs[0].x, "100");
  EXPECT_EQ(glyphs[0].y, "200");
  EXPECT_EQ(glyphs[1].text, "2");  // unconverted, a single byte: raised by 4
  EXPECT_EQ(glyphs[1].x, "116");
  EXPECT_EQ(glyphs[1].y, "196");
  EXPECT_EQ(session.program.text.TextX, 132);
  EXPECT_EQ(session.program.text.TextToDraw, "");
  EXPECT_EQ(session.program.text.CaretFlag, 0);
}

TEST(WideText, DecimalPointSitsBetweenTwoCells) {
  lesson::HeadlessSession session(kTestProgram);
  const auto glyphs = DrawWide(session, "3.5");
  ASSERT_EQ(glyphs.size(), 3u);
  EXPECT_EQ(glyphs[0].text, "３");
  EXPECT_EQ(glyphs[0].x, "100");
  EXPECT_EQ(glyphs[1].text, "．");
  EXPECT_EQ(glyphs[1].x, "112");
  EXPECT_EQ(glyphs[2].text, "５");
  EXPECT_EQ(glyphs[2].x, "116");
  EXPECT_EQ(session.program.text.TextX, 132);
}

TEST(WideText, ConvertsLettersAndSignsToTheirWideForms) {
  const struct {
    const char* in;
    const char* out;
    const char* y;
  } cases[] = {
      {"A", "Α", "200"},  {"x", "χ", "200"},  {"ﾀ", "―", "200"}, {"~", "△", "200"},
      {"@", "±", "200"},  {"a", "ａ", "200"}, {"X", "Ｘ", "200"}, {"*", "×", "200"},
      {"/", "÷", "200"},  {"%", "°", "200"},  {"9", "９", "200"}, {"z", "z", "196"},
      {"ｹ", "ｹ", "196"}, {"+", "＋", "200"}, {"表", "表", "200"}, {"'", "∠", "200"},
  };
  for (const auto& c : cases) {
    lesson::HeadlessSession session(kTestProgram);
    const auto glyphs = DrawWide(session, c.in);
    ASSERT_EQ(glyphs.size(), 1u) << c.in;
    EXPECT_EQ(glyphs[0].text, c.out) << c.in;
    EXPECT_EQ(glyphs[0].y, c.y) << c.in;
  }
}

TEST(WideText, SpacesTakeACellAndEmptyTextDrawsNothing) {
  lesson::HeadlessSession session(kTestProgram);
  EXPECT_TRUE(DrawWide(session, "").empty());
  EXPECT_EQ(session.program.text.TextX, 100);

  lesson::HeadlessSession spaced(kTestProgram);
  DrawWide(spaced, "1 2");
  EXPECT_EQ(spaced.program.text.TextX, 148);

  // A "^" followed by a space is used up by that empty cell.
  lesson::HeadlessSession caret(kTestProgram);
  const auto glyphs = DrawWide(caret, "^ 2");
  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_EQ(glyphs[1].text, "２");
  EXPECT_EQ(caret.program.text.TextX, 132);
}

TEST(WideText, TrailingCaretCarriesToTheNextTextAndBoldStaysOn) {
  lesson::HeadlessSession session(kTestProgram);
  DrawWide(session, "a^");
  EXPECT_EQ(session.program.text.CaretFlag, 1);
  EXPECT_TRUE(session.runtime.font().bold);
  const auto glyphs = DrawWide(session, "3");
  EXPECT_EQ(glyphs.back().text, "3");
  EXPECT_EQ(glyphs.back().y, "196");
  EXPECT_EQ(session.program.text.CaretFlag, 0);
}

TEST(WideText, TraceRecordsTheCall) {
  lesson::HeadlessSession session(kTestProgram);
  DrawWide(session, "x^2");
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "100", "200", "0", "x^2"}));
}
