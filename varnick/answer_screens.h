// What Varnick's answer screens are laid out with: the header of the textbook-exercise
// answers (a boxed page title and the exercise number in a badge beside it) and the columns
// that hold numbered problems with their steps.
#pragma once

#include <string>

#include "lessonlib/chapter_frame.h"

namespace varnick {

// The answer header at (ColumnX, LineY): the page title centred in a 396 x 46 box (border 3,
// fill 13), and 44 right of it the exercise number in a 44 x 44 badge (border 4, fill 3),
// both top-aligned. The borders take the draw width in force: the header sets none, so it
// shows whatever width the screens before it left. Leaves LineEndX at the badge's right
// edge and LineY at the header's top.
void DrawAnswerHeader(lesson::Program& p, const std::string& title, const std::string& badge);

// Starts a column of answers at its top: problem numbers at `column_x` (ColumnX), their
// steps 54 right of it (MarginX), the first line placed from y 30.
using lesson::StartAnswerColumn;

}  // namespace varnick
