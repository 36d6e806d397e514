#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;

namespace {

TEST(TermSigns, ChangeOnlyTheLeadingSign) {
  const struct {
    const char *term, *negated, *without_plus, *without_sign, *bracketed;
  } cases[] = {
      {"", "", "", "", ""},
      {"-", "+", "-", "", "(-)"},
      {"+", "-", "", "", "+"},
      {"3x", "-3x", "3x", "3x", "3x"},
      {"-3x", "+3x", "-3x", "3x", "(-3x)"},
      {"+3x", "-3x", "3x", "3x", "+3x"},
      {"x-y", "-x-y", "x-y", "x-y", "(x-y)"},
      {"-ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "-ﾀ2/3ﾀ", "ﾀ2/3ﾀ", "(-ﾀ2/3ﾀ)"},
      {"+-2", "--2", "-2", "-2", "(+-2)"},
      {"++2", "-+2", "+2", "+2", "++2"},
      {"--2", "+-2", "--2", "-2", "(--2)"},
      {" 5", "- 5", " 5", " 5", " 5"},
      {"(-3)", "-(-3)", "(-3)", "(-3)", "((-3))"},
      {"-３", "+３", "-３", "３", "(-３)"},
  };
  lesson::HeadlessSession session(kStandardProgram);
  lesson::Program& p = session.program;
  const auto apply = [&](void (*routine)(lesson::Program&), const char* term) {
    p.text.WorkText = term;
    routine(p);
    return p.text.WorkText;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    EXPECT_EQ(apply(lesson::NegateTermSign, c.term), c.negated);
    EXPECT_EQ(apply(lesson::StripLeadingPlus, c.term), c.without_plus);
    EXPECT_EQ(apply(lesson::StripLeadingSign, c.term), c.without_sign);
    EXPECT_EQ(apply(lesson::BracketIfMinus, c.term), c.bracketed);
    // The same on a text of the caller's, which WorkText carries.
    EXPECT_EQ(lesson::WithoutLeadingPlus(p, c.term), c.without_plus);
    EXPECT_EQ(lesson::WithoutLeadingSign(p, c.term), c.without_sign);
    EXPECT_EQ(lesson::BracketedIfMinus(p, c.term), c.bracketed);
    EXPECT_EQ(p.text.WorkText, c.bracketed);
  }
}

TEST(TermSigns, CoefficientTextsInTheirSignedForm) {
  const struct {
    float value;
    const char* signed_form;
  } cases[] = {{0, ""}, {1, "+"}, {-1, "-"}, {2, "+2"}, {-2, "-2"}, {18, "+18"}, {-18, "-18"}};
  lesson::HeadlessSession session(kStandardProgram);
  lesson::Program& p = session.program;
  for (const auto& c : cases) {
    p.work.TermValues(1) = c.value;
    lesson::FormatNumberArrays(p);
    std::string text = p.work.TermTexts(1);
    lesson::SignCoefficientText(c.value, text);
    EXPECT_EQ(text, c.signed_form) << c.value;
  }
}

}  // namespace
