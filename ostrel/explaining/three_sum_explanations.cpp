// Section ② "３数和説明": the conjecture of section ① explained in fill-in form, first with
// the smallest integer as n (Q1) and a further property read from 3(n+1) (Q2), then with the
// middle integer as n (Q3).
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/fill_in_boxes.h"

namespace ostrel {

namespace {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::AfterText;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

constexpr FillInBox kSmallestBoxes[] = {
    {1, 90, "n+1"},   {2, 90, "n+2"},    {3, 135, "(n+1)"}, {4, 135, "(n+2)"},
    {5, 120, "3n+3"}, {6, 165, "3(n+1)"}, {7, 90, "n+1"},
};

// Q2's box stands empty in a colour-7 border until it is filled.
constexpr FillInStyle kEmptyBox{.border = 7, .numbered = false};
constexpr FillInBox kPropertyBox[] = {{7, 300, "真ん中の数の3倍"}};

constexpr FillInBox kMiddleBoxes[] = {
    {1, 90, "n-1"}, {2, 90, "n+1"}, {3, 135, "n-1"}, {4, 135, "n+1"}, {5, 120, "3n"},
};

void StartScreen(Program& p) {
  StartSection(p, 1760, 94);
  p.layout.ColumnX = 40;
}

void ExplainWithSmallest(Program& p) {
  StartScreen(p);
  ShowExplanation(p, kFillInBoxes, kSmallestBoxes, {
      {{kAtOnce, "Q1　連続する3つの整数の和は3の倍数になることを、", 0, AtColumn(), Below(0)}},
      {{kAtOnce, "文字を使って説明しなさい。", 0, AtMargin(), Below(50)}},
      {{kKeyFirst, "＜説明＞", 3, AtMargin(), Below(60)}},
      {{kAtOnce, "最も小さい整数をnとすると、連続する3つの整数は、", 0, AtMargin(), Below(60)}},
      {{kAtOnce, "n,", 3, AtMargin(), Below(60)}},
      BoxRow(1),
      {{kAtOnce, ",", 3, AfterText(10)}},
      BoxRow(2),
      {{kAtOnce, "と表される。これらの和は", 0, AfterText(10)}},
      {{kAtOnce, "n+", 0, AtMargin(), Below(60)}},
      BoxRow(3),
      {{kAtOnce, "+", 0, AfterText(10)}},
      BoxRow(4),
      {{kAtOnce, "=", 0, AfterText(10)}},
      BoxRow(5),
      {{kAtOnce, "=", 0, AfterText(10)}},
      BoxRow(6),
      BoxRow(7, AtMargin(), Below(60)),
      {{kAtOnce, "は整数だから、3の倍数になる。したがって、", 0, AfterText(10)}},
      {{kAtOnce, "連続する3つの整数の和は3の倍数である。", 0, AtMargin(), Below(50)}},
  });
  FillInTurn(p, kFillInBoxes, kSmallestBoxes);
}

// On the same screen, 140 below the line of the last filled box.
void FindAnotherProperty(Program& p) {
  ShowExplanation(p, kEmptyBox, kPropertyBox, {
      {{kKeyFirst, "Q2 説明の 3(n+1) から、ほかの性質を見つけなさい。", 0, AtColumn(), Below(140)}},
      {{kAtOnce, "連続する3つの整数の和は、", 0, AtMargin(), Below(60)}},
      BoxRow(7),
      {{kAtOnce, "になる。", 0, AfterText(10)}},
  });
  FillInTurn(p, kFillInBoxes, kPropertyBox);
  lesson::WaitForKey(p);
  lesson::WaitForKey(p);
}

void ExplainWithMiddle(Program& p) {
  StartScreen(p);
  ShowExplanation(p, kFillInBoxes, kMiddleBoxes, {
      {{kAtOnce, "Q3　連続する3つの整数の和は3の倍数であることを、", 0, AtColumn(), Below(0)}},
      {{kAtOnce, "中央の整数をnとして説明しなさい。", 0, AtMargin(), Below(50)}},
      {{kKeyFirst, "＜説明＞", 3, AtMargin(), Below(60)}},
      {{kAtOnce, "中央の整数をnとすると、連続する3つの整数は、", 0, AtMargin(), Below(60)}},
      BoxRow(1, AtMargin(), Below(60)),
      {{kAtOnce, ",n,", 3, AfterText(10)}},
      BoxRow(2),
      {{kAtOnce, "と表される。これらの和は", 0, AfterText(10)}},
      BoxRow(3, AtMargin(), Below(60)),
      {{kAtOnce, "+n+", 0, AfterText(10)}},
      BoxRow(4),
      {{kAtOnce, "=", 0, AfterText(10)}},
      BoxRow(5),
      {{kAtOnce, "nは整数だから、3の倍数になる。", 0, AtMargin(), Below(60)}},
      {{kAtOnce, "したがって、連続する3つの整数の和は3の倍数である。", 0, AtMargin(), Below(60)}},
  });
  FillInTurn(p, kFillInBoxes, kMiddleBoxes);
}

}  // namespace

lesson::Jump ShowThreeSumExplanations(Program& p) {
  ExplainWithSmallest(p);
  FindAnotherProperty(p);
  ExplainWithMiddle(p);
  return {ShowExplainingMenu};
}

}  // namespace ostrel
