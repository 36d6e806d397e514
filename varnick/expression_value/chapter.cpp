// Chapter 1, the value of an expression: entry, goal screen and sub-menu.
#include "lessonlib/chapter_frame.h"
#include "varnick/expression_value/expression_value.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunExpressionValueChapter(lesson::Program& p) {
  ShowExpressionValueGoal(p);
  return {ShowExpressionValueMenu};
}

void ShowExpressionValueGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"式の値を簡単に求める方法を考えよう。"});
}

lesson::Jump ShowExpressionValueMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①復習　②例１　③練習　④問5　⑤終了",
                            {ShowExpressionValueReview, ShowExpressionValueExample,
                             RunExpressionValuePractice, ShowValueQuestion5Answers, ShowMainMenu},
                            ShowExpressionValueMenu);
}

}  // namespace varnick
