// Chapter 4's tests: its screens read from the trace with their marks (the texts and labels,
// the dotted arcs, the cancellation strokes, the boxes and erasers, and the waits, in drawing
// order), and the keys, random draws and texts they are driven and checked with.
#pragma once

#include <string>
#include <vector>

#include "tests/corvane/corvane_test_support.h"

namespace chapter4_testing {

using corvane_testing::Fields;
using corvane_testing::kChapter4Line;
using Rows = std::vector<std::string>;

// The rows from the `occurrence`-th event that starts with `from` up to the first later one
// that starts with `until` (the end when none). Rows:
//   "key", "next", "number"                    the waits (any key, next step, another number)
//   "text x y colour content"                  DrawText
//   "label x y colour content"                 DrawLabelText
//   "arc colour dots (x,y)-(x,y) side height width"
//                                              a dotted arc: its chord's ends, left one first;
//                                              the side its middle dot lies on; the draw width
//   "stroke x1 y1 x2 y2 colour width"          a slanting line (a cancellation stroke)
//   "box x1 y1 x2 y2 border fill", "erase x1 y1 x2 y2"   filled boxes above the bottom band
Rows MarkRows(const corvane_testing::Fields& from, const corvane_testing::Fields& until,
              const platform::Trace& trace, int occurrence = 1);
// The rows of the section that the `occurrence`-th showing of the item line leads to.
Rows SectionMarks(const lesson::HeadlessSession& session, int occurrence = 1);

// Expected rows.
std::string Txt(const std::string& text, float colour, float x, float y);
std::string Lbl(const std::string& text, float colour, float x, float y);
// An arc over the chord (x0, y0)-(x1, y1) bulging to `side` ("up", "down", "left", "right").
std::string Arc(float colour, float x0, float y0, float x1, float y1, const char* side,
                float height, float width = 5, int dots = 181);
// A stroke from (x, y) by (dx, dy), in colour 3.
std::string Stroke(float x, float y, float dx, float dy, float width = 5);
std::string Box(float x, float y, float w, float h, float border, float fill);
std::string Erase(float x, float y, float w, float h);
inline const std::string kKey = "key";
inline const std::string kNext = "next";

// The rows of one kind ("text", "arc", ...) among `rows`.
Rows OfKind(const Rows& rows, const std::string& kind);
// The texts drawn at `y` in `colour`, one after the other: a line drawn in pieces.
std::string LineAt(const Rows& rows, float y, float colour);
// A practice's rows cut after each next-step prompt: one part per problem, and what follows
// the last one.
std::vector<Rows> Passes(const Rows& rows);
// The first rows of `rows`, as many as `expected` has, to compare a screen's beginning.
Rows Head(const Rows& rows, const Rows& expected);
// A run of Corvane with its clock at `time` (the random seed is the sum of its fields).
std::unique_ptr<lesson::HeadlessSession> RunAt(const std::string& keys, const std::string& time);

// Random fractions that draw whole number `value` among `count` from `first`: (k + 0.5) / count
// for the k-th; `Signed` adds the sign draw (0.25 negative, 0.75 positive).
float Draw(int value, int first, int count);
std::vector<float> Signed(int value, int first, int count);
inline float SignOf(int value) { return value < 0 ? 0.25f : 0.75f; }
// The draws that pick `first` of the first three `candidates`, then `second` of the first
// three that are left.
std::vector<float> Picks(std::vector<int> candidates, int first, int second);
std::vector<float> Join(std::initializer_list<std::vector<float>> parts);

// `n` any-key presses.
std::string Keys(int n);

// A coefficient as the lessons write it: leading a line (no "+", 1 as the bare letter) or
// following another term (always signed).
std::string Leading(int value);
std::string Following(int value);

// A clock time for the `seed`-th of several runs.
std::string Clock(int seed);

}  // namespace chapter4_testing
