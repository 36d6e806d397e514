// The answers to 問1: six products and quotients of a polynomial and a number, one per key,
// (1) to (3) in a left column and (4) to (6) in a right one.
#include "corvane/multiply_divide/multiply_divide.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump ShowQuestion1Answers(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseScreen(p);
  l.ColumnX = 40;
  l.MarginX = l.ColumnX + 54;
  l.LineY = 30;
  // A working line with stacked fractions stands further below the line before it.
  lesson::ShowSteps(p, {
      {kAtOnce, "問1 解答", 3, AtMargin(), OnLine()},
      {kKeyFirst, "(1)", 3, AtColumn(), Below(60)},
      {kAtOnce, " 7(5x+4y)", 0},
      {kAtOnce, "=7*5x+7*4y", 0, AtMargin(), Below(50)},
      {kAtOnce, "=35x+28y", 5, AtMargin(), Below(50)},
      {kKeyFirst, "(2)", 3, AtColumn(), Below(60)},
      {kAtOnce, " -4(2a-3b)", 0},
      {kAtOnce, "=-4*2a-4*(-3b)", 0, AtMargin(), Below(50)},
      {kAtOnce, "=-8a+12b", 5, AtMargin(), Below(50)},
      {kKeyFirst, "(3)", 3, AtColumn(), Below(60)},
      {kAtOnce, " (12x-16y)*ﾀ1/4ﾀ", 0},
      {kAtOnce, "=12x*ﾀ1/4ﾀ-16y*ﾀ1/4ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=3x-4y", 5, AtMargin(), Below(60)},
  });
  // The right-hand column starts above the heading's line.
  l.ColumnX = 600;
  l.MarginX = l.ColumnX + 54;
  l.LineY = 15;
  lesson::ShowSteps(p, {
      {kKeyFirst, "(4)", 3, AtColumn(), OnLine()},
      {kAtOnce, " (-8x+6y)/2", 0},
      {kAtOnce, "=-ﾀ8x/2ﾀ+ﾀ6y/2ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-4x+3y", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(5)", 3, AtColumn(), Below(60)},
      {kAtOnce, " (5a-15b)/(-5)", 0},
      {kAtOnce, "=-ﾀ5a/5ﾀ+ﾀ15b/5ﾀ", 0, AtMargin(), Below(80)},
      {kAtOnce, "=-a+3b", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(6)", 3, AtColumn(), Below(60)},
      {kAtOnce, " (14a-7b)/(-ﾀ7/2ﾀ)", 0},
      {kAtOnce, "=(14a-7b)*(-ﾀ2/7ﾀ)", 0, AtMargin(), Below(70)},
      {kAtOnce, "=14a*(-ﾀ2/7ﾀ)-7b*(-ﾀ2/7ﾀ)", 0, AtMargin(), Below(70)},
      {kAtOnce, "=-4a+2b", 5, AtMargin(), Below(60)},
  });
  return {ShowMultiplyDivideMenu};
}

}  // namespace corvane
