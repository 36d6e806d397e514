// Reading Varnick's runs as a pupil sees them: the lesson texts, key waits, erasures and
// prompts of a trace as one line each, and the random numbers that make the practice draw a
// chosen problem.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "lessonlib/headless_session.h"
#include "platform/trace.h"

namespace varnick_testing {

// The run's steps, one line each, in order:
//   "text <x> <y> <colour> <text>"  a text drawn by DrawText
//   "key"                           a wait for any key
//   "erase <x1> <y1> <x2> <y2>"     a box filled in colour 15 above the prompt band
//   "menu <item line>"              a sub-menu's item line (it waits for a number)
//   "main-menu"                     the main menu (its title and eight items)
//   "next-step"                     the next-step prompt (it waits for a number)
// and, with marks, the strokes and boxes drawn on the lesson screen:
//   "stroke <x1> <y1> <x2> <y2> <colour> <width>"  a cancellation stroke (a placed one, 28
//                                   deep, or an overlay's line across a struck cell)
//   "box <x1> <y1> <x2> <y2> <border> <fill> <width>"  a filled box other than an eraser
enum class Detail { kTexts, kWithMarks };
std::vector<std::string> Steps(const platform::Trace& trace, Detail detail = Detail::kTexts);

// The steps between the n-th sub-menu line (from 1) and the next one (or the run's end).
std::vector<std::string> AfterSubMenu(const std::vector<std::string>& steps, int n);

// A run of Varnick from start-up with a key script (and random numbers handed out first),
// and its steps with marks.
struct VarnickRun {
  explicit VarnickRun(const std::string& keys, const std::vector<float>& random = {});
  // The steps after the n-th sub-menu line, up to the next one.
  std::vector<std::string> Section(int n = 1) const { return AfterSubMenu(steps, n); }
  lesson::HeadlessSession session;
  std::vector<std::string> steps;
};

// The first text a section shows, or "main-menu" for a choice that leaves the chapter;
// empty when there is none.
std::string FirstShown(const std::vector<std::string>& section);

// A chapter's sub-menu, entered with `chapter` (its main-menu number and Enter) and left
// with `leave`: each of `entries` (numbers out of range) shows the item line again with
// nothing drawn above it, then `leave` goes back to the main menu.
void ExpectSubMenuAsksAgain(const std::string& chapter, const std::string& leave,
                            const std::string& goal_line,
                            std::initializer_list<const char*> entries);
// The same sub-menu refuses a fraction with a zero or empty denominator: Enter clears the
// entry and the field reads on under the same item line, so `leave` leaves and 1 starts the
// first item, whose first text is `first_item_text`.
void ExpectZeroDenominatorsRefused(const std::string& chapter, const std::string& leave,
                                   const std::string& first_item_text);

// The texts of a run of steps, without their places and colours.
std::vector<std::string> TextsOf(const std::vector<std::string>& steps);

// The advance of a formula text as DrawText draws it.
float TextWidth(const std::string& text);

// Builds the expected steps, keeping where the last text ended so that a text can continue
// its line as the lessons do.
class Expected {
 public:
  Expected& Text(float x, float y, int colour, const std::string& text);
  Expected& More(int colour, const std::string& text);  // continues the last text's line
  Expected& Key();
  Expected& Erase(float x, float y, float width, float height);
  Expected& Stroke(float x1, float y1, float x2, float y2, int colour, int width);
  // A placed cancellation stroke from an anchor over `count` cells: colour 3, width 5.
  Expected& StrokeAt(float x, float y, float count = 1);
  // An overlay's line across the struck cell whose corner is (x, y): colour 7, width 5.
  Expected& StruckCell(float x, float y);
  Expected& Box(float x1, float y1, float x2, float y2, int border, int fill, int width);
  Expected& Line(const std::string& line);
  const std::vector<std::string>& steps() const { return steps_; }

 private:
  std::vector<std::string> steps_;
  float end_x_ = 0, y_ = 0;
};

// The practice's problem, and the sixteen random numbers that make its generator draw it.
struct Problem {
  float a, b, c, d, e, f, x, y;
};
std::vector<float> RandomsFor(const Problem& problem);

}  // namespace varnick_testing
