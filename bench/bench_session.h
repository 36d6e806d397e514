// What the benchmarks run lessons in: a program that only ends, with the standard glyph rules,
// on the headless backend without a trace.
#pragma once

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"

namespace bench {

inline lesson::Jump EndRun(lesson::Program& p) { p.rt.PsEND(); }

inline const lesson::ProgramDefinition kBenchProgram{"Bench", EndRun,
                                                     lesson::ApplyStandardGlyphRules};

inline platform::HeadlessOptions Untraced() {
  platform::HeadlessOptions options;
  options.trace = false;
  return options;
}

}  // namespace bench
