// Coordinates far off the page, infinite or not a number, handed to the page's drawing calls,
// the runtime's drawing operations and the figure routines: the cases that
// far_coordinates_test.cpp checks and bench/far_coordinates_bench.cpp times.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "lessonlib/program.h"
#include "platform/canvas.h"

namespace far_cases {

// 0, -0, far off the page, infinite, not a number, and the first whole number a float cannot
// hold.
extern const std::array<float, 8> kExtremes;

// An extreme as a test message or benchmark name shows it.
std::string Shown(float v);

// Runs `call`, which may end in a runtime error: a number too large for a whole number is the
// runtime's overflow, as it is for any program.
void RunToItsEnd(const std::function<void()>& call);

// One of the page's drawing calls, with the arguments of a shape in the middle of the page;
// each argument in turn is replaced by each extreme.
struct PageCall {
  const char* name;
  int arguments;
  std::function<void(platform::Canvas&, const std::vector<double>&)> call;
  std::vector<double> ordinary;
};
const std::vector<PageCall>& PageCalls();

// One of the runtime's drawing operations or a figure routine, with the inputs it reads.
struct RoutineCall {
  const char* name;
  // Sets every input to an ordinary value and gives the ones to try the extremes in.
  std::function<std::vector<float*>(lesson::Program&)> inputs;
  std::function<void(lesson::Program&)> call;
};
const std::vector<RoutineCall>& RoutineCalls();

}  // namespace far_cases
