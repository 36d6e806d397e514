// The method of dividing monomials, beside 例3-3 and after the practice: decide the sign,
// write the quotient as a fraction, reduce it (letters too).
#include "lessonlib/chapter_frame.h"
#include "varnick/divide_monomials/divide_monomials.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;

void DrawMonomialDivisionRulesPanel(lesson::Program& p) {
  p.layout.MarginX = 600;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "<単項式の除法>", 5, AtMargin(40), Below(0)},
      {kAtOnce, kSignStep, 3, AtMargin(), Below(60)},
      {kAtOnce, "② 分数の形にする。", 3, AtMargin(), Below(60)},
      {kAtOnce, "③ 約分する。", 3, AtMargin(), Below(60)},
      {kAtOnce, kLettersReduceToo, 5},
  });
}

}  // namespace varnick
