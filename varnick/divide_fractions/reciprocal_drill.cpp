// ② The reciprocal drill: nine terms in turn, from whole coefficients to fractional ones
// with powers. Each term, then (for a fractional coefficient) the term as one fraction with
// its letters over the bar, then its reciprocal; until 1 is entered, after which the note on
// letters with a fractional coefficient closes the drill.
#include <iterator>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_fractions/divide_fractions.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// The term, its fraction form (none for a whole coefficient) and its reciprocal.
constexpr lesson::DrillRow kReciprocals[] = {
    {"2x", "", "ﾀ1/2xﾀ"},
    {"-3a", "", "-ﾀ1/3aﾀ"},
    {"ﾀ3/2ﾀx", "=ﾀ3x/2ﾀ", "ﾀ2/3xﾀ"},
    {"-ﾀ3/5ﾀy", "=-ﾀ3y/5ﾀ", "-ﾀ5/3yﾀ"},
    {"ﾀ2/3ﾀa^2", "=ﾀ2a^2/3ﾀ", "ﾀ3/2a^2ﾀ"},
    {"-ﾀ2/3ﾀb^2", "=-ﾀ2b^2/3ﾀ", "-ﾀ3/2b^2ﾀ"},
    {"ﾀ2/3ﾀab", "=ﾀ2ab/3ﾀ", "ﾀ3/2abﾀ"},
    {"-ﾀ5/3ﾀabc", "=-ﾀ5abc/3ﾀ", "-ﾀ3/5abcﾀ"},
    {"ﾀ2/3ﾀx^3y^2", "=ﾀ2x^3y^2/3ﾀ", "ﾀ3/2x^3y^2ﾀ"},
};

void ShowReciprocal(lesson::Program& p) {
  lesson::StoreDrillTable(p, kReciprocals);
  lesson::PickNextItem(p, static_cast<float>(std::size(kReciprocals)));
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  const float item = p.layout.DrillItem;
  const lesson::LessonWork& w = p.work;
  lesson::ShowSteps(p, {
      {kAtOnce, "Q　逆数をいいなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, w.TermTexts(item), 0, AtMargin(88), Below(140)},
      {kKeyFirst, w.TermTexts(10 + item), 0},
      {kKeyFirst, "逆数は、", 0, AtMargin(44), Below(120)},
      {kAtOnce, w.TermTexts(20 + item), 5},
  });
  lesson::AskNextStep(p);
}

}  // namespace

lesson::Jump RunReciprocalDrill(lesson::Program& p) {
  lesson::RunDrill(p, [&p] { ShowReciprocal(p); });
  // Under the last term.
  lesson::ShowSteps(p, {
      {kKeyFirst, kLettersOverTheBar, 5, AtMargin(44), Below(120)},
      {kAtOnce, kLettersOverTheBarEnd, 5, AtMargin(44), Below(60)},
  });
  return {ShowFractionDivisionMenu};
}

}  // namespace varnick
