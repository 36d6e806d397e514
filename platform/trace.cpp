#include "platform/trace.h"

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

void Trace::End() { lines_.push_back(std::move(current_)); current_.clear(); }

std::string Trace::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace platform
