// A small program for the real-window tests: reads numbers in the number field and prints
// each value read, until the window is closed.
#include <cstdio>

#include "lessonlib/screen.h"
#include "lessonlib/window_main.h"

namespace {

lesson::Jump ReadAndPrint(lesson::Program& p) {
  lesson::ReadNumberField(p);
  lesson::ParseNumberInput(p);
  std::printf("value %g\n", static_cast<double>(p.input.InputValue));
  std::fflush(stdout);
  return {ReadAndPrint};
}

const lesson::ProgramDefinition kProbe{"Probe", ReadAndPrint, nullptr};

}  // namespace

int main() { return lesson::RunInWindow(kProbe); }
