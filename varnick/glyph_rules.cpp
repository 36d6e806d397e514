// Varnick's glyph-rule list: the standard list with the cancellation stroke. A "ｹ" in a
// numerator or denominator strikes out its cell: worked answers draw a fraction, then draw
// it again at the same place with "ｹ" in each cancelled cell, so that strokes appear over
// the cancelled digits and letters and nothing else changes.
#include "lessonlib/formula.h"
#include "varnick/varnick.h"

namespace varnick {

namespace {

// The stroke stands after the blank rule and before the rule for two-byte characters in a
// fraction. Built when the program starts: the sanitizer build does not take comparisons of
// function addresses as constant expressions.
const auto kVarnickGlyphRules =
    lesson::SpliceGlyphRules(lesson::kStandardGlyphRules, lesson::FractionWideCharRule,
                             {lesson::CancelStrokeRule, lesson::FractionWideCharRule});

}  // namespace

void ApplyVarnickGlyphRules(lesson::Program& p) { lesson::ApplyGlyphRuleList(p, kVarnickGlyphRules); }

}  // namespace varnick
