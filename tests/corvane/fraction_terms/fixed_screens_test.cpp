// Chapter 6's fixed screens: 例5 with its dotted arcs, the answers to 問3 and 問4, and the
// notation question.
#include <gtest/gtest.h>

#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;

TEST(FractionCoefficientExample, RevealsItsFiveStepsOverSixteenKeys) {
  auto session = RunCorvane("6\n1\n" + AnyKeys(16));
  ExpectScreen(SectionRows(*session, kChapter6Line), {
      Text("例5　次の計算をしなさい。", 3, 72, 27),
      // The problem line in six pieces, so that the arcs find their ends.
      Text("ﾀ1/3ﾀ(2", 0, 108, 112), Text("x+", 0, 194, 112), Text("y)-", 0, 248, 112),
      Text("ﾀ1/6ﾀ(", 0, 329, 112), Text("x-5", 0, 388, 112), Text("y)", 0, 469, 112),
      Key(), Text("①かっこをはずす", 7, 612, 112),
      Key(), Key(), Key(), Text("=ﾀ2/3ﾀx+ﾀ1/3ﾀy", 0, 72, 187),
      Key(), Key(), Key(), Text("-ﾀ1/6ﾀx+ﾀ5/6ﾀy", 0, 249, 187),
      // Each label announces, beside the row before, what the next row does.
      Key(), Text("②通分する", 7, 612, 187),
      Key(), Text("=ﾀ4/6ﾀx+ﾀ2/6ﾀy-ﾀ1/6ﾀx+ﾀ5/6ﾀy", 0, 72, 272),
      Key(), Text("③項を並べかえる", 7, 612, 272),
      Key(), Text("=ﾀ4/6ﾀx-ﾀ1/6ﾀx+ﾀ2/6ﾀy+ﾀ5/6ﾀy", 0, 72, 357),
      Key(), Text("④同類項をまとめる", 7, 612, 357),
      Key(), Text("=ﾀ3/6ﾀx+ﾀ7/6ﾀy", 0, 72, 442),
      Key(), Text("⑤約分する", 7, 612, 442),
      Key(), Text("=ﾀ1/2ﾀx+ﾀ7/6ﾀy", 5, 72, 527),
      Key(), Text("教科書P18 問3　をしなさい。", 3, 44, 600),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 1300));
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 5);

  // From each coefficient, 12 above the line, to the two terms of its bracket on the line's
  // top: the inner arcs 10 high, the outer 20, drawn at width 5 after the key waits too.
  const auto runs = DotRuns(session->trace());
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].keys_before, 2);
  EXPECT_EQ(runs[1].keys_before, 3);
  EXPECT_EQ(runs[2].keys_before, 5);
  EXPECT_EQ(runs[3].keys_before, 6);
  ExpectArcOnChord(runs[0], 118, 100, 194, 112, 10, "3");
  ExpectArcOnChord(runs[1], 118, 100, 258, 112, 20, "3");
  ExpectArcOnChord(runs[2], 329, 100, 398, 112, 10, "3");
  ExpectArcOnChord(runs[3], 329, 100, 469, 112, 20, "3");
}

TEST(FractionCoefficientExample, IsTheSameOnEveryVisit) {
  // The second visit comes after the notation question and an answer screen.
  auto session = RunCorvane("6\n1\n" + AnyKeys(16) + "3\nk2\nkk1\n" + AnyKeys(16));
  const Screen first = SectionRows(*session, kChapter6Line, 1);
  EXPECT_EQ(SectionRows(*session, kChapter6Line, 4), first);
  const auto runs = DotRuns(session->trace());
  ASSERT_EQ(runs.size(), 8u);
  for (size_t k = 0; k < 4; ++k) {
    ASSERT_EQ(runs[k].dots.size(), runs[k + 4].dots.size());
    for (size_t d = 0; d < runs[k].dots.size(); ++d) {
      EXPECT_EQ(runs[k].dots[d].x, runs[k + 4].dots[d].x);
      EXPECT_EQ(runs[k].dots[d].y, runs[k + 4].dots[d].y);
    }
  }
}

TEST(FractionTermsQuestion3Answers, ShowTheTitleThenOneAnswerAtEachKey) {
  auto session = RunCorvane("6\n2\nkk");
  ExpectScreen(SectionRows(*session, kChapter6Line), {
      Text("問3 解答", 3, 108, 30),
      Key(), Text("(1)", 3, 36, 110), Text(" ﾀ1/3ﾀ(x-2y)+ﾀ1/5ﾀ(-x+3y)", 0, 117, 110),
      Text("=ﾀ1/3ﾀx-ﾀ2/3ﾀy-ﾀ1/5ﾀx+ﾀ3/5ﾀy", 0, 108, 190),
      Text("=ﾀ5/15ﾀx-ﾀ10/15ﾀy-ﾀ3/15ﾀx+ﾀ9/15ﾀy", 0, 108, 270),
      Text("=ﾀ5/15ﾀx-ﾀ3/15ﾀx-ﾀ10/15ﾀy+ﾀ9/15ﾀy", 0, 108, 350),
      Text("=ﾀ2/15ﾀx-ﾀ1/15ﾀy", 5, 108, 430),
      Key(), Text("(2)", 3, 612, 90), Text(" ﾀ1/4ﾀ(3x-y)-ﾀ1/2ﾀ(5x-3y)", 0, 693, 90),
      Text("=ﾀ3/4ﾀx-ﾀ1/4ﾀy-ﾀ5/2ﾀx+ﾀ3/2ﾀy", 0, 684, 170),
      Text("=ﾀ3/4ﾀx-ﾀ1/4ﾀy-ﾀ10/4ﾀx+ﾀ6/4ﾀy", 0, 684, 250),
      Text("=ﾀ3/4ﾀx-ﾀ10/4ﾀx-ﾀ1/4ﾀy+ﾀ6/4ﾀy", 0, 684, 330),
      Text("=-ﾀ7/4ﾀx+ﾀ5/4ﾀy", 5, 684, 410),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  // The widest line of the left column ends left of label (2).
  EXPECT_EQ(EndOfText(" ﾀ1/3ﾀ(x-2y)+ﾀ1/5ﾀ(-x+3y)", 117), 586);
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 3);
}

TEST(FractionTermsQuestion4Answers, ShowTheTitleWithAnswer1ThenAnswer2AtAKey) {
  auto session = RunCorvane("6\n5\nk");
  ExpectScreen(SectionRows(*session, kChapter6Line), {
      Text("問4 解答", 3, 108, 30),
      Text("(1)", 3, 36, 90), Text(" ﾀx+5y/6ﾀ+ﾀ-4x+3y/9ﾀ", 0, 117, 90),
      Text("=ﾀ3(x+5y)/18ﾀ+ﾀ2(-4x+3y)/18ﾀ", 0, 108, 180),
      Text("=ﾀ3(x+5y)+2(-4x+3y)/18ﾀ", 0, 108, 270),
      Text("=ﾀ3x+15y-8x+6y/18ﾀ", 0, 108, 360),
      Text("=ﾀ3x-8x+15y+6y/18ﾀ", 0, 108, 450),
      Text("=ﾀ-5x+21y/18ﾀ", 5, 108, 540),
      Key(), Text("(2)", 3, 648, 70), Text(" ﾀ3a-5b/4ﾀ-ﾀa-7b/8ﾀ", 0, 729, 70),
      Text("=ﾀ2(3a-5b)-(a-7b)/8ﾀ", 0, 720, 160),
      Text("=ﾀ6a-10b-a+7b/8ﾀ", 0, 720, 250),
      Text("=ﾀ6a-a-10b+7b/8ﾀ", 0, 720, 340),
      Text("=ﾀ5a-3b/8ﾀ", 5, 720, 430),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1800));
  // The columns never overlap.
  EXPECT_EQ(EndOfText("=ﾀ3(x+5y)+2(-4x+3y)/18ﾀ", 108), 684);
  EXPECT_EQ(EndOfText("=ﾀ2(3a-5b)-(a-7b)/8ﾀ", 720), 1232);
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 3);
}

TEST(FractionNotationQuestion, AsksAndAnswersFromItsPanelCorner) {
  auto session = RunCorvane("6\n3\nk");
  ExpectScreen(SectionRows(*session, kChapter6Line), {
      Text("Q　次の①、②の式は同じ意味ですか。", 3, 48, 27),
      Text("① ﾀ1/2ﾀ(3x+2y)-ﾀ1/3ﾀ(2x-y)", 0, 48, 132),
      Text("②　ﾀ3x+2y/2ﾀ-ﾀ2x-y/3ﾀ", 0, 48, 237),
      Key(), Text("同じ意味", 5, 48, 347), Text("ﾀ1/2ﾀa=ﾀa/2ﾀ", 3, 334, 347),
  });
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 1300));
  EXPECT_EQ(session->program.layout.PanelX, 16);
  EXPECT_EQ(session->program.layout.PanelY, 18);
  EXPECT_EQ(session->runtime.FE_GETDRAWWIDTH(), 3);
}
