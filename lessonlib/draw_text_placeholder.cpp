// Temporary stand-in for the formula renderer so the programs link while it is being built:
// draws the text plainly. Remove it when the renderer's own DrawText is in.
#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace lesson {

void DrawText(Program& p) {
  p.rt.NoteText("DrawText", p.text.TextX, p.text.TextY, p.text.TextColour, p.text.TextToDraw);
  p.rt.PsSYMBOL40(p.text.TextToDraw, p.text.TextX, p.text.TextY, 1, 1, p.text.TextColour);
  p.text.TextX += 27.0f * static_cast<float>(platform::PfKLEN(p.text.TextToDraw));
  p.text.TextToDraw.clear();
}

}  // namespace lesson
