// The trace: one line per event, fields separated by tabs. It is the public record of what a
// program drew and read; the tests, the replay tool and outside checks read it.
//
//   text <routine> <x> <y> <colour> <text>   a text routine was called
//   op <operation> <arguments...>            a runtime operation
//   key <code>                               a key the program took (its code point)
//   wait <routine>                           a routine starts waiting for the user
//   measure begin / measure end              brackets a run drawn only to measure a width
//   end <reason>                             the last line
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Trace {
 public:
  // Keeps every line. With `stream` it writes each line there as soon as it ends and keeps
  // only the last one, so that a long run's trace never has to fit in memory.
  explicit Trace(std::ostream* stream = nullptr) : stream_(stream) {}

  // Starts a line with its first field; fields follow with Add, and End closes the line.
  Trace& Begin(std::string_view kind);
  Trace& Add(std::string_view field);
  Trace& Add(double number);
  void End();

  const std::vector<std::string>& lines() const { return lines_; }  // none when streaming
  std::string Text() const;  // all lines kept, each ended by "\n"
  // The line ended last ("" before the first).
  const std::string& last_line() const;

 private:
  std::ostream* stream_;
  std::vector<std::string> lines_;
  std::string current_, last_;
};

}  // namespace platform
