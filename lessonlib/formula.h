// Formula text and the routines built on it: the formula renderer (DrawText, stacked
// fractions, glyph runs and glyph rules), measured and boxed text, the label style, fraction
// arithmetic that writes formula text, term-sign helpers, the column layout, and the figure
// marks whose labels are formula text.
//
// Formula text is a lesson string in which a few characters are marks: "ﾀ" brackets a stacked
// fraction ("ﾀ1/2ﾀ"), "^" makes the next character an exponent, "\" raises it, "!" and "#"
// open a root overbar that "ﾝ" closes, and "*", "/", "%", "@", "!" are drawn as the signs
// ×, ÷, °, ±, √. Every routine works on the program's shared records (program.h).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "lessonlib/program.h"

namespace lesson {

// Faces the formula renderer and the label style select.
inline constexpr std::string_view kFormulaFace = "ゴシック";
inline constexpr std::string_view kItalicFace = "Times New Roman";
inline constexpr std::string_view kScriptFace = "MT Extra";

// ---- The formula renderer -------------------------------------------------------------

// Draws TextToDraw at (TextX, TextY) in TextColour and consumes it; TextX is left just after
// the text. The renderer's pending marks (CaretFlag, RaisedFlag, TallParenFlag) and the root
// overbar (RootBarMode, RootBarStartX) carry over from one text to the next.
void DrawText(Program& p);
// Draws the fraction text in WorkText (numerator "/" denominator) stacked, with its top-left
// at (TextX, TextY), and leaves its layout in p.renderer. Called by DrawText.
void DrawFraction(Program& p);
// One glyph run: draws the characters of WorkText from (TextX, TextY), each by the first
// glyph rule that takes it, and leaves TextX after the last glyph.
void DrawFormulaChars(Program& p);

// ---- Glyph rules ------------------------------------------------------------------------
//
// A glyph run hands each character (CurrentChar, after the run's sign substitutions) first
// to the radical and parallelogram rules, which every program shares, and then to the
// program's own rule list, ProgramDefinition::apply_glyph_rules. A list sets
// CharByteCount, lets its first rule that takes the character draw it at the pen
// (GlyphX, GlyphY) and advance GlyphX, and ends with RootBarTail.
//
// A rule is a function that returns false when the character is not its own, and otherwise
// draws it and returns true. The standard list below is exposed rule by rule, so that a
// program whose list differs slightly builds its own from it:
//
//   const auto kRules = SpliceGlyphRules(kStandardGlyphRules, FractionWideCharRule,
//                                        {CancelStrokeRule, FractionWideCharRule});
//   void ApplyMyGlyphRules(Program& p) { ApplyGlyphRuleList(p, kRules); }
using GlyphRule = bool (*)(Program&);

// The radical sign and the parallelogram sign; true when one of them took the character.
bool ApplyCommonGlyphRules(Program& p);
// The end of every rule of a list: extends an open root overbar over the glyph just drawn,
// or lets the bar's start follow the pen.
void RootBarTail(Program& p);
// Sets CharByteCount, applies the first rule of `rules` that takes the character, then
// RootBarTail. The last rule of a list must take every character.
void ApplyGlyphRuleList(Program& p, std::span<const GlyphRule> rules);

// The standard rules, in their order in the standard list.
bool DecimalPointRule(Program& p);       // "."
bool PrimeRule(Program& p);              // "'" and "°"
bool TallOpenParenRule(Program& p);      // "(" while TallParenFlag is 1
bool TallCloseParenRule(Program& p);     // ")" while TallParenFlag is 1; clears it
bool EqualsRule(Program& p);             // "="
bool RaisedGlyphRule(Program& p);        // any character while RaisedFlag is 1; clears it
bool FractionExponentRule(Program& p);   // any character while CaretFlag is 1, in a fraction
bool ExponentRule(Program& p);           // any character while CaretFlag is 1
bool FractionItalicLetterRule(Program& p);  // "a", "x", "c" in a fraction
bool ItalicLetterRule(Program& p);          // "a", "x", "c"
bool ScriptLRule(Program& p);               // "l"
bool FractionMinusRule(Program& p);
bool FractionPlusRule(Program& p);
bool MinusRule(Program& p);
bool PlusRule(Program& p);
bool OperatorSignRule(Program& p);       // "×", "÷", "±" outside fractions
bool BlankRule(Program& p);              // " "
bool FractionWideCharRule(Program& p);   // any two-byte character in a fraction
bool WideCharRule(Program& p);           // any two-byte character
bool FractionCharRule(Program& p);       // any other character in a fraction
bool DefaultCharRule(Program& p);        // any other character

inline constexpr std::array<GlyphRule, 21> kStandardGlyphRules{
    DecimalPointRule,     PrimeRule,           TallOpenParenRule,        TallCloseParenRule,
    EqualsRule,           RaisedGlyphRule,     FractionExponentRule,     ExponentRule,
    FractionItalicLetterRule, ItalicLetterRule, ScriptLRule,             FractionMinusRule,
    FractionPlusRule,     MinusRule,           PlusRule,                 OperatorSignRule,
    BlankRule,            FractionWideCharRule, WideCharRule,            FractionCharRule,
    DefaultCharRule,
};

// A rule the standard list does not hold, for the programs whose worked answers strike out
// cancelled characters: "ｹ" in a numerator or denominator draws no character but a stroke
// across its cell in LineColour at the draw width in force, and advances as a digit or
// letter does there, so that a fraction drawn again at the same place with "ｹ" in some of
// its cells lays out exactly as before and strikes those cells out. Outside a fraction "ｹ"
// goes on to the later rules and is drawn as the character.
bool CancelStrokeRule(Program& p);

// The standard list; a program that draws with it puts this in its ProgramDefinition.
void ApplyStandardGlyphRules(Program& p);

// A copy of `rules` in which the rule `at` is replaced by the rules `with`, in their order:
// {added, at} inserts a rule before `at`, {first, second} splits it in two. `at` must be in
// the list (a compile-time error otherwise, when used in a constant expression).
template <std::size_t N, std::size_t M>
constexpr std::array<GlyphRule, N + M - 1> SpliceGlyphRules(const std::array<GlyphRule, N>& rules,
                                                            GlyphRule at,
                                                            const GlyphRule (&with)[M]) {
  std::array<GlyphRule, N + M - 1> spliced{};
  std::size_t out = 0;
  bool found = false;
  for (GlyphRule rule : rules) {
    if (rule == at && !found) {
      found = true;
      for (GlyphRule added : with) spliced[out++] = added;
    } else if (out < spliced.size()) {
      spliced[out++] = rule;
    }
  }
  if (!found) throw "SpliceGlyphRules: the rule to replace is not in the list";
  return spliced;
}

// ---- Measured and boxed text -------------------------------------------------------------

// MeasuredWidth = the advance of the formula text in WorkText, found by drawing it off screen
// at the current FractionMode; TextX, TextY and WorkText come back unchanged.
void MeasureTextWidth(Program& p);
// A filled box (BoxWidth x BoxHeight at TextX, TextY; border LineColour, inside FillColour)
// with WorkText centred in it. TextX is left at the box's right edge, TextY at its top.
void DrawBoxedText(Program& p);
// The same box laid around a text line whose top is TextY.
void DrawBoxedTextOnLine(Program& p);
// One box with two lines, TextA above TextB.
void DrawBoxedTwoLines(Program& p);

// ---- Label text ---------------------------------------------------------------------------

// Draws TextToDraw in the compact label style (no markup, bold size 15, small glyphs).
void DrawLabelText(Program& p);

// ---- Fraction arithmetic ------------------------------------------------------------------

// Reduces FractionNumerator / FractionDenominator and writes the given and the reduced
// fraction as formula text in its sign styles.
void ReduceFractionText(Program& p);
// Gcd and Lcm of FractionNumerator and FractionDenominator (not negative, the second not 0).
void ComputeGcdLcm(Program& p);
// a - b * INT(a / b).
float ComputeRemainder(float a, float b);
// Adds AddendNumerator1 / AddendDenominator1 and AddendNumerator2 / AddendDenominator2 over
// their least common denominator and writes each step as formula text.
void AddFractionsText(Program& p);

// ---- Term-sign helpers (on WorkText) ------------------------------------------------------

void NegateTermSign(Program& p);
void StripLeadingPlus(Program& p);
void StripLeadingSign(Program& p);
void BracketIfMinus(Program& p);

// The same on a text of the caller's, passed through WorkText: the text as the helper leaves it.
std::string WithoutLeadingPlus(Program& p, const std::string& text);
std::string WithoutLeadingSign(Program& p, const std::string& text);
std::string BracketedIfMinus(Program& p, const std::string& text);

// A coefficient written right before its letter or bracket, from the digits that
// FormatNumberArrays wrote for `value`: its signed form, for a term that follows another. 0
// gives the empty text, 1 "+", -1 "-", any other value its digits with "+" in front when it is
// positive. StripLeadingPlus then gives the leading form, for the first term of a line or of a
// bracket (1 as the bare letter, 7 as 7).
void SignCoefficientText(float value, std::string& text);

// ---- Column layout ------------------------------------------------------------------------

// TextA over TextB with ColumnOperator and ")" before the lower row and a rule under both.
void DrawColumnAddition(Program& p);

// ---- Figure marks -------------------------------------------------------------------------

void ComputeArcAngles(Program& p);
void PlaceAngleLabel(Program& p);
void DrawAngleArcs(Program& p);
void DrawRightAngleMark(Program& p);
void AngleInDegrees(Program& p);
void DrawChevronsAtRatio(Program& p);
void DrawTicksAtMidpoint(Program& p);
void SegmentDirection(Program& p);
void DrawDottedArc(Program& p);

// A dotted arc over the chord from (x0, y0) to (x1, y1), given in one call and drawn by
// DrawDottedArc: distribution arcs from a multiplier to the terms it multiplies, and length
// marks along a figure's sides.
struct DottedArc {
  float x0, y0, x1, y1;
  float colour;
  float side;   // -1: bulges to the left of the way from (x0, y0) to (x1, y1), 1: to the right
  float bulge;  // the height: 1 to 15 count 16 units each, a negative one is the height itself
  float step = 1;          // degrees between dots: 181 dots for 1, 91 for 2
  std::string label = "";  // formula text set outside the arc's middle
  float label_colour = 0;
  float label_dx = 0, label_dy = 0;  // moves the label from its place
};
void DrawArc(Program& p, const DottedArc& arc);

}  // namespace lesson
