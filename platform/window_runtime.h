// The window backend: one resizable SDL window, opened maximised and titled with the
// program's name, showing the page scaled uniformly to fit and centred.
#pragma once

#include <SDL.h>
#include <X11/Xlib.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace platform {

class WindowRuntime : public Runtime {
 public:
  explicit WindowRuntime(const std::string& title);
  ~WindowRuntime() override;

 protected:
  std::optional<std::string> NextKey() override;
  std::string ClockText() override;
  void OnMaximize() override;

 private:
  // Handles every waiting event; with `wait_ms` > 0 first waits that long for one.
  void Pump(int wait_ms);
  void Handle(const SDL_Event& event);
  void FlushPendingKey();
  // Shows the page if it changed since it was last shown (or `force`).
  void Present(bool force);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::deque<std::string> keys_;
  std::string pending_key_;  // a key press whose text may still follow as text input
  std::vector<uint32_t> shown_;
  PixelRect unshown_;
  bool must_present_ = true;
  Display* x_display_ = nullptr;  // set on X11: waits sleep on its connection
};

}  // namespace platform
