#include "platform/stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace platform {

namespace {

// A signal handler reaches only process-wide values, so these two are. The flag says a stop
// signal came; the pipe's write end gets a byte for each one, so that a wait sleeping in poll()
// wakes whichever thread the signal lands on. Both are set before the handler is installed and
// reset after it is removed; the handler does nothing but async-signal-safe writes.
volatile std::sig_atomic_t g_stop_raised = 0;
volatile std::sig_atomic_t g_stop_pipe = -1;

extern "C" void OnStopSignal(int /*signal*/) {
  const int saved_errno = errno;
  g_stop_raised = 1;
  const char byte = 1;
  // The pipe does not block: when it is full, the bytes already in it wake the wait.
  [[maybe_unused]] const ssize_t written = write(g_stop_pipe, &byte, 1);
  errno = saved_errno;
}

}  // namespace

StopSignals::StopSignals() {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error(std::string("no pipe for the stop signals: ") + std::strerror(errno));
  }
  g_stop_raised = 0;
  g_stop_pipe = pipe_[1];
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (size_t k = 0; k < std::size(kSignals); ++k) {
    sigaction(kSignals[k], nullptr, &previous_[k]);
    // A signal the program was started with ignored stays ignored, as whoever started it meant
    // (nohup's SIGHUP; SIGINT for a job a script started in the background).
    if (previous_[k].sa_handler != SIG_IGN) sigaction(kSignals[k], &action, nullptr);
  }
  // A write to a display connection that has gone must fail with an error that the display
  // library reports, not kill the process without a word.
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, &previous_pipe_);
}

StopSignals::~StopSignals() {
  for (size_t k = 0; k < std::size(kSignals); ++k) sigaction(kSignals[k], &previous_[k], nullptr);
  sigaction(SIGPIPE, &previous_pipe_, nullptr);
  g_stop_pipe = -1;
  close(pipe_[0]);
  close(pipe_[1]);
}

bool StopSignals::raised() const { return g_stop_raised != 0; }

}  // namespace platform
