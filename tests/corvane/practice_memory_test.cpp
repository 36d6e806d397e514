// What the random practices remember across sections and chapters: the first coefficient of
// the last problem, which chapter 4's multiplication, 例3 (chapter 5) and 例6 (chapter 6)
// compare and store and 例4 leaves alone.
#include <gtest/gtest.h>

#include "corvane/brackets/brackets.h"
#include "corvane/fraction_terms/fraction_terms.h"
#include "corvane/multiply_divide/multiply_divide.h"
#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;

namespace {

std::vector<float> Joined(std::initializer_list<std::vector<float>> parts) {
  std::vector<float> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The texts drawn at a place ("x y colour") among a section's rows.
std::vector<std::string> TextsAt(const Screen& rows, const std::string& place) {
  std::vector<std::string> texts;
  for (const auto& row : rows) {
    if (row.rfind(place + " ", 0) == 0) texts.push_back(row.substr(place.size() + 1));
  }
  return texts;
}

}  // namespace

TEST(PracticeMemory, FirstCoefficientCarriesFromChapter5To6AndBack) {
  const std::string keys =
      "5\n1\nkkkk1\nk"           // 例3 with a = 3
      "2\nkkk0\nkkk1\nk4\n"      // 例4 with a = 3, then a = 2
      "6\n4\nkkkk1\nkk6\n"       // 例6: a = 3 is drawn again, a = 2 shown
      "5\n1\nkkkk";              // 例3: a = 2 is drawn again, a = 3 shown
  const auto session = RunCorvane(
      keys, Joined({BracketDraws({3, 2, -4, -2, 1, 5}),
                    BracketDraws({3, 2, -4, -2, 1, 3, -5}), BracketDraws({2, 3, 4, -3, 2, -1, 1}),
                    FractionFormDraw(2, 3, 3, -2, 1, -1), FractionFormDraw(6, 5, 2, -1, 1, -3),
                    BracketDraws({2, 1, 1, 1, 1, 1}), BracketDraws({3, 2, -4, -2, 1, 5})}));
  EXPECT_EQ(TextsAt(SectionRows(*session, kChapter5Line, 1), "67 90 0"),
            std::vector<std::string>{"3(2x-4y)-2(x+5y)"});
  // 例4 neither reads the value (a = 3 is shown) nor writes it (a = 2 is not kept).
  EXPECT_EQ(TextsAt(SectionRows(*session, kChapter5Line, 2), "67 90 0"),
            (std::vector<std::string>{"3(2x-4y)-2(x+3y-5)", "2(3x+4y)-3(2x-y+1)"}));
  EXPECT_EQ(TextsAt(SectionRows(*session, kChapter6Line, 1), "67 98 0"),
            std::vector<std::string>{"ﾀ2x-y/5ﾀ-ﾀx-3y/6ﾀ"});
  EXPECT_EQ(TextsAt(SectionRows(*session, kChapter5Line, 4), "67 90 0"),
            std::vector<std::string>{"3(2x-4y)-2(x+5y)"});
  EXPECT_EQ(session->program.practice.PreviousFirstCoefficient, 3);
}

TEST(PracticeMemory, FractionFormKeepsTheFirstCoefficientOfADrawWithAZeroSum) {
  platform::HeadlessOptions options;
  options.random = Joined({
      FractionFormDraw(2, 4, 1, -1, 2, -1),  // a = 1, x coefficient 2 - 2 = 0: drawn again
      FractionFormDraw(2, 3, 1, -1, 1, -1),  // would do, but a = 1 again
      FractionFormDraw(2, 3, 3, -2, 1, -1),
  });
  lesson::HeadlessSession session(corvane::kCorvane, options);
  session.program.practice.PreviousFirstCoefficient = 4;
  session.Call(corvane::GenerateFractionFormProblem);
  session.Call(corvane::WriteFractionFormTexts);
  EXPECT_EQ(corvane::FractionFormLines(session.program)[0], "ﾀ3x-2y/2ﾀ-ﾀx-y/3ﾀ");
  EXPECT_EQ(session.program.practice.PreviousFirstCoefficient, 3);
}

TEST(PracticeMemory, FirstCoefficientIsSharedWithChapter4sMultiplication) {
  // Chapter 4's multiplier: its size (2 to 6), then its sign (the second of two is +); then
  // b and c, whatever they are.
  const auto multiplier = [](int size, bool positive) {
    return std::vector<float>{Pick(size - 1, 5), Pick(positive ? 2 : 1, 2)};
  };
  const std::vector<float> b_and_c{Pick(1, 7), Pick(2, 2), Pick(1, 5), Pick(2, 2)};
  platform::HeadlessOptions options;
  options.random = Joined({
      BracketDraws({3, 2, -4, -2, 1, 5}),                          // 例3: a = 3
      multiplier(3, true), multiplier(2, false), b_and_c,          // chapter 4: 3 again, -2
      BracketDraws({-2, 1, 1, 1, 1, 1}), BracketDraws({3, 2, -4, -2, 1, 5}),  // 例3: -2, 3
      FractionFormDraw(2, 3, 3, -2, 1, -1), FractionFormDraw(6, 5, 2, -1, 1, -3),  // 例6: 3, 2
      multiplier(2, true), multiplier(4, true), b_and_c,           // chapter 4: 2 again, 4
  });
  lesson::HeadlessSession session(corvane::kCorvane, options);
  const auto& first = session.program.work.TermValues;
  const float& kept = session.program.practice.PreviousFirstCoefficient;
  session.Call(corvane::GenerateTwoBracketsProblem);
  EXPECT_EQ(first(1), 3);
  session.Call(corvane::GenerateWholeMultiplierProblem);
  EXPECT_EQ(first(1), -2);
  EXPECT_EQ(kept, -2);
  session.Call(corvane::GenerateTwoBracketsProblem);
  EXPECT_EQ(first(1), 3);
  session.Call(corvane::GenerateFractionFormProblem);
  EXPECT_EQ(first(1), 2);
  session.Call(corvane::GenerateWholeMultiplierProblem);
  EXPECT_EQ(first(1), 4);
  EXPECT_EQ(kept, 4);
}
