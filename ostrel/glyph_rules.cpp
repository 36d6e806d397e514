// Ostrel's glyph-rule list: the standard list with the script letter l at its own sizes in
// and outside fractions, and the cancellation stroke. A fraction drawn a second time at the
// same place with "ｹ" in some of its cells strikes the characters in those cells out.
#include "lessonlib/formula.h"
#include "ostrel/ostrel.h"

namespace ostrel {

namespace {

using lesson::Program;

bool InFraction(const Program& p) { return p.renderer.FractionMode == 1; }

// The script letter l in its own face, bold, and then the run's face and size again. Bold
// stays on: the rest of the run looks as it would without the l.
void ScriptL(Program& p, float size, float dx, float mag_x, float mag_y) {
  p.rt.FE_SETFONTNAME(lesson::kScriptFace);
  p.rt.FE_SETFONTBOLD(-1);
  p.rt.FE_SETFONTSIZE(size);
  p.rt.PsSYMBOL40(p.text.CurrentChar, p.renderer.GlyphX + dx, p.renderer.GlyphY, mag_x, mag_y,
                  p.text.TextColour);
  p.rt.FE_SETFONTNAME(lesson::kFormulaFace);
  p.rt.FE_SETFONTSIZE(16);
  p.renderer.GlyphX += 32;
}

// "l" in a numerator or denominator.
bool FractionScriptLRule(Program& p) {
  if (p.text.CurrentChar != "l" || !InFraction(p)) return false;
  ScriptL(p, 38, 0, 3, 1);
  return true;
}

// "l" in ordinary text.
bool LargeScriptLRule(Program& p) {
  if (p.text.CurrentChar != "l") return false;
  ScriptL(p, 56, 4, 1, 1);
  return true;
}

// Built when the program starts: the sanitizer build does not take comparisons of function
// addresses as constant expressions.
const auto kWithScriptL = lesson::SpliceGlyphRules(
    lesson::kStandardGlyphRules, lesson::ScriptLRule, {FractionScriptLRule, LargeScriptLRule});
const auto kOstrelGlyphRules =
    lesson::SpliceGlyphRules(kWithScriptL, lesson::FractionWideCharRule,
                             {lesson::CancelStrokeRule, lesson::FractionWideCharRule});

}  // namespace

void ApplyOstrelGlyphRules(Program& p) { lesson::ApplyGlyphRuleList(p, kOstrelGlyphRules); }

}  // namespace ostrel
