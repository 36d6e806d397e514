// 例6, the second way with fractions: random differences (ax+by)/D2 - (cx+dy)/D1 of fractions
// with unlike denominators, brought to one fraction over the common denominator, the brackets
// removed, the like terms collected and the result reduced, a line at every key press until 1
// is entered; then the method beside the last problem and the textbook question.
#include <cmath>
#include <utility>

#include "corvane/fraction_terms/fraction_terms.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// The candidate denominators, rebuilt in this order for every draw: the first pick reads the
// first three only, so 4 and 5 never come together.
constexpr float kDenominators[] = {2, 3, 6, 5, 4};

// The two denominators into AuxValues(1) and (2): one of 2, 3 and 6, then one of the four
// left once the first has been taken out of the list.
void DrawDenominators(lesson::Program& p) {
  auto& list = p.work.PointX;
  float& i = p.values.TableIndex;
  for (i = 1; i <= 5; ++i) list(i) = kDenominators[static_cast<int>(i) - 1];
  float& pick = p.layout.RandomPick;
  pick = lesson::PickRandomWhole(p, 1, 3);
  p.work.AuxValues(1) = list(pick);
  for (i = pick; i <= 4; ++i) list(i) = list(i + 1);
  pick = lesson::PickRandomWhole(p, 1, 4);
  p.work.AuxValues(2) = list(pick);
}

// Gcd and Lcm of two whole numbers, the second at least 2.
void FindGcdLcm(lesson::Program& p, float a, float b) {
  p.fraction.FractionNumerator = a;
  p.fraction.FractionDenominator = b;
  lesson::ComputeGcdLcm(p);
}

void ShowFractionFormProblem(lesson::Program& p) {
  const auto lines = FractionFormLines(p);
  // When nothing reduces, the collected line is the result.
  const float collected_colour = p.work.TermValues(9) == p.work.TermValues(11) ? 5 : 0;
  p.layout.MarginX = 40;
  p.layout.LineY = 18;
  lesson::EraseFrom(p, 0, 0, 1320, 2000);
  lesson::ShowSteps(p, {
      {kAtOnce, "例6　次の計算をしなさい。", 3, AtMargin(), OnLine()},
      {kAtOnce, lines[0], 0, AtMargin(27), Below(80)},
      {kKeyFirst, lines[1], 0, AtMargin(), Below(80)},
      {kKeyFirst, lines[2], 0, AtMargin(), Below(80)},
      {kKeyFirst, lines[3], 0, AtMargin(), Below(80)},
      {kKeyFirst, lines[4], collected_colour, AtMargin(), Below(80)},
      {kAtOnce, lines[5], 5, AtMargin(), Below(80)},
  });
}

void ShowFractionFormMethod(lesson::Program& p) {
  lesson::WaitForKey(p);
  p.layout.MarginX = 680;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "<分数の形の式の計算>", 5, AtMargin(), OnLine()},
      {kAtOnce, "①通分する、", 3, AtMargin(), Below(50)},
      {kAtOnce, " 分子は、a( )の形にする。", 5, AtMargin(40), Below(50)},
      {kAtOnce, "②1つの分数にまとめる", 3, AtMargin(), Below(50)},
      {kAtOnce, "③かっこをはずす", 3, AtMargin(), Below(50)},
      {kAtOnce, "④同類項をまとめる", 3, AtMargin(), Below(50)},
      {kAtOnce, "⑤約分できるときは、約分する", 3, AtMargin(), Below(50)},
      {kKeyFirst, "教科書P18 問4　をしなさい。", 7, AtX(308), AtY(570)},
  });
}

}  // namespace

void GenerateFractionFormProblem(lesson::Program& p) {
  auto& v = p.work.TermValues;
  auto& aux = p.work.AuxValues;
  float& gcd = p.fraction.Gcd;
  for (;;) {
    DrawDenominators(p);
    float& i = p.values.TableIndex;
    for (i = 1; i <= 4; ++i) v(i) = lesson::PickRandomWhole(p, 1, 5);
    if (v(1) == p.practice.PreviousFirstCoefficient) continue;
    // Kept before the zero test: a draw rejected there still counts as the last a.
    p.practice.PreviousFirstCoefficient = v(1);
    if (aux(1) < aux(2)) std::swap(aux(1), aux(2));
    // The common denominator, and the factor that brings each fraction to it.
    FindGcdLcm(p, aux(2), aux(1));
    aux(3) = p.fraction.Lcm;
    aux(11) = aux(1) / gcd;
    aux(12) = aux(2) / gcd;
    v(2) = -v(2);
    v(4) = -v(4);
    v(5) = aux(11) * v(1);
    v(6) = aux(11) * v(2);
    v(7) = -v(3) * aux(12);
    v(8) = -v(4) * aux(12);
    v(9) = v(5) + v(7);
    v(10) = v(6) + v(8);
    if (v(9) == 0 || v(10) == 0) continue;
    // The factor common to both collected coefficients and the common denominator.
    if (std::fabs(v(9)) == 1 || std::fabs(v(10)) == 1) {
      gcd = 1;
    } else {
      FindGcdLcm(p, std::fabs(v(9)), std::fabs(v(10)));
    }
    FindGcdLcm(p, gcd, std::fabs(aux(3)));
    break;
  }
  v(11) = v(9) / gcd;
  v(12) = v(10) / gcd;
  aux(4) = aux(3) / gcd;
}

void WriteFractionFormTexts(lesson::Program& p) {
  lesson::FormatNumberArrays(p);
  auto& t = p.work.TermTexts;
  const auto& v = p.work.TermValues;
  float& i = p.values.TableIndex;
  for (i = 1; i <= 12; ++i) {
    // After another term: signed, a 1 as the sign alone. Opening a numerator or a bracket:
    // the same without "+".
    lesson::SignCoefficientText(v(i), t(i));
    t(20 + i) = t(i);
    p.text.WorkText = t(i);
    lesson::StripLeadingPlus(p);
    t(i) = p.text.WorkText;
  }
  // The second numerator's factor 1 is not written.
  if (p.work.AuxValues(12) == 1) p.work.AuxTexts(12) = "";
}

std::array<std::string, 6> FractionFormLines(lesson::Program& p) {
  const auto& t = p.work.TermTexts;
  const auto& a = p.work.AuxTexts;
  // The reduced line: without a fraction when the whole denominator cancels, nothing when
  // nothing reduces.
  std::string reduced;
  if (p.work.AuxValues(4) == 1) {
    reduced = "=" + t(11) + "x" + t(32) + "y";
  } else if (p.work.TermValues(9) != p.work.TermValues(11)) {
    reduced = "=ﾀ" + t(11) + "x" + t(32) + "y/" + a(4) + "ﾀ";
  }
  return {
      "ﾀ" + t(1) + "x" + t(22) + "y/" + a(2) + "ﾀ-ﾀ" + t(3) + "x" + t(24) + "y/" + a(1) + "ﾀ",
      "=ﾀ" + a(11) + "(" + t(1) + "x" + t(22) + "y)-" + a(12) + "(" + t(3) + "x" + t(24) +
          "y)/" + a(3) + "ﾀ",
      "=ﾀ" + t(5) + "x" + t(26) + "y" + t(27) + "x" + t(28) + "y/" + a(3) + "ﾀ",
      "=ﾀ" + t(5) + "x" + t(27) + "x" + t(26) + "y" + t(28) + "y/" + a(3) + "ﾀ",
      "=ﾀ" + t(9) + "x" + t(30) + "y/" + a(3) + "ﾀ",
      reduced,
  };
}

lesson::Jump RunFractionFormPractice(lesson::Program& p) {
  lesson::EraseScreen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::RunDrill(p, [&] {
    GenerateFractionFormProblem(p);
    WriteFractionFormTexts(p);
    ShowFractionFormProblem(p);
    lesson::AskNextStep(p);
  });
  ShowFractionFormMethod(p);
  return {ShowFractionTermsMenu};
}

}  // namespace corvane
