// Like terms: drills 課1 (three terms) and 課2 (four or five terms) on naming the like terms
// of an expression, the definition of like terms, and the answers to 問3 piece by piece.
#include <array>

#include "corvane/like_terms/like_terms.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// Each table: the expression and, at 20 + i, its like terms.
constexpr std::array<DrillRow, 10> kThreeTerms{{
    {"6x+4+3x", nullptr, "6xと3x"},
    {"-5x+7+4x", nullptr, "-5xと4x"},
    {"12y-3+5y", nullptr, "12yと5y"},
    {"-3a+2a-1", nullptr, "-3aと2a"},
    {"a-b-6b", nullptr, "-bと-6b"},
    {"6x^2+4x+3x", nullptr, "4xと3x"},
    {"-3a^2-2a+a^2", nullptr, "-3a^2とa^2"},
    {"5ab+ab-6", nullptr, "5abとab"},
    {"-8y-4y+y", nullptr, "-8yと-4y,y"},
    {"-8x^2-4x^2-x^2", nullptr, "-8x^2と-4x^2と-x^2"},
}};

constexpr std::array<DrillRow, 10> kFourOrFiveTerms{{
    {"6a-2b+3b-4a", nullptr, "6aと-4a,-2bと3b"},
    {"4a+5b-6c+7a-8c", nullptr, "4aと7a,-6cと-8c"},
    {"4x-7y+x+5y", nullptr, "4xとx,-7yと5y"},
    {"3x-7y-x+2y", nullptr, "3xと-x,-7yと2y"},
    {"xy+x-5xy-2x", nullptr, "xyと-5xy,xと-2x"},
    {"x^2+3x+1-4x+2x^2", nullptr, "x^2と2x^2,3xと-4x"},
    {"x^2-4x+2+3x", nullptr, "-4xと3x"},
    {"-3x^2+5x-3x+x^2", nullptr, "-3x^2とx^2,5xと-3x"},
    {"y^2-3y-3y^2+2y", nullptr, "y^2と-3y^2,-3yと2y"},
    {"-a^2+3a-4a+5a^2", nullptr, "-a^2と5a^2,3aと-4a"},
}};

// One drill: the items in turn from 1, one key, the labelled answer.
void RunLikeTermsDrill(lesson::Program& p, const char* heading, std::span<const DrillRow> table,
                       float area) {
  RunTableDrill(p, {table, DrillPick::kInTurn, area, 96}, [&] {
    lesson::ShowSteps(p, {
        {kAtOnce, heading, 3, AtColumn(), OnLine()},
        {kAtOnce, ItemText(p), 0, AtMargin(), Below(50)},
        {kKeyFirst, "同類項…", 3, AtMargin(), Below(50)},
        {kAtOnce, ThirdText(p), 5},
    });
  });
}

}  // namespace

lesson::Jump RunLikeTermsSection(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1760, 1560);

  KeepDrillArea(p, 1, 40, 30, 720, 30 + 250);
  RunLikeTermsDrill(p, "課1　次の式の同類項をいいなさい。", kThreeTerms, 1);
  lesson::ShowSteps(p, {
      {kAtOnce, "同類項", 5, AtColumn(), Below(60)},
      {kAtOnce, "…文字の部分が同じ項", 0},
  });
  lesson::WaitForKey(p);

  KeepDrillArea(p, 3, 40, p.layout.LineY + 80, 720, p.layout.LineY + 80 + 250);
  RunLikeTermsDrill(p, "課2　次の式の同類項をいいなさい。", kFourOrFiveTerms, 3);

  // 問3, one piece at every key.
  p.layout.ColumnX = 680;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kKeyFirst, "教科書P14 問3　をしなさい。", 7, AtColumn(), OnLine()},
      {kKeyFirst, "(1) ", 0, AtColumn(), Below(60)},
      {kKeyFirst, "4aと7a , ", 5},
      {kKeyFirst, "-6cと-8c", 5},
      {kKeyFirst, "(2) ", 0, AtColumn(), Below(50)},
      {kKeyFirst, "xyと-5xy , ", 5},
      {kKeyFirst, "xと-2x", 5},
  });
  return {ShowLikeTermsMenu};
}

}  // namespace corvane
