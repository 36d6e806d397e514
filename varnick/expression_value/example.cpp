// ② Example 1: the value of (3x+5y)-(7x+2y) at x = 5, y = -1/3, worked two ways side by
// side, one line per key: substituting at once (left), and simplifying first (right), which
// is the shorter way and the method the comparison teaches.
#include "lessonlib/chapter_frame.h"
#include "varnick/expression_value/expression_value.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

lesson::Jump ShowExpressionValueExample(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 40;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "例1 ", 0, AtMargin(), Below(0)},
      {kAtOnce, "x=5,y=-ﾀ1/3ﾀ のとき、(3x+5y)-(7x+2y) の値", 3},
      // Substituting at once.
      {kKeyFirst, "解１　", 7, AtMargin(), Below(70)},
      {kAtOnce, "x=5,y=-ﾀ1/3ﾀ を代入して", 0},
      {kKeyFirst, "={3*5+5*(-ﾀ1/3ﾀ)}", 0, AtMargin(), Below(70)},
      {kKeyFirst, "     -{7*5+2*(-ﾀ1/3ﾀ)}", 0, AtMargin(), Below(70)},
      {kKeyFirst, "=15-ﾀ5/3ﾀ-(35-ﾀ2/3ﾀ)", 0, AtMargin(), Below(70)},
      {kKeyFirst, "=15-ﾀ5/3ﾀ-35+ﾀ2/3ﾀ", 0, AtMargin(), Below(70)},
      {kKeyFirst, "=15-35-ﾀ5/3ﾀ+ﾀ2/3ﾀ", 0, AtMargin(), Below(70)},
      {kKeyFirst, "=-20-ﾀ3/3ﾀ", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-20-1", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-21", 5},
  });
  // Simplifying first, in the right column below the heading.
  p.layout.MarginX = 720;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kKeyFirst, "解2　", 7, AtMargin(), Below(60)},
      {kAtOnce, "式を計算すると", 0},
      {kKeyFirst, "=3x+5y-7x-2y", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=3x-7x+5y-2y", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-4x+3y", 3, AtMargin(), Below(60)},
      {kKeyFirst, "x=5,y=-ﾀ1/3ﾀ を代入して", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-4*5+3*(-ﾀ1/3ﾀ)", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-20-1", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-21", 5, AtMargin(), Below(60)},
      {kKeyFirst, "式を簡単にしてから代入する", 3, AtMargin(), Below(60)},
  });
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
