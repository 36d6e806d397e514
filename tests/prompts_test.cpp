#include <gtest/gtest.h>

#include "lessonlib/screen.h"
#include "tests/test_support.h"

using namespace testing_support;
using lesson::HeadlessSession;

namespace {

HeadlessSession Fresh(std::string_view keys) {
  return HeadlessSession(kTestProgram, WithKeys(keys));
}

void AtStartUpField(HeadlessSession& session) {
  session.program.input.FieldX = 1056;
  session.program.input.FieldY = 648;
}

}  // namespace

TEST(WaitForKey, DrawsItsBoxTakesAnyKeyAndRestores) {
  for (const char* key : {"\n", "\b", "a", "\\e"}) {
    HeadlessSession session(kTestProgram, WithKeys(key));
    session.runtime.FE_SETDRAWWIDTH(1);
    session.program.text.TextColour = 3;
    EXPECT_EQ(session.Call(lesson::WaitForKey), std::nullopt);
    const auto events = After(Events(session.trace()), {"op", "PsLINE"});
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events[0], (Fields{"op", "PsLINE", "96", "657", "400", "693", "13", "2", "4", "3"}));
    EXPECT_EQ(events[1], (Fields{"text", "DrawWideText", "128", "666", "9", "何かキーを押して下さい。"}));
    EXPECT_TRUE(HasEvent(session.trace(), {"wait", "WaitForKey"}));
    // The eraser reaches from x 0, wider than the box.
    EXPECT_TRUE(HasEvent(session.trace(),
                         {"op", "PsLINE", "0", "657", "400", "693", "15", "2", "15", "3"}));
    EXPECT_EQ(session.program.input.LastKey, platform::ParseKeyScript(key)[0]);
    EXPECT_EQ(session.program.text.TextColour, 3);
    EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 1);
    // No echo: nothing is drawn after the key.
    EXPECT_EQ(Events(session.trace()).back()[1], "FE_SETDRAWWIDTH");
  }
}

TEST(WaitForKeyWithMessage, UsesTheWiderBox) {
  HeadlessSession session = Fresh("x");
  session.program.text.TextToDraw = "つぎへ";
  session.Call(lesson::WaitForKeyWithMessage);
  EXPECT_TRUE(HasEvent(session.trace(), {"op", "PsLINE", "16", "657", "496", "693", "13", "2", "4", "3"}));
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "48", "666", "9", "つぎへ"}));
  EXPECT_TRUE(HasEvent(session.trace(), {"op", "PsLINE", "0", "657", "992", "720", "15", "2", "15", "3"}));
}

TEST(AskNextStep, AcceptsAnyEntryAndRestoresTheWidth) {
  const struct {
    const char* keys;
    float value;
    float colour;
  } cases[] = {{"2\n", 2, 5}, {"0\n", 0, 5}, {"1/1\n", 1, 5}, {"1.0\n", 1, 5}, {"\n", 0, 0}};
  for (const auto& c : cases) {
    HeadlessSession session = Fresh(c.keys);
    AtStartUpField(session);
    session.runtime.FE_SETDRAWWIDTH(3);
    EXPECT_EQ(session.Call(lesson::AskNextStep), std::nullopt);
    EXPECT_EQ(session.program.input.InputValue, c.value) << c.keys;
    EXPECT_EQ(session.program.text.TextColour, c.colour) << c.keys;
    EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), 3);
    const auto lines = EventsOf(session.trace(), "op", "PsLINE");
    EXPECT_EQ(lines.front(), (Fields{"op", "PsLINE", "96", "639", "400", "675", "13", "2", "12", "2"}));
    EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "128", "648", "9", "次のステップは１を入力。"}));
    EXPECT_EQ(lines[lines.size() - 2], (Fields{"op", "PsLINE", "1008", "639", "1168", "666", "15", "2", "15", "2"}));
    EXPECT_EQ(lines.back(), (Fields{"op", "PsLINE", "96", "639", "400", "675", "15", "2", "15", "2"}));
  }
}

TEST(MenuPrompts, DrawAtTheirPlacesAndClear) {
  HeadlessSession session = Fresh("3\n");
  AtStartUpField(session);
  session.Call([](lesson::Program& p) {
    lesson::AskMenuNumber(p);
    lesson::ClearMenuPrompt(p);
  });
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "816", "648", "0", "番号を入力して下さい。"}));
  EXPECT_TRUE(HasEvent(session.trace(), {"text", "DrawWideText", "1008", "648", "0", "入力"}));
  EXPECT_EQ(session.program.input.InputValue, 3);
  EXPECT_EQ(EventsOf(session.trace(), "op", "PsLINE").back(),
            (Fields{"op", "PsLINE", "816", "640", "1872", "690", "15", "2", "15", "1"}));

  HeadlessSession sub = Fresh("2\n");
  AtStartUpField(sub);
  sub.program.text.TextToDraw = "①復習　②例１　③練習　④問5　⑤終了";
  sub.Call([](lesson::Program& p) {
    lesson::AskSubMenuNumber(p);
    lesson::ClearBottomBand(p);
  });
  EXPECT_TRUE(HasEvent(sub.trace(), {"text", "DrawWideText", "16", "666", "0", "①復習　②例１　③練習　④問5　⑤終了"}));
  EXPECT_EQ(sub.program.input.InputValue, 2);
  EXPECT_EQ(EventsOf(sub.trace(), "op", "PsLINE").back(),
            (Fields{"op", "PsLINE", "0", "657", "992", "720", "15", "2", "15", "1"}));
}
