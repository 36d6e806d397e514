// The four rules for finding the value of an expression, beside the practice: simplify
// first, go back to the written-out form with its multiplication signs, put negative numbers
// in brackets, and more than one letter may be given a value.
#include "lessonlib/chapter_frame.h"
#include "varnick/expression_value.h"

namespace varnick {

void DrawValueRulesPanel(lesson::Program& p) {
  p.layout.MarginX = 680;
  p.layout.LineY = 30;
  lesson::DrawLessonText(p, "<式の値の求め方>", 5, p.layout.MarginX + 80, p.layout.LineY);
  lesson::DrawLessonText(p, "①", 7, p.layout.MarginX, p.layout.LineY + 50);
  lesson::ContinueLessonText(p, "式を簡単にしてから代入する", 3);
  lesson::DrawLessonText(p, "②", 7, p.layout.MarginX, p.layout.LineY + 50);
  lesson::ContinueLessonText(p, "代入するときは、", 0);
  lesson::DrawLessonText(p, "文字式の表し方に戻る", 3, p.layout.MarginX + 60, p.layout.LineY + 50);
  lesson::DrawLessonText(p, "③", 7, p.layout.MarginX, p.layout.LineY + 50);
  lesson::ContinueLessonText(p, "負の数を代入するときは、", 0);
  lesson::DrawLessonText(p, "（　）をつける", 3, p.layout.MarginX + 60, p.layout.LineY + 50);
  lesson::DrawLessonText(p, "④", 7, p.layout.MarginX, p.layout.LineY + 50);
  lesson::ContinueLessonText(p, "2文字以上に代入する場合もある", 0);
}

}  // namespace varnick
