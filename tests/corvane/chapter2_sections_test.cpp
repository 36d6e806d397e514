// Chapter 2's sections: like terms, the review drill with its generator, the answers to 問4.
#include <gtest/gtest.h>

#include <set>

#include "corvane/like_terms/like_terms.h"
#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using testing_support::Events;
using testing_support::EventsOf;
using testing_support::HasEvent;

namespace {

// The rows at a place, in order: the texts a drill showed there pass by pass.
std::vector<std::string> TextsAt(const Screen& rows, const std::string& place) {
  std::vector<std::string> texts;
  for (const auto& row : rows) {
    if (row.rfind(place + " ", 0) == 0) texts.push_back(row.substr(place.size() + 1));
  }
  return texts;
}

// Random fractions for one review problem: a, b, c, d (2 to 10) and the letter (2 to 5 of
// x, y, a, b).
std::vector<float> Problem(int a, int b, int c, int d, int letter) {
  const auto of_nine = [](int value) { return Pick(value - 1, 9); };
  return {of_nine(a), of_nine(b), of_nine(c), of_nine(d), Pick(letter - 1, 4)};
}

}  // namespace

TEST(LikeTermsSection, DrillsBothListsDefinesLikeTermsAndAnswersQuestion3) {
  auto session = RunCorvane("2\n1\nk1\nkk1\nkkkkkkk");
  ExpectScreen(SectionRows(*session, kChapter2Line), {
      Text("課1　次の式の同類項をいいなさい。", 3, 40, 30),
      Text("6x+4+3x", 0, 136, 80),
      Key(), Text("同類項…", 3, 136, 130), Continues("6xと3x", 5),
      Next(),
      Text("同類項", 5, 40, 190), Continues("…文字の部分が同じ項", 0),
      Key(),
      Text("課2　次の式の同類項をいいなさい。", 3, 40, 270),
      Text("6a-2b+3b-4a", 0, 136, 320),
      Key(), Text("同類項…", 3, 136, 370), Continues("6aと-4a,-2bと3b", 5),
      Next(),
      Key(), Text("教科書P14 問3　をしなさい。", 7, 680, 30),
      Key(), Text("(1) ", 0, 680, 90),
      Key(), Continues("4aと7a , ", 5),
      Key(), Continues("-6cと-8c", 5),
      Key(), Text("(2) ", 0, 680, 140),
      Key(), Continues("xyと-5xy , ", 5),
      Key(), Continues("xと-2x", 5),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1560));
  EXPECT_TRUE(Erased(*session, 40, 30, 720, 280));
  EXPECT_TRUE(Erased(*session, 40, 270, 720, 520));
}

TEST(LikeTermsSection, ItemsComeInTurnAndEveryVisitStartsAtItemOne) {
  // Eleven passes of 課1 (0, 11 and Enter alone go on), then one of 課2; then the section again.
  std::string visit = "1\n";
  const char* go_on[] = {"0", "11", ""};
  for (int pass = 0; pass < 10; ++pass) visit += "k" + std::string(go_on[pass % 3]) + "\n";
  visit += "k1.0\nk" + std::string("k2/2\n") + "kkkkkkk";
  auto session = RunCorvane("2\n" + visit + visit);
  const std::vector<std::string> first_drill{
      "6x+4+3x", "-5x+7+4x", "12y-3+5y", "-3a+2a-1", "a-b-6b", "6x^2+4x+3x",
      "-3a^2-2a+a^2", "5ab+ab-6", "-8y-4y+y", "-8x^2-4x^2-x^2", "6x+4+3x"};
  for (int visit_number : {1, 2}) {
    const Screen rows = SectionRows(*session, kChapter2Line, visit_number);
    EXPECT_EQ(TextsAt(rows, "136 80 0"), first_drill);
    EXPECT_EQ(TextsAt(rows, "136 320 0"), std::vector<std::string>{"6a-2b+3b-4a"});
    EXPECT_EQ(CountRows(rows, "next"), 12);
    EXPECT_EQ(CountRows(rows, "key"), 11 + 1 + 1 + 7);
  }
}

TEST(LikeTermsReviewDrill, WorkedExampleReviewRuleAndDrill3) {
  // a = 7, b = 3, c = 5, d = 8 with the letter y: 7y+3-5y+8.
  auto session = RunCorvane("2\n2\nkk1\nkkk1\nk", Problem(7, 3, 5, 8, 3));
  const float heading_end = EndOfText("復習　次の計算をしなさい。", 40);
  const float drill_x = heading_end + 40;
  ExpectScreen(SectionRows(*session, kChapter2Line), {
      Text("復習　次の計算をしなさい。", 7, 40, 30),
      Text("7y+3-5y+8", 0, 127, 80),
      Key(), Text("=7y-5y+3+8", 0, 100, 135),
      Key(), Text("=2y+11", 5, 100, 190),
      Next(),
      Text("同類項は1つの項にまとめる", 5, 40, 270),
      Text("7y-5y=", 0, 100, 320), Continues("2y", 3),
      Key(),
      Text("課3　同類項をまとめて、簡単にしなさい。", 3, drill_x, 30),
      Text("6a-2b+3b-4a", 0, drill_x + 100, 85),
      Key(), Text("=6a-4a-2b+3b", 0, drill_x + 60, 140),
      Key(), Text("=2a+b", 5, drill_x + 60, 195),
      Next(),
      Key(), Text("教科書P15 問4　をしなさい。", 0, 44, 570),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 1300));
  EXPECT_TRUE(Erased(*session, 40, 80, drill_x, 260));
  EXPECT_TRUE(Erased(*session, drill_x, 30, drill_x + 680, 270));
}

TEST(LikeTermsReviewDrill, CollectedCoefficientIsWrittenAsOnTheBoard) {
  const struct {
    std::vector<float> random;
    const char* problem;
    const char* together;
    const char* result;
    const char* rule;
    const char* collected;
  } cases[] = {
      {Problem(6, 2, 5, 4, 2), "6x+2-5x+4", "=6x-5x+2+4", "=x+6", "6x-5x=", "x"},
      {Problem(4, 9, 5, 10, 4), "4a+9-5a+10", "=4a-5a+9+10", "=-a+19", "4a-5a=", "-a"},
      {Problem(2, 2, 6, 2, 5), "2b+2-6b+2", "=2b-6b+2+2", "=-4b+4", "2b-6b=", "-4b"},
      // Equal draws: the first coefficient is raised by 1 and the letter term stays.
      {Problem(10, 10, 10, 10, 3), "11y+10-10y+10", "=11y-10y+10+10", "=y+20", "11y-10y=", "y"},
      {Problem(3, 5, 3, 7, 2), "4x+5-3x+7", "=4x-3x+5+7", "=x+12", "4x-3x=", "x"},
  };
  for (const auto& c : cases) {
    auto session = RunCorvane("2\n2\nkk1\n", c.random);
    const Screen rows = SectionRows(*session, kChapter2Line);
    EXPECT_EQ(TextsAt(rows, "127 80 0"), std::vector<std::string>{c.problem});
    EXPECT_EQ(TextsAt(rows, "100 135 0"), std::vector<std::string>{c.together});
    EXPECT_EQ(TextsAt(rows, "100 190 5"), std::vector<std::string>{c.result});
    EXPECT_EQ(TextsAt(rows, "100 320 0"), std::vector<std::string>{c.rule});
    // The collected term continues the rule's line in colour 3.
    ASSERT_GE(rows.size(), 10u);
    EXPECT_EQ(rows[9].substr(rows[9].find(" 320 3 ") + 7), c.collected) << c.problem;
  }
}

TEST(LikeTermsReviewDrill, ReviewGoesOnWithNewProblemsAndTheRuleUsesTheLast) {
  std::vector<float> random = Problem(7, 3, 5, 8, 3);
  for (float r : Problem(9, 4, 2, 6, 4)) random.push_back(r);
  auto session = RunCorvane("2\n2\nkk0\nkk1\n", random);
  const Screen rows = SectionRows(*session, kChapter2Line);
  EXPECT_EQ(TextsAt(rows, "127 80 0"), (std::vector<std::string>{"7y+3-5y+8", "9a+4-2a+6"}));
  EXPECT_EQ(TextsAt(rows, "100 320 0"), std::vector<std::string>{"9a-2a="});
  EXPECT_EQ(TextsAt(rows, "100 190 5"), (std::vector<std::string>{"=2y+11", "=7a+10"}));
}

TEST(LikeTermsReviewDrill, Drill3CyclesThroughItsTenItems) {
  std::string keys = "2\n2\nkk1\nk";
  for (int pass = 0; pass < 10; ++pass) keys += "kk0\n";
  keys += "kk1\nk";
  auto session = RunCorvane(keys, Problem(7, 3, 5, 8, 3));
  const float drill_x = EndOfText("復習　次の計算をしなさい。", 40) + 40;
  const Screen rows = SectionRows(*session, kChapter2Line);
  const std::vector<std::string> results{"=2a+b",    "=3x^2-x+1", "=11a+5b-14c", "=x^2-x+2",
                                         "=5x-2y",   "=-2x^2+2x", "=2x-5y",      "=-2y^2-y",
                                         "=-4xy-x",  "=4a^2-a",   "=2a+b"};
  EXPECT_EQ(TextsAt(rows, platform::ShortNumber(drill_x + 60) + " 195 5"), results);
  EXPECT_EQ(TextsAt(rows, platform::ShortNumber(drill_x) + " 30 3").size(), 11u);
}

TEST(LikeTermsProblemGenerator, EveryValueStaysInItsRange) {
  lesson::HeadlessSession session(corvane::kCorvane);
  lesson::Program& p = session.program;
  std::set<std::string> letters;
  std::set<float> firsts, collected;
  for (int seed = 0; seed < 3000; ++seed) {
    session.runtime.PaRandomize(seed);
    session.Call(corvane::GenerateLikeTermsProblem);
    const auto& v = p.work.TermValues;
    const float a = v(1), b = v(2), c = -v(3), d = v(4);
    ASSERT_TRUE(a >= 2 && a <= 11) << seed;
    ASSERT_TRUE(b >= 2 && b <= 10 && c >= 2 && c <= 10 && d >= 2 && d <= 10) << seed;
    ASSERT_NE(a, c) << seed;
    ASSERT_TRUE(a != 11 || c == 10) << seed;
    ASSERT_EQ(v(5), a - c);
    ASSERT_TRUE(v(5) >= -8 && v(5) <= 8 && v(5) != 0) << seed;
    ASSERT_EQ(v(6), b + d);
    ASSERT_TRUE(v(6) >= 4 && v(6) <= 20) << seed;
    // The texts: the first coefficient in digits, the others signed, the constant always "+".
    EXPECT_EQ(p.work.TermTexts(1), platform::ShortNumber(a));
    EXPECT_EQ(p.work.TermTexts(2), "+" + platform::ShortNumber(b));
    EXPECT_EQ(p.work.TermTexts(3), "-" + platform::ShortNumber(c));
    EXPECT_EQ(p.work.TermTexts(4), "+" + platform::ShortNumber(d));
    const std::string coefficient = v(5) == 1 ? "" : v(5) == -1 ? "-" : platform::ShortNumber(v(5));
    EXPECT_EQ(p.work.TermTexts(5), coefficient);
    EXPECT_EQ(p.work.TermTexts(6), "+" + platform::ShortNumber(v(6)));
    EXPECT_EQ(p.work.PartTexts(2), p.work.PartTexts(1));
    ASSERT_TRUE(p.layout.RandomPick >= 2 && p.layout.RandomPick <= 5);
    letters.insert(p.work.PartTexts(1));
    firsts.insert(a);
    collected.insert(v(5));
  }
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
  EXPECT_EQ(firsts.size(), 10u);  // 2 to 11
  EXPECT_EQ(collected.size(), 16u);  // -8 to 8 without 0
}

TEST(LikeTermsAnswers, ShowOneExpressionAtEveryKey) {
  auto session = RunCorvane("2\n3\nkkkk");
  ExpectScreen(SectionRows(*session, kChapter2Line), {
      Text("問4 解答", 3, 108, 30),
      Key(), Text("(1) 3a-6b+8a+b", 0, 36, 90),
      Text("=3a+8a-6b+b", 0, 108, 150),
      Text("=11a-5b", 5, 108, 210),
      Key(), Text("(2) 3x-7y-x+2y", 0, 36, 270),
      Text("=3x-x-7y+2y", 0, 108, 330),
      Text("=2x-5y", 5, 108, 390),
      Key(), Text("(3) x^2-4x+2+3x", 0, 36, 450),
      Text("=x^2-4x+3x+2", 0, 108, 510),
      Text("=x^2-x+2", 5, 108, 570),
      Key(), Text("(4) y^2-3y-3y^2+2y", 0, 504, 30),
      Text("=y^2-3y^2-3y+2y", 0, 576, 100),
      Text("=-2y^2-y", 5, 576, 170),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
}
