// Monomials, polynomials and terms: five quantities written as expressions, the definitions
// of monomial and polynomial, drills on monomial or polynomial (Q2), terms (Q3) and
// coefficients (Q4), with the definitions of term and coefficient.
#include <array>

#include "corvane/monomials/monomials.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// Q2: the expression and whether it is a monomial or a polynomial.
constexpr std::array<DrillRow, 10> kMonomialOrPolynomial{{
    {"4x-2a", "多項式"},
    {"6x^2+3x", "多項式"},
    {"8a^2b-5", "多項式"},
    {"3x^2-4x+6", "多項式"},
    {"4abc+16ab-8bc", "多項式"},
    {"4x", "単項式"},
    {"-6x^2", "単項式"},
    {"-2x", "単項式"},
    {"a", "単項式"},
    {"-5", "単項式"},
}};

// Q3: the polynomial, the same written as a sum, and its terms.
constexpr std::array<DrillRow, 10> kTermsOfPolynomial{{
    {"3a^2-2a+1", "3a^2+(-2a)+1", "3a^2,-2a,1"},
    {"5a-b-6", "5a+(-b)+(-6)", "5a,-b,-6"},
    {"8-4a+b", "8+(-4a)+b", "8,-4a,b"},
    {"-3a^2+2a-1", "-3a^2+2a+(-1)", "-3a^2,2a,-1"},
    {"-5a-b-6", "-5a+(-b)+(-6)", "-5a,-b,-6"},
    {"8-4a-b", "8+(-4a)+(-b)", "8,-4a,-b"},
    {"-3a^2-2a+1", "-3a^2+(-2a)+1", "-3a^2,-2a,1"},
    {"5a+b-6", "5a+b+(-6)", "5a,b,-6"},
    {"-8-4a+b", "-8+(-4a)+b", "-8,-4a,b"},
    {"-8-4a-b", "-8+(-4a)+(-b)", "-8,-4a,-b"},
}};

// Q4: row k holds a letter part; row j the coefficient as written before the letter part and
// as answered.
constexpr std::array<DrillRow, 6> kCoefficients{{
    {"a", "", "1"},
    {"x^2", "3", "3"},
    {"b", "-4", "-4"},
    {"x", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ"},
    {"a^2", "-", "-1"},
    {"ab", "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ"},
}};

// Q1 and its five answers.
void ShowQuantities(lesson::Program& p) {
  lesson::EraseScreen(p);
  p.layout.ColumnX = 40;
  p.layout.MarginX = p.layout.ColumnX + 81;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "Q１　次の数量を表す式を書きなさい。", 3, AtColumn(), OnLine()},
      {kAtOnce, "(1)", 3, AtColumn(), Below(60)},
      {kAtOnce, "1個50円の球根a個の代金", 0},
      {kAtOnce, "(2)", 3, AtColumn(), Below(50)},
      {kAtOnce, "縦xm,横ymの花だんの面積", 0},
      {kAtOnce, "(3)", 3, AtColumn(), Below(50)},
      {kAtOnce, "1辺がpcmの正方形のタイルの面積", 0},
      {kAtOnce, "(4)", 3, AtColumn(), Below(50)},
      {kAtOnce, "1000円でc円のプランターを買ったときのおつり", 0},
      {kAtOnce, "(5)", 3, AtColumn(), Below(50)},
      {kAtOnce, "1本a円の苗10本と1本b円の苗4本を買ったときの代金", 0},
      {kKeyFirst, "  < 解答 > ", 3, AtMargin(), Below(80)},
      {kAtOnce, "(1)50*a=", 0, AtColumn(), Below(90)},
  });
  // The question block ends just above the answers, which stay for the next screen.
  p.work.SavedX(2) = 1600;
  p.work.SavedY(2) = p.layout.LineY - 10;
  lesson::ShowSteps(p, {
      {kKeyFirst, "50a(円)", 3},
      {kAtOnce, "(2)x*y=", 0, AtColumn(520), OnLine()},
      {kKeyFirst, "xy(m^2)", 3},
      {kAtOnce, "(3)p*p=", 0, AtColumn(), Below(52)},
      {kKeyFirst, "p^2(cm^2)", 3},
      {kAtOnce, "(4)", 0, AtColumn(520), OnLine()},
      {kKeyFirst, "1000-c(円)", 3},
      {kAtOnce, "(5)10*a+4*b=", 0, AtColumn(), Below(52)},
      {kKeyFirst, "10a+4b(円)", 3},
  });
  lesson::WaitForKey(p);
}

// The definitions, drawn where the question was, above the five answers.
void ShowDefinitions(lesson::Program& p) {
  p.layout.ColumnX = 40;
  p.layout.MarginX = p.layout.ColumnX + 54;
  p.layout.LineY = 30;
  p.work.SavedX(1) = 0;
  p.work.SavedY(1) = 30;
  EraseDrillArea(p, 1);
  lesson::ShowSteps(p, {
      {kAtOnce, "   <単項式と多項式>", 3, AtMargin(), OnLine()},
      {kKeyFirst, "単項式", 5, AtColumn(), Below(50)},
      {kKeyFirst, "数や文字についての", 0, AtColumn(40), Below(50)},
      {kAtOnce, "乗法だけでできている式", 0, AtColumn(40), Below(50)},
      {kKeyFirst, "例…3a,xy,p^2,c,-5", 0, AtMargin(), Below(50)},
      {kKeyFirst, "多項式", 5, AtColumn(), Below(50)},
      {kKeyFirst, "単項式の和の形で表された式", 0, AtColumn(40), Below(50)},
      {kKeyFirst, "例…1000-c,10a+4b", 0, AtMargin(), Below(50)},
  });
  p.work.SavedX(3) = 0;
  p.work.SavedY(3) = p.layout.LineY + 90;
  lesson::WaitForKey(p);
  // The answers of the first screen go.
  lesson::EraseFrom(p, 0, p.layout.LineY + 50, 1600, 1000);
  p.work.SavedX(4) = 1600;
  p.work.SavedY(4) = p.work.SavedY(3) + 200;
}

// Q2 keeps the definitions' column: only the line moves into its area.
void DrillMonomialOrPolynomial(lesson::Program& p) {
  lesson::RunDrill(p, [&] {
    lesson::StoreDrillTable(p, kMonomialOrPolynomial);
    lesson::PickRandomItem(p, 10);
    p.layout.LineY = p.work.SavedY(3);
    EraseDrillArea(p, 3);
    lesson::ShowSteps(p, {
        {kAtOnce, "Q2　単項式、多項式のどちらですか。", 3, AtColumn(), OnLine()},
        {kAtOnce, ItemText(p), 0, AtMargin(80), Below(60)},
        {kKeyFirst, SecondText(p), 5, AtMargin(80), Below(60)},
    });
    lesson::AskNextStep(p);
  });
}

void DrillTerms(lesson::Program& p) {
  KeepDrillArea(p, 1, 680, 30, 680 + 720, 30 + 250);
  RunTableDrill(p, {kTermsOfPolynomial, DrillPick::kRandom, 1, 54}, [&] {
    lesson::ShowSteps(p, {
        {kAtOnce, "Q3 次の多項式の項をいいなさい。", 3, AtColumn(), OnLine()},
        {kAtOnce, ItemText(p), 0, AtMargin(40), Below(60)},
        {kKeyFirst, "=" + SecondText(p), 0, AtMargin(), Below(50)},
        {kKeyFirst, "項…", 3, AtMargin(), Below(50)},
        {kAtOnce, ThirdText(p), 5, AfterText(10), OnLine()},
    });
  });
  lesson::ShowSteps(p, {
      {kAtOnce, "項", 5, AtColumn(), Below(60)},
      {kAtOnce, "…多項式の１つ１つの単項式", 0},
  });
  lesson::WaitForKey(p);
}

// Q4 shows a random letter part with the coefficient rows in turn.
void DrillCoefficients(lesson::Program& p) {
  KeepDrillArea(p, 1, p.layout.ColumnX, p.layout.LineY + 80, p.layout.ColumnX + 720,
                p.layout.LineY + 80 + 200);
  float LetterPartItem = 0;
  RunTableDrill(p, {kCoefficients, DrillPick::kInTurn, 1, 54}, [&] {
    // The letter part is drawn anew on every pass; the coefficient rows come in turn.
    LetterPartItem = lesson::PickRandomWhole(p, 1, 6);
    const std::string& letters = p.work.TermTexts(LetterPartItem);
    lesson::ShowSteps(p, {
        {kAtOnce, "Q4　" + letters + "の係数をいいなさい。", 3, AtColumn(), OnLine()},
        {kAtOnce, SecondText(p) + letters, 0, AtMargin(), Below(70)},
        {kKeyFirst, ThirdText(p), 5, AfterText(64), OnLine()},
    });
  });
  lesson::ShowSteps(p, {
      {kAtOnce, "係数", 5, AtColumn(-40), Below(60)},
      {kAtOnce, "数と文字の積のとき、その数のこと", 0, AtColumn(), Below(50)},
      {kKeyFirst, "教科書P13 問1　をしなさい。", 7, AtColumn(-200), AtY(570)},
  });
}

}  // namespace

lesson::Jump RunTermsSection(lesson::Program& p) {
  ShowQuantities(p);
  ShowDefinitions(p);
  DrillMonomialOrPolynomial(p);
  DrillTerms(p);
  DrillCoefficients(p);
  return {RunMonomialsChapter};
}

}  // namespace corvane
