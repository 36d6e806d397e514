// Multiples of 3, even numbers and odd numbers written with the letter n: the set of
// numbers, the form all of them share, then the expression, built up at key presses.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"

namespace ostrel {

namespace {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

// Draws a text at (x, y) and leaves the lesson layout alone.
void DrawTextAt(Program& p, const std::string& text, float colour, float x, float y) {
  p.text.TextToDraw = text;
  p.text.TextColour = colour;
  p.text.TextX = x;
  p.text.TextY = y;
  lesson::DrawText(p);
}

// One column of the multiples table: TermTexts(first..last) at x, row r at LineY + 50·r.
// The rows hang from the line above the table, so the lesson layout stays where it is.
void DrawTableColumn(Program& p, float x, float colour, float first, float last,
                     bool wait_after_each_row) {
  float& row = p.values.TableIndex;
  for (row = first; row <= last; ++row) {
    DrawTextAt(p, p.work.TermTexts(row), colour, x, p.layout.LineY + 50 * row);
    if (wait_after_each_row) lesson::WaitForKey(p);
  }
}

// A set first shows its positive members only; after a key the whole set takes its place.
void CompleteSetLine(Program& p, const char* whole_set, float colour) {
  lesson::WaitForKey(p);
  lesson::EraseFrom(p, p.layout.MarginX, p.layout.LineY - 4, 1320, 55);
  lesson::ShowSteps(p, {{kAtOnce, whole_set, colour, AtMargin(), Below(0)}});
}

}  // namespace

lesson::Jump ShowMultiples(Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "問1　nを整数とするとき、3の倍数をnを使って表しなさい。", 0, AtMargin(), Below(0)},
      {kKeyFirst, "n=｛            1,2,3,…｝", 3, AtMargin(), Below(50)},
  });
  CompleteSetLine(p, "n=｛…-3,-2,-1,0,1,2,3,…｝", 3);
  lesson::ShowSteps(p, {{kKeyFirst, "３の倍数=｛            3,6,9,…｝", 5, AtMargin(), Below(50)}});
  CompleteSetLine(p, "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝", 5);
  lesson::WaitForKey(p);

  // The table below the set of multiples: 3k = 3 × k for k = -3 to 3, rows 2 to 8, with
  // an ellipsis above and below the multiples.
  p.work.TermTexts(1) = " …";
  p.work.TermTexts(9) = " …";
  for (float k = -3; k <= 3; ++k) p.work.TermTexts(k + 5) = platform::PfSTR244(3 * k);
  DrawTableColumn(p, p.layout.MarginX, 5, 1, 9, false);
  lesson::WaitForKey(p);
  for (float row = 2; row <= 8; ++row) p.work.TermTexts(row) = "=3*";
  DrawTableColumn(p, p.layout.MarginX + 88, 0, 2, 8, false);
  lesson::WaitForKey(p);
  for (float k = -3; k <= 3; ++k) {
    const std::string factor = platform::PfSTR244(k);
    p.work.TermTexts(k + 5) = k < 0 ? "(" + factor + ")" : factor;
  }
  DrawTableColumn(p, 220, 3, 2, 8, true);

  p.layout.MarginX = 528;
  p.layout.LineY = 200;
  lesson::ShowSteps(p, {
      {kAtOnce, "３の倍数は、", 0, AtMargin(), Below(50)},
      {kKeyFirst, "3*整数　", 5},
      {kAtOnce, "の形をしているから、", 0, AtMargin(), Below(50)},
      {kKeyFirst, "３の倍数は、", 0, AtMargin(), Below(100)},
      {kAtOnce, "3n　", 5},
      {kAtOnce, "と表すことができる。", 0, AtMargin(), Below(50)},
  });
  return {ShowNumberFormsMenu};
}

lesson::Jump ShowEvenNumbers(Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "問2　偶数をnを使って表しなさい。", 0, AtMargin(), Below(0)},
      {kKeyFirst, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 5, AtMargin(), Below(90)},
      {kKeyFirst, "偶数は、", 0, AtMargin(), Below(90)},
      {kKeyFirst, "2*整数　", 5},
      {kAtOnce, "の形をしているから、", 0},
      {kKeyFirst, "偶数は、", 0, AtMargin(), Below(90)},
      {kAtOnce, "2n　", 5},
      {kAtOnce, "と表すことができる。", 0},
  });
  return {ShowNumberFormsMenu};
}

lesson::Jump ShowOddNumbers(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "問3　奇数をnを使って表しなさい。", 0, AtMargin(), Below(0)},
      // Each odd number stands under the even number it is one more than...
      {kKeyFirst, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 3, AtMargin(), Below(60)},
      {kKeyFirst, "奇数=｛…-5,-3,-1,1,3,5,7,…｝", 5, AtMargin(), Below(60)},
      {kKeyFirst, "奇数は、", 0, AtMargin(), Below(60)},
      {kKeyFirst, "偶数＋１　", 5},
      {kAtOnce, "の形をしているから、", 0},
      {kKeyFirst, "奇数は、", 0, AtMargin(), Below(60)},
      {kAtOnce, "2n+1　", 5},
      {kAtOnce, "と表すことができる。", 0},
      // ... and then under the even number it is one less than.
      {kKeyFirst, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 3, AtMargin(), Below(60)},
      {kKeyFirst, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝", 5, AtMargin(), Below(60)},
      {kKeyFirst, "奇数は、", 0, AtMargin(), Below(60)},
      {kAtOnce, "2n-1　", 5},
      {kAtOnce, "と表すこともできる。", 0},
      {kKeyFirst, "他にも、", 0, AtMargin(), Below(60)},
      {kAtOnce, "２n+3,2n-3,2n+5,…", 5},
      {kAtOnce, "と表すこともできる。", 0},
  });
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
