// Degree: drills on the degree of a monomial (Q5) and of a polynomial (Q6) and on naming an
// expression by its degree (Q7), each followed by its rule, and the textbook question 問2.
#include <array>

#include "corvane/monomials/monomials.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// Each table: the expression and, at 20 + i, its answer.
constexpr std::array<DrillRow, 9> kDegreeOfMonomial{{
    {"4x", nullptr, "1"},
    {"3x^2", nullptr, "2"},
    {"-2b", nullptr, "1"},
    {"5ab", nullptr, "2"},
    {"-2a^2", nullptr, "2"},
    {"7x^3y", nullptr, "4"},
    {"5ab", nullptr, "2"},
    {"-2abc", nullptr, "3"},
    {"7x^3y^2", nullptr, "5"},
}};

constexpr std::array<DrillRow, 9> kDegreeOfPolynomial{{
    {"3x^2-4x+6", nullptr, "2"},
    {"2x+5", nullptr, "1"},
    {"-7a+6", nullptr, "1"},
    {"-x^2+4y+3", nullptr, "2"},
    {"a-b+5", nullptr, "1"},
    {"-3x^2+x+2", nullptr, "2"},
    {"5x-2y", nullptr, "1"},
    {"-x^2y^3+y^2", nullptr, "5"},
    {"a^2b-ab+2a", nullptr, "3"},
}};

constexpr std::array<DrillRow, 9> kKindOfExpression{{
    {"3x^2-4x+6", nullptr, "二次式"},
    {"2x+5", nullptr, "一次式"},
    {"-7a", nullptr, "一次式"},
    {"-x^2+4y+3", nullptr, "二次式"},
    {"a-b+5", nullptr, "一次式"},
    {"-3x^2", nullptr, "二次式"},
    {"5x-2y", nullptr, "一次式"},
    {"-x^3+y^2", nullptr, "三次式"},
    {"a^2b-ab+2a", nullptr, "三次式"},
}};

// One drill of the section: a random item of nine under its heading, one key, the answer.
void RunDegreeDrill(lesson::Program& p, const char* heading, std::span<const DrillRow> table,
                    float area, float item_indent, StepX answer_x, StepY answer_y) {
  RunTableDrill(p, {table, DrillPick::kRandom, area, 54}, [&] {
    lesson::ShowSteps(p, {
        {kAtOnce, heading, 3, AtColumn(), OnLine()},
        {kAtOnce, ItemText(p), 0, AtMargin(item_indent), Below(60)},
        {kKeyFirst, ThirdText(p), 5, answer_x, answer_y},
    });
  });
}

}  // namespace

lesson::Jump RunDegreeSection(lesson::Program& p) {
  lesson::EraseScreen(p);

  KeepDrillArea(p, 3, 40, 30, 720, 30 + 200);
  RunDegreeDrill(p, "Q5　次の式の次数をいいなさい。", kDegreeOfMonomial, 3, 120, AfterText(64),
                 OnLine());
  lesson::ShowSteps(p, {
      {kAtOnce, "単項式の次数", 5, AtColumn(), Below(60)},
      {kAtOnce, "かけあわされている文字の個数", 0, AtMargin(), Below(50)},
  });
  lesson::WaitForKey(p);

  KeepDrillArea(p, 1, p.work.SavedX(3), p.layout.LineY + 120, p.work.SavedX(3) + 720,
                p.layout.LineY + 120 + 200);
  RunDegreeDrill(p, "Q6　次の式の次数をいいなさい。", kDegreeOfPolynomial, 1, 40, AfterText(40),
                 OnLine());
  lesson::ShowSteps(p, {
      {kAtOnce, "多項式の次数", 5, AtColumn(), Below(60)},
      {kAtOnce, "各項の次数で、最大の次数", 0, AtMargin(), Below(50)},
  });
  lesson::WaitForKey(p);

  KeepDrillArea(p, 1, 720, 30, 720 + 680, 30 + 200 + 10);
  RunDegreeDrill(p, "Q7　次の式は何次式ですか。", kKindOfExpression, 1, 40, AtMargin(40),
                 Below(50));
  lesson::ShowSteps(p, {
      {kAtOnce, "何次式", 5, AtColumn(), Below(80)},
      {kAtOnce, "次数が1なら一次式、", 0, AtMargin(), Below(50)},
      {kAtOnce, "2なら二次式", 0, AtMargin(), Below(50)},
      {kKeyFirst, "教科書P14 問2　をしなさい。", 7, AtColumn(), Below(70)},
      {kKeyFirst, "(1) ", 0, AtMargin(-72), Below(60)},
      {kAtOnce, "二次式", 5},
      {kKeyFirst, "(2) ", 0, AtMargin(-72), Below(50)},
      {kAtOnce, "一次式", 5},
  });
  return {RunMonomialsChapter};
}

}  // namespace corvane
