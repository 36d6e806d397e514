#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;
using testing_support::Fields;

namespace {

class ColumnLayoutTest : public FormulaTest {
 protected:
  void Layout(const std::string& upper, const std::string& lower, const std::string& op) {
    p.text.TextX = 100;
    p.text.TextY = 100;
    p.figure.ArcBulge = 50;
    p.text.TextColour = 0;
    p.figure.LineColour = 0;
    p.fraction.TextA = upper;
    p.fraction.TextB = lower;
    p.layout.ColumnOperator = op;
    lesson::DrawColumnAddition(p);
  }
  // The drawn texts: x, y and text.
  std::vector<Fields> Texts() {
    std::vector<Fields> texts;
    for (const auto& e : EventsOf(session.trace(), "text")) texts.push_back({e[2], e[3], e[5]});
    return texts;
  }
  // The rule: the last line drawn.
  Line Rule() { return Lines(session.trace()).back(); }
};

TEST_F(ColumnLayoutTest, RowsOperatorBracketAndRule) {
  session.runtime.FE_SETDRAWWIDTH(5);
  Layout("2x-3y", "4x+5y", "+");
  EXPECT_EQ(Texts(), (std::vector<Fields>{{"154", "100", "2x-3y"},
                                          {"100", "156", "+"},
                                          {"127", "156", ")"},
                                          {"154", "150", "4x+5y"}}));
  const Line rule = Rule();
  EXPECT_EQ(rule.x1, 127);
  EXPECT_EQ(rule.y1, 200);
  EXPECT_EQ(rule.x2, 127 + 135 + 30);
  EXPECT_EQ(rule.y2, 200);
  EXPECT_EQ(rule.width, 3);
  EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(p.layout.ColumnAnswerX, 154);
  EXPECT_EQ(p.layout.LineY, 150);
  EXPECT_EQ(p.text.TextX, 154 + 135);
  EXPECT_EQ(p.text.TextY, 150);
  EXPECT_EQ(p.text.TextToDraw, "");
}

TEST_F(ColumnLayoutTest, TheRuleCoversTheWiderRowBlanksIncluded) {
  Layout("6x +y", "6x -y -8", "-");
  EXPECT_EQ(Rule().x2, 127 + 8 * 27 + 30);
}

TEST_F(ColumnLayoutTest, EmptyRowsAndAnEmptyOperator) {
  Layout("", "", "-");
  EXPECT_EQ(Rule().x1, 127);
  EXPECT_EQ(Rule().x2, 157);
  lesson::HeadlessSession bare(kStandardProgram);
  lesson::Program& q = bare.program;
  q.text.TextX = 100;
  q.text.TextY = 100;
  q.figure.ArcBulge = 50;
  lesson::DrawColumnAddition(q);
  const auto texts = EventsOf(bare.trace(), "text");
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2][2], "100");  // ")" alone at the block's edge
  EXPECT_EQ(texts[2][5], ")");
}

}  // namespace
