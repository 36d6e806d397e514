#include "lessonlib/screen.h"

namespace lesson {

namespace {

constexpr int kEraser = 15;

void Erase(Program& p, float x1, float y1, float x2, float y2) {
  p.rt.PsLINE(x1, y1, x2, y2, false, kEraser, 2, kEraser);
}

void DrawPromptText(Program& p, float colour, float x, float y, const char* text) {
  p.text.TextColour = colour;
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.TextToDraw = text;
  DrawWideText(p);
}

// The two key waits: a box with a message, any key, the band erased.
void WaitInBox(Program& p, const char* routine, float box_x1, float box_x2, float text_x,
               float erase_x2, float erase_y2) {
  p.values.SavedColour = p.text.TextColour;
  p.values.SavedDrawWidth = p.rt.FE_GETDRAWWIDTH();
  p.rt.FE_SETDRAWWIDTH(3);
  p.rt.PsLINE(box_x1, 657, box_x2, 693, false, 13, 2, 4);
  p.text.TextColour = 9;
  p.text.TextX = text_x;
  p.text.TextY = 666;
  DrawWideText(p);
  p.rt.NoteWait(routine);
  do {
    p.input.LastKey = p.rt.PfINKEY24();
  } while (p.input.LastKey.empty());
  Erase(p, 0, 657, erase_x2, erase_y2);
  p.text.TextColour = p.values.SavedColour;
  p.rt.FE_SETDRAWWIDTH(p.values.SavedDrawWidth);
}

}  // namespace

void AskMenuNumber(Program& p) {
  DrawPromptText(p, 0, p.input.FieldX - 240, p.input.FieldY, "番号を入力して下さい。");
  ReadNumberField(p);
  ParseNumberInput(p);
}

void ClearMenuPrompt(Program& p) {
  Erase(p, p.input.FieldX - 240, p.input.FieldY - 8, p.input.FieldX + 816, p.input.FieldY + 42);
}

void AskSubMenuNumber(Program& p) {
  p.text.TextColour = 0;
  p.text.TextX = 16;
  p.text.TextY = 666;
  DrawWideText(p);
  ReadNumberField(p);
  ParseNumberInput(p);
}

void ClearBottomBand(Program& p) { Erase(p, 0, 657, 992, 720); }

void AskNextStep(Program& p) {
  p.values.SavedDrawWidth = p.rt.FE_GETDRAWWIDTH();
  p.rt.FE_SETDRAWWIDTH(2);
  p.rt.PsLINE(96, 639, 400, 675, false, 13, 2, 12);
  DrawPromptText(p, 9, 128, 648, "次のステップは１を入力。");
  ReadNumberField(p);
  ParseNumberInput(p);
  Erase(p, p.input.FieldX - 48, p.input.FieldY - 9, p.input.FieldX + 112, p.input.FieldY + 18);
  Erase(p, 96, 639, 400, 675);
  p.rt.FE_SETDRAWWIDTH(p.values.SavedDrawWidth);
}

void WaitForKey(Program& p) {
  p.text.TextToDraw = "何かキーを押して下さい。";
  WaitInBox(p, "WaitForKey", 96, 400, 128, 400, 693);
}

void WaitForKeyWithMessage(Program& p) { WaitInBox(p, "WaitForKeyWithMessage", 16, 496, 48, 992, 720);
}

}  // namespace lesson
