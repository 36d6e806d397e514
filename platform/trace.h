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

#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Trace {
 public:
  // Starts a line with its first field; fields follow with Add, and End closes the line.
  Trace& Begin(std::string_view kind);
  Trace& Add(std::string_view field);
  Trace& Add(double number);
  void End();

  const std::vector<std::string>& lines() const { return lines_; }
  std::string Text() const;  // all lines, each ended by "\n"

 private:
  std::vector<std::string> lines_;
  std::string current_;
};

}  // namespace platform
