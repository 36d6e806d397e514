// What the tests of the answer screens (chapters 4 to 6) expect of their common parts: the
// answer heading's boxes and texts, and texts at places given by the layout's arithmetic.
#pragma once

#include <initializer_list>
#include <string>

#include "tests/ostrel/lesson_script.h"

namespace ostrel_testing {

Fields TextStep(const std::string& x, const std::string& y, const std::string& colour,
                const std::string& text);
std::string X(float x);

// The text of a box drawn by DrawBoxedText from (x, y): centred across the box, its top
// INT((height - 44) / 2) below the box's (50 for a text with a fraction).
Fields BoxedText(float x, float y, float width, float height, const std::string& colour,
                 const std::string& text);

// The scripts one after the other.
Script Concat(std::initializer_list<Script> parts);

// The draw width at which a run from the main menu with `keys` last bordered a box at
// (x, y) in colour `border` ("" when it drew none there).
std::string BorderWidthAt(const std::string& keys, const std::string& x, const std::string& y,
                          const std::string& border);

// A page's title box and the exercise-number box `gap` to its right, as texts.
struct HeadingBoxes {
  std::string title;
  float title_width;
  std::string number;
  float number_width = 44, number_height = 44;
};
Script HeadingTexts(const HeadingBoxes& heading, float x, float y, float gap);

const HeadingBoxes kPage29{"P29 練習問題", 396, ""};
const HeadingBoxes kPage30{"学びをたしかめよう", 396, ""};
const HeadingBoxes kPage32{"学びを身につけよう", 360, ""};
// The same page's heading with its exercise number.
HeadingBoxes Numbered(HeadingBoxes heading, const std::string& number);

}  // namespace ostrel_testing
