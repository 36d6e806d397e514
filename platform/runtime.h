// The runtime operations the lesson library and the lessons call: drawing, fonts, draw
// width, keyboard, clock, random numbers and the end statement.
//
// The public operations are the same for every backend; they round the program's values
// where the runtime takes whole numbers, record the call in the trace when one is attached,
// and draw on the shared page. A backend supplies only where keys and the time come from and
// what happens when the program waits.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/trace.h"

namespace platform {

// The runtime's random generator: a 64-bit SplitMix sequence, of which each draw keeps the
// top 24 bits, so that every value is k / 2^24, strictly below 1.
class RandomGenerator {
 public:
  void Seed(int32_t seed);
  float Next();

 private:
  uint64_t state_ = 0;
};

class Runtime {
 public:
  Runtime(std::unique_ptr<Canvas> canvas, Trace* trace);
  virtual ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Mode 0 a line, 1 an outlined box, 2 a box filled in `fill` with its border in `colour`.
  // With `relative` the second point is an offset from the first.
  void PsLINE(float x1, float y1, float x2, float y2, bool relative, float colour, float mode,
              float fill);
  // Start and end are fractions of a turn (0 right, 0.25 down), the arc running clockwise on
  // screen; start = end = 0 is the whole circle.
  void PsCIRCLE(float x, float y, float radius, float colour, float aspect, float start,
                float end, bool filled, float fill);
  void PsCONNECT(float colour, const std::vector<Point>& points);
  void PsSYMBOL40(std::string_view text, float x, float y, float mag_x, float mag_y,
                  float colour);
  void PsCLS(float mode);
  // The next waiting key as a one-character text, or "" when none is waiting. While none is
  // waiting it shows the page and waits up to one frame for the user. Throws ProgramExit
  // when the window is closed.
  std::string PfINKEY24();
  std::string PfTIME24();
  void PaRandomize(int32_t seed);
  float PaRnd();
  [[noreturn]] void PsEND();

  void FE_SETMAPMODE(float mode);
  void FE_MAXIMIZEWINDOW();
  void FE_SETFONTNAME(std::string_view face);
  void FE_SETFONTSIZE(float size);
  void FE_SETFONTBOLD(float on);
  void FE_SETFONTITALIC(float on);
  void FE_SETDRAWWIDTH(float width);
  float FE_GETDRAWWIDTH() const { return static_cast<float>(draw_width_); }

  // Trace notes made by the library's routines.
  void NoteText(std::string_view routine, float x, float y, float colour, std::string_view text);
  void NoteWait(std::string_view routine);
  void BeginMeasure();
  void EndMeasure();
  // Recorded by the runtime-error screen: the run's end is then reported as that error.
  void NoteRuntimeError(int line, int number);
  // Writes the trace's last line for a run that stopped for `reason`.
  void NoteEnd(std::string_view reason);
  std::string EndLine(std::string_view reason) const;

  Canvas& canvas() { return *canvas_; }
  const FontState& font() const { return font_; }
  Trace* trace() { return trace_; }
  bool measuring() const { return measure_depth_ > 0; }

 protected:
  void AttachTrace(Trace* trace) { trace_ = trace; }
  // The next key, or nothing when none is waiting. May block for up to one frame.
  virtual std::optional<std::string> NextKey() = 0;
  virtual std::string ClockText() = 0;
  virtual void OnWait(std::string_view /*routine*/) {}
  virtual void OnMaximize() {}
  // Random numbers handed out before the seeded generator's own (headless scripts).
  virtual std::optional<float> ScriptedRandom() { return std::nullopt; }

 private:
  Trace* Op(std::string_view name);
  int Colour(float colour);

  std::unique_ptr<Canvas> canvas_;
  Trace* trace_;
  FontState font_;
  int draw_width_ = 1;
  RandomGenerator random_;
  int measure_depth_ = 0;
  bool failed_ = false;
  int failed_line_ = 0, failed_number_ = 0;
};

}  // namespace platform
