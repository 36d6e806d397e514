#include "platform/headless_runtime.h"

#include <cstdio>

#include "platform/errors.h"
#include "platform/text_ops.h"

namespace platform {

HeadlessRuntime::HeadlessRuntime(const HeadlessOptions& options)
    : Runtime(std::make_unique<Canvas>(options.scale), nullptr),
      trace_(options.trace_stream),
      keys_(options.keys.begin(), options.keys.end()),
      more_keys_(options.more_keys),
      time_(options.time),
      random_(options.random.begin(), options.random.end()),
      png_dir_(options.png_dir) {
  if (options.trace) AttachTrace(&trace_);
}

void HeadlessRuntime::AddKeys(const std::vector<std::string>& keys) {
  keys_.insert(keys_.end(), keys.begin(), keys.end());
}

std::optional<std::string> HeadlessRuntime::NextKey() {
  if (keys_.empty() && more_keys_) AddKeys(more_keys_());
  if (keys_.empty()) throw ProgramExit{ExitReason::kKeysExhausted};
  std::string key = std::move(keys_.front());
  keys_.pop_front();
  return key;
}

void HeadlessRuntime::OnWait(std::string_view /*routine*/) {
  if (png_dir_.empty()) return;
  char name[32];
  std::snprintf(name, sizeof name, "/%04d.png", ++pngs_written_);
  const std::string path = png_dir_ + name;
  if (!canvas().WritePng(path) && unwritten_png_.empty()) unwritten_png_ = path;
}

std::optional<float> HeadlessRuntime::ScriptedRandom() {
  if (random_.empty()) return std::nullopt;
  const float value = random_.front();
  random_.pop_front();
  return value;
}

std::vector<std::string> ParseKeyScript(std::string_view script) {
  std::vector<std::string> keys;
  for (const std::string_view ch : SplitChars(script)) {
    keys.emplace_back(ch == "\n" ? std::string_view("\r") : ch);  // a line break is Enter too
  }
  std::vector<std::string> parsed;
  for (size_t k = 0; k < keys.size(); ++k) {
    if (keys[k] != "\\" || k + 1 == keys.size()) {
      parsed.push_back(keys[k]);
      continue;
    }
    const std::string& next = keys[++k];
    if (next == "n") {
      parsed.emplace_back("\r");
    } else if (next == "b") {
      parsed.emplace_back("\b");
    } else if (next == "c") {
      parsed.emplace_back("\f");
    } else if (next == "e") {
      parsed.emplace_back("\x1b");
    } else if (next == "\\") {
      parsed.emplace_back("\\");
    } else {
      parsed.push_back("\\");
      parsed.push_back(next);
    }
  }
  return parsed;
}

}  // namespace platform
