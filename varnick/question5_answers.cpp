// ④ The answers to textbook question 5 on page 19: two expressions simplified and then
// valued at a = -1/6, b = 3, in two columns with a key between them.
#include <initializer_list>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/expression_value.h"

namespace varnick {

namespace {

struct AnswerLine {
  const char* text;
  float step;  // below the line before
  float colour;
};

// One problem's column from MarginX: its label 72 to the left with the problem continuing
// the label's line, then the working, each line at its step below the one before.
void DrawAnswerColumn(lesson::Program& p, const char* label, const char* problem,
                      std::initializer_list<AnswerLine> lines) {
  lesson::DrawLessonText(p, label, 3, p.layout.MarginX - 72, p.layout.LineY + 60);
  lesson::ContinueLessonText(p, problem, 0);
  for (const AnswerLine& line : lines) {
    lesson::DrawLessonText(p, line.text, line.colour, p.layout.MarginX, p.layout.LineY + line.step);
  }
}

}  // namespace

lesson::Jump ShowValueQuestion5Answers(lesson::Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 108;
  p.layout.LineY = 30;
  // The answers' strokes are drawn 5 wide, and the width stays for the screens that follow.
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::DrawLessonText(p, "問5 解答", 3, p.layout.MarginX, p.layout.LineY);
  DrawAnswerColumn(p, "(1)", " 2a-3b+5b-8a",
                   {{"=2a-8a-3b+5b", 60, 0},
                    {"=-6a+2b", 60, 0},
                    {"a=-ﾀ1/6ﾀ ,b=3　を代入して", 70, 0},
                    {"=-6*(-ﾀ1/6ﾀ)+2*3", 80, 0},
                    {"=1+6", 80, 0},
                    {"=7", 80, 5}});
  lesson::WaitForKey(p);

  p.layout.MarginX = 684;
  p.layout.LineY = 30;
  DrawAnswerColumn(p, "(2)", " 5(4a-3b)-4(2a-5b)",
                   {{"=20a-15b-8a+20b", 60, 0},
                    {"=20a-8a-15b+20b", 60, 0},
                    {"=12a+5b", 60, 0},
                    {"a=-ﾀ1/6ﾀ ,b=3　を代入して", 70, 0},
                    {"=12*(-ﾀ1/6ﾀ)+5*3", 60, 0},
                    {"=-2+15", 60, 0},
                    {"=13", 60, 5}});
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
