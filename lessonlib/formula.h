// Formula text: the notation of every lesson string and its renderer.
#pragma once

#include "lessonlib/program.h"

namespace lesson {

// Draws TextToDraw in the formula-text notation with its top-left at (TextX, TextY) in
// TextColour; leaves TextToDraw empty and TextX just after the text.
void DrawText(Program& p);

}  // namespace lesson
