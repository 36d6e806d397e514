#include "lessonlib/window_main.h"

#include <cstdio>
#include <exception>

#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "platform/window_runtime.h"

namespace lesson {

int RunInWindow(const ProgramDefinition& definition) {
  try {
    platform::WindowRuntime runtime(definition.title);
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
