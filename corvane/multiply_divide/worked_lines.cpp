#include "corvane/multiply_divide/worked_lines.h"

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"

namespace corvane {

namespace {
constexpr float kMarkColour = 3;
}

void DrawPieces(lesson::Program& p, float colour, std::span<const Piece> pieces) {
  for (const Piece& piece : pieces) {
    if (piece.anchor >= 0) {
      p.work.PointX(piece.anchor) = p.layout.LineEndX + piece.dx;
      p.work.PointY(piece.anchor) = p.layout.LineY + piece.dy;
    }
    lesson::ContinueLessonText(p, piece.text, colour);
  }
}

void KeepLineEnd(lesson::Program& p, float slot) {
  p.work.SavedX(slot) = p.layout.LineEndX;
  p.work.SavedY(slot) = p.layout.LineY;
}

void KeepDenominator(lesson::Program& p, float slot) {
  p.work.SavedX(slot) = p.renderer.DenominatorX;
  p.work.SavedY(slot) = p.renderer.DenominatorY;
}

void KeepNumerator(lesson::Program& p, float slot) {
  p.work.SavedX(slot) = p.renderer.NumeratorX;
  p.work.SavedY(slot) = p.renderer.NumeratorY;
}

void DrawCancelStroke(lesson::Program& p, float x, float y, float dx, float dy) {
  p.rt.PsLINE(x, y, dx, dy, true, kMarkColour, 0, kMarkColour);
}

}  // namespace corvane
