// The signals that ask a windowed program to end: SIGINT (Ctrl+C in its terminal), SIGTERM
// (`kill`, a desktop logout) and SIGHUP (its terminal closed). While a StopSignals lives they no
// longer end the process where it stands: each one is noted and wakes the window backend's key
// wait, which ends the run as a closed window does. One the process was started with ignored
// stays ignored.
#pragma once

#include <csignal>
#include <iterator>

namespace platform {

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // Becomes readable once a stop signal has come: a wait polls it beside its other sources.
  int fd() const { return pipe_[0]; }
  // Whether a stop signal has come.
  bool raised() const;

 private:
  static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

  int pipe_[2] = {-1, -1};
  struct sigaction previous_[std::size(kSignals)] = {};
  struct sigaction previous_pipe_ = {};
};

}  // namespace platform
