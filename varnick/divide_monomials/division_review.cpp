// ① Review of dividing numbers: 15 ÷ (-6) under the three step captions, the sign first,
// then the fraction, struck where it stands: the denominator's 6 to 2, then the numerator's
// 15 to 5.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeyFirst;
using lesson::OnLine;

lesson::Jump ShowDivisionReview(lesson::Program& p) {
  StartDivisionScreen(p);
  // The captions stand beside the problem line just drawn.
  lesson::ShowSteps(p, {
      {kAtOnce, "復習　次の計算をしなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, "15/(-6)", 0, AtMargin(88), Below(60)},
      {kKeyFirst, kSignStep, 3, AtMargin(484), OnLine(), kCaption},
      {kKeyFirst, "=-", 0, AtMargin(44), Below(120)},
      {kKeyFirst, kFractionStep, 3, AtMargin(484), OnLine(), kCaption},
  });
  lesson::WaitForKey(p);
  DrawStrokedFraction(p, "ﾀ15/6ﾀ");
  SetWorkedStrokeAnchors(p);
  lesson::ShowSteps(p, {{kKeyFirst, kReduceStep, 3, AtMargin(484), Below(120), kCaption}});
  DrawCancelMarks(p, {
      {kKeyFirst, 11, 1, "2"},
      {kKeyFirst, 1, 2, "5"},
  });
  lesson::ShowSteps(p, {{kKeyFirst, "=-ﾀ5/2ﾀ", 5, AtMargin(44), Below(140)}});
  return {ShowMonomialDivisionMenu};
}

}  // namespace varnick
