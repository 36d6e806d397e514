// Section ① "P23": sums of three consecutive integers, two fixed and then from typed
// numbers, until the conjecture that they are multiples of 3 and the plan to explain it.
#include "lessonlib/chapter_frame.h"
#include "ostrel/explaining/explaining.h"

namespace ostrel {

namespace {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::AtY;
using lesson::Below;
using lesson::kCaption;
using lesson::kAtOnce;
using lesson::kKeyFirst;

constexpr ConsecutiveExploration kThreeSums{
    "Q 連続する3つの整数の和の性質を予想しよう。",
    "① 4+5+6=", "15",
    "② 11+12+13=", "36",
    3,
};

}  // namespace

lesson::Jump RunThreeSumExplore(lesson::Program& p) {
  ExploreConsecutiveSums(p, kThreeSums);
  // The conjecture stands right of the sums, the plan under the example line.
  const float example_y = p.work.SavedY(1);
  lesson::ShowSteps(p, {
      {kAtOnce, "<予想>", 7, AtColumn(440), AtY(example_y - 60), kCaption},
      {kAtOnce, "連続する3つの整数の和は、3の倍数である。", 3, AtColumn(440), AtY(example_y - 10),
       kCaption},
      {kKeyFirst, "予想が正しいことを、次の手順で説明しよう。", 7, AtColumn(), AtY(example_y + 70)},
      {kKeyFirst, "① ", 7, AtMargin(), Below(50)},
      {kAtOnce, "連続する3つの整数を文字で表す。", 0},
      {kKeyFirst, "② ", 7, AtMargin(), Below(50)},
      {kAtOnce, "連続する3つの整数の和を式で表し、計算する。", 0},
      {kKeyFirst, "③ ", 7, AtMargin(), Below(50)},
      {kAtOnce, "計算した式の意味を読みとる。", 0},
      {kKeyFirst, "④ ", 7, AtMargin(), Below(50)},
      {kAtOnce, "読みとったことから、結論を導く。", 0},
  });
  return {ShowExplainingMenu};
}

}  // namespace ostrel
