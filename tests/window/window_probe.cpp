// A small program for the real-window tests: each mode waits in one of the library's waits
// again and again, in a window titled for the mode.
//   window_probe          "Probe": reads numbers in the number field, prints "value <v>"
//   window_probe keys     "Key probe": waits for any key, prints "key <bytes in hex>"
//   window_probe error    "Error probe": shows the runtime-error screen
#include <cstdio>
#include <cstring>

#include "lessonlib/screen.h"
#include "lessonlib/window_main.h"
#include "platform/errors.h"

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

lesson::Jump Fail(lesson::Program& /*p*/) { platform::RaiseRuntimeError(platform::kOverflow); }

const lesson::ProgramDefinition kProbe{"Probe", ReadAndPrint, nullptr};
const lesson::ProgramDefinition kKeyProbe{"Key probe", WaitAndPrint, nullptr};
const lesson::ProgramDefinition kErrorProbe{"Error probe", Fail, nullptr};

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "keys") == 0) return lesson::RunInWindow(kKeyProbe);
  if (std::strcmp(mode, "error") == 0) return lesson::RunInWindow(kErrorProbe);
  return lesson::RunInWindow(kProbe);
}
