// Sums of consecutive integers from a typed smallest integer: the terms and the sum written
// from the entry exactly as typed, and the example screen that sections ① and ③ share.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/exact_number.h"
#include "lessonlib/screen.h"
#include "ostrel/explaining/explaining.h"

namespace ostrel {

namespace {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::ExactNumber;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

// A later term of the sum: "+5", "+0", "+(-4)".
std::string TermText(const ExactNumber& value) {
  return value.numerator() < 0 ? "+(" + value.Text() + ")" : "+" + value.Text();
}

void AskConsecutiveIntegers(Program& p, float count) {
  p.text.TextToDraw = "最も小さい整数を入力して下さい。";
  lesson::AskSubMenuNumber(p);
  lesson::ClearBottomBand(p);
  WriteConsecutiveTerms(p, count);
}

}  // namespace

void AskConsecutiveThree(Program& p) { AskConsecutiveIntegers(p, 3); }

void AskConsecutiveFive(Program& p) { AskConsecutiveIntegers(p, 5); }

void WriteConsecutiveTerms(Program& p, float count) {
  lesson::LessonWork& w = p.work;
  // Single precision would merge neighbours from 16777217 on and write 0.1 + 3 as
  // 3.1000001: the terms are worked out from the digits as typed.
  const ExactNumber smallest = ExactNumber::FromEntry(p.input.InputText);
  const auto term = [&](float k) { return smallest + (static_cast<std::int64_t>(k) - 1); };
  const auto n = static_cast<std::int64_t>(count);
  const ExactNumber sum = n * term((count + 1) / 2);
  for (float k = 1; k <= count; ++k) w.TermValues(k) = term(k).Value();
  w.TermValues(count + 1) = sum.Value();
  lesson::FormatNumberArrays(p);
  w.TermTexts(1) = smallest.Text();
  float& k = p.values.TableIndex;
  for (k = 2; k <= count; ++k) w.TermTexts(k) = TermText(term(k));
  w.TermTexts(count + 1) = sum.Text();
}

void ExploreConsecutiveSums(Program& p, const ConsecutiveExploration& e) {
  StartSection(p, 1600, 67);
  p.layout.ColumnX = 40;
  lesson::ShowSteps(p, {
      {kAtOnce, e.question, 3, AtColumn(), Below(0)},
      {kKeyFirst, e.first_sum, 0, AtMargin(), Below(60)},
      {kKeyFirst, e.first_total, 3},
      {kKeyFirst, e.second_sum, 0, AtMargin(), Below(60)},
      {kKeyFirst, e.second_total, 3},
  });
  // One example line, written anew for every typed number; only 1 at the next step ends.
  lesson::LessonWork& w = p.work;
  w.SavedY(1) = p.layout.LineY + 60;
  lesson::RunDrill(p, [&] {
    lesson::EraseFrom(p, 0, w.SavedY(1), 1600, 120);
    lesson::DrawLessonText(p, "③ ", 0, p.layout.MarginX, w.SavedY(1));
    AskConsecutiveIntegers(p, e.count);
    std::string terms;
    for (float k = 1; k <= e.count; ++k) terms += w.TermTexts(k);
    lesson::ContinueLessonText(p, terms + "=", 0);
    lesson::WaitForKey(p);
    lesson::ContinueLessonText(p, w.TermTexts(e.count + 1), 3);
    lesson::AskNextStep(p);
  });
  p.layout.LineY = w.SavedY(1);
}

}  // namespace ostrel
