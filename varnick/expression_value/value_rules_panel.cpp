// The four rules for finding the value of an expression, beside the practice: simplify
// first, go back to the written-out form with its multiplication signs, put negative numbers
// in brackets, and more than one letter may be given a value.
#include "lessonlib/chapter_frame.h"
#include "varnick/expression_value/expression_value.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;

void DrawValueRulesPanel(lesson::Program& p) {
  p.layout.MarginX = 680;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "<式の値の求め方>", 5, AtMargin(80), Below(0)},
      {kAtOnce, "①", 7, AtMargin(), Below(50)},
      {kAtOnce, "式を簡単にしてから代入する", 3},
      {kAtOnce, "②", 7, AtMargin(), Below(50)},
      {kAtOnce, "代入するときは、", 0},
      {kAtOnce, "文字式の表し方に戻る", 3, AtMargin(60), Below(50)},
      {kAtOnce, "③", 7, AtMargin(), Below(50)},
      {kAtOnce, "負の数を代入するときは、", 0},
      {kAtOnce, "（　）をつける", 3, AtMargin(60), Below(50)},
      {kAtOnce, "④", 7, AtMargin(), Below(50)},
      {kAtOnce, "2文字以上に代入する場合もある", 0},
  });
}

}  // namespace varnick
