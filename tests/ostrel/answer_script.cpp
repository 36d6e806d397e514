#include "tests/ostrel/answer_script.h"

#include <algorithm>
#include <cmath>

#include "platform/text_ops.h"

namespace ostrel_testing {

Fields TextStep(const std::string& x, const std::string& y, const std::string& colour,
                const std::string& text) {
  return {"text", x, y, colour, text};
}

std::string X(float x) { return platform::ShortNumber(x); }

Fields BoxedText(float x, float y, float width, float height, const std::string& colour,
                 const std::string& text) {
  const float offset = std::max(0.0f, (width - EndOfText(text, 0)) / 2);
  const bool fraction = text.find("ﾀ") != std::string::npos;
  const float top = y + std::floor((height - (fraction ? 50.0f : 44.0f)) / 2);
  return TextStep(X(x + offset), X(top), colour, text);
}

Script HeadingTexts(const HeadingBoxes& heading, float x, float y, float gap) {
  return {BoxedText(x, y, heading.title_width, 46, "0", heading.title),
          BoxedText(x + heading.title_width + gap, y, heading.number_width,
                    heading.number_height, "13", heading.number)};
}

HeadingBoxes Numbered(HeadingBoxes heading, const std::string& number) {
  heading.number = number;
  return heading;
}

}  // namespace ostrel_testing
