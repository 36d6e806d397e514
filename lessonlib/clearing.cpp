#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {
constexpr int kEraser = 15;
}

void ClearWorkArea(Program& p) { p.rt.PsLINE(0, 54, 1440, 900, false, kEraser, 2, kEraser); }

void ClearInputStrip(Program& p) {
  p.text.TextX = p.input.FieldX + 80;
  p.text.TextY = p.input.FieldY - 72;
  p.rt.PsLINE(p.text.TextX, p.text.TextY, 1440, 90, true, kEraser, 2, kEraser);
}

void FormatNumberArrays(Program& p) {
  float& i = p.values.LoopIndex;
  for (i = 1; i <= 80; ++i) {
    p.text.WorkText = platform::PfSTR244(p.work.TermValues(i));
    RemoveSpaces(p);
    p.work.TermTexts(i) = p.text.WorkText;
  }
  for (i = 1; i <= 40; ++i) {
    p.text.WorkText = platform::PfSTR244(p.work.AuxValues(i));
    RemoveSpaces(p);
    p.work.AuxTexts(i) = p.text.WorkText;
  }
}

}  // namespace lesson
