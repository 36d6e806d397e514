// What Ostrel's chapters 2 to 6 hand on from one section to the next: the draw width a
// section leaves for the screens after it, and number entries with no value (a zero or empty
// denominator), which every prompt refuses without changing anything the lesson shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/lesson_script.h"
#include "tests/test_support.h"

using namespace ostrel_testing;
using namespace testing_support;
using lesson::HeadlessSession;

namespace {

std::string Keys(int count) { return Presses(count); }

// The last line drawn in the bottom band's sub-menu place (16, 666).
std::string LastBandLine(const platform::Trace& trace) {
  std::string line;
  for (const Fields& e : Events(trace)) {
    if (e.size() > 5 && e[0] == "text" && e[1] == "DrawWideText" && e[2] == "16" &&
        e[3] == "666") {
      line = e[5];
    }
  }
  return line;
}

TEST(OstrelDrawWidthCarried, EachSectionLeavesTheWidthItSetsOrTheOneItFound) {
  // Each section from its chapter's entry, run to its end. The sections with boxes, rules,
  // figures or strokes set width 5 and leave it; the text-only screens, the two drills, the
  // page-29 and most page-30 answers and page 32's exercise 6 set none and leave what they
  // found: 3 after start-up, 5 after a screen that set it.
  const struct {
    std::string keys;  // from the main menu to the section's end
    bool sets_five;
  } sections[] = {
      {"2\n", false},
      {"2\n1\n" + Keys(4) + "4\n" + Keys(1) + "1\n" + Keys(5), true},
      {"2\n2\n" + Keys(18), true},
      {"2\n3\n" + Keys(4) + "4\n" + Keys(1) + "1\n" + Keys(15), true},
      {"2\n4\n" + Keys(11), false},
      {"2\n5\n" + Keys(8), false},
      {"2\n6\n" + Keys(9), false},
      {"2\n7\n" + Keys(3) + "39\n" + Keys(2) + "1\n" + Keys(5), true},
      {"2\n8\n" + Keys(7), true},
      {"2\n9\n" + Keys(11), true},
      {"3\n", false},
      {"3\n1\n" + Keys(21), true},
      {"3\n2\n" + Keys(22), true},
      {"3\n3\n" + Keys(4) + "1\n", false},
      {"3\n4\n" + Keys(12), true},
      {"3\n5\n" + Keys(6) + "1\n", false},
      {"3\n6\n", false},
      {"4\n", false},
      {"4\n1\n" + Keys(2), false},
      {"4\n2\n" + Keys(1), false},
      {"5\n", false},
      {"5\n1\n" + Keys(7), false},
      {"5\n2\n", false},
      {"5\n3\n", false},
      {"5\n4\n" + Keys(1), false},
      {"5\n5\n" + Keys(1), false},
      {"5\n6\n" + Keys(1), true},
      {"5\n7\n" + Keys(8), false},
      {"6\n", false},
      {"6\n1\n" + Keys(2), true},
      {"6\n2\n", true},
      {"6\n3\n", true},
      {"6\n4\n" + Keys(5), true},
      {"6\n5\n" + Keys(10), true},
      {"6\n6\n" + Keys(1), false},
      {"6\n7\n" + Keys(6), true},
      {"6\n8\n", true},
  };
  // The temperature formula, then back to the main menu: width 5 is in force.
  const std::string after_five = "3\n1\n" + Keys(21) + "7\n";
  for (const auto& s : sections) {
    for (const bool five_before : {false, true}) {
      HeadlessSession session(ostrel::kOstrel, WithKeys((five_before ? after_five : "") + s.keys));
      session.Start();
      // The section has ended: its chapter's item line waits for the next number.
      ASSERT_NE(LastBandLine(session.trace()).find("終了"), std::string::npos) << s.keys;
      EXPECT_EQ(session.runtime.FE_GETDRAWWIDTH(), s.sets_five || five_before ? 5 : 3)
          << s.keys << (five_before ? " after the temperature formula" : "");
    }
  }
}

TEST(OstrelNumberPrompts, ZeroDenominatorsRefusedAtEveryPromptOfChaptersTwoToSix) {
  // Every kind of number entry of chapters 2 to 6 in one run: the main menu and each
  // sub-menu, the smallest integers of sections ① and ③ and their next steps, the two-digit
  // numbers of section ⑦ and its next steps, and both drills of chapter 3. Typed before each
  // number, an entry without a value is cleared at Enter and the field reads on: the run
  // shows exactly what it shows without them.
  const std::vector<std::string> script{
      "2\n", "1\n", Keys(4), "4\n", Keys(1), "0\n", "-5\n", Keys(1), "1\n", Keys(5),
      "3\n", Keys(4), "1/2\n", Keys(1), "1\n", Keys(15),
      "7\n", Keys(3), "39\n", Keys(2), "2\n", "10\n", Keys(2), "1\n", Keys(5),
      "10\n",
      "3\n", "3\n", Keys(4), "0\n", Keys(4), "1\n", "5\n", Keys(6), "2\n", Keys(6), "1\n", "7\n",
      "4\n", "2\n", Keys(1), "3\n",
      "5\n", "2\n", "8\n",
      "6\n", "8\n", "9\n",
      "8\n"};
  const KeysWithValuelessEntries keys = WithValuelessEntries(script);
  HeadlessSession expected(ostrel::kOstrel, WithKeys(keys.plain));
  HeadlessSession run(ostrel::kOstrel, WithKeys(keys.refused));
  EXPECT_EQ(expected.Start(), platform::ExitReason::kProgramEnded);
  EXPECT_EQ(run.Start(), platform::ExitReason::kProgramEnded);
  EXPECT_EQ(ScriptOf(run.trace(), kWithBoxes), ScriptOf(expected.trace(), kWithBoxes));
}

}  // namespace
