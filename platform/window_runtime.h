// The window backend: one resizable SDL window, opened maximised and titled with the
// program's name, showing the page scaled uniformly to fit and centred.
#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/stop_signals.h"

namespace platform {

// One window runtime at a time per process: on X11 it takes over the display library's
// process-wide error handlers while it lives.
class WindowRuntime : public Runtime {
 public:
  // A stop signal (`stop`) ends the run at the next key poll, as closing the window does.
  WindowRuntime(const std::string& title, const StopSignals& stop);
  ~WindowRuntime() override;

 protected:
  std::optional<std::string> NextKey() override;
  std::string ClockText() override;
  void OnMaximize() override;

 private:
  // Handles every waiting event, after waiting up to `timeout_ms` (-1: no limit) for one when
  // none is queued.
  void Pump(int timeout_ms);
  // Whether an event is queued with SDL or read from the display connection already.
  bool EventQueued();
  // Sleeps until the display connection has data, a stop signal comes or `timeout_ms` passes;
  // true when the connection has data.
  bool SleepOnConnection(int timeout_ms);
  void Handle(const SDL_Event& event);
  void FlushPendingKey();
  // Throws ProgramExit when a stop signal came or the window is gone.
  void EndIfClosed() const;
  // Shows the page if it changed since it was last shown (or `force`); true when it did.
  bool Present(bool force);

  const StopSignals& stop_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::deque<std::string> keys_;
  std::string pending_key_;  // a key press whose text may still follow as text input
  std::vector<uint32_t> shown_;
  PixelRect unshown_;
  bool must_present_ = true;
  Display* x_display_ = nullptr;  // set on X11: waits sleep on its connection
  Window x_window_ = 0;
};

}  // namespace platform
