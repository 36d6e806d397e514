#include <gtest/gtest.h>

#include "lessonlib/screen.h"
#include "tests/test_support.h"

using namespace testing_support;

TEST(FormatNumberArrays, WritesNumbersWithoutBlanks) {
  lesson::HeadlessSession session(kTestProgram);
  lesson::Program& p = session.program;
  p.work.TermValues(1) = 12;
  p.work.TermValues(2) = -5;
  p.work.TermValues(80) = 7;
  p.work.TermValues(4) = 300000;  // a typed number times three, say
  p.work.AuxValues(40) = -3;
  p.work.TermTexts(0) = "kept";
  p.work.AuxTexts(0) = "kept too";
  lesson::FormatNumberArrays(p);
  EXPECT_EQ(p.work.TermTexts(1), "12");
  EXPECT_EQ(p.work.TermTexts(2), "-5");
  EXPECT_EQ(p.work.TermTexts(3), "0");  // never set since start-up
  EXPECT_EQ(p.work.TermTexts(4), "300000");
  EXPECT_EQ(p.work.TermTexts(80), "7");
  EXPECT_EQ(p.work.AuxTexts(40), "-3");
  EXPECT_EQ(p.work.TermTexts(0), "kept");
  EXPECT_EQ(p.work.AuxTexts(0), "kept too");
  EXPECT_EQ(p.values.LoopIndex, 41);
  EXPECT_EQ(p.text.WorkText, "-3");
}

TEST(Clearing, EraseTheirAreas) {
  lesson::HeadlessSession session(kTestProgram);
  lesson::Program& p = session.program;
  p.input.FieldX = 1056;
  p.input.FieldY = 648;
  lesson::ClearWorkArea(p);
  lesson::ClearInputStrip(p);
  const auto lines = EventsOf(session.trace(), "op", "PsLINE");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (Fields{"op", "PsLINE", "0", "54", "1440", "900", "15", "2", "15", "1"}));
  EXPECT_EQ(lines[1], (Fields{"op", "PsLINE", "1136", "576", "2576", "666", "15", "2", "15", "1"}));
  EXPECT_EQ(p.text.TextX, 1136);
  EXPECT_EQ(p.text.TextY, 576);
}

TEST(TextCleanup, RemovesBlanksAndMarkup) {
  lesson::HeadlessSession session(kTestProgram);
  lesson::Program& p = session.program;
  const struct {
    const char* in;
    const char* spaces_removed;
    const char* markup_removed;
  } cases[] = {
      {" 12", "12", " 12"},
      {"-3", "-3", "-3"},
      {"1 2", "12", "1 2"},
      {"", "", ""},
      {"①復習　②例１", "①復習　②例１", "①復習　②例１"},
      {"ﾀ4/6ﾀ=ﾀ2/3ﾀ", "ﾀ4/6ﾀ=ﾀ2/3ﾀ", "4/62/3"},
      {"+ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "+2/3"},
      {"a^2", "a^2", "a2"},
      {"!5ﾝ", "!5ﾝ", "!5"},
  };
  for (const auto& c : cases) {
    p.text.WorkText = c.in;
    lesson::RemoveSpaces(p);
    EXPECT_EQ(p.text.WorkText, c.spaces_removed);
    p.text.WorkText = c.in;
    lesson::StripMarkup(p);
    EXPECT_EQ(p.text.WorkText, c.markup_removed);
  }
}
