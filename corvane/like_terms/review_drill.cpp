// Calculation with like terms: a generated review (a L + b - c L + d, collected line by line),
// the rule with the last problem's letter terms, the drill 課3 over a fixed list, and the
// textbook question 問4.
#include <array>

#include "corvane/like_terms/like_terms.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace corvane {

namespace {

// 課3: the question, its like terms side by side, the result.
constexpr std::array<DrillRow, 10> kCollectLikeTerms{{
    {"6a-2b+3b-4a", "6a-4a-2b+3b", "2a+b"},
    {"x^2+3x+1-4x+2x^2", "x^2+2x^2+3x-4x+1", "3x^2-x+1"},
    {"4a+5b-6c+7a-8c", "4a+7a+5b-6c-8c", "11a+5b-14c"},
    {"x^2-4x+2+3x", "x^2-4x+3x+2", "x^2-x+2"},
    {"4x-7y+x+5y", "4x+x-7y+5y", "5x-2y"},
    {"-3x^2+5x-3x+x^2", "-3x^2+x^2+5x-3x", "-2x^2+2x"},
    {"3x-7y-x+2y", "3x-x-7y+2y", "2x-5y"},
    {"y^2-3y-3y^2+2y", "y^2-3y^2-3y+2y", "-2y^2-y"},
    {"xy+x-5xy-2x", "xy-5xy+x-2x", "-4xy-x"},
    {"-a^2+3a-4a+5a^2", "-a^2+5a^2+3a-4a", "4a^2-a"},
}};

// The review problem's pieces: coefficients and constants as written, the letter.
const std::string& Written(lesson::Program& p, float i) { return p.work.TermTexts(i); }
const std::string& Letter(lesson::Program& p) { return p.work.PartTexts(1); }
const std::string& CollectedLetter(lesson::Program& p) { return p.work.PartTexts(2); }

void RunReview(lesson::Program& p) {
  p.layout.ColumnX = 40;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {{kAtOnce, "復習　次の計算をしなさい。", 7, AtColumn(), OnLine()}});
  KeepDrillArea(p, 1, 40, p.layout.LineY + 50, p.layout.LineEndX + 40, p.layout.LineY + 50 + 180);
  lesson::RunDrill(p, [&] {
    GenerateLikeTermsProblem(p);
    EnterDrillArea(p, 1, 60);
    lesson::ShowSteps(p, {
        {kAtOnce,
         Written(p, 1) + Letter(p) + Written(p, 2) + Written(p, 3) + Letter(p) + Written(p, 4), 0,
         AtMargin(27), OnLine()},
        {kKeyFirst,
         "=" + Written(p, 1) + Letter(p) + Written(p, 3) + Letter(p) + Written(p, 2) +
             Written(p, 4),
         0, AtMargin(), Below(55)},
        {kKeyFirst, "=" + Written(p, 5) + CollectedLetter(p) + Written(p, 6), 5, AtMargin(),
         Below(55)},
    });
    lesson::AskNextStep(p);
  });
  // The rule, with the letter terms of the problem last shown.
  lesson::ShowSteps(p, {
      {kAtOnce, "同類項は1つの項にまとめる", 5, AtColumn(), Below(80)},
      {kAtOnce, Written(p, 1) + Letter(p) + Written(p, 3) + Letter(p) + "=", 0, AtMargin(),
       Below(50)},
      {kAtOnce, Written(p, 5) + CollectedLetter(p), 3},
  });
  lesson::WaitForKey(p);
}

// 課3 stands right of the review area.
void DrillCollectLikeTerms(lesson::Program& p) {
  const float left = p.work.SavedX(2);
  KeepDrillArea(p, 1, left, 30, left + 680, 30 + 240);
  RunTableDrill(p, {kCollectLikeTerms, DrillPick::kInTurn, 1, 60}, [&] {
    lesson::ShowSteps(p, {
        {kAtOnce, "課3　同類項をまとめて、簡単にしなさい。", 3, AtColumn(), OnLine()},
        {kAtOnce, ItemText(p), 0, AtMargin(40), Below(55)},
        {kKeyFirst, "=" + SecondText(p), 0, AtMargin(), Below(55)},
        {kKeyFirst, "=" + ThirdText(p), 5, AtMargin(), Below(55)},
    });
  });
}

}  // namespace

void GenerateLikeTermsProblem(lesson::Program& p) {
  auto& values = p.work.TermValues;
  auto& texts = p.work.TermTexts;
  for (float i = 1; i <= 4; ++i) values(i) = lesson::PickRandomWhole(p, 2, 9);
  // Equal letter coefficients would cancel: the first is raised so that a letter term stays.
  if (values(1) == values(3)) values(1) = values(1) + 1;
  values(3) = -values(3);
  values(5) = values(1) + values(3);
  values(6) = values(2) + values(4);
  lesson::FormatNumberArrays(p);
  float& i = p.values.TableIndex;
  for (i = 2; i <= 6; ++i) {
    if (values(i) > 0) texts(i) = "+" + texts(i);
  }
  // The collected coefficient leads its line: no "+".
  if (values(5) > 0) texts(5) = platform::PfMID24(texts(5), 2);
  for (i = 1; i <= 5; ++i) {
    if (values(i) == 1) texts(i) = "";
    if (values(i) == -1) texts(i) = "-";
  }
  p.work.PartTexts(2) = "x";
  p.work.PartTexts(3) = "y";
  p.work.PartTexts(4) = "a";
  p.work.PartTexts(5) = "b";
  p.layout.RandomPick = lesson::PickRandomWhole(p, 2, 4);
  p.work.PartTexts(1) = p.work.PartTexts(p.layout.RandomPick);
  p.work.PartTexts(2) = p.work.PartTexts(1);
}

lesson::Jump RunLikeTermsReviewDrill(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  RunReview(p);
  DrillCollectLikeTerms(p);
  lesson::WaitForKey(p);
  lesson::ShowSteps(p, {{kAtOnce, "教科書P15 問4　をしなさい。", 0, AtX(44), AtY(570)}});
  return {ShowLikeTermsMenu};
}

}  // namespace corvane
