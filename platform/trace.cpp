#include "platform/trace.h"

#include <ostream>

#include "platform/text_ops.h"

namespace platform {

Trace& Trace::Begin(std::string_view kind) {
  current_.assign(kind);
  return *this;
}

Trace& Trace::Add(std::string_view field) {
  current_ += '\t';
  current_ += field;
  return *this;
}

Trace& Trace::Add(double number) { return Add(ShortNumber(number)); }

void Trace::End() {
  if (stream_ != nullptr) {
    *stream_ << current_ << '\n';
    last_ = std::move(current_);
  } else {
    lines_.push_back(std::move(current_));
  }
  current_.clear();
}

const std::string& Trace::last_line() const {
  return stream_ != nullptr || lines_.empty() ? last_ : lines_.back();
}

std::string Trace::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace platform
