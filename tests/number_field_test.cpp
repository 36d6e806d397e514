#include <gtest/gtest.h>

#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "tests/test_support.h"

using namespace testing_support;
using lesson::HeadlessSession;

namespace {

void ReadAndParse(lesson::Program& p) {
  lesson::ReadNumberField(p);
  lesson::ParseNumberInput(p);
}

// Reads the field with the start-up position and `keys`.
HeadlessSession& Read(HeadlessSession& session) {
  session.program.input.FieldX = 1056;
  session.program.input.FieldY = 648;
  EXPECT_EQ(session.Call(ReadAndParse), std::nullopt);
  return session;
}

}  // namespace

TEST(NumberField, ReadsNumbersAndFractions) {
  const struct {
    const char* keys;
    const char* text;
    double value;
  } cases[] = {
      {"6/2\n", "6/2", 3},       {"-3/4\n", "-3/4", -0.75f}, {"/3\n", "/3", 0},
      {"\n", "", 0},             {"1/2/3\n", "1/2/3", 0.5f}, {"1.5\n", "1.5", 1.5f},
      {"1a+ *2\n", "12", 12},    {"123\b7\n", "7", 7},       {"12\\c5\n", "5", 5},
      {"123456789\n", "123456789", 123456789},
  };
  for (const auto& c : cases) {
    HeadlessSession session(kTestProgram, WithKeys(c.keys));
    Read(session);
    EXPECT_EQ(session.program.input.InputText, c.text) << c.keys;
    EXPECT_FLOAT_EQ(session.program.input.InputValue, c.value) << c.keys;
    EXPECT_EQ(session.runtime.keys_left(), 0u) << c.keys;
  }
}

TEST(NumberField, EchoesInTheWideStyleBesideItsLabel) {
  HeadlessSession session(kTestProgram, WithKeys("1.5/2\n"));
  Read(session);
  const auto texts = EventsOf(session.trace(), "op", "PsSYMBOL40");
  std::vector<Fields> shown;
  for (const auto& t : texts) shown.push_back({t[2], t[3], t[4], t[7]});
  const std::vector<Fields> expected = {
      {"入", "1008", "648", "0"}, {"力", "1024", "648", "0"}, {"１", "1056", "648", "5"},
      {"．", "1068", "648", "5"}, {"５", "1072", "648", "5"}, {"÷", "1088", "648", "5"},
      {"２", "1104", "648", "5"},
  };
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(session.program.text.TextColour, 5);
  // The whole field is erased at the end.
  EXPECT_EQ(EventsOf(session.trace(), "op", "PsLINE").back(),
            (Fields{"op", "PsLINE", "1008", "640", "1248", "670", "15", "2", "15", "1"}));
}

TEST(NumberField, CursorIsDrawnAtTheNextCellAndErased) {
  HeadlessSession session(kTestProgram, WithKeys("7\n"));
  session.runtime.FE_SETDRAWWIDTH(3);
  Read(session);
  const auto circles = EventsOf(session.trace(), "op", "PsCIRCLE");
  ASSERT_EQ(circles.size(), 4u);
  EXPECT_EQ(circles[0], (Fields{"op", "PsCIRCLE", "1064", "656", "4", "5", "1", "0", "0", "1", "5", "3"}));
  EXPECT_EQ(circles[1][5], "15");
  EXPECT_EQ(circles[2][2], "1080");  // after one cell
  EXPECT_EQ(circles[3][5], "15");
}

TEST(NumberField, BackspaceEmptiesTheWholeEntryAndPutsTheCursorBackAtTheStart) {
  for (const char* clear : {"\b", "\\c"}) {
    HeadlessSession session(kTestProgram, WithKeys(std::string("123") + clear + "7\n"));
    Read(session);
    EXPECT_EQ(session.program.input.InputText, "7") << clear;
    // The entry area is erased, the cursor comes back to the first cell and the next digit
    // is echoed there.
    const auto events = After(Events(session.trace()),
                              {"op", "PsLINE", "1056", "640", "1248", "670", "15", "2", "15"});
    ASSERT_GE(events.size(), 3u) << clear;
    EXPECT_EQ((Fields{events[1][1], events[1][2], events[1][3], events[1][5]}),
              (Fields{"PsCIRCLE", "1064", "656", "5"}));
    const auto echoes = EventsOf(session.trace(), "op", "PsSYMBOL40");
    EXPECT_EQ((Fields{echoes.back()[2], echoes.back()[3]}), (Fields{"７", "1056"}));
    EXPECT_EQ(session.program.input.CursorX, 1072);
  }
}

TEST(NumberField, TenCharactersAreClearedByTheNextKey) {
  // Ten digits, then Enter: the entry is cleared and the field goes on reading.
  HeadlessSession session(kTestProgram, WithKeys("1234567890\n42\n"));
  Read(session);
  EXPECT_EQ(session.program.input.InputText, "42");
  EXPECT_EQ(session.program.input.InputValue, 42);
  // Clearing erases the entry area only.
  EXPECT_TRUE(HasEvent(session.trace(),
                       {"op", "PsLINE", "1056", "640", "1248", "670", "15", "2", "15", "1"}));
}

// A typed fraction with a zero or empty denominator has no value. Enter clears it as
// Backspace does and the field keeps reading, so a slip never ends the lesson.
TEST(NumberField, ZeroDenominatorIsClearedInsteadOfFailing) {
  for (const char* entry : {"3/0", "3/", "0/0", "/", "5/0.0", "1/-0"}) {
    HeadlessSession session(kTestProgram, WithKeys(std::string(entry) + "\n2\n"));
    Read(session);
    EXPECT_EQ(session.program.input.InputText, "2") << entry;
    EXPECT_EQ(session.program.input.InputValue, 2) << entry;
  }
}

TEST(NumberField, ParsingADivisionByZeroDirectlyIsARuntimeError) {
  HeadlessSession session(kTestProgram);
  session.program.input.InputText = "3/0";
  try {
    lesson::ParseNumberInput(session.program);
    FAIL() << "no error";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.number(), platform::kDivisionByZero);
  }
}

TEST(NumberField, ColourIsZeroWhenNothingWasEchoed) {
  HeadlessSession session(kTestProgram, WithKeys("ab\n"));
  Read(session);
  EXPECT_EQ(session.program.text.TextColour, 0);
  HeadlessSession cleared(kTestProgram, WithKeys("5\b\n"));
  Read(cleared);
  EXPECT_EQ(cleared.program.text.TextColour, 5);
}
