// One program run on the headless backend: the tests and the replay tool drive the programs
// through it.
#pragma once

#include <optional>
#include <string>

#include "lessonlib/program.h"
#include "platform/errors.h"
#include "platform/headless_runtime.h"

namespace lesson {

class HeadlessSession {
 public:
  explicit HeadlessSession(const ProgramDefinition& definition,
                           const platform::HeadlessOptions& options = {});

  // Runs the program from start-up until the run ends; the trace's last line says why.
  platform::ExitReason Start();
  // Runs one routine on the session's state. Returns why the run ended when it did (the key
  // script used up, the end statement), nothing when the routine returned.
  template <typename Routine>
  std::optional<platform::ExitReason> Call(Routine&& routine) {
    try {
      routine(program);
    } catch (const platform::ProgramExit& exit) {
      return exit.reason;
    }
    return std::nullopt;
  }

  const platform::Trace& trace() const { return runtime.recorded(); }

  platform::HeadlessRuntime runtime;
  Program program;
};

}  // namespace lesson
