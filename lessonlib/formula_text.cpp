// DrawText, the formula-text renderer, and the glyph run that draws its characters.
#include <string>
#include <string_view>
#include <vector>

#include "lessonlib/formula.h"
#include "lessonlib/formula_calls.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

constexpr std::string_view kFractionBracket = "ﾀ";

// The characters [first, last) of `chars`, which all lie in one text, as one string.
std::string Slice(const std::vector<std::string_view>& chars, size_t first, size_t last) {
  if (first >= last) return {};
  const char* begin = chars[first].data();
  const char* end = chars[last - 1].data() + chars[last - 1].size();
  return std::string(begin, end);
}

// The tall radical that stands before a stacked fraction: drawn in strokes from 14 above the
// line's top to 60 below it; it opens the tall overbar at the pen after it.
void DrawTallRadical(Program& p, float entry_width) {
  TextState& t = p.text;
  p.rt.FE_SETDRAWWIDTH(3);
  p.rt.PsCONNECT(t.TextColour, {{t.TextX + 4, t.TextY + 36},
                                {t.TextX + 8, t.TextY + 24},
                                {t.TextX + 16, t.TextY + 60},
                                {t.TextX + 30, t.TextY - 14},
                                {t.TextX + 38, t.TextY - 14}});
  p.renderer.RootBarMode = 22;
  p.rt.FE_SETDRAWWIDTH(entry_width);
  t.TextX += 32;
  p.renderer.RootBarStartX = t.TextX;
}

// The run's sign marks become the signs they stand for.
void SubstituteSign(std::string& ch) {
  if (ch == "%") {
    ch = "°";
  } else if (ch == "*") {
    ch = "×";
  } else if (ch == "/") {
    ch = "÷";
  } else if (ch == "@") {
    ch = "±";
  } else if (ch == "!") {
    ch = "√";
  }
}

// The exponent, raise and root-end marks set their state and draw nothing.
bool TakeMarker(Program& p) {
  const std::string& ch = p.text.CurrentChar;
  if (ch == "^") {
    p.text.CaretFlag = 1;
  } else if (ch == "\\") {
    p.renderer.RaisedFlag = 1;
  } else if (ch == "ﾝ") {
    p.renderer.RootBarMode = 0;
  } else {
    return false;
  }
  return true;
}

void ApplyProgramGlyphRules(Program& p) {
  // A program without a list of its own draws with the standard one.
  if (p.definition.apply_glyph_rules != nullptr) {
    p.definition.apply_glyph_rules(p);
  } else {
    ApplyStandardGlyphRules(p);
  }
}

}  // namespace

void DrawText(Program& p) {
  TextState& t = p.text;
  p.rt.NoteText("DrawText", t.TextX, t.TextY, t.TextColour, t.TextToDraw);
  // The text is walked from a copy of its own: a fraction's parts are measured by running
  // DrawText again (through MeasureTextWidth), which takes TextToDraw over.
  const std::string text = std::move(t.TextToDraw);
  t.TextToDraw.clear();
  const std::vector<std::string_view> chars = platform::SplitChars(text);
  size_t next = 0;
  for (;;) {
    // The width is taken anew for every character, as the nested runs store theirs in the
    // same slot.
    const float entry_width = p.rt.FE_GETDRAWWIDTH();
    p.values.SavedDrawWidth = entry_width;
    if (next >= chars.size()) {
      p.rt.FE_SETDRAWWIDTH(entry_width);
      return;
    }
    t.WorkText = chars[next++];
    if (t.WorkText == kFractionBracket) {
      size_t close = next;
      while (close < chars.size() && chars[close] != kFractionBracket) ++close;
      // An opening bracket without a closing one is dropped; the rest is ordinary text.
      if (close == chars.size()) continue;
      t.WorkText = Slice(chars, next, close);
      p.renderer.RestOfText = Slice(chars, close + 1, chars.size());
      next = close + 1;
      DrawFraction(p);
    } else if (t.WorkText == "#") {
      DrawTallRadical(p, entry_width);
    } else if (t.WorkText == "^") {
      t.CaretFlag = 1;
    } else {
      DrawFormulaChars(p);
    }
  }
}

void DrawTextAt(Program& p, float x, float y, const std::string& text) {
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.TextToDraw = text;
  DrawText(p);
}

void DrawFormulaChars(Program& p) {
  TextState& t = p.text;
  RendererState& r = p.renderer;
  r.GlyphX = t.TextX;
  r.GlyphY = t.TextY;
  const float entry_width = p.rt.FE_GETDRAWWIDTH();
  p.values.SavedDrawWidth = entry_width;
  r.GlyphText = t.WorkText;
  const std::string run = r.GlyphText;
  const std::vector<std::string_view> chars = platform::SplitChars(run);
  r.GlyphCount = static_cast<float>(chars.size());
  p.rt.FE_SETFONTNAME(kFormulaFace);
  p.rt.FE_SETFONTSIZE(16);
  p.rt.FE_SETFONTBOLD(-1);
  // One pass at least: an empty run hands the empty character to the rules.
  size_t k = 0;
  do {
    p.values.LoopIndex = static_cast<float>(k + 1);
    t.CurrentChar = k < chars.size() ? std::string(chars[k]) : std::string();
    SubstituteSign(t.CurrentChar);
    if (!TakeMarker(p) && !ApplyCommonGlyphRules(p)) ApplyProgramGlyphRules(p);
    ++k;
  } while (k < chars.size());
  // The counter ends one past the last pass, as every counted loop leaves it.
  p.values.LoopIndex = static_cast<float>(k + 1);
  t.TextX = r.GlyphX;
  t.TextY = r.GlyphY;
  p.rt.FE_SETFONTBOLD(0);
  p.rt.FE_SETDRAWWIDTH(entry_width);
}

}  // namespace lesson
