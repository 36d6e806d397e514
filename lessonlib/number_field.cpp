#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

constexpr int kEraser = 15;

// The part of an entry after its first "/", when it has one.
bool SplitFraction(const std::string& entry, std::string& before, std::string& after) {
  const int slash = platform::PfKINSTR(entry, "/");
  if (slash == 0) return false;
  const int length = platform::PfKLEN(entry);
  before = platform::PfKLEFT24(entry, static_cast<float>(slash - 1));
  after = platform::PfKRIGHT24(entry, static_cast<float>(length - slash));
  return true;
}

// A fraction whose denominator reads as 0 ("3/0", "3/", "/") has no value.
bool HasZeroDenominator(const std::string& entry) {
  std::string before, after;
  return SplitFraction(entry, before, after) && platform::PfVAL(after) == 0;
}

void DrawCursor(Program& p, float colour) {
  p.rt.PsCIRCLE(p.input.CursorX + 8, p.input.CursorY + 8, 4, colour, 1, 0, 0, true, colour);
}

void ClearEntry(Program& p) {
  InputState& in = p.input;
  p.rt.PsLINE(in.FieldX, in.FieldY - 8, in.FieldX + 192, in.FieldY + 22, false, kEraser, 2,
              kEraser);
  in.InputText.clear();
  in.CursorX = in.FieldX;
  in.CursorY = in.FieldY;
  in.LastKey.clear();
}

}  // namespace

void ReadNumberField(Program& p) {
  InputState& in = p.input;
  in.CursorX = in.FieldX;
  in.CursorY = in.FieldY;
  in.InputText.clear();
  p.text.TextColour = 0;
  p.text.TextX = in.CursorX - 48;
  p.text.TextY = in.CursorY;
  p.text.TextToDraw = "入力";
  DrawWideText(p);
  ReadFieldKeys(p);
  p.rt.PsLINE(in.FieldX - 48, in.FieldY - 8, in.FieldX + 192, in.FieldY + 22, false, kEraser, 2,
              kEraser);
}

void ReadFieldKeys(Program& p) {
  InputState& in = p.input;
  p.rt.NoteWait("ReadFieldKeys");
  for (;;) {
    DrawCursor(p, 5);
    in.LastKey = p.rt.PfINKEY24();
    if (in.LastKey.empty()) {
      DrawCursor(p, kEraser);
      continue;
    }
    if (in.LastKey == "\b" || in.LastKey == "\f" || platform::PfLEN(in.InputText) > 9) {
      ClearEntry(p);
      continue;
    }
    if (in.LastKey == "\r") {
      // A fraction with a zero denominator has no value: Enter clears it like Backspace and
      // the field goes on reading, so that a slip never ends the lesson.
      if (HasZeroDenominator(in.InputText)) {
        ClearEntry(p);
        continue;
      }
      DrawCursor(p, kEraser);
      return;
    }
    if (in.LastKey >= "-" && in.LastKey <= "9") {
      DrawCursor(p, kEraser);
      p.text.TextColour = 5;
      p.text.WorkText = in.LastKey;
      p.text.TextX = in.CursorX;
      p.text.TextY = in.CursorY;
      DrawWideGlyphs(p);
      in.CursorX = p.text.PenX;
      in.InputText += in.LastKey;
    }
  }
}

void ParseNumberInput(Program& p) {
  InputState& in = p.input;
  p.values.TextLength = static_cast<float>(platform::PfKLEN(in.InputText));
  p.values.MatchPosition = static_cast<float>(platform::PfKINSTR(in.InputText, "/"));
  if (!SplitFraction(in.InputText, p.text.WorkText, p.text.CurrentChar)) {
    in.InputValue = platform::PfVAL(in.InputText);
    return;
  }
  const float denominator = platform::PfVAL(p.text.CurrentChar);
  if (denominator == 0) platform::RaiseRuntimeError(platform::kDivisionByZero);
  in.InputValue = platform::PfVAL(p.text.WorkText) / denominator;
}

}  // namespace lesson
