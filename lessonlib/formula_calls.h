// Calls the formula-text routines make of one another: the renderer's inputs set from
// arguments. Internal to the lesson library.
#pragma once

#include <string>

#include "lessonlib/program.h"

namespace lesson {

// Brackets a run drawn only to measure, so that readers of the trace can leave it out; the
// bracket closes even when the run ends in a runtime error.
class MeasuringRun {
 public:
  explicit MeasuringRun(platform::Runtime& rt) : rt_(rt) { rt_.BeginMeasure(); }
  ~MeasuringRun() { rt_.EndMeasure(); }
  MeasuringRun(const MeasuringRun&) = delete;
  MeasuringRun& operator=(const MeasuringRun&) = delete;

 private:
  platform::Runtime& rt_;
};

// DrawText of `text` with its top-left at (x, y), in the current TextColour.
void DrawTextAt(Program& p, float x, float y, const std::string& text);
// MeasureTextWidth of `text`: its advance at the current FractionMode (WorkText = `text`).
float MeasureWidthOf(Program& p, const std::string& text);

}  // namespace lesson
