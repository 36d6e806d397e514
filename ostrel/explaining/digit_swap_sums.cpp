// Section ⑦ "P26": a two-digit number added to the number with its digits exchanged, shown
// as a column addition in coloured digit cells: the example 39 + 93, then typed numbers
// beside it until 1 is entered, and the sums written as 11 times a number.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/exact_number.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"

namespace ostrel {

namespace {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

// A cell's fill tells the digit's role; the border is drawn in the background colour.
constexpr float kTensFill = 13;
constexpr float kOnesFill = 11;
constexpr float kPlainFill = 15;

// One digit cell (BoxWidth by BoxHeight) with its character centred.
void DrawCell(Program& p, float x, float y, float fill, const std::string& text) {
  p.figure.LineColour = 15;
  p.figure.FillColour = fill;
  p.text.TextColour = 0;
  p.text.WorkText = text;
  p.text.TextX = x;
  p.text.TextY = y;
  lesson::DrawBoxedText(p);
}

// The k-th character of the sum text.
std::string SumChar(const Program& p, float k) {
  return platform::PfKMID24(p.work.TermTexts(3), k, 1);
}

// Asks for a two-digit number until a whole number from 10 to 99 is typed; it goes to
// TermValues(5). A value between them that is not whole (9.5, 95/10) has no digits to
// exchange and is asked again too.
void AskTwoDigitNumber(Program& p) {
  for (;;) {
    p.text.TextToDraw = "2けたの数を";
    AskPromptedNumber(p);
    lesson::ClearMenuPrompt(p);
    const lesson::ExactNumber n = lesson::ExactNumber::FromEntry(p.input.InputText);
    p.work.TermValues(5) = n.Value();
    if (n.IsWhole() && n.numerator() > 9 && n.numerator() < 100) return;
  }
}

// The digits a and b of the number, 11(a+b) and a+b with their texts; the sum text has at
// least three characters (a leading blank under 100), one for each sum cell.
void SplitIntoDigits(Program& p) {
  lesson::LessonWork& w = p.work;
  const float n = w.TermValues(5);
  w.TermValues(1) = platform::PnFInt(n / 10);
  w.TermValues(2) = n - 10 * w.TermValues(1);
  w.TermValues(3) = 11 * (w.TermValues(1) + w.TermValues(2));
  w.TermValues(6) = w.TermValues(1) + w.TermValues(2);
  lesson::FormatNumberArrays(p);
  if (platform::PfKLEN(w.TermTexts(3)) < 3) w.TermTexts(3) = " " + w.TermTexts(3);
}

// Empties the problem's cells for the next number: the digit cells keep their fills, the
// sum row goes; the "+" and the rule stay.
void BlankProblem(Program& p) {
  const lesson::LessonWork& w = p.work;
  DrawCell(p, w.PointX(32), w.PointY(31), kTensFill, "");
  DrawCell(p, w.PointX(33), w.PointY(31), kOnesFill, "");
  DrawCell(p, w.PointX(32), w.PointY(32), kOnesFill, "");
  DrawCell(p, w.PointX(33), w.PointY(32), kTensFill, "");
  DrawCell(p, w.PointX(33), w.PointY(33), kPlainFill, "");
  DrawCell(p, w.PointX(32), w.PointY(33), kPlainFill, "");
  DrawCell(p, w.PointX(31), w.PointY(33), kPlainFill, "");
}

// Typed numbers, each added to its reversal right of the example, until 1 at the next step.
void TryTypedNumbers(Program& p) {
  lesson::LessonWork& w = p.work;
  lesson::RunDrill(p, [&] {
    AskTwoDigitNumber(p);
    SplitIntoDigits(p);
    w.PointX(31) = w.PointX(35) + 40;
    w.PointY(31) = p.layout.LineY + 70;
    DrawDigitSwapSum(p);
    lesson::AskNextStep(p);
    if (p.input.InputValue != 1) BlankProblem(p);
  });
}

}  // namespace

void DrawDigitSwapSum(Program& p) {
  lesson::LessonWork& w = p.work;
  const std::string tens = w.TermTexts(1);
  const std::string ones = w.TermTexts(2);
  p.figure.BoxHeight = 48;
  p.figure.BoxWidth = 40;
  const float x = w.PointX(31);
  const float y = w.PointY(31);
  w.PointX(32) = x + 40;
  w.PointX(33) = x + 80;
  w.PointX(34) = x + 120;
  w.PointY(32) = y + 60;
  w.PointY(33) = y + 120;
  w.PointY(34) = y + 180;
  // Each digit keeps its fill when it moves to the other column.
  DrawCell(p, w.PointX(32), y, kTensFill, tens);
  DrawCell(p, w.PointX(33), y, kOnesFill, ones);
  lesson::WaitForKey(p);
  DrawCell(p, x, w.PointY(32), kPlainFill, "+");
  DrawCell(p, w.PointX(32), w.PointY(32), kOnesFill, ones);
  DrawCell(p, w.PointX(33), w.PointY(32), kTensFill, tens);
  p.rt.PsLINE(x, y + 114, 3 * p.figure.BoxWidth, 0, true, 0, 0, 0);
  lesson::WaitForKey(p);
  // The sum from its last character to its first; no carries are shown.
  DrawCell(p, w.PointX(33), w.PointY(33), kPlainFill, SumChar(p, 3));
  DrawCell(p, w.PointX(32), w.PointY(33), kPlainFill, SumChar(p, 2));
  DrawCell(p, x, w.PointY(33), kPlainFill, SumChar(p, 1));
}

lesson::Jump RunDigitSwapExplore(Program& p) {
  StartSection(p, 1600, 40);
  lesson::ShowSteps(p, {
      {kAtOnce, "P26 2けたの正の整数とその数の十の位と一の位の数を", 3, AtMargin(), Below(0)},
      {kAtOnce, "入れかえてできる数との和は、どんな数?", 3, AtMargin(), Below(50)},
  });
  lesson::LessonWork& w = p.work;
  // The example 39 + 93 = 132.
  w.TermTexts(1) = "3";
  w.TermTexts(2) = "9";
  w.TermTexts(3) = "132";
  w.PointX(31) = 80;
  w.PointY(31) = p.layout.LineY + 70;
  DrawDigitSwapSum(p);
  w.PointX(35) = w.PointX(34);
  lesson::WaitForKey(p);
  TryTypedNumbers(p);
  // The example's sum and the last typed number's, as 11 times a number.
  p.layout.LineY = w.PointY(34);
  lesson::ShowSteps(p, {
      {kAtOnce, "132=", 0, AtMargin(), Below(50)},
      {kKeyFirst, "11", 3},
      {kAtOnce, "*12", 0},
      {kKeyFirst, w.TermTexts(3) + "=", 0, AtMargin(), Below(70)},
      {kKeyFirst, "11", 3},
      {kAtOnce, "*" + w.TermTexts(6), 0},
      {kKeyFirst, "11の倍数になりそうだ", 3, AtMargin(), Below(80)},
      {kKeyFirst, "文字式を使って説明しよう！", 5, AtMargin(), Below(60)},
  });
  return {ShowExplainingMenu};
}

}  // namespace ostrel
