// Helpers for reading a run's trace in the tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lessonlib/headless_session.h"
#include "platform/headless_runtime.h"

namespace testing_support {

using Fields = std::vector<std::string>;

Fields Split(const std::string& line);

// The trace's events, one row of fields each, without the runs made only to measure.
std::vector<Fields> Events(const platform::Trace& trace);
// The events whose first fields are `kind` (and `name`, when given): "op", "PsLINE".
std::vector<Fields> EventsOf(const platform::Trace& trace, std::string_view kind,
                             std::string_view name = {});
// The lines of the trace from the first one that starts with `prefix` on; all when absent.
std::vector<Fields> After(const std::vector<Fields>& events, const Fields& prefix);
bool HasEvent(const platform::Trace& trace, const Fields& event);

platform::HeadlessOptions WithKeys(std::string_view script);

// The keys of a run, joined as they are and with an entry that has no value (a zero or empty
// denominator: "3/0", "/", "0/0", "7/", "-2/-0" in turn) typed before each number, that is
// before each piece that ends in Enter. Every number field refuses such an entry, so both
// runs should show the same.
struct KeysWithValuelessEntries {
  std::string plain, refused;
};
KeysWithValuelessEntries WithValuelessEntries(const std::vector<std::string>& pieces);

// A program whose main menu reads a number and ends on 8; anything else shows it again.
extern const lesson::ProgramDefinition kTestProgram;

}  // namespace testing_support
