// Varnick's glyph-rule list: the standard list with the cancellation stroke. A "ｹ" in a
// numerator or denominator strikes out its cell: worked answers draw a fraction, then draw
// it again at the same place with "ｹ" in each cancelled cell, so that strokes appear over
// the cancelled digits and letters and nothing else changes.
#include "lessonlib/formula.h"
#include "varnick/varnick.h"

namespace varnick {

namespace {

// "ｹ" in fraction mode: a stroke across the cell in LineColour at the draw width in force,
// no character, and the advance of a fraction cell. Outside fraction mode "ｹ" goes on to the
// rules below and is drawn as the character.
bool CancelStroke(lesson::Program& p) {
  if (p.text.CurrentChar != "ｹ" || p.renderer.FractionMode != 1) return false;
  const float colour = p.figure.LineColour;
  p.rt.PsLINE(p.renderer.GlyphX + 4, p.renderer.GlyphY + 4, 28, 20, true, colour, 0, colour);
  p.renderer.GlyphX += 32;
  return true;
}

// The stroke stands after the blank rule and before the rule for two-byte characters in a
// fraction. Built when the program starts: the sanitizer build does not take comparisons of
// function addresses as constant expressions.
const auto kVarnickGlyphRules =
    lesson::SpliceGlyphRules(lesson::kStandardGlyphRules, lesson::FractionWideCharRule,
                             {CancelStroke, lesson::FractionWideCharRule});

}  // namespace

void ApplyVarnickGlyphRules(lesson::Program& p) { lesson::ApplyGlyphRuleList(p, kVarnickGlyphRules); }

}  // namespace varnick
