#include "lessonlib/exact_number.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

using lesson::ExactNumber;

namespace {

int ErrorNumberOf(const std::string& entry) {
  try {
    (void)ExactNumber::FromEntry(entry).Text();
  } catch (const platform::RuntimeError& error) {
    return error.number();
  }
  return 0;
}

}  // namespace

// Entries are read as the number field's parser reads them, without rounding.
TEST(ExactNumber, ReadsAnEntryAsTyped) {
  const struct {
    const char* entry;
    std::int64_t numerator, denominator;
  } cases[] = {
      {"12", 12, 1},          {"-3", -3, 1},        {"", 0, 1},           {"-", 0, 1},
      {".", 0, 1},            {"0.5", 1, 2},        {"-.25", -1, 4},      {"2.50", 5, 2},
      {"16777217", 16777217, 1}, {"9999999999", 9999999999, 1},
      {"0.1", 1, 10},         {".000000001", 1, 1000000000},
      {"3-4", 3, 1},          {"1.2.3", 6, 5},      {"--3", 0, 1},
      {"1/2", 1, 2},          {"-6/4", -3, 2},      {"6/-4", -3, 2},      {"1.5/0.3", 5, 1},
      {"/2", 0, 1},           {"1/2/3", 1, 2},      {"95/10", 19, 2},
  };
  for (const auto& c : cases) {
    const ExactNumber n = ExactNumber::FromEntry(c.entry);
    EXPECT_EQ(n.numerator(), c.numerator) << c.entry;
    EXPECT_EQ(n.denominator(), c.denominator) << c.entry;
    EXPECT_EQ(n.IsWhole(), c.denominator == 1) << c.entry;
  }
}

TEST(ExactNumber, TextIsPlainDigits) {
  const struct {
    const char* entry;
    std::int64_t plus;
    std::int64_t times;
    const char* text;
  } cases[] = {
      {"0", 0, 1, "0"},
      {"-0", 0, 1, "0"},
      {"100000", 0, 1, "100000"},
      {"16777217", 1, 1, "16777218"},
      {"999999999", 1, 3, "3000000000"},
      {"-99999999", 1, 3, "-299999994"},
      {"0.1", 1, 3, "3.3"},
      {"0.0000001", 0, 1, "0.0000001"},
      {"0.0000001", 1, 3, "3.0000003"},
      {".000000001", 2, 1, "2.000000001"},
      {"-0.5", 0, 1, "-0.5"},
      {"1/8", 0, 1, "0.125"},
      {"1/1024", 0, 1, "0.0009765625"},  // ten places, seven significant digits
      {"1/4096", 0, 1, "0.0002441406"},
      {"1/3", 0, 1, "0.3333333"},
      {"2/3", 0, 1, "0.6666667"},
      {"-2/3", 0, 1, "-0.6666667"},
      {"1/3", 1, 1, "1.333333"},
      {"1/3", 1, 3, "4"},
      {"1/7", 1000, 1, "1000.143"},
      {"99999999/7", 0, 1, "14285714"},  // the whole part is never rounded away
      {"1/30000", 0, 1, "0.00003333333"},
      {"9999999/3", 0, 1, "3333333"},
      {"29999999/9", 0, 1, "3333333"},
  };
  for (const auto& c : cases) {
    const ExactNumber n = c.times * (ExactNumber::FromEntry(c.entry) + c.plus);
    EXPECT_EQ(n.Text(), c.text) << c.entry << " + " << c.plus << " times " << c.times;
  }
}

TEST(ExactNumber, ValueInSinglePrecision) {
  EXPECT_EQ(ExactNumber::FromEntry("1/2").Value(), 0.5f);
  EXPECT_EQ(ExactNumber::FromEntry("-16777217").Value(), -16777216.0f);
  EXPECT_EQ(ExactNumber::FromEntry("0.1").Value(), 0.1f);
}

TEST(ExactNumber, ZeroDenominatorAndDigitsBeyondRangeAreRuntimeErrors) {
  EXPECT_EQ(ErrorNumberOf("3/0"), platform::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf("3/"), platform::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf("/"), platform::kDivisionByZero);
  EXPECT_EQ(ErrorNumberOf("99999999999999999999"), platform::kOverflow);
  EXPECT_EQ(ErrorNumberOf("1.0000000000000000000"), platform::kOverflow);
  EXPECT_EQ(ErrorNumberOf("9/.00000001"), 0);
  EXPECT_EQ(ErrorNumberOf("1/3"), 0);
}
