// ⑥ 話しあおう: two wrong calculations side by side under the question; then, a key each,
// what the first did wrong, its correct working (struck through in place), what the second
// did wrong and its correct working.
//   (1) 18ab ÷ 3a × 2b worked as 18ab ÷ 6ab = 3: 3a × 2b was computed first.
//   (2) 4xy ÷ (-2/3 x) worked as 4xy × (-3/2 x): -3/2 x taken as the reciprocal of -2/3 x.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/answer_screens.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/strokes.h"

namespace varnick {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// Item `item`'s column, where its wrong calculation ended: the second half of the screen
// goes on under it.
void KeepItemEnd(lesson::Program& p, float item) {
  p.work.SavedX(item) = p.layout.ColumnX;
  p.work.SavedY(item) = p.layout.LineY;
}

void ResumeItem(lesson::Program& p, float item) {
  p.layout.ColumnX = p.work.SavedX(item);
  p.layout.MarginX = p.layout.ColumnX + 54;
  p.layout.LineY = p.work.SavedY(item);
}

}  // namespace

lesson::Jump ShowFindTheErrorDiscussion(lesson::Program& p) {
  lesson::EraseScreen(p);
  StartAnswerColumn(p, 40);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      {kAtOnce, "どこが誤りですか。正しい計算は。", 7, AtColumn(), Below(0)},
      {kAtOnce, "(1)", 3, AtColumn(), Below(50)},
      {kAtOnce, "18ab/3a*2b", 0},
      {kAtOnce, "=18ab/6ab", 0, AtMargin(), Below(50)},
      {kAtOnce, "=3", 0, AtMargin(), Below(50)},
  });
  KeepItemEnd(p, 1);
  // Item (2) on the question's line, at the right.
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      {kAtOnce, "(2)", 3, AtColumn(), Below(0)},
      {kAtOnce, "4xy/(-ﾀ2/3ﾀx)", 0},
      {kAtOnce, "=4xy*(-ﾀ3/2ﾀx)", 0, AtMargin(), Below(70)},
      {kAtOnce, "=-6x^2y", 0, AtMargin(), Below(70)},
  });
  KeepItemEnd(p, 2);

  lesson::WaitForKey(p);
  ResumeItem(p, 1);
  lesson::ShowSteps(p, {
      {kAtOnce, "3a*2bを先に計算して、", 5, AtMargin(), Below(60)},
      {kAtOnce, "6abでわっている。", 5, AtMargin(), Below(60)},
      {kKeyFirst, " 18ab/3a*2b", 0, AtMargin(), Below(80)},
      {kAtOnce, "=ﾀ18ab*2b/3aﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=ﾀｹｹｹb*2b/ｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=12b^2", 5, AtMargin(), Below(80)}});

  lesson::WaitForKey(p);
  ResumeItem(p, 2);
  lesson::ShowSteps(p, {
      {kAtOnce, "-ﾀ2/3ﾀxの逆数を-ﾀ3/2ﾀxとしてかけている。", 5, AtColumn(), Below(60)},
      {kKeyFirst, " 4xy/(-ﾀ2/3ﾀx)", 0, AtMargin(), Below(80)},
      {kAtOnce, "=4xy*(-ﾀ3/2xﾀ)", 0, AtMargin(), Below(80)},
      // The product as one fraction: 4 and 2, x and x cancel.
      {kAtOnce, "=-ﾀ4xy*3/2xﾀ", 0, AtMargin(), Below(80)},
  });
  DrawStrikeThroughOverlay(p, "=-ﾀｹｹy*3/ｹｹﾀ");
  lesson::ShowSteps(p, {{kAtOnce, "=-6y", 5, AtMargin(), Below(80)}});
  return {ShowMixedMultiplyDivideMenu};
}

}  // namespace varnick
