#pragma once

#include "lessonlib/program.h"

namespace ostrel {

extern const lesson::ProgramDefinition kOstrel;

lesson::Jump ShowMainMenu(lesson::Program& p);

}  // namespace ostrel
