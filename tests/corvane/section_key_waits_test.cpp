// How many key presses each section of chapters 5 and 6 waits for, and that nothing of what
// follows a wait is drawn before its key.
#include <gtest/gtest.h>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;

TEST(Chapters5And6KeyWaits, EachSectionDrawsItsNextPartOnlyAfterItsKey) {
  const struct {
    const char* keys;  // up to the last key the section waits for
    const Fields& item_line;
    int waits;
  } cases[] = {
      {"5\n1\nkkk", kChapter5Line, 4},         // 例3: four a problem
      {"5\n1\nkkkk1\n", kChapter5Line, 5},     // then one before the method
      {"5\n2\nkk", kChapter5Line, 3},          // 例4: three a problem
      {"5\n2\nkkk1\n", kChapter5Line, 4},      // then one before the textbook question
      {"5\n3\nkkk", kChapter5Line, 4},         // 問2
      {"6\n1\nkkkkkkkkkkkkkkk", kChapter6Line, 16},  // 例5
      {"6\n2\nk", kChapter6Line, 2},           // 問3
      {"6\n4\nkkk", kChapter6Line, 4},         // 例6: four a problem
      {"6\n4\nkkkk1\nk", kChapter6Line, 6},    // then two: the method, the question
      {"6\n3\n", kChapter6Line, 1},            // the notation question
      {"6\n5\n", kChapter6Line, 1},            // 問4
  };
  for (const auto& c : cases) {
    const std::string keys = c.keys;
    const Screen all = SectionRows(*RunCorvane(keys + "k"), c.item_line);
    const Screen short_of_one = SectionRows(*RunCorvane(keys), c.item_line);
    EXPECT_EQ(CountRows(all, "key"), c.waits) << keys;
    ASSERT_FALSE(all.empty() || short_of_one.empty()) << keys;
    // After its last key the section draws on; one key short, it is still waiting.
    EXPECT_NE(all.back(), "key") << keys;
    EXPECT_EQ(short_of_one.back(), "key") << keys;
    EXPECT_LT(short_of_one.size(), all.size()) << keys;
  }
}
