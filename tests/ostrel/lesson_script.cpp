#include "tests/ostrel/lesson_script.h"

#include <gtest/gtest.h>

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"

namespace ostrel_testing {

Script ScriptOf(const platform::Trace& trace, ScriptDetail detail) {
  Script script;
  for (const Fields& e : testing_support::Events(trace)) {
    if (e[0] == "text" && e[1] == "DrawText") {
      script.push_back({"text", e[2], e[3], e[4], e.size() > 5 ? e[5] : ""});
    } else if (e == Fields{"wait", "WaitForKey"}) {
      script.push_back({"wait"});
    } else if (e == Fields{"wait", "ReadFieldKeys"}) {
      script.push_back({"field"});
    } else if (e[0] == "op" && e[1] == "PsLINE" && e[7] == "2" && std::stof(e[3]) < 639) {
      if (e[6] == "15" && e[8] == "15") {
        script.push_back({"erase", e[2], e[3], e[4], e[5]});
      } else if (detail == kWithBoxes) {
        script.push_back({"box", e[2], e[3], e[4], e[5], e[6], e[8], e[9]});
      }
    }
  }
  return script;
}

Script AfterField(const Script& script, int n) {
  int seen = 0;
  for (size_t k = 0; k < script.size(); ++k) {
    if (script[k] == Fields{"field"} && ++seen == n) {
      return {script.begin() + static_cast<long>(k) + 1, script.end()};
    }
  }
  return {};
}

float EndOfText(const std::string& text, float x) {
  platform::HeadlessOptions quiet;
  quiet.trace = false;
  lesson::HeadlessSession scratch(ostrel::kOstrel, quiet);
  scratch.program.text.TextToDraw = text;
  scratch.program.text.TextX = x;
  scratch.program.text.TextY = 1800;
  lesson::DrawText(scratch.program);
  return scratch.program.text.TextX;
}

void ExpectScript(const Script& actual, const Script& expected) {
  const size_t n = std::min(actual.size(), expected.size());
  for (size_t k = 0; k < n; ++k) {
    Fields want = expected[k];
    if (want.size() == 5 && want[0] == "text" && want[1] == "+") {
      const Fields* before = nullptr;
      for (size_t j = k; j-- > 0;) {
        if (actual[j][0] == "text") {
          before = &actual[j];
          break;
        }
      }
      if (before != nullptr) {
        want[1] = platform::ShortNumber(EndOfText((*before)[4], std::stof((*before)[1])));
      }
    }
    if (actual[k] != want) {
      ADD_FAILURE() << "step " << k << ": expected\n  " << ::testing::PrintToString(expected[k])
                    << "\nbut the program did\n  " << ::testing::PrintToString(actual[k]);
      return;
    }
  }
  EXPECT_EQ(actual.size(), expected.size()) << "the scripts differ in length";
}

std::string Presses(int count) { return std::string(static_cast<size_t>(count), ' '); }

platform::HeadlessOptions SectionRun(const std::string& chapter, const std::string& item,
                                     const std::string& keys, std::vector<float> random) {
  platform::HeadlessOptions options =
      testing_support::WithKeys(chapter + "\n" + item + "\n" + keys);
  options.random = std::move(random);
  return options;
}

Script SectionScript(const std::string& chapter, const std::string& item,
                     const std::string& keys, std::vector<float> random) {
  lesson::HeadlessSession session(ostrel::kOstrel,
                                  SectionRun(chapter, item, keys, std::move(random)));
  session.Start();
  return AfterField(ScriptOf(session.trace()), 2);
}

std::vector<Fields> SectionEvents(const std::string& chapter, const std::string& item,
                                  const std::string& keys, std::vector<float> random) {
  lesson::HeadlessSession session(ostrel::kOstrel,
                                  SectionRun(chapter, item, keys, std::move(random)));
  session.Start();
  const std::vector<Fields> events = testing_support::Events(session.trace());
  int fields = 0;
  for (size_t k = 0; k < events.size(); ++k) {
    if (events[k] == Fields{"wait", "ReadFieldKeys"} && ++fields == 2) {
      return {events.begin() + static_cast<long>(k) + 1, events.end()};
    }
  }
  return {};
}

}  // namespace ostrel_testing
