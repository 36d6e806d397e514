#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

void RemoveSpaces(Program& p) {
  std::string& text = p.text.WorkText;
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != ' ') kept += c;
  }
  text = std::move(kept);
}

void StripMarkup(Program& p) {
  std::string& text = p.text.WorkText;
  for (const char* marker : {"^", "ﾝ", "ﾀ", "="}) {
    for (;;) {
      const int found = platform::PfINSTR(text, marker);
      p.values.FoundPosition = static_cast<float>(found);
      if (found == 0) break;
      text = platform::PfLEFT24(text, static_cast<float>(found - 1)) +
             platform::PfMID24(text, static_cast<float>(found + 1));
    }
  }
}

}  // namespace lesson
