// The compact label style: plain text, one character at a time, bold at size 15 with small
// magnifications; narrower and lower than formula text.
#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

bool Is(const Program& p, std::string_view ch) { return p.text.CurrentChar == ch; }

void LabelGlyph(Program& p, float dx, float dy, float mag_x, float mag_y) {
  p.rt.PsSYMBOL40(p.text.CurrentChar, p.renderer.GlyphX + dx, p.renderer.GlyphY + dy, mag_x,
                  mag_y, p.text.TextColour);
}

// Draws the character in hand at the pen and returns its advance.
float DrawLabelChar(Program& p) {
  if (Is(p, ".") || Is(p, ",")) {
    LabelGlyph(p, 0, 0, 3, 2);
    return 8;
  }
  if (Is(p, "(")) {
    LabelGlyph(p, -8, 0, 3, 2);
    return 12;
  }
  if (Is(p, ")")) {
    LabelGlyph(p, 0, 0, 3, 2);
    return 8;
  }
  if (Is(p, " ")) return 20;
  if (p.renderer.CharByteCount == 2) {
    LabelGlyph(p, 0, 0, 2, 2);
    return 30;
  }
  if (Is(p, "a") || Is(p, "x") || Is(p, "c")) {
    p.rt.FE_SETFONTNAME(kItalicFace);
    p.rt.FE_SETFONTSIZE(8);
    p.rt.FE_SETFONTITALIC(-1);
    LabelGlyph(p, 4, -12, 7, 4);
    p.rt.FE_SETFONTNAME(kFormulaFace);
    p.rt.FE_SETFONTITALIC(0);
    return 20;
  }
  if (Is(p, "y")) {
    // Drawn 6 higher than its neighbours; the pen comes back to the line.
    p.renderer.GlyphY -= 6;
    LabelGlyph(p, 0, 0, 3, 2);
    p.renderer.GlyphY += 6;
    return 20;
  }
  LabelGlyph(p, 0, 0, 3, 2);
  return 20;
}

}  // namespace

void DrawLabelText(Program& p) {
  TextState& t = p.text;
  RendererState& r = p.renderer;
  p.rt.NoteText("DrawLabelText", t.TextX, t.TextY, t.TextColour, t.TextToDraw);
  for (;;) {
    r.GlyphX = t.TextX;
    r.GlyphY = t.TextY;
    const float entry_width = p.rt.FE_GETDRAWWIDTH();
    p.values.SavedDrawWidth = entry_width;
    p.values.TextLength = static_cast<float>(platform::PfKLEN(t.TextToDraw));
    if (t.TextToDraw.empty()) {
      p.rt.FE_SETFONTBOLD(0);
      p.rt.FE_SETDRAWWIDTH(entry_width);
      p.rt.FE_SETFONTSIZE(16);
      return;
    }
    const int length = platform::Utf8Length(t.TextToDraw);
    t.CurrentChar = t.TextToDraw.substr(0, static_cast<size_t>(length));
    t.TextToDraw.erase(0, static_cast<size_t>(length));
    r.GlyphText = t.CurrentChar;
    r.CharByteCount = static_cast<float>(platform::Cp932Length(t.CurrentChar));
    p.rt.FE_SETFONTBOLD(-1);
    p.rt.FE_SETFONTSIZE(15);
    r.GlyphX += DrawLabelChar(p);
    t.TextX = r.GlyphX;
    t.TextY = r.GlyphY;
  }
}

}  // namespace lesson
