// What the headless tools write of a run: the trace, streamed to its file line by line as the
// run goes (so that a run of any length fits in memory), the page as a PNG when the run ends,
// and the trace's last line on standard error.
#pragma once

#include <fstream>
#include <ostream>
#include <string>

#include "lessonlib/headless_session.h"
#include "platform/headless_runtime.h"

namespace tools {

class RunOutputs {
 public:
  // `tool` names the tool in its error messages.
  explicit RunOutputs(const char* tool) : tool_(tool) {}

  // Points the run's trace at `path` (nowhere when empty; the last line is kept either way).
  // False, with a message, when the file cannot be written.
  bool OpenTrace(const std::string& path, platform::HeadlessOptions& options);
  // Closes the trace, writes the page to `png_path` (none when empty) and reports the end
  // line. Returns the tool's exit code: 0, or 2 when a file could not be written (the trace,
  // the page, or one of the PNGs at the waits).
  int Finish(lesson::HeadlessSession& session, const std::string& png_path);

 private:
  const char* tool_;
  std::string trace_path_;
  std::ofstream trace_file_;
  std::ostream nowhere_{nullptr};
};

}  // namespace tools
