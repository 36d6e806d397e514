// The glyph rules of the formula renderer: how one character of a glyph run is drawn and how
// far the pen moves. The radical and parallelogram rules and the root overbar are shared by
// every program; the standard list is the rule list of a program without changes of its own.
#include <vector>

#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

bool InFraction(const Program& p) { return p.renderer.FractionMode == 1; }

bool Is(const Program& p, std::string_view ch) { return p.text.CurrentChar == ch; }

bool IsItalicLetter(const Program& p) { return Is(p, "a") || Is(p, "x") || Is(p, "c"); }

// The character in hand, its top-left corner at the pen moved by (dx, dy).
void Glyph(Program& p, float dx, float dy, float mag_x, float mag_y) {
  p.rt.PsSYMBOL40(p.text.CurrentChar, p.renderer.GlyphX + dx, p.renderer.GlyphY + dy, mag_x,
                  mag_y, p.text.TextColour);
}

// A line from the pen moved by (dx, dy), running (a, b) further.
void Stroke(Program& p, float dx, float dy, float a, float b) {
  p.rt.PsLINE(p.renderer.GlyphX + dx, p.renderer.GlyphY + dy, a, b, true, p.text.TextColour, 0,
              p.text.TextColour);
}

// A polyline through points given relative to the pen.
void Polyline(Program& p, std::initializer_list<platform::Point> offsets) {
  std::vector<platform::Point> points;
  points.reserve(offsets.size());
  for (const platform::Point& o : offsets) {
    points.push_back({p.renderer.GlyphX + o.x, p.renderer.GlyphY + o.y});
  }
  p.rt.PsCONNECT(p.text.TextColour, points);
}

void Advance(Program& p, float by) { p.renderer.GlyphX += by; }

// Back to the run's own font after a glyph in another face.
void FormulaFace(Program& p) {
  p.rt.FE_SETFONTNAME(kFormulaFace);
  p.rt.FE_SETFONTSIZE(16);
}

// A glyph drawn at a smaller font size, the run's size 16 afterwards.
void SmallGlyph(Program& p, float size, float dx, float dy, float mag_x, float mag_y) {
  p.rt.FE_SETFONTSIZE(size);
  Glyph(p, dx, dy, mag_x, mag_y);
  p.rt.FE_SETFONTSIZE(16);
}

void ItalicLetter(Program& p, float dx, float dy, float mag_x, float mag_y) {
  p.rt.FE_SETFONTNAME(kItalicFace);
  p.rt.FE_SETFONTSIZE(8);
  p.rt.FE_SETFONTITALIC(-1);
  Glyph(p, dx, dy, mag_x, mag_y);
  FormulaFace(p);
  p.rt.FE_SETFONTITALIC(0);
}

// Signs drawn as strokes are 5 wide; the run goes on at width 3.
template <typename Draw>
void HeavyStrokes(Program& p, Draw draw) {
  p.rt.FE_SETDRAWWIDTH(5);
  draw();
  p.rt.FE_SETDRAWWIDTH(3);
}

}  // namespace

// ---- Shared by every program ----

bool ApplyCommonGlyphRules(Program& p) {
  RendererState& r = p.renderer;
  if (Is(p, "√")) {
    p.rt.FE_SETDRAWWIDTH(3);
    if (InFraction(p)) {
      Polyline(p, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}});
      r.RootBarMode = 11;
      Advance(p, 26);
    } else {
      Polyline(p, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}});
      r.RootBarMode = 1;
      Advance(p, 28);
    }
  } else if (Is(p, "&")) {
    HeavyStrokes(p, [&] { Polyline(p, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}); });
    Advance(p, 36);
  } else {
    return false;
  }
  // The bar of a radical starts at the pen after it; "&" carries an open bar's start along.
  r.RootBarStartX = r.GlyphX;
  return true;
}

void RootBarTail(Program& p) {
  RendererState& r = p.renderer;
  float lift = 0;
  if (r.RootBarMode == 1) {
    lift = 4;
  } else if (r.RootBarMode == 11) {
    lift = 6;
  } else if (r.RootBarMode == 22 && !InFraction(p)) {
    // The tall radical's bar over a fraction is drawn by DrawFraction in one piece.
    lift = 14;
  }
  if (lift == 0) {
    r.RootBarStartX = r.GlyphX;
    return;
  }
  // The bar is drawn again from its start to the pen after every glyph under it.
  const float y = p.text.TextY - lift;
  p.rt.FE_SETDRAWWIDTH(3);
  p.rt.PsLINE(r.RootBarStartX, y, r.GlyphX, y, false, p.text.TextColour, 0, p.text.TextColour);
}

void ApplyGlyphRuleList(Program& p, std::span<const GlyphRule> rules) {
  p.renderer.CharByteCount = static_cast<float>(platform::PfLEN(p.text.CurrentChar));
  for (GlyphRule rule : rules) {
    if (rule(p)) break;
  }
  RootBarTail(p);
}

void ApplyStandardGlyphRules(Program& p) { ApplyGlyphRuleList(p, kStandardGlyphRules); }

// ---- The standard list ----

bool DecimalPointRule(Program& p) {
  if (!Is(p, ".")) return false;
  Glyph(p, -3, 14, 3, 2);
  Advance(p, 8);
  return true;
}

bool PrimeRule(Program& p) {
  if (!Is(p, "'") && !Is(p, "°")) return false;
  Glyph(p, 0, 0, 3, 3);
  Advance(p, 12);
  return true;
}

bool TallOpenParenRule(Program& p) {
  if (p.renderer.TallParenFlag != 1 || !Is(p, "(")) return false;
  Glyph(p, -4, -6, 3, 4);
  Advance(p, 27);
  return true;
}

bool TallCloseParenRule(Program& p) {
  if (p.renderer.TallParenFlag != 1 || !Is(p, ")")) return false;
  Glyph(p, 6, -6, 3, 4);
  p.renderer.TallParenFlag = 0;
  Advance(p, 27);
  return true;
}

bool EqualsRule(Program& p) {
  if (!Is(p, "=")) return false;
  p.rt.FE_SETFONTSIZE(14);
  p.rt.FE_SETFONTBOLD(-1);
  Glyph(p, 4, 0, 3, 3);
  p.rt.FE_SETFONTSIZE(16);
  Advance(p, 32);
  return true;
}

bool RaisedGlyphRule(Program& p) {
  if (p.renderer.RaisedFlag != 1) return false;
  SmallGlyph(p, 8, 0, -10, 6, 3);
  p.renderer.RaisedFlag = 0;
  Advance(p, 24);
  return true;
}

bool FractionExponentRule(Program& p) {
  if (p.text.CaretFlag != 1 || !InFraction(p)) return false;
  SmallGlyph(p, 8, 0, -4, 6, 3);
  p.text.CaretFlag = 0;
  Advance(p, 24);
  return true;
}

bool ExponentRule(Program& p) {
  if (p.text.CaretFlag != 1) return false;
  Glyph(p, 0, 0, 3, 2);
  p.text.CaretFlag = 0;
  Advance(p, 24);
  return true;
}

bool FractionItalicLetterRule(Program& p) {
  if (!IsItalicLetter(p) || !InFraction(p)) return false;
  ItalicLetter(p, 4, -16, 12, 5);
  Advance(p, 32);
  return true;
}

bool ItalicLetterRule(Program& p) {
  if (!IsItalicLetter(p)) return false;
  ItalicLetter(p, 4, -22, 10, 7);
  Advance(p, 27);
  return true;
}

bool ScriptLRule(Program& p) {
  if (!Is(p, "l")) return false;
  p.rt.FE_SETFONTNAME(kScriptFace);
  p.rt.FE_SETFONTSIZE(16);
  p.rt.FE_SETFONTBOLD(-1);
  p.rt.PsSYMBOL40(p.text.CurrentChar, p.renderer.GlyphX, p.text.TextY, 6, 3, p.text.TextColour);
  FormulaFace(p);
  // The rest of the run is drawn without bold, until an "=" turns it on again.
  p.rt.FE_SETFONTBOLD(0);
  Advance(p, 32);
  return true;
}

bool FractionMinusRule(Program& p) {
  if (!Is(p, "-") || !InFraction(p)) return false;
  HeavyStrokes(p, [&] { Stroke(p, 6, 14, 20, 0); });
  Advance(p, 32);
  return true;
}

bool FractionPlusRule(Program& p) {
  if (!Is(p, "+") || !InFraction(p)) return false;
  HeavyStrokes(p, [&] {
    Stroke(p, 6, 14, 20, 0);
    Stroke(p, 16, 4, 0, 20);
  });
  Advance(p, 32);
  return true;
}

bool MinusRule(Program& p) {
  if (!Is(p, "-")) return false;
  HeavyStrokes(p, [&] { Stroke(p, 4, 20, 19, 0); });
  Advance(p, 27);
  return true;
}

bool PlusRule(Program& p) {
  if (!Is(p, "+")) return false;
  HeavyStrokes(p, [&] {
    Stroke(p, 4, 22, 19, 0);
    Stroke(p, 13, 10, 0, 24);
  });
  Advance(p, 27);
  return true;
}

bool OperatorSignRule(Program& p) {
  if ((!Is(p, "×") && !Is(p, "÷") && !Is(p, "±")) || InFraction(p)) return false;
  Glyph(p, -4, 0, 2, 3);
  Advance(p, 27);
  return true;
}

bool BlankRule(Program& p) {
  if (!Is(p, " ")) return false;
  Advance(p, 27);
  return true;
}

bool FractionWideCharRule(Program& p) {
  if (p.renderer.CharByteCount != 2 || !InFraction(p)) return false;
  SmallGlyph(p, 11, 0, 0, 3, 3);
  Advance(p, 38);
  return true;
}

bool WideCharRule(Program& p) {
  if (p.renderer.CharByteCount != 2) return false;
  Glyph(p, 0, 0, 2, 3);
  Advance(p, 34);
  return true;
}

bool FractionCharRule(Program& p) {
  if (!InFraction(p)) return false;
  Glyph(p, 0, 0, 4, 2);
  Advance(p, 32);
  return true;
}

bool DefaultCharRule(Program& p) {
  Glyph(p, 0, 0, 3, 3);
  Advance(p, 27);
  return true;
}

bool CancelStrokeRule(Program& p) {
  if (p.text.CurrentChar != "ｹ" || p.renderer.FractionMode != 1) return false;
  const float colour = p.figure.LineColour;
  p.rt.PsLINE(p.renderer.GlyphX + 4, p.renderer.GlyphY + 4, 28, 20, true, colour, 0, colour);
  p.renderer.GlyphX += 32;
  return true;
}

}  // namespace lesson
