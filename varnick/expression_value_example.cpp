// ② Example 1: the value of (3x+5y)-(7x+2y) at x = 5, y = -1/3, worked two ways side by
// side, one line per key: substituting at once (left), and simplifying first (right), which
// is the shorter way and the method the comparison teaches.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/erase_box.h"
#include "varnick/expression_value.h"

namespace varnick {

namespace {

// After a key, a new line `step` below the last one at MarginX.
void NextLine(lesson::Program& p, const char* text, float step, float colour = 0) {
  lesson::WaitForKey(p);
  lesson::DrawLessonText(p, text, colour, p.layout.MarginX, p.layout.LineY + step);
}

}  // namespace

lesson::Jump ShowExpressionValueExample(lesson::Program& p) {
  EraseBox(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 40;
  p.layout.LineY = 30;
  lesson::DrawLessonText(p, "例1 ", 0, p.layout.MarginX, p.layout.LineY);
  lesson::ContinueLessonText(p, "x=5,y=-ﾀ1/3ﾀ のとき、(3x+5y)-(7x+2y) の値", 3);

  // Substituting at once.
  NextLine(p, "解１　", 70, 7);
  lesson::ContinueLessonText(p, "x=5,y=-ﾀ1/3ﾀ を代入して", 0);
  NextLine(p, "={3*5+5*(-ﾀ1/3ﾀ)}", 70);
  NextLine(p, "     -{7*5+2*(-ﾀ1/3ﾀ)}", 70);
  NextLine(p, "=15-ﾀ5/3ﾀ-(35-ﾀ2/3ﾀ)", 70);
  NextLine(p, "=15-ﾀ5/3ﾀ-35+ﾀ2/3ﾀ", 70);
  NextLine(p, "=15-35-ﾀ5/3ﾀ+ﾀ2/3ﾀ", 70);
  NextLine(p, "=-20-ﾀ3/3ﾀ", 60);
  NextLine(p, "=-20-1", 60);
  lesson::WaitForKey(p);
  lesson::ContinueLessonText(p, "=-21", 5);

  // Simplifying first, in the right column below the heading.
  p.layout.MarginX = 720;
  p.layout.LineY = 30;
  NextLine(p, "解2　", 60, 7);
  lesson::ContinueLessonText(p, "式を計算すると", 0);
  NextLine(p, "=3x+5y-7x-2y", 60);
  NextLine(p, "=3x-7x+5y-2y", 60);
  NextLine(p, "=-4x+3y", 60, 3);
  NextLine(p, "x=5,y=-ﾀ1/3ﾀ を代入して", 60);
  NextLine(p, "=-4*5+3*(-ﾀ1/3ﾀ)", 60);
  NextLine(p, "=-20-1", 60);
  NextLine(p, "=-21", 60, 5);
  NextLine(p, "式を簡単にしてから代入する", 60, 3);
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
