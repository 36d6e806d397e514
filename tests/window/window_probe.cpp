// A small program for the real-window tests. Reads numbers in the number field and prints
// each value read, until the window is closed; with the argument "keys", waits for any key
// again and again and prints the code of each key taken.
#include <cstdio>
#include <cstring>

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

lesson::Jump WaitAndPrint(lesson::Program& p) {
  lesson::WaitForKey(p);
  std::printf("key");
  for (unsigned char byte : p.input.LastKey) std::printf(" %02x", byte);
  std::printf("\n");
  std::fflush(stdout);
  return {WaitAndPrint};
}

const lesson::ProgramDefinition kProbe{"Probe", ReadAndPrint, nullptr};
const lesson::ProgramDefinition kKeyProbe{"Probe", WaitAndPrint, nullptr};

}  // namespace

int main(int argc, char** argv) {
  const bool keys = argc > 1 && std::strcmp(argv[1], "keys") == 0;
  return lesson::RunInWindow(keys ? kKeyProbe : kProbe);
}
