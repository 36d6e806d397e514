// The headless backend: draws into an in-memory page, records every call in a trace, takes
// its keys from a script, reads a fixed clock and can hand out scripted random numbers.
// The tests and the replay tool run the programs on it.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace platform {

struct HeadlessOptions {
  std::vector<std::string> keys;  // one key a string, in order
  std::string time = "10:20:30";
  std::vector<float> random;      // handed out first, then the seeded generator goes on
  std::string png_dir;            // when set, one numbered PNG at every wait
  double scale = 1.0;             // device pixels per logical unit
  bool trace = true;
  std::ostream* trace_stream = nullptr;  // when set, the trace is written there as it goes
  // Asked for more keys whenever the script is used up at a poll, so that a test can answer
  // what the program shows as a pupil would; when it gives none, the run ends as before.
  std::function<std::vector<std::string>()> more_keys;
};

class HeadlessRuntime : public Runtime {
 public:
  explicit HeadlessRuntime(const HeadlessOptions& options);

  const Trace& recorded() const { return trace_; }
  size_t keys_left() const { return keys_.size(); }
  void AddKeys(const std::vector<std::string>& keys);
  int pngs_written() const { return pngs_written_; }
  // The first of the PNGs at the waits that could not be written; empty when none failed.
  const std::string& unwritten_png() const { return unwritten_png_; }

 protected:
  std::optional<std::string> NextKey() override;
  std::string ClockText() override { return time_; }
  void OnWait(std::string_view routine) override;
  std::optional<float> ScriptedRandom() override;

 private:
  Trace trace_;
  std::deque<std::string> keys_;
  std::function<std::vector<std::string>()> more_keys_;
  std::string time_;
  std::deque<float> random_;
  std::string png_dir_;
  int pngs_written_ = 0;
  std::string unwritten_png_;
};

// Parses a key script: each character one key; "\n" Enter (13), "\b" Backspace (8),
// "\c" the Clear key (12), "\e" Escape, "\\" a backslash.
std::vector<std::string> ParseKeyScript(std::string_view script);

}  // namespace platform
