// Chapter 1's sections: their screens step by step, key waits and drill loops.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using testing_support::Events;
using testing_support::EventsOf;
using testing_support::HasEvent;

namespace {

std::string Keys(int count) { return std::string(static_cast<size_t>(count), 'k'); }

}  // namespace

TEST(RoundTheWorldRoad, RevealsBothSolutionsOverEighteenKeysAndEndsWithTheGoal) {
  auto session = RunCorvane("1\n1\n" + Keys(18));
  const float right = EndOfText("2π*(r+1)(m) ", EndOfText("一周道路の長さは、", 30)) + 40;
  ExpectScreen(SectionRows(*session, kChapter1Line), {
      Text("世界一周道路と赤道の長さの差を考えよう。", 3, 30, 20),
      Key(), Label("1m", 0),
      Key(), Label("6378000m", 0),
      Text("地球の半径を", 0, 30, 70), Continues("6378000m", 3), Continues("とすると", 0),
      Text("差は、P11のどれと同じくらいだろう?", 3, 30, 120),
      Key(), Text("<Ｔａｖｒｉｎさんの考え>", 7, 30, 170), Text("赤道の長さは、", 0, 30, 220),
      Key(), Continues("2π*6378000(m) ", 3), Text("一周道路の長さは、", 0, 30, 270),
      Key(), Continues("2π*(6378000+1)(m) ", 3),
      Key(), Text("その差は", 0, 30, 320),
      Key(), Text(" 2π*(6378000+1)-2π*6378000", 0, 30, 370),
      Key(), Text("=12756002π-12756000π", 0, 30, 420),
      Key(), Continues("=2π(m)", 3),
      Key(), Text("<Ｏｓｋｅｌさんの考え>", 7, 30, 470), Label("rm", 3),
      Continues("地球の半径を", 0), Continues("rm", 3), Continues("とすると", 0),
      Text("赤道の長さは、", 0, 30, 520),
      Key(), Continues("2πr(m) ", 3), Text("一周道路の長さは、", 0, 30, 570),
      Key(), Continues("2π*(r+1)(m) ", 3),
      Key(), Text("その差は", 0, right + 120, 470),
      Key(), Text(" 2π*(r+1)-2πr", 0, right, 520),
      Key(), Text("=2πr+2π-2πr", 0, right, 570),
      Key(), Continues("=2π(m)", 3),
      Key(), Text("答　約6m", 5, right, 620),
      Key(),
      Text("<めあて>", 3, 44, 240),
      Text("文字を使った式を、", 0, 44, 305),
      Text("項の数やかけられている文字の個数に着目して調べよう。", 0, 44, 355),
  });
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 5);
}

TEST(RoundTheWorldRoad, DrawsTheGlobeFirstAndItsFarSideAtTheFirstKey) {
  auto session = RunCorvane("1\n1\n");
  const auto circles = EventsOf(session->trace(), "op", "PsCIRCLE");
  const Fields globe{"op", "PsCIRCLE", "960", "190", "160", "11", "1", "0", "0", "1", "11", "5"};
  EXPECT_TRUE(HasEvent(session->trace(), globe));
  EXPECT_FALSE(HasEvent(session->trace(),
                        {"op", "PsCIRCLE", "960", "190", "160", "11", "1", "0.5555556",
                         "0.05555556", "1", "11", "5"}));
  session = RunCorvane("1\n1\nk");
  EXPECT_TRUE(HasEvent(session->trace(),
                       {"op", "PsCIRCLE", "960", "190", "160", "11", "1", "0.5555556",
                        "0.05555556", "1", "11", "5"}));
}

TEST(RoundTheWorldRoad, DrawsEachDottedMarkOnItsSideWithItsPenAndColour) {
  // Each mark is a run of dots (discs of radius 0.5): after how many key waits it comes, its
  // colour and pen, how many dots (every 2 or 3 degrees over a half turn), and its first,
  // middle and last dot, rounded. The middle dot shows the side the mark bulges to.
  struct Mark {
    const char* name;
    int keys_before;
    std::string colour, width;
    int dots;
    std::array<int, 6> first_middle_last;
  };
  const Mark marks[] = {
      {"equator, near half", 0, "5", "5", 91, {810, 135, 945, 231, 1110, 245}},
      {"road, lower half", 1, "13", "30", 91, {772, 122, 934, 262, 1148, 258}},
      {"road, upper half", 1, "13", "30", 91, {1148, 258, 986, 118, 772, 122}},
      {"1 m gap", 1, "3", "5", 61, {1110, 245, 1129, 252, 1148, 258}},
      {"radius 6378000m", 2, "3", "5", 61, {960, 190, 885, 163, 810, 135}},
      {"radius r", 10, "3", "5", 61, {810, 135, 885, 163, 960, 190}},
  };
  auto session = RunCorvane("1\n1\n" + Keys(18));
  const std::vector<DotRun> runs = DotRuns(session->trace());
  ASSERT_EQ(runs.size(), std::size(marks));
  const auto at = [](const Dot& dot) {
    return std::array<int, 2>{static_cast<int>(std::lround(dot.x)),
                              static_cast<int>(std::lround(dot.y))};
  };
  for (size_t k = 0; k < runs.size(); ++k) {
    const Mark& mark = marks[k];
    const auto& dots = runs[k].dots;
    EXPECT_EQ(runs[k].keys_before, mark.keys_before) << mark.name;
    ASSERT_EQ(static_cast<int>(dots.size()), mark.dots) << mark.name;
    for (const Dot& dot : dots) {
      EXPECT_EQ(dot.colour, mark.colour) << mark.name;
      EXPECT_EQ(dot.fill, mark.colour) << mark.name;
      EXPECT_EQ(dot.width, mark.width) << mark.name;
    }
    const auto first = at(dots.front()), middle = at(dots[dots.size() / 2]), last = at(dots.back());
    EXPECT_EQ((std::array<int, 6>{first[0], first[1], middle[0], middle[1], last[0], last[1]}),
              mark.first_middle_last)
        << mark.name;
  }
}

TEST(RoundTheWorldRoad, DrawsTheSameScreensOnEveryVisit) {
  auto session = RunCorvane("1\n1\n" + Keys(18) + "1\n" + Keys(18));
  const Screen first = SectionRows(*session, kChapter1Line, 1);
  EXPECT_EQ(SectionRows(*session, kChapter1Line, 2), first);
  EXPECT_EQ(CountRows(first, "key"), 18);
}

TEST(TermsSection, RunsItsScreensAndDrillsInOrder) {
  // Q2 item 1, Q3 item 2, Q4 letter part 2 (x^2); each drill ended after one pass.
  const std::string keys = "1\n2\n" + Keys(7) + Keys(7) + "k1\n" + "kk1\n" + "k" + "k1\n" + "k";
  auto session = RunCorvane(keys, {Pick(1, 10), Pick(2, 10), Pick(2, 6)});
  ExpectScreen(SectionRows(*session, kChapter1Line), {
      Text("Q１　次の数量を表す式を書きなさい。", 3, 40, 30),
      Text("(1)", 3, 40, 90), Continues("1個50円の球根a個の代金", 0),
      Text("(2)", 3, 40, 140), Continues("縦xm,横ymの花だんの面積", 0),
      Text("(3)", 3, 40, 190), Continues("1辺がpcmの正方形のタイルの面積", 0),
      Text("(4)", 3, 40, 240), Continues("1000円でc円のプランターを買ったときのおつり", 0),
      Text("(5)", 3, 40, 290), Continues("1本a円の苗10本と1本b円の苗4本を買ったときの代金", 0),
      Key(), Text("  < 解答 > ", 3, 121, 370),
      Text("(1)50*a=", 0, 40, 460), Key(), Continues("50a(円)", 3),
      Text("(2)x*y=", 0, 560, 460), Key(), Continues("xy(m^2)", 3),
      Text("(3)p*p=", 0, 40, 512), Key(), Continues("p^2(cm^2)", 3),
      Text("(4)", 0, 560, 512), Key(), Continues("1000-c(円)", 3),
      Text("(5)10*a+4*b=", 0, 40, 564), Key(), Continues("10a+4b(円)", 3),
      Key(),
      Text("   <単項式と多項式>", 3, 94, 30),
      Key(), Text("単項式", 5, 40, 80),
      Key(), Text("数や文字についての", 0, 80, 130),
      Text("乗法だけでできている式", 0, 80, 180),
      Key(), Text("例…3a,xy,p^2,c,-5", 0, 94, 230),
      Key(), Text("多項式", 5, 40, 280),
      Key(), Text("単項式の和の形で表された式", 0, 80, 330),
      Key(), Text("例…1000-c,10a+4b", 0, 94, 380),
      Key(),
      Text("Q2　単項式、多項式のどちらですか。", 3, 40, 470),
      Text("4x-2a", 0, 174, 530),
      Key(), Text("多項式", 5, 174, 590),
      Next(),
      Text("Q3 次の多項式の項をいいなさい。", 3, 680, 30),
      Text("5a-b-6", 0, 774, 90),
      Key(), Text("=5a+(-b)+(-6)", 0, 734, 140),
      Key(), Text("項…", 3, 734, 190), Continues("5a,-b,-6", 5, 10),
      Next(),
      Text("項", 5, 680, 250), Continues("…多項式の１つ１つの単項式", 0),
      Key(),
      Text("Q4　x^2の係数をいいなさい。", 3, 680, 330),
      Text("x^2", 0, 734, 400),
      Key(), Continues("1", 5, 64),
      Next(),
      Text("係数", 5, 640, 460),
      Text("数と文字の積のとき、その数のこと", 0, 680, 510),
      Key(), Text("教科書P13 問1　をしなさい。", 7, 480, 570),
  });
  // The question block goes and the answers stay; then the answers go below the definitions.
  EXPECT_TRUE(Erased(*session, 0, 30, 1600, 450));
  EXPECT_TRUE(Erased(*session, 0, 430, 1600, 1430));
  // Each drill's area, between its kept corners.
  EXPECT_TRUE(Erased(*session, 0, 470, 1600, 670));
  EXPECT_TRUE(Erased(*session, 680, 30, 1400, 280));
  EXPECT_TRUE(Erased(*session, 680, 330, 1400, 530));
}

TEST(TermsSection, CoefficientRowsRunInTurnWhateverTheLetterPart) {
  // Seven passes of Q4 with the letter parts 2, 1, 3, 4, 5, 6, 2.
  const std::string to_q4 = "1\n2\n" + Keys(14) + "k1\n" + "kk1\n" + "k";
  std::string keys = to_q4;
  for (int pass = 0; pass < 6; ++pass) keys += "k0\n";
  keys += "k1\nk";
  std::vector<float> random{Pick(1, 10), Pick(1, 10)};
  for (int k : {2, 1, 3, 4, 5, 6, 2}) random.push_back(Pick(k, 6));
  auto session = RunCorvane(keys, random);
  const Screen rows = ScreenRows(session->trace(), {"text", "DrawText", "680", "330"});
  const struct {
    const char* heading;
    const char* term;
    const char* answer;
  } passes[] = {
      {"Q4　x^2の係数をいいなさい。", "x^2", "1"},
      {"Q4　aの係数をいいなさい。", "3a", "3"},
      {"Q4　bの係数をいいなさい。", "-4b", "-4"},
      {"Q4　xの係数をいいなさい。", "ﾀ1/2ﾀx", "ﾀ1/2ﾀ"},
      {"Q4　a^2の係数をいいなさい。", "-a^2", "-1"},
      {"Q4　abの係数をいいなさい。", "-ﾀ2/3ﾀab", "-ﾀ2/3ﾀ"},
      {"Q4　x^2の係数をいいなさい。", "x^2", "1"},
  };
  std::vector<Row> expected;
  for (const auto& pass : passes) {
    expected.push_back(Text(pass.heading, 3, 680, 330));
    expected.push_back(Text(pass.term, 0, 734, 400));
    expected.push_back(Key());
    expected.push_back(Continues(pass.answer, 5, 64));
    expected.push_back(Next());
  }
  const Screen drill(rows.begin(), rows.begin() + static_cast<long>(std::min(rows.size(), expected.size())));
  ExpectScreen(drill, expected);
}

TEST(TermsSection, EveryVisitStartsAgainFromTheQuestionAndTheFirstCoefficientRow) {
  const std::string visit = "2\n" + Keys(14) + "k1\n" + "kk1\n" + "k" + "k0\nk1\nk";
  auto session = RunCorvane("1\n" + visit + visit);
  for (int occurrence : {1, 2}) {
    const Screen rows = SectionRows(*session, kChapter1Line, occurrence);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), "40 30 3 Q１　次の数量を表す式を書きなさい。");
    EXPECT_EQ(CountRows(rows, "key"), 21);
    EXPECT_EQ(CountRows(rows, "next"), 4);
    // Row 1 of the coefficients first, row 2 after it.
    int q4 = 0;
    for (const auto& row : rows) {
      if (row.rfind("734 400 0 ", 0) != 0) continue;
      const std::string term = row.substr(10);
      if (q4 == 0) {
        EXPECT_TRUE(term == "a" || term == "x^2" || term == "b" || term == "x" || term == "a^2" ||
                    term == "ab")
            << term;
      } else {
        EXPECT_EQ(term.substr(0, 1), "3") << term;
      }
      ++q4;
    }
    EXPECT_EQ(q4, 2);
  }
}

TEST(DegreeSection, DrillsTheThreeKindsAndAnswersQuestion2) {
  auto session = RunCorvane("1\n4\nk1\nkk1\nkk1\nkkk", {Pick(6, 9), Pick(8, 9), Pick(9, 9)});
  ExpectScreen(SectionRows(*session, kChapter1Line), {
      Text("Q5　次の式の次数をいいなさい。", 3, 40, 30),
      Text("7x^3y", 0, 214, 90), Key(), Continues("4", 5, 64), Next(),
      Text("単項式の次数", 5, 40, 150),
      Text("かけあわされている文字の個数", 0, 94, 200),
      Key(),
      Text("Q6　次の式の次数をいいなさい。", 3, 40, 320),
      Text("-x^2y^3+y^2", 0, 134, 380), Key(), Continues("5", 5, 40), Next(),
      Text("多項式の次数", 5, 40, 440),
      Text("各項の次数で、最大の次数", 0, 94, 490),
      Key(),
      Text("Q7　次の式は何次式ですか。", 3, 720, 30),
      Text("a^2b-ab+2a", 0, 814, 90), Key(), Text("三次式", 5, 814, 140), Next(),
      Text("何次式", 5, 720, 220),
      Text("次数が1なら一次式、", 0, 774, 270),
      Text("2なら二次式", 0, 774, 320),
      Key(), Text("教科書P14 問2　をしなさい。", 7, 720, 390),
      Key(), Text("(1) ", 0, 702, 450), Continues("二次式", 5),
      Key(), Text("(2) ", 0, 702, 500), Continues("一次式", 5),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  EXPECT_TRUE(Erased(*session, 40, 30, 720, 230));
  EXPECT_TRUE(Erased(*session, 40, 320, 760, 520));
  EXPECT_TRUE(Erased(*session, 720, 30, 1400, 240));
}

TEST(DegreeSection, OnlyExactlyOneEndsADrill) {
  const struct {
    const char* entry;
    bool ends;
  } cases[] = {{"1", true}, {"1.0", true}, {"2/2", true}, {"0", false}, {"11", false},
               {"", false}, {"0.999", false}};
  for (const auto& c : cases) {
    auto session = RunCorvane("1\n4\nk" + std::string(c.entry) + "\nk", {Pick(1, 9), Pick(2, 9)});
    const Screen rows = SectionRows(*session, kChapter1Line);
    ASSERT_GE(rows.size(), 6u) << c.entry;
    EXPECT_EQ(rows[5], c.ends ? "40 150 5 単項式の次数" : "40 30 3 Q5　次の式の次数をいいなさい。")
        << c.entry;
  }
}

TEST(DegreeSection, DrawsEveryItemOfTheTables) {
  // Every pick of nine reaches its item; the monomial 5ab stands at both 4 and 7.
  const char* monomials[] = {"4x", "3x^2", "-2b", "5ab", "-2a^2", "7x^3y", "5ab", "-2abc", "7x^3y^2"};
  for (int item = 1; item <= 9; ++item) {
    auto session = RunCorvane("1\n4\n", {Pick(item, 9)});
    EXPECT_TRUE(HasEvent(session->trace(),
                         {"text", "DrawText", "214", "90", "0", monomials[item - 1]}))
        << item;
  }
}

TEST(TermsAnswers, RevealTermsAndCoefficientsOnTheirLines) {
  auto session = RunCorvane("1\n3\nkkk");
  ExpectScreen(SectionRows(*session, kChapter1Line), {
      Text("問1 解答", 3, 108, 110),
      Text("項は、 ", 0, 36, 170), Key(), Continues("6a,-b,5", 5),
      Text("aの係数は、", 0, 36, 250), Key(), Continues("6", 5),
      Text("bの係数は、", 0, 36, 330), Key(), Continues("-1", 5),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
}
