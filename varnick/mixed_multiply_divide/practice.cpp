// ③ The practice in two stages on one screen. Stage ① multiplies two monomials in a and b
// and divides by a negative one, s·k·a^i × p·b^j ÷ (-k·q·a^m·b^n); stage ② divides a
// monomial in x and y twice, s·k·p·x^i·y^j ÷ (-k·x^m) ÷ q·y^n. Each problem is worked in
// three lines, one per key: one fraction with the sign in front, every power written out,
// the result (p over q with the letters left). 1 at stage ①'s prompt starts stage ②, which
// erases only the right-hand part, so the last stage-① problem stays in view; 1 at stage
// ②'s prompt ends the practice with the textbook prompt. Every sign is drawn afresh.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/division_practices.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::OnLine;

namespace {

// The first draws of both stages, into TermValues(base + n): q from 2, 3, 5 (n = 4; the
// list closes up over it), p from the three primes left (3), k from 2 to 5 (5).
void DrawPrimesAndFactor(lesson::Program& p, float base) {
  lesson::LessonWork& w = p.work;
  StartPrimeList(p);
  w.TermValues(base + 4) = PickFromPrimeList(p, 3);
  CloseUpPrimeList(p, 3);
  w.TermValues(base + 3) = PickFromPrimeList(p, 3);
  w.TermValues(base + 5) = lesson::PickRandomWhole(p, 2, 4);
}

// The first term's sign s into TermValues(base + 12), the solution lines' -s into (base + 11).
void DrawSigns(lesson::Program& p, float base) {
  lesson::LessonWork& w = p.work;
  w.TermValues(base + 12) = DrawSign(p);
  w.TermValues(base + 11) = -w.TermValues(base + 12);
}

// After the number texts, which rewrite every text entry: the two sign texts and the
// letters' texts.
void MakeStageTexts(lesson::Program& p, float base, const std::string& first_letter,
                    const std::string& second_letter) {
  lesson::LessonWork& w = p.work;
  SetQuotientExponents(p, base);
  lesson::FormatNumberArrays(p);
  w.TermTexts(base + 12) = SignPrefix(w.TermValues(base + 12));
  w.TermTexts(base + 11) = SignPrefix(w.TermValues(base + 11));
  BuildLetterPowerTexts(p, base, first_letter, second_letter);
}

// Stage ①: q, p, k; the divisor's coefficient k·q (TermValues(2)); the signs; i and j (1 or
// 2) of the two factors, m and n (0 or 1, not both 0) of the divisor.
void MakeStage1Problem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  DrawPrimesAndFactor(p, 0);
  w.TermValues(2) = w.TermValues(5) * w.TermValues(4);
  DrawSigns(p, 0);
  w.AuxValues(1) = lesson::PickRandomWhole(p, 1, 2);
  w.AuxValues(2) = lesson::PickRandomWhole(p, 1, 2);
  DrawExponentPair(p, 11, 2);
  MakeStageTexts(p, 0, "a", "b");
}

// Stage ②: q, p, k; the first term's coefficient k·p (TermValues(21)); the signs; i, j, m, n,
// 1 or 2 each. The letters x and y go through the library's TextA and TextB.
void MakeStage2Problem(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  DrawPrimesAndFactor(p, 20);
  w.TermValues(21) = w.TermValues(25) * w.TermValues(23);
  DrawSigns(p, 20);
  for (float k : {21.f, 22.f, 31.f, 32.f}) w.AuxValues(k) = lesson::PickRandomWhole(p, 1, 2);
  p.fraction.TextA = "x";
  p.fraction.TextB = "y";
  MakeStageTexts(p, 20, p.fraction.TextA, p.fraction.TextB);
}

// A stage's problem in its column: the stage mark at ColumnX and the problem beside it, 80
// below LineY; then the three lines 120 apart at MarginX, each after a key, the result in
// colour 5; then the next-step prompt.
void ShowStageLines(lesson::Program& p, const char* mark, const std::string& problem,
                    const std::string& fraction, const std::string& written_out,
                    const std::string& result) {
  lesson::ShowSteps(p, {
      {kAtOnce, mark, 3, AtColumn(), Below(80)},
      {kAtOnce, problem, 0, AtMargin(32), OnLine()},
      {kKeyFirst, fraction, 0, AtMargin(), Below(120)},
      {kKeyFirst, written_out, 0, AtMargin(), Below(120)},
      {kKeyFirst, result, 5, AtMargin(), Below(120)},
  });
  lesson::AskNextStep(p);
}

void SetColumn(lesson::Program& p, float column_x) {
  p.layout.ColumnX = column_x;
  p.layout.MarginX = column_x + 40;
  p.layout.LineY = 30;
}

void ShowStage1Problem(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  const auto n = [&w](float k) { return w.TermTexts(k); };
  const auto a = [&w](float k) { return w.AuxTexts(k); };
  const std::string opening = "=" + n(11) + "ﾀ";
  SetColumn(p, 40);
  lesson::EraseFrom(p, 0, 0, 1760, 1300);
  lesson::ShowSteps(p, {{kAtOnce, "練習　次の計算をしなさい。", 3, AtColumn(), Below(0)}});
  ShowStageLines(p, "①",
                 n(12) + n(5) + a(1) + "*" + n(3) + a(2) + "/(-" + n(2) + a(11) + a(12) + ")",
                 opening + n(5) + a(1) + "*" + n(3) + a(2) + "/" + n(2) + a(11) + a(12) + "ﾀ",
                 opening + n(5) + a(5) + "*" + n(3) + a(6) + "/" + n(2) + a(15) + a(16) + "ﾀ",
                 opening + n(3) + a(3) + a(4) + "/" + n(4) + a(13) + a(14) + "ﾀ");
}

void ShowStage2Problem(lesson::Program& p) {
  const lesson::LessonWork& w = p.work;
  const auto n = [&w](float k) { return w.TermTexts(k); };
  const auto a = [&w](float k) { return w.AuxTexts(k); };
  const std::string opening = "=" + n(31) + "ﾀ";
  SetColumn(p, 640);
  lesson::EraseFrom(p, 640, 0, 1760, 1300);
  ShowStageLines(p, "②",
                 n(32) + n(21) + a(21) + a(22) + "/(-" + n(25) + a(31) + ")/" + n(24) + a(32),
                 opening + n(21) + a(21) + a(22) + "/" + n(25) + a(31) + "*" + n(24) + a(32) + "ﾀ",
                 opening + n(21) + a(25) + a(26) + "/" + n(25) + a(35) + "*" + n(24) + a(36) + "ﾀ",
                 opening + n(23) + a(23) + a(24) + "/" + n(24) + a(33) + a(34) + "ﾀ");
}

}  // namespace

lesson::Jump RunMixedMultiplyDividePractice(lesson::Program& p) {
  lesson::RunDrill(p, [&p] {
    MakeStage1Problem(p);
    ShowStage1Problem(p);
  });
  lesson::RunDrill(p, [&p] {
    MakeStage2Problem(p);
    ShowStage2Problem(p);
  });
  lesson::DrawLessonText(p, "教科書P22 問5　をしなさい。", 7, 352, 570);
  return {ShowMixedMultiplyDivideMenu};
}

}  // namespace varnick
