// ① Review of dividing by a fraction: -3/2 ÷ 3/4 becomes -(3/2 × 4/3), the sign first, then
// the reciprocal; the factors are struck in pairs where they stand, the first fraction's
// denominator with the second's numerator, then the second's denominator with the first's
// numerator, and -2 follows.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kCaption;
using lesson::kKeyFirst;
using lesson::OnLine;

lesson::Jump ShowFractionDivisionReview(lesson::Program& p) {
  StartDivisionScreen(p);
  // The notes stand beside the line they belong to.
  lesson::ShowSteps(p, {
      {kAtOnce, "復習　次の計算をしなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, "-ﾀ3/2ﾀ/ﾀ3/4ﾀ", 0, AtMargin(88), Below(70)},
      {kKeyFirst, kReciprocalStep, 3, AtMargin(484), OnLine(), kCaption},
      {kKeyFirst, "=-", 0, AtMargin(44), Below(120)},
  });
  DrawStrokedFraction(p, "ﾀ3/2ﾀ*ﾀ4/3ﾀ");
  // Both fractions' cells from the second one's layout; the second fraction's anchors lie
  // 70 right of the first's (11 inside its left edge, as the textbook screen has them).
  SetStrokeAnchors(p);
  SetAnchorRightOf(p, 2, 1, 70);
  SetAnchorRightOf(p, 12, 11, 70);
  lesson::ShowSteps(p, {{kKeyFirst, kCancelStep, 3, AtMargin(484), OnLine(), kCaption}});
  DrawCancelMarks(p, {
      {kKeyFirst, 11, 1, "1"},
      {kAtOnce, 2, 1, "2"},
      {kKeyFirst, 12, 1, "1"},
      {kAtOnce, 1, 1, "1"},
  });
  lesson::ShowSteps(p, {{kKeyFirst, "=-2", 5, AtMargin(44), Below(140)}});
  return {ShowFractionDivisionMenu};
}

}  // namespace varnick
