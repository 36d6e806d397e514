// What Varnick's chapters 2 to 7 hand on from one section to the next: the draw width a
// section leaves for the screens after it, and number entries with no value (a zero or empty
// denominator), which every prompt refuses without changing anything the lesson shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

std::string Keys(int count) { return std::string(static_cast<size_t>(count), 'k'); }

TEST(DrawWidthCarried, EachSectionLeavesTheWidthItSetsOrTheOneItFound) {
  // Each section from its chapter's entry, run to its end: the sections that strike, draw the
  // tiles or the answer headers of page 22 set width 5 and leave it; the others set none and
  // leave what they found: 3 after start-up, 5 after page 22's answers.
  const struct {
    std::string keys;  // from the main menu to the section's end
    bool sets_five;
  } sections[] = {
      {"2\n1\n" + Keys(6), false},          {"2\n2\n" + Keys(2), false},
      {"3\n", false},                        {"3\n1\n" + Keys(8) + "1\n", true},
      {"3\n2\n" + Keys(6), false},          {"3\n3\n" + Keys(2) + "1\nk", false},
      {"3\n4\n" + Keys(3), false},          {"4\n", false},
      {"4\n1\n" + Keys(8), true},           {"4\n2\n" + Keys(9), true},
      {"4\n3\n" + Keys(9), true},           {"4\n4\n" + Keys(8), true},
      {"4\n5\n" + Keys(4) + "1\nk", true},  {"4\n6\n" + Keys(3), true},
      {"5\n", false},                        {"5\n1\n" + Keys(6), true},
      {"5\n2\n" + Keys(2) + "1\nk", false}, {"5\n3\n" + Keys(7), true},
      {"5\n4\n" + Keys(5) + "1\nkk", true}, {"5\n5\n" + Keys(4), true},
      {"6\n", false},                        {"6\n1\n" + Keys(7), true},
      {"6\n2\nk1\nk1\nk1\n", true},         {"6\n3\nkkk1\nkkk1\n", false},
      {"6\n4\n" + Keys(7), true},           {"6\n5\nk", true},
      {"6\n6\n" + Keys(4), true},           {"7\n1\n", true},
      {"7\n2\nk", true},
  };
  // Page 22's first answers, and back to the main menu: width 5 is in force.
  const std::string after_five = "7\n1\n3\n";
  for (const auto& s : sections) {
    for (const bool five_before : {false, true}) {
      const VarnickRun run((five_before ? after_five : "") + s.keys);
      // The section has ended: its chapter's item line waits for the next number.
      ASSERT_TRUE(run.steps.back().starts_with("menu ")) << s.keys;
      EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), s.sets_five || five_before ? 5 : 3)
          << s.keys << (five_before ? " after page 22" : "");
    }
  }
}

TEST(NumberPrompts, ZeroDenominatorsRefusedAtEveryPromptOfChaptersTwoToSeven) {
  // Every number entry of chapters 2 to 7 in one run: the main menu, each sub-menu, both
  // drills of chapter 3, the practices of chapters 4 and 5, the reciprocal drill, the three
  // partial-step drills and both practice stages of chapter 6. Typed before each number, an
  // entry without a value is cleared at Enter and the field reads on: the run shows exactly
  // what it shows without them.
  const std::vector<std::string> script{
      "2\n", "1\n", Keys(6), "2\n", Keys(2), "3\n",
      "3\n", "1\n", Keys(8), "2\n", "k", "1\n", "3\n", Keys(2), "0\n", Keys(2), "1\n", "k",
      "5\n",
      "4\n", "5\n", Keys(4), "2\n", Keys(4), "1\n", "k", "7\n",
      "5\n", "2\n", Keys(2), "\n", Keys(2), "1\n", "k", "4\n", Keys(5), "2\n", Keys(5), "1\n",
      Keys(2), "6\n",
      "6\n", "2\n", "k", "2\n", "k", "1\n", "k", "-1\n", "k", "1\n", "k", "1\n", "3\n", Keys(3),
      "2\n", Keys(3), "1\n", Keys(3), "1\n", "7\n",
      "7\n", "2\n", "k", "3\n", "8\n"};
  const KeysWithValuelessEntries keys = WithValuelessEntries(script);
  const VarnickRun expected(keys.plain);
  const VarnickRun run(keys.refused);
  EXPECT_EQ(Events(expected.session.trace()).back(), (Fields{"end", "program-ended"}));
  EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"}));
  EXPECT_EQ(run.steps, expected.steps);
}

}  // namespace
