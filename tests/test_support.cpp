#include "tests/test_support.h"

#include <iterator>

#include "lessonlib/screen.h"

namespace testing_support {

Fields Split(const std::string& line) {
  Fields fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::vector<Fields> Events(const platform::Trace& trace) {
  std::vector<Fields> events;
  int measuring = 0;
  for (const auto& line : trace.lines()) {
    if (line == "measure\tbegin") {
      ++measuring;
    } else if (line == "measure\tend") {
      --measuring;
    } else if (measuring == 0) {
      events.push_back(Split(line));
    }
  }
  return events;
}

std::vector<Fields> EventsOf(const platform::Trace& trace, std::string_view kind,
                             std::string_view name) {
  std::vector<Fields> found;
  for (auto& event : Events(trace)) {
    if (event[0] != kind) continue;
    if (!name.empty() && (event.size() < 2 || event[1] != name)) continue;
    found.push_back(std::move(event));
  }
  return found;
}

std::vector<Fields> After(const std::vector<Fields>& events, const Fields& prefix) {
  for (size_t k = 0; k < events.size(); ++k) {
    bool match = events[k].size() >= prefix.size();
    for (size_t j = 0; match && j < prefix.size(); ++j) match = events[k][j] == prefix[j];
    if (match) return {events.begin() + static_cast<long>(k), events.end()};
  }
  return events;
}

bool HasEvent(const platform::Trace& trace, const Fields& event) {
  for (const auto& e : Events(trace)) {
    if (e == event) return true;
  }
  return false;
}

platform::HeadlessOptions WithKeys(std::string_view script) {
  platform::HeadlessOptions options;
  options.keys = platform::ParseKeyScript(script);
  return options;
}

KeysWithValuelessEntries WithValuelessEntries(const std::vector<std::string>& pieces) {
  const char* const no_value[] = {"3/0\n", "/\n", "0/0\n", "7/\n", "-2/-0\n"};
  KeysWithValuelessEntries keys;
  size_t entries = 0;
  for (const std::string& piece : pieces) {
    if (piece.ends_with("\n")) keys.refused += no_value[entries++ % std::size(no_value)];
    keys.plain += piece;
    keys.refused += piece;
  }
  return keys;
}

namespace {

lesson::Jump TestMenu(lesson::Program& p) {
  lesson::AskMenuNumber(p);
  lesson::ClearMenuPrompt(p);
  if (p.input.InputValue == 8) p.rt.PsEND();
  return {TestMenu};
}

}  // namespace

const lesson::ProgramDefinition kTestProgram{"Tester", TestMenu, nullptr};

}  // namespace testing_support
