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

// A program whose main menu reads a number and ends on 8; anything else shows it again.
extern const lesson::ProgramDefinition kTestProgram;

}  // namespace testing_support
