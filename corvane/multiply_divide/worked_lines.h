// What the chapter's worked screens are drawn with: lines drawn in pieces that leave anchors
// for arcs and marks, and the cancellation marks.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "lessonlib/program.h"

namespace corvane {

// One piece of a worked line, drawn where the line has got to (LineEndX, LineY). Before it is
// drawn, its start moved by (dx, dy) is kept in PointX/PointY(anchor) for an arc or a mark to
// come; a piece without an anchor keeps nothing.
struct Piece {
  std::string text;
  float anchor = -1;
  float dx = 0, dy = 0;
};
void DrawPieces(lesson::Program& p, float colour, std::span<const Piece> pieces);
inline void DrawPieces(lesson::Program& p, float colour, std::initializer_list<Piece> pieces) {
  DrawPieces(p, colour, std::span<const Piece>(pieces.begin(), pieces.size()));
}

// The line's end and top, or the top-left of the denominator or numerator of the fraction
// drawn last, kept in SavedX/SavedY(slot) for a cancellation mark.
void KeepLineEnd(lesson::Program& p, float slot);
void KeepDenominator(lesson::Program& p, float slot);
void KeepNumerator(lesson::Program& p, float slot);

// A cancellation stroke: a colour-3 line from (x, y) by (dx, dy), at the draw width in force.
void DrawCancelStroke(lesson::Program& p, float x, float y, float dx, float dy);

}  // namespace corvane
