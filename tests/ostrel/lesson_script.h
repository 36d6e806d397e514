// Reading an Ostrel run as a lesson script: the texts drawn with DrawText, the key waits,
// the number-field waits and the erasers of the lesson area, in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/headless_runtime.h"
#include "tests/test_support.h"

namespace ostrel_testing {

using testing_support::Fields;

// A step of a script:
//   {"text", x, y, colour, text}   x "+" when the text continues the line: it starts where
//                                  the text before it ended
//   {"wait"}                       a key wait (WaitForKey)
//   {"field"}                      a number read in the number field
//   {"erase", x1, y1, x2, y2}      a box filled with colour 15 above the bottom band
//   {"box", x1, y1, x2, y2, border, fill, width}
//                                  with kWithBoxes: any other filled box above the band
using Script = std::vector<Fields>;

enum ScriptDetail { kTextsAndWaits, kWithBoxes };

// The script of a whole trace.
Script ScriptOf(const platform::Trace& trace, ScriptDetail detail = kTextsAndWaits);
// The part of a script after its `n`-th number-field wait (1-based).
Script AfterField(const Script& script, int n);
// Where DrawText leaves TextX after drawing `text` from x (the end of a text).
float EndOfText(const std::string& text, float x);
// Checks `actual` against `expected` step by step; "+" in an expected text step means the
// end of the text step before it.
void ExpectScript(const Script& actual, const Script& expected);

// Keys: `count` key presses at key waits.
std::string Presses(int count);

// A run that enters main-menu item `chapter`, chooses `item` on its sub-menu and goes on with
// `keys`; `random` are the first random numbers handed out.
platform::HeadlessOptions SectionRun(const std::string& chapter, const std::string& item,
                                     const std::string& keys, std::vector<float> random = {});
// The script of such a run from the section's start (after the sub-menu's number).
Script SectionScript(const std::string& chapter, const std::string& item,
                     const std::string& keys, std::vector<float> random = {});
// The trace's events of such a run from the section's start, drawing operations included.
std::vector<Fields> SectionEvents(const std::string& chapter, const std::string& item,
                                  const std::string& keys, std::vector<float> random = {});

}  // namespace ostrel_testing
