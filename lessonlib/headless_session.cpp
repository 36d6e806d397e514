#include "lessonlib/headless_session.h"

#include "lessonlib/screen.h"

namespace lesson {

HeadlessSession::HeadlessSession(const ProgramDefinition& definition,
                                 const platform::HeadlessOptions& options)
    : runtime(options), program(runtime, definition) {}

platform::ExitReason HeadlessSession::Start() {
  platform::ExitReason reason = platform::ExitReason::kProgramEnded;
  try {
    StartProgram(program);
  } catch (const platform::ProgramExit& exit) {
    reason = exit.reason;
  }
  runtime.NoteEnd(platform::ExitReasonName(reason));
  return reason;
}

}  // namespace lesson
