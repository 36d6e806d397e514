#include <gtest/gtest.h>

#include "lessonlib/screen.h"
#include "tests/test_support.h"

using namespace testing_support;

namespace {

// A main menu that fails several calls deep, in the font it selected.
void Deeper(lesson::Program& p, int depth) {
  if (depth > 0) return Deeper(p, depth - 1);
  p.input.InputText = "3/0";
  lesson::ParseNumberInput(p);
}

lesson::Jump FailingMenu(lesson::Program& p) {
  p.rt.FE_SETFONTNAME("Times New Roman");
  p.text.TextToDraw = "ab";
  p.text.TextX = 288;
  p.text.TextY = 432;
  lesson::DrawWideText(p);
  Deeper(p, 5);
  return {FailingMenu};
}

const lesson::ProgramDefinition kFailing{"Failing", FailingMenu, nullptr};

}  // namespace

TEST(RuntimeErrorScreen, ClearsAndShowsLineAndNumberUntilClosed) {
  lesson::HeadlessSession session(kFailing, WithKeys("\n12\n"));
  EXPECT_EQ(session.Start(), platform::ExitReason::kKeysExhausted);
  const auto events = After(Events(session.trace()), {"op", "PsCLS"});
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(events[0], (Fields{"op", "PsCLS", "0"}));
  const Fields& message = events[1];
  ASSERT_EQ(message[1], "PsSYMBOL40");
  // " <line>, 11エラー…": a blank before each number, the sentence right after the second.
  const std::string& text = message[2];
  EXPECT_EQ(text.rfind(" ", 0), 0u);
  const std::string tail = ", 11エラーが発生しました。マウスで×をクリックして下さい。";
  ASSERT_GT(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ((Fields{message[3], message[4], message[5], message[6], message[7]}),
            (Fields{"288", "432", "1", "1", "13"}));
  EXPECT_EQ(message[9], "Times New Roman");  // the font the failed screen left
  EXPECT_EQ(events[2], (Fields{"wait", "ShowRuntimeError"}));
  // Keys afterwards are taken and change nothing.
  for (size_t k = 3; k + 1 < events.size(); ++k) EXPECT_EQ(events[k][0], "key");
  const std::string line = text.substr(1, text.find(',') - 1);
  EXPECT_EQ(events.back(), (Fields{"end", "runtime-error", line, "11"}));
  EXPECT_GT(std::stoi(line), 0);
}
