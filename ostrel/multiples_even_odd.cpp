// Multiples of 3, even numbers and odd numbers written with the letter n: the set of
// numbers, the form all of them share, then the expression, built up at key presses.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/lesson_steps.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"

namespace ostrel {

namespace {

using lesson::ContinueLessonText;
using lesson::DrawLessonText;
using lesson::Program;
using lesson::WaitForKey;

// One column of the multiples table: TermTexts(first..last) at x, row r at LineY + 50·r.
// The rows hang from the line above the table, so the lesson layout stays where it is.
void DrawTableColumn(Program& p, float x, float colour, float first, float last,
                     bool wait_after_each_row) {
  float& row = p.values.TableIndex;
  for (row = first; row <= last; ++row) {
    DrawTextAt(p, p.work.TermTexts(row), colour, x, p.layout.LineY + 50 * row);
    if (wait_after_each_row) WaitForKey(p);
  }
}

}  // namespace

lesson::Jump ShowMultiples(Program& p) {
  EraseBox(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  NextLine(p, "問1　nを整数とするとき、3の倍数をnを使って表しなさい。", 0, 0);
  WaitForKey(p);
  // Each set first shows its positive members only; the whole set then takes its place.
  NextLine(p, "n=｛            1,2,3,…｝", 3, 50);
  WaitForKey(p);
  EraseBox(p, p.layout.MarginX, p.layout.LineY - 4, 1320, 55);
  NextLine(p, "n=｛…-3,-2,-1,0,1,2,3,…｝", 3, 0);
  WaitForKey(p);
  NextLine(p, "３の倍数=｛            3,6,9,…｝", 5, 50);
  WaitForKey(p);
  EraseBox(p, p.layout.MarginX, p.layout.LineY - 4, 1320, 55);
  NextLine(p, "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝", 5, 0);
  WaitForKey(p);

  // The table below the set of multiples: 3k = 3 × k for k = -3 to 3, rows 2 to 8, with
  // an ellipsis above and below the multiples.
  p.work.TermTexts(1) = " …";
  p.work.TermTexts(9) = " …";
  for (float k = -3; k <= 3; ++k) p.work.TermTexts(k + 5) = platform::PfSTR244(3 * k);
  DrawTableColumn(p, p.layout.MarginX, 5, 1, 9, false);
  WaitForKey(p);
  for (float row = 2; row <= 8; ++row) p.work.TermTexts(row) = "=3*";
  DrawTableColumn(p, p.layout.MarginX + 88, 0, 2, 8, false);
  WaitForKey(p);
  for (float k = -3; k <= 3; ++k) {
    const std::string factor = platform::PfSTR244(k);
    p.work.TermTexts(k + 5) = k < 0 ? "(" + factor + ")" : factor;
  }
  DrawTableColumn(p, 220, 3, 2, 8, true);

  p.layout.MarginX = 528;
  p.layout.LineY = 200;
  NextLine(p, "３の倍数は、", 0, 50);
  WaitForKey(p);
  ContinueLessonText(p, "3*整数　", 5);
  NextLine(p, "の形をしているから、", 0, 50);
  WaitForKey(p);
  NextLine(p, "３の倍数は、", 0, 100);
  ContinueLessonText(p, "3n　", 5);
  NextLine(p, "と表すことができる。", 0, 50);
  return {ShowNumberFormsMenu};
}

lesson::Jump ShowEvenNumbers(Program& p) {
  EraseBox(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  NextLine(p, "問2　偶数をnを使って表しなさい。", 0, 0);
  WaitForKey(p);
  NextLine(p, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 5, 90);
  WaitForKey(p);
  NextLine(p, "偶数は、", 0, 90);
  WaitForKey(p);
  ContinueLessonText(p, "2*整数　", 5);
  ContinueLessonText(p, "の形をしているから、", 0);
  WaitForKey(p);
  NextLine(p, "偶数は、", 0, 90);
  ContinueLessonText(p, "2n　", 5);
  ContinueLessonText(p, "と表すことができる。", 0);
  return {ShowNumberFormsMenu};
}

lesson::Jump ShowOddNumbers(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  NextLine(p, "問3　奇数をnを使って表しなさい。", 0, 0);
  WaitForKey(p);
  // Each odd number stands under the even number it is one more than.
  NextLine(p, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 3, 60);
  WaitForKey(p);
  NextLine(p, "奇数=｛…-5,-3,-1,1,3,5,7,…｝", 5, 60);
  WaitForKey(p);
  NextLine(p, "奇数は、", 0, 60);
  WaitForKey(p);
  ContinueLessonText(p, "偶数＋１　", 5);
  ContinueLessonText(p, "の形をしているから、", 0);
  WaitForKey(p);
  NextLine(p, "奇数は、", 0, 60);
  ContinueLessonText(p, "2n+1　", 5);
  ContinueLessonText(p, "と表すことができる。", 0);
  WaitForKey(p);
  // ... and then under the even number it is one less than.
  NextLine(p, "偶数=｛…-6,-4,-2,0,2,4,6,…｝", 3, 60);
  WaitForKey(p);
  NextLine(p, "奇数=｛…-7,-5,-3,-1,1,3,5,…｝", 5, 60);
  WaitForKey(p);
  NextLine(p, "奇数は、", 0, 60);
  ContinueLessonText(p, "2n-1　", 5);
  ContinueLessonText(p, "と表すこともできる。", 0);
  WaitForKey(p);
  NextLine(p, "他にも、", 0, 60);
  ContinueLessonText(p, "２n+3,2n-3,2n+5,…", 5);
  ContinueLessonText(p, "と表すこともできる。", 0);
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
