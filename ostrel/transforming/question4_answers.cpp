// The answers of question 4 of page 29: four equations, each solved for the letter in 【】,
// in two columns on one screen drawn at once.
#include "lessonlib/chapter_frame.h"
#include "ostrel/step_names.h"
#include "ostrel/transforming/transforming.h"

namespace ostrel {

lesson::Jump ShowQuestion4Answers(Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  l.MarginX = 108;
  l.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "教科書P29 問4 解答", 3, AtMargin(), AtY(30)},
      {kAtOnce, "(1) y=ax  【a】", 0, AtMargin(-72), Below(70)},
      {kAtOnce, " 両辺をいれかえて", 7, AtMargin(), Below(50)},
      {kAtOnce, "ax=y", 0, AtMargin(), Below(50)},
      {kAtOnce, " 両辺をxでわって", 7, AtMargin(), Below(50)},
      {kAtOnce, "a=ﾀy/xﾀ", 5, AtMargin(), Below(60)},
      {kAtOnce, "(2) l=2πr  【r】", 0, AtMargin(-72), Below(60)},
      {kAtOnce, " 両辺をいれかえて", 7, AtMargin(), Below(50)},
      {kAtOnce, "2πr=l", 0, AtMargin(), Below(50)},
      {kAtOnce, " 両辺を2πでわって", 7, AtMargin(), Below(50)},
      {kAtOnce, "r=ﾀl/2πﾀ", 5, AtMargin(), Below(60)},
  });
  l.MarginX = 648;
  l.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(3) x+y=6  【x】", 0, AtMargin(-72), Below(60)},
      {kAtOnce, " yを移項して", 7, AtMargin(), Below(50)},
      {kAtOnce, "x=6-y", 5, AtMargin(), Below(50)},
      {kAtOnce, "(4) 2x-y=3  【y】", 0, AtMargin(-72), Below(60)},
      {kAtOnce, " 2xを移項して", 7, AtMargin(), Below(50)},
      {kAtOnce, "-y=-2x+3", 0, AtMargin(), Below(50)},
      {kAtOnce, " 両辺を-1でわって", 7, AtMargin(), Below(50)},
      {kAtOnce, "ﾀ-y/-1ﾀ=ﾀ-2x/-1ﾀ+ﾀ3/-1ﾀ", 0, AtMargin(), Below(60)},
      {kAtOnce, "y=2x-3", 5, AtMargin(), Below(60)},
  });
  return {ShowTransformingMenu};
}

}  // namespace ostrel
