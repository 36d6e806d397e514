// The two summaries of the chapter: the rules for an expression times or divided by a number
// (m(a+b)=ma+mb with its distribution arcs, and division by the reciprocal), drawn at once.
// The second one then sends the class to question 1.
#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// The summary's rules under `title`. The arcs are drawn at the width the screens before left:
// this screen sets none.
void ShowSummaryRules(lesson::Program& p, const char* title) {
  p.layout.LineY = 18;
  lesson::EraseFrom(p, 0, 0, 1760, 1300);
  lesson::ShowSteps(p, {
      {kAtOnce, title, 3, AtX(88), OnLine()},
      {kAtOnce, "① ( )があるときは、分配法則を利用してかっこをはずす", 0, AtX(44), Below(65)},
      {kAtOnce, "m(a+b)=ma+mb", 0, AtX(132), Below(95)},
  });
  // From the m to the a and to the b, on the formula's top edge.
  const float y = p.layout.LineY;
  DrawArc(p, {150, y, 150 + 60, y, 3, -1, 1});
  DrawArc(p, {150, y, 150 + 108, y, 7, -1, 2});
  lesson::ShowSteps(p, {{kAtOnce, "② 除法は逆数をかけ、約分する", 0, AtX(44), Below(65)}});
}

}  // namespace

lesson::Jump ShowMultiplyDivideSummary1(lesson::Program& p) {
  ShowSummaryRules(p, "<文字式と数の乗法・除法>");
  return {ShowMultiplyDivideMenu};
}

lesson::Jump ShowMultiplyDivideSummary(lesson::Program& p) {
  ShowSummaryRules(p, "<多項式×数、多項式÷数>");
  lesson::ShowSteps(p, {{kKeyFirst, "教科書P17 問1　をしなさい。", 0, AtX(44), AtY(570)}});
  return {ShowMultiplyDivideMenu};
}

}  // namespace corvane
