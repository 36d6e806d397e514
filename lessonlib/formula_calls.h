// Calls the formula-text routines make of one another: the renderer's inputs set from
// arguments. Internal to the lesson library.
#pragma once

#include <string>

#include "lessonlib/program.h"

namespace lesson {

// DrawText of `text` with its top-left at (x, y), in the current TextColour.
void DrawTextAt(Program& p, float x, float y, const std::string& text);
// MeasureTextWidth of `text`: its advance at the current FractionMode (WorkText = `text`).
float MeasureWidthOf(Program& p, const std::string& text);

}  // namespace lesson
