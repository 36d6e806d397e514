// ④ The answers to textbook question 5 on page 19: two expressions simplified and then
// valued at a = -1/6, b = 3, in two columns with a key between them.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/expression_value.h"

namespace varnick {

namespace {

// A problem's label 72 left of the column, with the problem continuing its line.
void ProblemLine(lesson::Program& p, const char* label, const char* problem) {
  lesson::DrawLessonText(p, label, 3, p.layout.MarginX - 72, p.layout.LineY + 60);
  lesson::ContinueLessonText(p, problem, 0);
}

void NextLine(lesson::Program& p, const char* text, float step, float colour = 0) {
  lesson::DrawLessonText(p, text, colour, p.layout.MarginX, p.layout.LineY + step);
}

}  // namespace

lesson::Jump ShowValueQuestion5Answers(lesson::Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 108;
  p.layout.LineY = 30;
  // The answers' strokes are drawn 5 wide, and the width stays for the screens that follow.
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::DrawLessonText(p, "問5 解答", 3, p.layout.MarginX, p.layout.LineY);
  ProblemLine(p, "(1)", " 2a-3b+5b-8a");
  NextLine(p, "=2a-8a-3b+5b", 60);
  NextLine(p, "=-6a+2b", 60);
  NextLine(p, "a=-ﾀ1/6ﾀ ,b=3　を代入して", 70);
  NextLine(p, "=-6*(-ﾀ1/6ﾀ)+2*3", 80);
  NextLine(p, "=1+6", 80);
  NextLine(p, "=7", 80, 5);
  lesson::WaitForKey(p);

  p.layout.MarginX = 684;
  p.layout.LineY = 30;
  ProblemLine(p, "(2)", " 5(4a-3b)-4(2a-5b)");
  NextLine(p, "=20a-15b-8a+20b", 60);
  NextLine(p, "=20a-8a-15b+20b", 60);
  NextLine(p, "=12a+5b", 60);
  NextLine(p, "a=-ﾀ1/6ﾀ ,b=3　を代入して", 70);
  NextLine(p, "=12*(-ﾀ1/6ﾀ)+5*3", 60);
  NextLine(p, "=-2+15", 60);
  NextLine(p, "=13", 60, 5);
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
