#include "platform/window_runtime.h"

#include <SDL_syswm.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <string_view>

#include "platform/errors.h"
#include "platform/text_ops.h"

namespace platform {

namespace {

// The longest a key poll waits right after it showed a changed page, for a program that draws
// between polls. A key or a window event ends the wait at once, so the frame's length is
// invisible. A poll that finds the page as it was shown waits without a limit: nothing the
// lessons draw while they wait changes the page (the number field's cursor is drawn and erased
// again at every poll), so only an event can change anything.
constexpr int kFrameMs = 50;
constexpr int kNoLimit = -1;

// The display library reports a failed request and a lost connection through process-wide
// handlers that are given nothing of ours, so what they need is kept here while a window
// runtime lives.
struct DisplayWatch {
  Window window = 0;         // the runtime's window
  bool window_gone = false;  // destroyed by another client
  std::string program;       // named in the line a lost connection leaves
  XErrorHandler previous = nullptr;
  XIOErrorHandler previous_io = nullptr;
};
DisplayWatch g_display_watch;

// Another client may destroy the window (a window manager's kill, `xdotool windowclose`); SDL's
// requests about it then fail. That is the window closed, not a fault of the program's: it is
// noted, and the next key poll ends the run. Any other error goes to the handler before ours.
int OnDisplayError(Display* display, XErrorEvent* error) {
  const bool about_window = error->error_code == BadWindow || error->error_code == BadDrawable;
  if (about_window && error->resourceid == g_display_watch.window) {
    g_display_watch.window_gone = true;
    return 0;
  }
  return g_display_watch.previous != nullptr ? g_display_watch.previous(display, error) : 0;
}

// The display server went away or cut the connection: nothing more can be shown or read, so
// the program ends at once with one line saying why, and exit code 1.
int OnDisplayLost(Display* display) {
  std::fprintf(stderr, "%s: lost the connection to the display %s\n",
               g_display_watch.program.c_str(), DisplayString(display));
  std::fflush(stdout);
  std::_Exit(1);
}

void WatchDisplay(Window window, const std::string& program) {
  g_display_watch.window = window;
  g_display_watch.window_gone = false;
  g_display_watch.program = program;
  g_display_watch.previous = XSetErrorHandler(OnDisplayError);
  g_display_watch.previous_io = XSetIOErrorHandler(OnDisplayLost);
}

void UnwatchDisplay() {
  XSetErrorHandler(g_display_watch.previous);
  XSetIOErrorHandler(g_display_watch.previous_io);
  g_display_watch = {};
}

// SDL hides a window it takes for shown before it destroys it, and waits for the server's
// notice that the window is unmapped. A window another client destroyed had that notice read
// long ago (and SDL, failing to read the window's state since, may take it for shown again):
// without a notice in the queue the wait would never end.
void QueueUnmapNotice(Display* display, Window window) {
  XEvent notice{};
  notice.xunmap.type = UnmapNotify;
  notice.xunmap.display = display;
  notice.xunmap.event = window;
  notice.xunmap.window = window;
  XPutBackEvent(display, &notice);
}

bool IsDestroyOf(const SDL_SysWMmsg& message, Window window) {
  if (message.subsystem != SDL_SYSWM_X11) return false;
  const XEvent& event = message.msg.x11.event;
  return event.type == DestroyNotify && event.xdestroywindow.window == window;
}

// Starts SDL's video and makes a page as sharp as the display's usable area allows.
std::unique_ptr<Canvas> MakeWindowCanvas() {
  // The page is drawn by cairo in memory; the window only shows it, now and then. SDL's
  // software renderer does that well enough and spares loading a GL driver, which on a
  // machine without a GPU means a software rasteriser of some 55 MB and a slower start.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The stop signals are ours (StopSignals), not SDL's quit events.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The programs take digits, Enter, Backspace and single keys, never a compose sequence, so
  // the input method gets an empty compose table: parsing the locale's (thousands of lines)
  // was the largest part of opening the display. A table the user names is still read.
  setenv("XCOMPOSEFILE", "/dev/null", 0);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    throw std::runtime_error(std::string("cannot start the display: ") + SDL_GetError());
  }
  // Without a display SDL falls back to drivers that show nothing: the program would run on,
  // unseen and beyond reach.
  const std::string_view driver = SDL_GetCurrentVideoDriver();
  if (driver == "offscreen" || driver == "dummy") {
    SDL_Quit();
    throw std::runtime_error("cannot start the display: no display to show a window on");
  }
  SDL_Rect usable{0, 0, 1440, 900};
  SDL_GetDisplayUsableBounds(0, &usable);
  const double scale =
      std::clamp(std::min(usable.w / kPageWidth, usable.h / kPageHeight), 0.5, 3.0);
  return std::make_unique<Canvas>(scale);
}

std::string EncodeUtf8(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

bool IsModifier(SDL_Keycode key) {
  switch (key) {
    case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL:
    case SDLK_LALT: case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI:
    case SDLK_MODE: case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR: case SDLK_SCROLLLOCK:
      return true;
    default:
      return false;
  }
}

// The character a key types when no text input follows its press ("" for a key that types
// none).
std::string TypedChar(const SDL_Keysym& sym) {
  if (sym.sym >= 32 && sym.sym <= 126) return std::string(1, static_cast<char>(sym.sym));
  switch (sym.sym) {
    case SDLK_KP_DIVIDE: return "/";
    case SDLK_KP_MULTIPLY: return "*";
    case SDLK_KP_MINUS: return "-";
    case SDLK_KP_PLUS: return "+";
    default: break;
  }
  if ((sym.mod & KMOD_NUM) != 0) {
    if (sym.sym >= SDLK_KP_1 && sym.sym <= SDLK_KP_9) {
      return std::string(1, static_cast<char>('1' + (sym.sym - SDLK_KP_1)));
    }
    if (sym.sym == SDLK_KP_0) return "0";
    if (sym.sym == SDLK_KP_PERIOD) return ".";
  }
  return "";
}

// The one-key string of a key that types no character.
std::string ControlKey(const SDL_Keysym& sym) {
  switch (sym.sym) {
    case SDLK_RETURN: case SDLK_RETURN2: case SDLK_KP_ENTER: return "\r";
    case SDLK_BACKSPACE: return "\b";
    // The Clear key: its own, or the keypad's 5 with Num Lock off, as on PC keyboards.
    case SDLK_CLEAR: case SDLK_KP_CLEAR: case SDLK_KP_5: return "\f";
    case SDLK_TAB: return "\t";
    case SDLK_ESCAPE: return "\x1b";
    case SDLK_DELETE: return "\x7f";
    default:
      // Any other key: a character of the private-use area, one per scancode.
      return EncodeUtf8(0xE000 + (static_cast<char32_t>(sym.scancode) & 0x0FFF));
  }
}

}  // namespace

WindowRuntime::WindowRuntime(const std::string& title, const StopSignals& stop)
    : Runtime(MakeWindowCanvas(), nullptr), stop_(stop) {
  const int w = canvas().pixel_width(), h = canvas().pixel_height();
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                             SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (window_ == nullptr) throw std::runtime_error(std::string("no window: ") + SDL_GetError());
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) throw std::runtime_error(std::string("no renderer: ") + SDL_GetError());
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_RenderSetLogicalSize(renderer_, w, h);  // uniform scale, centred
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, w, h);
  if (texture_ == nullptr) throw std::runtime_error(std::string("no texture: ") + SDL_GetError());
  shown_.assign(static_cast<size_t>(w) * h, 0);
  SDL_StartTextInput();
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window_, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    x_display_ = info.info.x11.display;
    x_window_ = info.info.x11.window;
    WatchDisplay(x_window_, title);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // to see the window destroyed from outside
  }
}

WindowRuntime::~WindowRuntime() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (g_display_watch.window_gone) QueueUnmapNotice(x_display_, x_window_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  if (x_display_ != nullptr) {
    // Requests about a window destroyed from outside fail when the server answers them: have
    // the answers in while our handler is in place (SDL puts back the default one, which ends
    // the process on any error).
    XSync(x_display_, False);
    UnwatchDisplay();
  }
  SDL_Quit();
}

void WindowRuntime::OnMaximize() { SDL_MaximizeWindow(window_); }

std::string WindowRuntime::ClockText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::optional<std::string> WindowRuntime::NextKey() {
  if (keys_.empty()) {
    // Nothing waiting: show the page and sleep until an event comes (an event already queued
    // ends the wait at once); for at most a frame when the page changed (kFrameMs).
    Pump(Present(false) ? kFrameMs : kNoLimit);
  }
  if (keys_.empty()) return std::nullopt;
  std::string key = std::move(keys_.front());
  keys_.pop_front();
  return key;
}

void WindowRuntime::Pump(int timeout_ms) {
  EndIfClosed();
  SDL_Event event;
  if (x_display_ != nullptr) {
    if (!EventQueued() && !SleepOnConnection(timeout_ms)) return EndIfClosed();
    SDL_PumpEvents();
  } else if (SDL_WaitEventTimeout(&event, timeout_ms == kNoLimit ? kFrameMs : timeout_ms) != 0) {
    // Without X11 the wait cannot watch the stop signals, so it still wakes every frame.
    Handle(event);
  }
  while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
    Handle(event);
  }
  FlushPendingKey();
  EndIfClosed();
}

bool WindowRuntime::EventQueued() {
  return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE ||
         XEventsQueued(x_display_, QueuedAlready) > 0;
}

bool WindowRuntime::SleepOnConnection(int timeout_ms) {
  // On X11, sleep on the display connection itself: SDL's own timed wait asks the server again
  // and again, which costs more than the whole wait should. The stop signals' pipe wakes it too.
  XFlush(x_display_);
  pollfd sources[] = {{ConnectionNumber(x_display_), POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
  return poll(sources, 2, timeout_ms) > 0 && sources[0].revents != 0;
}

void WindowRuntime::EndIfClosed() const {
  if (stop_.raised() || g_display_watch.window_gone) {
    throw ProgramExit{ExitReason::kWindowClosed};
  }
}

void WindowRuntime::FlushPendingKey() {
  if (pending_key_.empty()) return;
  keys_.push_back(std::move(pending_key_));
  pending_key_.clear();
}

void WindowRuntime::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      throw ProgramExit{ExitReason::kWindowClosed};
    case SDL_WINDOWEVENT:
      must_present_ = true;
      break;
    case SDL_SYSWMEVENT:
      if (IsDestroyOf(*event.syswm.msg, x_window_)) g_display_watch.window_gone = true;
      break;
    case SDL_KEYDOWN: {
      FlushPendingKey();
      const SDL_Keysym& sym = event.key.keysym;
      if (IsModifier(sym.sym)) break;
      std::string typed = TypedChar(sym);
      if (typed.empty()) {
        keys_.push_back(ControlKey(sym));
      } else {
        pending_key_ = std::move(typed);  // replaced by the text input that normally follows
      }
      break;
    }
    case SDL_TEXTINPUT: {
      pending_key_.clear();
      for (const std::string_view ch : SplitChars(event.text.text)) keys_.emplace_back(ch);
      break;
    }
    default:
      break;
  }
}

bool WindowRuntime::Present(bool force) {
  unshown_.Add(canvas().TakeDirty());
  force = force || must_present_;
  if (unshown_.empty() && !force) return false;
  cairo_surface_t* surface = canvas().surface();
  cairo_surface_flush(surface);
  const auto* pixels = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface));
  const int stride = cairo_image_surface_get_stride(surface) / 4;
  const int width = canvas().pixel_width();
  // Compare what changed with what the window shows: a cursor drawn and erased again leaves
  // the page as it was, and then nothing needs showing.
  bool changed = false;
  for (int y = unshown_.y; y < unshown_.y + unshown_.h; ++y) {
    const uint32_t* row = pixels + static_cast<size_t>(y) * stride + unshown_.x;
    uint32_t* copy = shown_.data() + static_cast<size_t>(y) * width + unshown_.x;
    const size_t bytes = static_cast<size_t>(unshown_.w) * 4;
    if (std::memcmp(row, copy, bytes) != 0) {
      std::memcpy(copy, row, bytes);
      changed = true;
    }
  }
  if (changed && !unshown_.empty()) {
    const SDL_Rect rect{unshown_.x, unshown_.y, unshown_.w, unshown_.h};
    SDL_UpdateTexture(texture_, &rect,
                      pixels + static_cast<size_t>(unshown_.y) * stride + unshown_.x,
                      stride * 4);
  }
  unshown_ = {};
  if (!changed && !force) return false;
  must_present_ = false;
  SDL_SetRenderDrawColor(renderer_, 0x30, 0x30, 0x30, 0xFF);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  return true;
}

}  // namespace platform
