#include "lessonlib/chapter_frame.h"

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

constexpr int kEraser = 15;

// A name in full-width letters (U+FF01 on for "!" to "~"), which the formula renderer draws
// upright in the gothic face: as typed, its a, c and l would become maths letters.
std::string FullWidthName(std::string_view name) {
  std::string wide;
  for (const char c : name) {
    if (c < '!' || c > '~') {
      wide += c;
      continue;
    }
    const char32_t code = 0xFF01 + static_cast<char32_t>(c - '!');
    wide += static_cast<char>(0xE0 | (code >> 12));
    wide += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    wide += static_cast<char>(0x80 | (code & 0x3F));
  }
  return wide;
}

}  // namespace

void EraseScreen(Program& p) { p.rt.PsLINE(0, 0, 1760, 1800, true, kEraser, 2, kEraser); }

void StartAnswerScreen(Program& p) {
  EraseScreen(p);
  p.layout.MarginX = 108;
  p.layout.LineY = 30;
}

void StartAnswerColumn(Program& p, float column_x) {
  p.layout.ColumnX = column_x;
  p.layout.MarginX = column_x + 54;
  p.layout.LineY = 30;
}

void DrawHeadingBox(Program& p, const HeadingBox& box, const std::string& text, float x,
                    float y) {
  p.figure.BoxWidth = box.width;
  p.figure.BoxHeight = box.height;
  p.text.TextColour = box.text_colour;
  p.figure.LineColour = box.border;
  p.figure.FillColour = box.fill;
  p.text.WorkText = text;
  p.text.TextX = x;
  p.text.TextY = y;
  DrawBoxedText(p);
  p.layout.LineEndX = p.text.TextX;
  p.layout.LineY = y;
}

void DrawCaptionText(Program& p, const std::string& text, float colour, float x, float y) {
  p.text.TextToDraw = text;
  p.text.TextColour = colour;
  p.text.TextX = x;
  p.text.TextY = y;
  DrawText(p);
}

void DrawLessonText(Program& p, const std::string& text, float colour, float x, float y) {
  DrawCaptionText(p, text, colour, x, y);
  p.layout.LineEndX = p.text.TextX;
  p.layout.LineY = p.text.TextY;
}

void ContinueLessonText(Program& p, const std::string& text, float colour) {
  DrawLessonText(p, text, colour, p.layout.LineEndX, p.layout.LineY);
}

Jump RunMainMenu(Program& p, const MainMenu& menu, Place self) {
  EraseScreen(p);
  p.rt.PsLINE(22, 10, 1320, 600, true, 15, 2, 10);
  DrawLessonText(p, "＜" + FullWidthName(p.TitleText) + "　メニュー＞", 15, 264, 30);
  for (int k = 0; k < 8; ++k) {
    DrawLessonText(p, menu.items[static_cast<size_t>(k)].text, k % 2 == 0 ? 13 : 15, 44,
             static_cast<float>(120 + 60 * k));
  }
  p.text.TextColour = 0;
  p.text.TextX = p.input.FieldX - 240;
  p.text.TextY = p.input.FieldY;
  p.text.TextToDraw = "番号を入力して下さい。";
  DrawWideText(p);
  menu.read_number(p);
  ClearMenuPrompt(p);
  const float choice = p.input.InputValue;
  if (choice == 8) p.rt.PsEND();
  if (choice < 1 || choice > 8) return {self};
  EraseScreen(p);
  const int item = platform::RoundToInt(choice);
  // A value just below 8 rounds to 8 but is not the end item: the menu comes again.
  if (item == 8) return {self};
  const Place target = menu.items[static_cast<size_t>(item - 1)].target;
  return {target != nullptr ? target : self};
}

void ShowGoalScreen(Program& p, std::initializer_list<const char*> goal_lines) {
  EraseScreen(p);
  p.layout.MarginX = 44;
  p.layout.LineY = 240;
  DrawLessonText(p, "<めあて>", 3, p.layout.MarginX, p.layout.LineY);
  float step = 65;
  for (const char* line : goal_lines) {
    DrawLessonText(p, line, 0, p.layout.MarginX, p.layout.LineY + step);
    step = 50;
  }
}

Jump RunSubMenu(Program& p, const char* item_line, std::initializer_list<Place> targets,
                Place self) {
  p.text.TextToDraw = item_line;
  AskSubMenuNumber(p);
  p.layout.MenuChoice = p.input.InputValue;
  ClearBottomBand(p);
  const float count = static_cast<float>(targets.size());
  if (p.layout.MenuChoice < 1 || p.layout.MenuChoice > count) return {self};
  const int item = platform::RoundToInt(p.layout.MenuChoice);
  return {targets.begin()[item - 1]};
}

void PickRandomItem(Program& p, float count) {
  p.layout.DrillItem = platform::PnFInt(p.rt.PaRnd() * count) + 1;
}

void PickNextItem(Program& p, float count) {
  p.layout.DrillItem = p.layout.DrillItem == count ? 1 : p.layout.DrillItem + 1;
}

}  // namespace lesson

namespace lesson {

float StepXValue(const Program& p, StepX x) {
  switch (x.base) {
    case StepX::kColumn: return p.layout.ColumnX + x.offset;
    case StepX::kMargin: return p.layout.MarginX + x.offset;
    case StepX::kLineEnd: return p.layout.LineEndX + x.offset;
    case StepX::kFixed: break;
  }
  return x.offset;
}

float StepYValue(const Program& p, StepY y) {
  return y.base == StepY::kLine ? p.layout.LineY + y.offset : y.offset;
}

void ShowStep(Program& p, const LessonStep& step) {
  if (step.wait == kKeyFirst) WaitForKey(p);
  const float x = StepXValue(p, step.x);
  const float y = StepYValue(p, step.y);
  switch (step.line) {
    case kMovesLine:
      DrawLessonText(p, step.text, step.colour, x, y);
      break;
    case kKeepsLineEnd: {
      const float line_end = p.layout.LineEndX;
      DrawLessonText(p, step.text, step.colour, x, y);
      p.layout.LineEndX = line_end;
      break;
    }
    case kCaption:
      DrawCaptionText(p, step.text, step.colour, x, y);
      break;
  }
}

void ShowSteps(Program& p, std::initializer_list<LessonStep> steps) {
  for (const LessonStep& step : steps) ShowStep(p, step);
}

void StoreDrillTable(Program& p, std::span<const DrillRow> rows) {
  float i = 1;
  for (const DrillRow& row : rows) {
    p.work.TermTexts(i) = row.item;
    if (row.second != nullptr) p.work.TermTexts(10 + i) = row.second;
    if (row.third != nullptr) p.work.TermTexts(20 + i) = row.third;
    ++i;
  }
}

float PickRandomWhole(Program& p, float first, float count) {
  return platform::PnFInt(p.rt.PaRnd() * count) + first;
}

float PickRandomSigned(Program& p, float first, float count) {
  const float magnitude = PickRandomWhole(p, first, count);
  p.layout.RandomPick = PickRandomWhole(p, 0, 2);
  return p.layout.RandomPick == 0 ? -magnitude : magnitude;
}

void EraseBetween(Program& p, float x1, float y1, float x2, float y2) {
  p.rt.PsLINE(x1, y1, x2, y2, false, kEraser, 2, kEraser);
}

void EraseFrom(Program& p, float x, float y, float width, float height) {
  p.rt.PsLINE(x, y, width, height, true, kEraser, 2, kEraser);
}

}  // namespace lesson
