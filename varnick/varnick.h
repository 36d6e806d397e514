#pragma once

#include "lessonlib/program.h"

namespace varnick {

extern const lesson::ProgramDefinition kVarnick;

lesson::Jump ShowMainMenu(lesson::Program& p);

}  // namespace varnick
