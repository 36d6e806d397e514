#include "ostrel/lesson_steps.h"

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace ostrel {

void EraseBox(lesson::Program& p, float x, float y, float width, float height) {
  p.rt.PsLINE(x, y, width, height, true, 15, 2, 15);
}

void DrawTextAt(lesson::Program& p, const std::string& text, float colour, float x, float y) {
  p.text.TextToDraw = text;
  p.text.TextColour = colour;
  p.text.TextX = x;
  p.text.TextY = y;
  lesson::DrawText(p);
}

void NextLine(lesson::Program& p, const std::string& text, float colour, float step) {
  lesson::DrawLessonText(p, text, colour, p.layout.MarginX, p.layout.LineY + step);
}

void DrawPieces(lesson::Program& p, float x, float y, std::initializer_list<Piece> pieces) {
  bool first = true;
  for (const Piece& piece : pieces) {
    if (first) {
      lesson::DrawLessonText(p, piece.text, piece.colour, x, y);
      first = false;
    } else {
      lesson::ContinueLessonText(p, piece.text, piece.colour);
    }
  }
}

float RandomWhole(lesson::Program& p, float first, float count) {
  return platform::PnFInt(p.rt.PaRnd() * count) + first;
}

}  // namespace ostrel
