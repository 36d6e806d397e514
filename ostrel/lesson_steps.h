// The steps Ostrel's lesson screens are made of: erasing boxes, and texts placed from the
// lesson layout (MarginX, LineY, LineEndX), whose convention DrawLessonText keeps.
#pragma once

#include <initializer_list>
#include <string>

#include "lessonlib/program.h"

namespace ostrel {

// A box filled with colour 15, from (x, y), `width` wide and `height` high.
void EraseBox(lesson::Program& p, float x, float y, float width, float height);

// Draws a text at (x, y) with DrawText and leaves the lesson layout alone (table columns
// whose rows are placed from a fixed line).
void DrawTextAt(lesson::Program& p, const std::string& text, float colour, float x, float y);

// Draws a text on a new line at MarginX, `step` below the current line (0: on it).
void NextLine(lesson::Program& p, const std::string& text, float colour, float step);

// One piece of a line of text and its colour.
struct Piece {
  std::string text;
  float colour;
};

// Draws a line made of pieces: the first at (x, y), each further one continuing the line.
void DrawPieces(lesson::Program& p, float x, float y, std::initializer_list<Piece> pieces);

// A uniform random whole number from `first` to first + count - 1: the whole part of count
// times the runtime's random fraction, plus `first`. (Adding `first` before taking the whole
// part can round a fraction just below 1 up to first + count in single precision.)
float RandomWhole(lesson::Program& p, float first, float count);

}  // namespace ostrel
