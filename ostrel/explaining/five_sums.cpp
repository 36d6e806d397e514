// Section ③ "５数和": sums of five consecutive integers, two fixed and then from typed
// numbers, the two conjectures, and the first one explained in fill-in form with the middle
// integer as n.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/fill_in_boxes.h"

namespace ostrel {

namespace {

using lesson::AfterText;
using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

constexpr ConsecutiveExploration kFiveSums{
    "Q4 連続する5つの整数の和の性質を予想しよう。",
    "① 4+5+6+7+8=", "30",
    "② 11+12+13+14+15=", "65",
    5,
};

constexpr FillInBox kMiddleBoxes[] = {
    {1, 90, "n-2"}, {2, 90, "n-1"}, {3, 90, "n+1"}, {4, 90, "n+2"}, {5, 90, "n-2"},
    {6, 90, "n-1"}, {7, 90, "n+1"}, {8, 90, "n+2"}, {9, 90, "5n"},
};

void ShowConjectures(Program& p) {
  lesson::ShowSteps(p, {
      {kAtOnce, "<予想>", 7, AtColumn(), Below(70)},
      {kKeyFirst, "連続する5つの整数の和は5の倍数になる。", 3, AtMargin(), Below(50)},
      {kKeyFirst, "連続する5つの整数の和は真ん中の数の5倍になる。", 3, AtMargin(), Below(50)},
      {kKeyFirst, "文字を使って説明しよう。", 7, AtMargin(), Below(50)},
  });
  lesson::WaitForKey(p);
  lesson::WaitForKey(p);
}

void ExplainWithMiddle(Program& p) {
  StartSection(p, 1760, 94);
  p.layout.ColumnX = 40;
  ShowExplanation(p, kFillInBoxes, kMiddleBoxes, {
      {{kAtOnce, "Q4　連続する5つの整数の和は5の倍数になることを、", 0, AtColumn(), Below(0)}},
      {{kAtOnce, "中央の整数をnとして説明しなさい。", 0, AtMargin(), Below(50)}},
      {{kKeyFirst, "＜説明＞", 3, AtMargin(), Below(60)}},
      {{kAtOnce, "中央の整数をnとすると、連続する5つの整数は、", 0, AtMargin(), Below(60)}},
      BoxRow(1, AtMargin(), Below(60)),
      {{kAtOnce, ",", 3, AfterText(10)}},
      BoxRow(2),
      {{kAtOnce, ",n,", 3, AfterText(10)}},
      BoxRow(3),
      {{kAtOnce, ",", 3, AfterText(10)}},
      BoxRow(4),
      {{kAtOnce, "と表される。", 0, AfterText(10)}},
      {{kAtOnce, "これらの和は", 0, AtMargin(), Below(60)}},
      BoxRow(5, AtMargin(), Below(60)),
      {{kAtOnce, "+", 0, AfterText(10)}},
      BoxRow(6),
      {{kAtOnce, "+n+", 0, AfterText(10)}},
      BoxRow(7),
      {{kAtOnce, "+", 0, AfterText(10)}},
      BoxRow(8),
      {{kAtOnce, "=", 0, AfterText(10)}},
      BoxRow(9),
      {{kAtOnce, "nは整数だから、5の倍数になる。", 0, AtMargin(), Below(60)}},
      {{kAtOnce, "したがって、連続する5つの整数の和は5の倍数になる。", 0, AtMargin(), Below(60)}},
  });
  FillInTurn(p, kFillInBoxes, kMiddleBoxes);
}

}  // namespace

lesson::Jump RunFiveSumExplore(Program& p) {
  ExploreConsecutiveSums(p, kFiveSums);
  ShowConjectures(p);
  ExplainWithMiddle(p);
  return {ShowExplainingMenu};
}

}  // namespace ostrel
