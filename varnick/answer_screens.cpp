#include "varnick/answer_screens.h"

#include "lessonlib/formula.h"

namespace varnick {

namespace {

struct HeaderBox {
  float width, height, text_colour, border, fill;
};

// One box of the header at (TextX, TextY); the line follows it.
void DrawHeaderBox(lesson::Program& p, const HeaderBox& box, const std::string& text) {
  p.figure.BoxWidth = box.width;
  p.figure.BoxHeight = box.height;
  p.text.TextColour = box.text_colour;
  p.figure.LineColour = box.border;
  p.figure.FillColour = box.fill;
  p.text.WorkText = text;
  lesson::DrawBoxedText(p);
  p.layout.LineEndX = p.text.TextX;
  p.layout.LineY = p.text.TextY;
}

}  // namespace

void DrawAnswerHeader(lesson::Program& p, const std::string& title, const std::string& badge) {
  p.text.TextX = p.layout.ColumnX;
  p.text.TextY = p.layout.LineY;
  DrawHeaderBox(p, {396, 46, 0, 3, 13}, title);
  p.text.TextX = p.layout.LineEndX + 44;
  p.text.TextY = p.layout.LineY;
  DrawHeaderBox(p, {44, 44, 13, 4, 3}, badge);
}

void StartAnswerColumn(lesson::Program& p, float column_x) {
  p.layout.ColumnX = column_x;
  p.layout.MarginX = column_x + 54;
  p.layout.LineY = 30;
}

}  // namespace varnick
