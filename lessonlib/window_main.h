// Runs a program in its window: the main routine of each executable.
#pragma once

#include "lessonlib/program.h"

namespace lesson {

// Opens the window, runs the program until it ends and returns the exit code: 0 when the
// program ended, the window was closed (or destroyed by another client) or SIGINT, SIGTERM or
// SIGHUP came; 1 when no window could be opened. A lost display connection ends the process
// at once with code 1 and one line on stderr.
int RunInWindow(const ProgramDefinition& definition);

}  // namespace lesson
