#include "lessonlib/window_main.h"

#include <cstdio>
#include <exception>

#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "platform/stop_signals.h"
#include "platform/window_runtime.h"

namespace lesson {

int RunInWindow(const ProgramDefinition& definition) {
  try {
    // Caught from before the window opens, so that a stop signal during start-up ends the run
    // at its first key poll too.
    const platform::StopSignals stop;
    platform::WindowRuntime runtime(definition.title, stop);
    Program program(runtime, definition);
    StartProgram(program);
  } catch (const platform::ProgramExit&) {
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", definition.title, error.what());
    return 1;
  }
  return 0;
}

}  // namespace lesson
