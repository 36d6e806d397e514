// Reading chapter 2's sections as lesson scripts, fill-in boxes included.
#pragma once

#include <string>

#include "tests/ostrel/lesson_script.h"

namespace explaining_testing {

using ostrel_testing::Script;
using testing_support::Fields;

// Chapter 2 from the main menu, the sub-menu choice `choice`, then `keys`. The script, with
// boxes, from the section's start until the sub-menu reads its next number (included).
Script RunSection(const std::string& choice, const std::string& keys);

// A number in its trace form.
std::string N(float value);

Fields Text(float x, float y, float colour, const std::string& text);
// A text continuing the text before it.
Fields Continued(float y, float colour, const std::string& text);

// A fill-in box laid around the text line at (x, y), as its box and its text centred in it.
Script BoxOnLine(float x, float y, float width, const std::string& text, float text_colour,
                 float border = 9, float height = 50);

// Appends `more` to `script`.
void Append(Script& script, const Script& more);

inline const Fields kWait{"wait"};
inline const Fields kField{"field"};

}  // namespace explaining_testing
