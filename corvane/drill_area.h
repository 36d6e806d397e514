// The drill areas of chapters 1 and 2: each keeps its two corners in SavedX/SavedY, the
// top-left at `first` and the bottom-right at first + 1, and is erased before every item.
#pragma once

#include <string>

#include "lessonlib/program.h"

namespace corvane {

void KeepDrillArea(lesson::Program& p, float first, float left, float top, float right,
                   float bottom);
// Erases the area between its kept corners.
void EraseDrillArea(lesson::Program& p, float first);
// Moves the layout into the area (ColumnX and LineY at its top-left, MarginX `indent` to the
// right of ColumnX) and erases it.
void EnterDrillArea(lesson::Program& p, float first, float indent);

// The drill item's own text and the texts revealed after it.
const std::string& ItemText(lesson::Program& p);
const std::string& SecondText(lesson::Program& p);
const std::string& ThirdText(lesson::Program& p);

}  // namespace corvane
