// Runs a program in its window: the main routine of each executable.
#pragma once

#include "lessonlib/program.h"

namespace lesson {

// Opens the window, runs the program until it ends and returns the exit code: 0 when the
// program ended or the window was closed, 1 when no window could be opened.
int RunInWindow(const ProgramDefinition& definition);

}  // namespace lesson
