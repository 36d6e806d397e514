// Exercise 5 of page 32: in a month's calendar four dates framed in a 2 by 2 square always
// add up to a multiple of 4, n+(n+1)+(n+7)+(n+8) = 4n+16 = 4(n+4); the proof's nine boxes
// are filled one per key press.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "ostrel/fill_in_boxes.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// Slot in PointX/PointY of the calendar's top-left corner.
constexpr float kCalendarCorner = 31;
constexpr float kCellWidth = 70, kCellHeight = 50;

const char* const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

// The month starts on Thursday: the date cells AuxTexts(1..35) hold four blanks, then 1 to
// 31. The header's TermTexts(1..7) are set after the number texts, which overwrite them.
void SetCalendarTexts(Program& p) {
  lesson::LessonWork& w = p.work;
  for (float i = 5; i <= 35; ++i) w.AuxValues(i) = i - 4;
  lesson::FormatNumberArrays(p);
  for (float i = 1; i <= 4; ++i) w.AuxTexts(i) = "";
  for (float c = 1; c <= 7; ++c) w.TermTexts(c) = kWeekdays[static_cast<int>(c) - 1];
}

void DrawCalendarCell(Program& p, const std::string& text) {
  p.figure.BoxWidth = kCellWidth;
  p.figure.BoxHeight = kCellHeight;
  p.text.TextColour = 0;
  p.figure.LineColour = 13;
  p.figure.FillColour = 13;
  p.text.WorkText = text;
  lesson::DrawBoxedText(p);
}

// The header row and five rows of dates, seven touching cells each, from the corner in
// PointX(31), PointY(31): one block of colour 13 with the texts centred in their cells.
void DrawCalendarGrid(Program& p) {
  const lesson::LessonWork& w = p.work;
  p.text.TextX = w.PointX(kCalendarCorner);
  for (float c = 1; c <= 7; ++c) {
    p.text.TextY = w.PointY(kCalendarCorner);
    DrawCalendarCell(p, w.TermTexts(c));
  }
  for (float r = 1; r <= 5; ++r) {
    p.text.TextX = w.PointX(kCalendarCorner);
    for (float c = 1; c <= 7; ++c) {
      p.text.TextY = w.PointY(kCalendarCorner) + kCellHeight * r;
      DrawCalendarCell(p, w.AuxTexts(7 * (r - 1) + c));
    }
  }
}

// The frame round the dates 1, 2, 8 and 9 (Thursday and Friday of the first two rows), its
// left edge 5 inside the Thursday column.
void DrawDateFrame(Program& p) {
  const lesson::LessonWork& w = p.work;
  p.rt.PsLINE(w.PointX(kCalendarCorner) + 4 * kCellWidth + 5,
              w.PointY(kCalendarCorner) + kCellHeight, 135, 100, true, 5, 1, 5);
}

constexpr FillInBox kProofBoxes[] = {
    {1, 90, "n+1"},    {2, 90, "n+7"},    {3, 90, "n+8"},
    {4, 150, "(n+1)"}, {5, 150, "(n+7)"}, {6, 150, "(n+8)"},
    {7, 150, "4n+16"}, {8, 180, "4(n+4)"}, {9, 90, "n+4"},
};

lesson::LessonStep Line(const char* text, float colour) {
  return {kAtOnce, text, colour, AtMargin(), Below(60)};
}
lesson::LessonStep Piece(const char* text, float colour) {
  return {kAtOnce, text, colour, AfterText(10)};
}

void ShowProof(Program& p) {
  ShowExplanation(p, kFillInBoxes, kProofBoxes, {
      {Line("＜説明＞", 3)},
      {Line("最も小さい整数をnとすると、", 0)},
      {Line("4つの整数は、", 0)},
      {Line("n,", 3)},
      BoxRow(1), {Piece(",", 3)}, BoxRow(2), {Piece(",", 3)}, BoxRow(3),
      {Line("と表されるから、それらの和は", 0)},
      {Line("n+", 0)},
      BoxRow(4), {Piece("+", 0)}, BoxRow(5), {Piece("+", 0)}, BoxRow(6),
      {Piece("=", 0)}, BoxRow(7), {Piece("=", 0)}, BoxRow(8),
      BoxRow(9, AtMargin(), Below(60)),
      {Piece("は整数だから、4の倍数になる。", 0)},
      {Line("したがって、四角形で囲んだ4つの数の和は、4の倍数になる。", 0)},
  });
  FillInTurn(p, kFillInBoxes, kProofBoxes);
}

}  // namespace

lesson::Jump ShowCalendarSumProof(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "5");
  p.work.PointX(kCalendarCorner) = 722;
  p.work.PointY(kCalendarCorner) = 70;
  SetCalendarTexts(p);
  DrawCalendarGrid(p);
  DrawDateFrame(p);
  lesson::WaitForKey(p);
  ShowProof(p);
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
