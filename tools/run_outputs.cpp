#include "tools/run_outputs.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/path_checks.h"

namespace tools {

bool RunOutputs::OpenTrace(const std::string& path, platform::HeadlessOptions& options) {
  trace_path_ = path;
  options.trace_stream = &nowhere_;
  if (path.empty()) return true;
  trace_file_.open(path, std::ios::binary);
  if (!trace_file_) {
    Refuse(tool_, "write", path, std::strerror(errno));
    return false;
  }
  options.trace_stream = &trace_file_;
  return true;
}

int RunOutputs::Finish(lesson::HeadlessSession& session, const std::string& png_path) {
  if (!trace_path_.empty()) {
    trace_file_.close();
    if (!trace_file_) return CannotWrite(tool_, trace_path_);
  }
  if (!png_path.empty() && !session.runtime.canvas().WritePng(png_path)) {
    return CannotWrite(tool_, png_path);
  }
  if (const std::string& unwritten = session.runtime.unwritten_png(); !unwritten.empty()) {
    return CannotWrite(tool_, unwritten);
  }
  std::fprintf(stderr, "%s\n", session.trace().last_line().c_str());
  return 0;
}

}  // namespace tools
