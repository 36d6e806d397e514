// What solving for x means, shown on 2x+y=10, and four equations solved for x step by step
// in three columns.
#include "lessonlib/chapter_frame.h"
#include "ostrel/step_names.h"
#include "ostrel/transforming/transforming.h"

namespace ostrel {

namespace {

// Moves the text block to a new column at the top of the screen.
void StartColumn(Program& p, float margin) {
  p.layout.MarginX = margin;
  p.layout.LineY = 30;
}

}  // namespace

lesson::Jump ShowSolvingForX(Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 36;
  p.layout.LineY = 30;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      {kAtOnce, "<xについて解く>", 5, AtMargin(), AtY(30)},
      {kAtOnce, "2x+y=10…①", 0, AtMargin(), Below(50)},
      {kAtOnce, "x=5-ﾀy/2ﾀ…②", 0, AtMargin(), Below(60)},
      {kAtOnce, "①の等式から、", 0, AtMargin(), Below(60)},
      {kAtOnce, "②の式をつくることを", 0, AtMargin(), Below(50)},
      {kAtOnce, "xについて解く", 5, AtMargin(), Below(50)},
      {kAtOnce, "という。", 0},
  });
  // The questions go on below the explanation, their steps indented.
  p.layout.MarginX = 72;
  lesson::ShowSteps(p, {
      {kKeyFirst, "問　xについて解きなさい。", 3, AtMargin(-36), Below(100)},
      {kAtOnce, "(1)　x-y=2", 0, AtMargin(-72), Below(50)},
      {kKeyFirst, "-y を移項して", 3, AtMargin(36), Below(50)},
      {kAtOnce, " 　x=", 5, AtMargin(), Below(50)},
      {kKeyFirst, "2+y", 5},
  });
  StartColumn(p, 468);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(2)　2x-y=0", 0, AtMargin(-36), AtY(30)},
      {kKeyFirst, "-y を移項して", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "2x=y", 0, AtMargin(), Below(50)},
      {kKeyFirst, "両辺を2 でわって", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "x=", 5, AtMargin(), Below(60)},
      {kKeyFirst, "ﾀy/2ﾀ", 5},
      {kKeyFirst, "(3) ﾀ1/2ﾀx-y=0", 0, AtMargin(-36), Below(90)},
      {kKeyFirst, "-y を移項して", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "ﾀ1/2ﾀx=y", 0, AtMargin(), Below(70)},
      {kKeyFirst, "両辺に2 をかけて", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "x=", 5, AtMargin(), Below(60)},
      {kKeyFirst, "2y", 5},
  });
  StartColumn(p, 864);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(4)　2x-4y=7", 0, AtMargin(-36), AtY(30)},
      {kKeyFirst, "-4y を移項して", 3, AtMargin(36), Below(50)},
      {kKeyFirst, "2x=7+4y", 0, AtMargin(), Below(50)},
      {kKeyFirst, "両辺を2 でわって", 3, AtMargin(36), Below(50)},
      // Both "/" stand outside a fraction: they are division signs.
      {kKeyFirst, "2x/2=(7+4y)/2", 0, AtMargin(), Below(50)},
      {kKeyFirst, "ﾀ2x/2ﾀ=ﾀ7/2ﾀ+ﾀ4y/2ﾀ", 0, AtMargin(), Below(70)},
      {kKeyFirst, "x=ﾀ7/2ﾀ+2y", 5, AtMargin(), Below(90)},
  });
  return {ShowTransformingMenu};
}

}  // namespace ostrel
