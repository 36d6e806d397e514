#include "tests/ostrel/answer_script.h"

#include <algorithm>
#include <cmath>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"
#include "tests/test_support.h"

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

Script Concat(std::initializer_list<Script> parts) {
  Script all;
  for (const Script& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::string BorderWidthAt(const std::string& keys, const std::string& x, const std::string& y,
                          const std::string& border) {
  lesson::HeadlessSession session(ostrel::kOstrel, testing_support::WithKeys(keys));
  session.Start();
  std::string width;
  for (const Fields& e : testing_support::Events(session.trace())) {
    if (e[0] == "op" && e[1] == "PsLINE" && e[2] == x && e[3] == y && e[6] == border &&
        e[7] == "2") {
      width = e[9];
    }
  }
  return width;
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
