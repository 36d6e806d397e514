// Chapter 4, dividing monomials: the goal and sub-menu, the review and the worked divisions
// with their strokes, the answers to question 3 with their overlays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

const std::string kItemLine = "menu ①復習　②文字　③数+文字　④累乗　⑤練習　⑥問３　⑦終了";
const std::string kAnyKeys(12, 'k');

TEST(MonomialDivisionChapter, GoalAboveTheItemLineWithoutAKey) {
  const VarnickRun run("4\n");
  const std::vector<std::string> tail(run.steps.end() - 4, run.steps.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"erase 0 0 1760 1800", "text 44 240 3 <めあて>",
                                            "text 44 305 0 (文字式÷文字式)の計算を考えよう。",
                                            kItemLine}));
}

TEST(MonomialDivisionChapter, SubMenuRangeRoundingAndWayBack) {
  const struct {
    const char* choice;
    const char* first_text;  // the first text the choice leads to
  } cases[] = {
      {"1", "text 44 30 0 復習　次の計算をしなさい。"},
      {"1.2", "text 44 30 0 復習　次の計算をしなさい。"},
      {"5/4", "text 44 30 0 復習　次の計算をしなさい。"},
      {"2.4", "text 44 30 0 例3-1　次の計算をしなさい。"},
      {"3", "text 44 30 0 例3-2　次の計算をしなさい。"},
      {"4", "text 44 30 0 例3-3　次の計算をしなさい。"},
      {"5", "text 88 18 0 練習　次の計算をしなさい。"},
      {"6", "text 108 30 3 問3 解答"},
      {"7", "main-menu"},
      {"6.6", "main-menu"},
      {"14/2", "main-menu"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstShown(VarnickRun(std::string("4\n") + c.choice + "\n").Section()),
              c.first_text)
        << c.choice;
  }
  // Out of range: the item line again, the goal untouched. 7 then leaves.
  for (const char* keys : {"0\n", "8\n", "-2\n", "\n", "7.4\n", "1/2\n"}) {
    const VarnickRun run(std::string("4\n") + keys + "7\n8\n");
    EXPECT_TRUE(run.Section(1).empty()) << keys;
    EXPECT_EQ(run.Section(2), (std::vector<std::string>{"erase 0 0 1760 1800", "main-menu"}))
        << keys;
    EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"})) << keys;
  }
  // A zero divisor is refused: Enter clears the entry and the field reads on.
  const struct {
    std::string keys;
    const char* second;  // the second step of what the number leads to
  } refused[] = {
      {"4\n3/0\n7\n8\n", "main-menu"},
      {"4\n3/0\n2\n" + kAnyKeys + "7\n8\n", "text 44 30 0 例3-1　次の計算をしなさい。"},
  };
  for (const auto& c : refused) {
    const VarnickRun run(c.keys);
    EXPECT_EQ(run.Section(1)[1], c.second);
    EXPECT_EQ(Events(run.session.trace()).back(), (Fields{"end", "program-ended"})) << c.second;
  }
  // The goal only on entry from the main menu, every time.
  const VarnickRun again("4\n6\nkkk7\n4\n");
  EXPECT_EQ(std::count(again.steps.begin(), again.steps.end(), "text 44 240 3 <めあて>"), 2);
}

TEST(DivisionReview, SignFractionThenTheDenominatorStruckBeforeTheNumerator) {
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, "復習　次の計算をしなさい。")
      .Text(132, 90, 0, "15/(-6)")
      .Key()
      .Text(528, 90, 3, "①　符号を決める。")
      .Key()
      .Text(88, 210, 0, "=-")
      .Key()
      .Text(528, 210, 3, "②　分数の形にする。")
      .Key()
      .Text(147, 210, 0, "ﾀ15/6ﾀ")
      .Key()
      .Text(528, 330, 3, "③　約分する。")
      .Key();
  e.StrokeAt(163, 239).Text(163, 271, 3, "2").Key();
  e.StrokeAt(147, 199, 2).Text(147, 161, 3, "5").Key().Text(88, 350, 5, "=-ﾀ5/2ﾀ");
  const VarnickRun run("4\n1\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.runtime.FE_GETDRAWWIDTH(), 5);
}

// 例3-1 and 例3-2 up to their struck fraction, which stands at (147, 290).
Expected NegativeQuotientOpening(const std::string& title, const std::string& problem,
                                 const std::string& fraction, const std::string& factors) {
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, title)
      .Text(132, 90, 0, problem)
      .Key()
      .Text(528, 90, 3, "①　符号を決める。")
      .Key()
      .Text(88, 170, 0, "=-")
      .Key()
      .Text(528, 170, 3, "②　分数の形にする。")
      .Key()
      .Text(147, 170, 0, fraction)
      .Key()
      .Text(528, 290, 3, "③　約分する。")
      .Text(766, 290, 5, "(文字も約分できる）")
      .Key()
      .Text(88, 290, 0, "=-")
      .Text(147, 290, 0, factors);
  return e;
}

TEST(WorkedDivisions, LettersOnly) {
  Expected e = NegativeQuotientOpening("例3-1　次の計算をしなさい。", "xy/(-x)", "ﾀxy/xﾀ",
                                       "ﾀx*y/xﾀ");
  e.Key();
  e.StrokeAt(182, 319).Text(182, 351, 3, "1").Key();
  e.StrokeAt(147, 279).Text(147, 241, 3, "1").Key().Text(88, 430, 5, "=-y");
  EXPECT_EQ(VarnickRun("4\n2\n" + kAnyKeys).Section(), e.steps());
}

TEST(WorkedDivisions, NumbersThenLettersTheSecondCellsSixBeforeTheirFactors) {
  Expected e = NegativeQuotientOpening("例3-2　次の計算をしなさい。", "8xy/(-4x)", "ﾀ8xy/4xﾀ",
                                       "ﾀ8*x*y/4*xﾀ");
  e.Key();
  e.StrokeAt(182, 319).Text(182, 351, 3, "1");
  e.StrokeAt(147, 279).Text(147, 241, 3, "2").Key();
  // The x cells begin at 252 and 217.
  e.StrokeAt(246, 319).Text(246, 351, 3, "1");
  e.StrokeAt(211, 279).Text(211, 241, 3, "1").Key().Text(88, 430, 5, "=-2y");
  EXPECT_EQ(VarnickRun("4\n3\n" + kAnyKeys).Section(), e.steps());
}

TEST(WorkedDivisions, PowerPairsStruckAtOneKeyNumbersAtTheNextThenTheRulesPanel) {
  Expected e;
  e.Erase(0, 0, 1320, 1300)
      .Text(44, 30, 0, "例3-3　次の計算をしなさい。")
      .Text(132, 90, 0, "6a^2/2a")
      .Key()
      .Text(88, 210, 0, "=ﾀ6a^2/2aﾀ")
      .Key()
      .Text(88, 330, 0, "=")
      .Text(120, 330, 0, "ﾀ6*a*a/2*aﾀ")
      .Key();
  e.StrokeAt(120, 319);
  e.StrokeAt(155, 359).Key().Text(120, 281, 3, "3").Text(155, 391, 3, "1").Key();
  e.StrokeAt(184, 319);
  e.StrokeAt(219, 359).Key().Text(184, 281, 3, "1").Text(219, 391, 3, "1");
  e.Key()
      .Text(88, 470, 5, "=3a")
      .Key()
      .Text(640, 30, 5, "<単項式の除法>")
      .Text(600, 90, 3, "①　符号を決める。")
      .Text(600, 150, 3, "② 分数の形にする。")
      .Text(600, 210, 3, "③ 約分する。")
      .Text(831, 210, 5, "(文字も約分できる）");
  EXPECT_EQ(VarnickRun("4\n4\n" + kAnyKeys).Section(), e.steps());
}

TEST(DivisionQuestion3Answers, FourAnswersSeventeenStruckCells) {
  Expected e;
  e.Erase(0, 0, 1760, 1800)
      .Text(108, 30, 3, "問3 解答")
      .Text(36, 90, 3, "(1)")
      .More(0, " (-6ab)/2a")
      .Text(108, 150, 0, "=-ﾀ6ab/2aﾀ")
      .Text(108, 150, 0, "=-ﾀｹｹb/ｹｹﾀ");
  // Cells from the fraction's origin: numerator 10 above the line, denominator 28 below;
  // the renderer draws the denominator first.
  for (float x : {183.f, 215.f}) e.StruckCell(x, 178);
  for (float x : {167.f, 199.f}) e.StruckCell(x, 140);
  e.Text(108, 210, 5, "=-3b")
      .Key()
      .Text(36, 290, 3, "(2)")
      .More(0, " 8x^2/x")
      .Text(108, 370, 0, "=ﾀ8x^2/xﾀ")
      .Text(108, 450, 0, "=ﾀ8xx/xﾀ")
      .Text(108, 450, 0, "=ﾀ8ｹx/ｹﾀ");
  e.StruckCell(172, 478);
  e.StruckCell(172, 440);
  e.Text(108, 520, 5, "=8x")
      .Key()
      .Text(612, 30, 3, "(3)")
      .More(0, " (-9x^2y)/(-3y)")
      .Text(684, 110, 0, "=ﾀ9x^2y/3yﾀ")
      .Text(684, 190, 0, "=ﾀ9xxy/3yﾀ")
      .Text(684, 190, 0, "=ﾀｹxxｹ/ｹｹﾀ");
  for (float x : {748.f, 780.f}) e.StruckCell(x, 218);
  for (float x : {716.f, 812.f}) e.StruckCell(x, 180);
  e.Text(684, 260, 5, "=3x^2")
      .Key()
      .Text(612, 320, 3, "(4)")
      .More(0, " 5a^2/(-10a^2)")
      .Text(684, 400, 0, "=-ﾀ5a^2/10a^2ﾀ")
      .Text(684, 480, 0, "=-ﾀ5aa/10aaﾀ")
      .Text(684, 480, 0, "=-ﾀｹｹｹ/ｹｹｹｹﾀ");
  for (float x : {743.f, 775.f, 807.f, 839.f}) e.StruckCell(x, 508);
  for (float x : {759.f, 791.f, 823.f}) e.StruckCell(x, 470);
  e.Text(684, 560, 5, "=-ﾀ1/2ﾀ");
  const VarnickRun run("4\n6\n" + kAnyKeys);
  EXPECT_EQ(run.Section(), e.steps());
  EXPECT_EQ(run.session.program.figure.LineColour, 7);
}

}  // namespace
