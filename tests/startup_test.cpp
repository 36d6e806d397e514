#include <gtest/gtest.h>

#include "lessonlib/headless_session.h"
#include "lessonlib/screen.h"
#include "tests/test_support.h"

using namespace testing_support;
using lesson::HeadlessSession;

namespace {

platform::HeadlessOptions AtTime(const char* time) {
  platform::HeadlessOptions options;
  options.time = time;
  return options;
}

}  // namespace

TEST(StartUp, SeedsTheGeneratorWithTheSumOfTheClock) {
  const struct {
    const char* time;
    const char* seed;
  } cases[] = {{"00:00:00", "0"}, {"10:20:30", "60"}, {"12:30:18", "60"}, {"23:59:59", "141"}};
  for (const auto& c : cases) {
    HeadlessSession session(kTestProgram, AtTime(c.time));
    session.Start();
    EXPECT_TRUE(HasEvent(session.trace(), {"op", "PaRandomize", c.seed})) << c.time;
  }
  // Equal sums give equal sequences.
  HeadlessSession a(kTestProgram, AtTime("10:20:30")), b(kTestProgram, AtTime("12:30:18"));
  a.Start();
  b.Start();
  for (int k = 0; k < 5; ++k) EXPECT_EQ(a.runtime.PaRnd(), b.runtime.PaRnd());
}

TEST(StartUp, SetsWindowFontWidthAndStateInOrder) {
  HeadlessSession session(kTestProgram);
  EXPECT_EQ(session.Start(), platform::ExitReason::kKeysExhausted);
  const auto ops = EventsOf(session.trace(), "op");
  ASSERT_GE(ops.size(), 6u);
  EXPECT_EQ(ops[0], (Fields{"op", "FE_SETMAPMODE", "1"}));
  EXPECT_EQ(ops[1], (Fields{"op", "FE_MAXIMIZEWINDOW"}));
  EXPECT_EQ(ops[2], (Fields{"op", "FE_SETFONTNAME", "ｺﾞｼｯｸ"}));
  EXPECT_EQ(ops[3], (Fields{"op", "FE_SETFONTSIZE", "16"}));
  EXPECT_EQ(ops[4], (Fields{"op", "FE_SETDRAWWIDTH", "3"}));
  EXPECT_EQ(ops[5], (Fields{"op", "PaRandomize", "60"}));
  EXPECT_EQ(session.trace().lines().back(), "end\tkeys-exhausted");

  const lesson::Program& p = session.program;
  EXPECT_EQ(p.TitleText, "Tester");
  EXPECT_EQ(p.input.FieldX, 1056);
  EXPECT_EQ(p.input.FieldY, 648);
  for (int i = 0; i <= 80; ++i) {
    EXPECT_EQ(p.work.TermValues(i), 0);
    EXPECT_EQ(p.work.TermTexts(i), "");
  }
  for (int i = 0; i <= 40; ++i) {
    EXPECT_EQ(p.work.AuxTexts(i), "");
    EXPECT_EQ(p.work.SavedY(i), 0);
  }
  EXPECT_EQ(p.work.RowTexts(5, 2), "");
  EXPECT_EQ(p.work.FactorTexts(10), "");
}

TEST(StartUp, TextColourIsFourUntilSomethingIsDrawn) {
  lesson::ProgramDefinition idle{"Idle", [](lesson::Program& p) -> lesson::Jump {
                                   EXPECT_EQ(p.text.TextColour, 4);
                                   EXPECT_EQ(p.input.InputText, "");
                                   EXPECT_EQ(p.figure.BoxWidth, 0);
                                   p.rt.PsEND();
                                 },
                                 nullptr};
  HeadlessSession session(idle);
  EXPECT_EQ(session.Start(), platform::ExitReason::kProgramEnded);
  EXPECT_EQ(session.trace().lines().back(), "end\tprogram-ended");
}

TEST(WorkArrays, AnIndexOutsideTheBoundIsARuntimeError) {
  lesson::ProgramDefinition stray{"Stray", [](lesson::Program& p) -> lesson::Jump {
                                    p.work.TermTexts(81) = "x";
                                    return {nullptr};
                                  },
                                  nullptr};
  HeadlessSession session(stray);
  session.Start();
  const std::string last = session.trace().lines().back();
  EXPECT_EQ(last.rfind("end\truntime-error\t", 0), 0u) << last;
  EXPECT_EQ(last.substr(last.rfind('\t') + 1), "9");
  lesson::LessonWork work;
  EXPECT_THROW(work.AuxValues(-1), platform::RuntimeError);
  EXPECT_THROW(work.RowTexts(6, 0), platform::RuntimeError);
  EXPECT_NO_THROW(work.PartTexts(19.6f));  // indexes are rounded: 20 is the last
}

namespace {
int visits = 0;
lesson::Jump Bounce(lesson::Program& p);
lesson::Jump Hub(lesson::Program& p) {
  if (++visits == 200000) p.rt.PsEND();
  return {Bounce};
}
lesson::Jump Bounce(lesson::Program&) { return {Hub}; }
}  // namespace

// Going round menus and sections must not nest: a run through many jumps keeps the stack
// where it was (it would overflow long before 400000 nested calls otherwise).
TEST(Jumps, GoingRoundNeverNests) {
  lesson::ProgramDefinition loop{"Loop", Hub, nullptr};
  HeadlessSession session(loop);
  EXPECT_EQ(session.Start(), platform::ExitReason::kProgramEnded);
  EXPECT_EQ(visits, 200000);
}
