// Cancelling on a fraction drawn on a lesson screen, in the two ways Varnick's division
// chapters show it.
//
// Placed strokes: the screen draws the fraction where its line ended, takes the anchors of
// the cells it will strike from the layout the renderer leaves (NumeratorOffset,
// DenominatorOffset, FractionBarY), and later, at its own keys, strikes cells with short
// colour-3 lines falling to the right and writes what is left of a struck number above the
// numerator or below the denominator. Anchors are entries of PointX/PointY: 1 to 4 on the
// numerator row, 11 to 14 on the denominator row, and 0 the fraction's top-left corner.
//
// Strike-through overlays: the line is drawn a second time at its own place with every
// struck digit or letter written "ｹ", which the glyph rules draw inside a fraction as a line
// in LineColour across the cell instead of a character; everything else is drawn again over
// itself.
//
// Fraction cells are fixed: a digit or a letter advances 32, the "×" written "*" 38, so a
// "×" and a letter take 70 together. Struck fractions write powers out as repeated letters,
// never with "^", which would lower the denominator row under its anchors.
#pragma once

#include <initializer_list>
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/program.h"

namespace varnick {

// A striking screen's start: the lesson area erased, the text block at x 44 from y 30, draw
// width 5 for the strokes (left for the screens that follow).
void StartDivisionScreen(lesson::Program& p);

// An answer screen whose fractions are struck through: the whole screen erased, the steps at
// x 108 from y 30, draw width 5 for the strokes (left for the screens that follow).
void StartStruckAnswerScreen(lesson::Program& p);

// Draws the fraction text `text` (it opens with "ﾀ"; with two fractions side by side, the
// layout it leaves is the second's) in colour 0 where the line ended (LineEndX, LineY),
// keeping its top-left corner in PointX(0), PointY(0); the line then follows it. Whatever
// stands before the fraction on its line is drawn first, as a text of its own.
void DrawStrokedFraction(lesson::Program& p, const std::string& text);

// Anchors 1 and 11 of the fraction just drawn: the first cells of its numerator and
// denominator, 36 above the bar and 4 below it (the y at which every stroke on the row
// starts). To be run before any other fraction is drawn, even off screen.
void SetStrokeAnchors(lesson::Program& p);
// Anchor `anchor` on the row of anchor `from`, `dx` right of it: the cells' fixed advances
// added up, never measured on the glyphs.
void SetAnchorRightOf(lesson::Program& p, float anchor, float from, float dx);
// The worked screens' anchors: 1 and 11, and 2 and 12 64 right of them (a one-character
// factor and its "×" take 70, so the second strokes start 6 before their cells).
void SetWorkedStrokeAnchors(lesson::Program& p);

// The cells a factor's text takes in a fraction: one per character (a coefficient of two
// digits is struck by one line over two cells).
float CellCount(const std::string& factor);

// A colour-3 line from (x, y) over `count` characters side by side: to 32·count right and 28
// below, in the draw width in force. No text position changes.
void DrawCancellationStroke(lesson::Program& p, float x, float y, float count);

enum class FractionRow { kNumerator, kDenominator };
// What is left of a struck number, in colour 3: above a numerator anchor (x, y), its top 38
// higher, or below a denominator anchor, its top 32 lower. The lesson layout stays as it
// was; TextColour is left at 3.
void DrawReducedNumber(lesson::Program& p, float x, float y, const std::string& text,
                       FractionRow row);

// One step of a worked cancellation: after a key or at once, a stroke from an anchor over
// `struck` characters (none when 0), then the number left there (none when empty), above a
// numerator anchor or below a denominator anchor.
struct CancelMark {
  lesson::StepWait wait;
  float anchor;
  float struck;
  std::string reduced = {};
};
void DrawCancelMarks(lesson::Program& p, std::initializer_list<CancelMark> marks);

// A letter written out as a run of "×" and letter cells, `here` times on the anchor's row
// and `other` times on the other row: the first min(here, other) letters of the run are
// struck, one stroke each, the i-th 38 + 70·(i − 1) right of the anchor (the run's first
// "×"). A letter missing from either row is struck nowhere.
void StrikeLetterRun(lesson::Program& p, float anchor, float here, float other);
// The random practices' two letters struck on both rows: their exponents are AuxValues(1),
// (2) over the bar and (11), (12) under it, their runs start at the anchors given, row by
// row (a, then b, over the bar; then under it).
void StrikeSharedLetters(lesson::Program& p, float a_over, float b_over, float a_under,
                         float b_under);

// The overlay of the line just drawn at (MarginX, LineY): `overlay_text` is that line with
// every struck digit or letter replaced by "ｹ". Drawn in TextColour 0 with LineColour 7 (the
// strokes' colour, which it leaves set); the line then ends where the covered line did.
void DrawStrikeThroughOverlay(lesson::Program& p, const std::string& overlay_text);

}  // namespace varnick
