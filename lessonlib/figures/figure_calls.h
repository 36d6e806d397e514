// What the figure routines share: their counted loop, and number texts without blanks.
// Internal to the lesson library.
#pragma once

#include <climits>
#include <string>

#include "lessonlib/program.h"
#include "lessonlib/screen.h"

namespace lesson {

// Runs `body` with `counter` = first, first + 1, ... as the lessons' counted loops do: the
// body runs before the counter is first compared with `last`, which is read once, and the
// counter is left one step past the last pass. Two guards keep any bound from running the
// loop for ever: a step that no longer moves the counter (a single beyond 2^24) ends it, and
// so does the `max_passes`-th pass.
template <typename Body>
void RunCountedLoop(float& counter, float first, float last, Body&& body,
                    long max_passes = LONG_MAX) {
  counter = first;
  for (long passes = 1;; ++passes) {
    body(counter);
    const float next = counter + 1;
    if (next == counter) return;
    counter = next;
    if (!(counter <= last) || passes >= max_passes) return;
  }
}

// `text` with its half-width blanks taken out (RemoveSpaces through WorkText), as the routines
// clean the runtime's number texts.
inline std::string TextWithoutBlanks(Program& p, const std::string& text) {
  p.text.WorkText = text;
  RemoveSpaces(p);
  return p.text.WorkText;
}

}  // namespace lesson
