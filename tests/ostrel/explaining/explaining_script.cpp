#include "tests/ostrel/explaining/explaining_script.h"

#include <algorithm>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"
#include "tests/test_support.h"

namespace explaining_testing {

using namespace ostrel_testing;

Script RunSection(const std::string& choice, const std::string& keys) {
  lesson::HeadlessSession session(ostrel::kOstrel,
                                  testing_support::WithKeys("2\n" + choice + "\n" + keys));
  session.Start();
  return AfterField(ScriptOf(session.trace(), kWithBoxes), 2);
}

std::string N(float value) { return platform::ShortNumber(value); }

Fields Text(float x, float y, float colour, const std::string& text) {
  return {"text", N(x), N(y), N(colour), text};
}

Fields Continued(float y, float colour, const std::string& text) {
  return {"text", "+", N(y), N(colour), text};
}

Script BoxOnLine(float x, float y, float width, const std::string& text, float text_colour,
                 float border, float height) {
  const float top = y - platform::PnFInt((height - 44) / 2);
  const float text_x = x + std::max(0.0f, (width - EndOfText(text, 0)) / 2);
  return {{"box", N(x), N(top), N(x + width), N(top + height), N(border), "13", "5"},
          Text(text_x, y, text_colour, text)};
}

void Append(Script& script, const Script& more) {
  script.insert(script.end(), more.begin(), more.end());
}

}  // namespace explaining_testing
