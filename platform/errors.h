// Runtime errors and the ways a program run ends.
#pragma once

#include <source_location>
#include <stdexcept>
#include <string>

namespace platform {

// Error numbers shown on the runtime-error screen.
enum ErrorNumber : int {
  kIllegalFunctionCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
};

// A failed statement. It unwinds to the trap that StartProgram sets, which shows the
// runtime-error screen with the number and the source line of the failing statement.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, std::source_location where)
      : std::runtime_error("runtime error " + std::to_string(number) + " at " +
                           where.file_name() + ":" + std::to_string(where.line())),
        number_(number),
        where_(where) {}
  int number() const { return number_; }
  int line() const { return static_cast<int>(where_.line()); }
  const std::source_location& where() const { return where_; }

 private:
  int number_;
  std::source_location where_;
};

[[noreturn]] inline void RaiseRuntimeError(
    int number, std::source_location where = std::source_location::current()) {
  throw RuntimeError(number, where);
}

// Why a run stopped. Not an error: every one of them ends the process with exit code 0.
enum class ExitReason { kProgramEnded, kWindowClosed, kKeysExhausted };

const char* ExitReasonName(ExitReason reason);

// Thrown by the end statement and by a key poll that finds the window closed (or, headless,
// the key script used up). Deliberately not a std::exception, so no handler for errors
// catches it on its way out.
struct ProgramExit {
  ExitReason reason;
};

}  // namespace platform
