// Shared helpers of the formula-text tests: a program that draws with the standard glyph
// rules, and the glyphs, lines and polylines a run drew, read from the trace (runs made only
// to measure left out).
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "tests/test_support.h"

namespace formula_testing {

// Draws with the standard glyph-rule list; its main menu only ends the run.
extern const lesson::ProgramDefinition kStandardProgram;

struct Glyph {
  std::string text;
  float x, y;
  int mag_x, mag_y;
  std::string face;
  int size;
  bool bold, italic;
};

struct Line {
  float x1, y1, x2, y2;
  int colour, mode, width;
};

std::vector<Glyph> Glyphs(const platform::Trace& trace);
std::vector<Line> Lines(const platform::Trace& trace);
// The points of every PsCONNECT, flattened: x1, y1, x2, y2, ...
std::vector<std::vector<float>> Polylines(const platform::Trace& trace);
// The x of every glyph, in drawing order.
std::vector<float> GlyphXs(const platform::Trace& trace);

// DrawText of `text` at (x, y) in colour 0.
void DrawFormula(lesson::Program& p, const std::string& text, float x = 100, float y = 200);

// The modes a glyph run starts in, and the pending flags it leaves.
struct GlyphModes {
  float fraction = 0, caret = 0, raised = 0, tall_paren = 0;
};

// One glyph run of `run` with its pen at (100, 200) in colour 0, in the given modes.
void RunGlyphs(lesson::Program& p, const std::string& run, GlyphModes modes = {});

// One row of a glyph-rule table: a character in some modes, and the glyph its rule draws.
struct GlyphRuleCase {
  const char* ch;
  GlyphModes modes;
  const char* drawn;
  const char* face;
  int size;
  bool italic;
  float dx, dy;  // offset from the pen
  int mag_x, mag_y;
  float advance;
  GlyphModes after;  // the pending flags left behind (fraction mode unchanged)
};

// Runs each case on its own and checks the glyph drawn last, the advance and the flags
// left, and that the run ends in its own face at size 16 with bold and italic off.
void ExpectGlyphRules(lesson::HeadlessSession& session, const std::vector<GlyphRuleCase>& cases);

// Checks that the lines from index `first` on are exactly `strokes` (from and to, relative to
// a pen at (100, 200)), each a plain line in `colour` at draw width `width`.
void ExpectStrokes(const std::vector<Line>& lines, size_t first,
                   const std::vector<std::array<float, 4>>& strokes, int colour, int width);

class FormulaTest : public ::testing::Test {
 protected:
  // DrawText of `text` at (x, y) in colour 0.
  void Draw(const std::string& text, float x = 100, float y = 200);
  // The width MeasureTextWidth gives for `text`.
  float Measure(const std::string& text);

  lesson::HeadlessSession session{kStandardProgram};
  lesson::Program& p = session.program;
};

}  // namespace formula_testing
