// ⑥ The answers to textbook question 3: four divisions of monomials in two columns, one per
// key, each written as one fraction with its powers written out and struck through in place.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

lesson::Jump ShowDivisionQuestion3Answers(lesson::Program& p) {
  StartStruckAnswerScreen(p);
  // Each problem opens with a blank cell.
  lesson::ShowSteps(p, {
      {kAtOnce, "問3 解答", 3, AtMargin(), Below(0)},
      {kAtOnce, "(1)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " (-6ab)/2a", 0},
      {kAtOnce, "=-ﾀ6ab/2aﾀ", 0, AtMargin(), Below(60)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹb/ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=-3b", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(2)", 3, AtMargin(-72), Below(80)},
      {kAtOnce, " 8x^2/x", 0},
      {kAtOnce, "=ﾀ8x^2/xﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ8xx/xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀ8ｹx/ｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=8x", 5, AtMargin(), Below(70)}});
  // The second column starts at the top again.
  lesson::WaitForKey(p);
  p.layout.MarginX = 684;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(3)", 3, AtMargin(-72), Below(0)},
      {kAtOnce, " (-9x^2y)/(-3y)", 0},
      {kAtOnce, "=ﾀ9x^2y/3yﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ9xxy/3yﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹxxｹ/ｹｹﾀ");
  lesson::ShowSteps(p, {
      {kAtOnce, "=3x^2", 5, AtMargin(), Below(70)},
      {kKeyFirst, "(4)", 3, AtMargin(-72), Below(60)},
      {kAtOnce, " 5a^2/(-10a^2)", 0},
      {kAtOnce, "=-ﾀ5a^2/10a^2ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-ﾀ5aa/10aaﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹｹ/ｹｹｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-ﾀ1/2ﾀ", 5, AtMargin(), Below(80)}});
  return {ShowMonomialDivisionMenu};
}

}  // namespace varnick
