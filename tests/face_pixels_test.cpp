// How the faces sit beside the gothic digits, in pixels: each glyph of "5?0" as the formula
// rules and the label style draw it, painted alone on the headless page at scale 1 (one pixel
// a unit), and its ink compared with the digits'. Fonts render a little differently from
// machine to machine, so the checks allow a unit or two.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;

namespace {

// Rows of a glyph's ink: pixels at least half dark.
struct Ink {
  int top = 0, bottom = -1;
  int height() const { return bottom - top + 1; }
  double middle() const { return (top + bottom) / 2.0; }
};

Ink InkOf(const platform::Canvas& canvas) {
  cairo_surface_flush(canvas.surface());
  const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(canvas.surface()));
  const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
  Ink ink{canvas.pixel_height(), -1};
  for (int row = 0; row < canvas.pixel_height(); ++row) {
    for (int col = 0; col < canvas.pixel_width(); ++col) {
      const uint32_t pixel = data[row * stride + col];
      const uint32_t darkest = std::min({(pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF});
      if (darkest < 128) {
        ink.top = std::min(ink.top, row);
        ink.bottom = std::max(ink.bottom, row);
      }
    }
  }
  return ink;
}

// Where a context puts the probe "5?0" in a lesson text.
enum class Place { kLine, kNumerator, kDenominator, kLabel };

struct Context {
  const char* name;
  const lesson::ProgramDefinition* program;
  Place place;
  std::vector<std::string> middles;  // the characters put between the digits
};

// The ink of "5", the middle character and "0", each painted alone as the context drew it.
struct Probe {
  Ink five, middle, zero;
};

Probe Draw(const Context& context, const std::string& middle) {
  lesson::HeadlessSession session(*context.program);
  lesson::Program& p = session.program;
  const std::string probe = "5" + middle + "0";
  switch (context.place) {
    case Place::kLine: DrawFormula(p, probe); break;
    case Place::kNumerator: DrawFormula(p, "ﾀ" + probe + "/1ﾀ"); break;
    case Place::kDenominator: DrawFormula(p, "ﾀ1/" + probe + "ﾀ"); break;
    case Place::kLabel:
      p.text.TextToDraw = probe;
      p.text.TextX = 100;
      p.text.TextY = 200;
      p.text.TextColour = 0;
      lesson::DrawLabelText(p);
      break;
  }
  // The probe's glyphs, in drawing order; a fraction's other part ("1") is left out.
  std::vector<Ink> inks;
  platform::Canvas& canvas = session.runtime.canvas();
  for (const Glyph& g : Glyphs(session.trace())) {
    if (g.text == "1") continue;
    canvas.Clear();
    canvas.Text(g.text, g.x, g.y, g.mag_x, g.mag_y, 0, {g.face, double(g.size), g.bold, g.italic});
    inks.push_back(InkOf(canvas));
  }
  EXPECT_EQ(inks.size(), 3u);
  if (inks.size() != 3) return {};
  return {inks[0], inks[1], inks[2]};
}

// A letter sits on the digits' line within 2 units, and stands no taller than they do.
TEST(FacePixels, LettersSitOnTheDigitsLine) {
  const Context contexts[] = {
      {"formula text", &kStandardProgram, Place::kLine, {"a", "x", "c", "l"}},
      {"numerator", &kStandardProgram, Place::kNumerator, {"a", "x", "c"}},
      {"denominator", &kStandardProgram, Place::kDenominator, {"a", "x", "c"}},
      {"label", &kStandardProgram, Place::kLabel, {"a", "x", "c"}},
      {"Ostrel's formula text", &ostrel::kOstrel, Place::kLine, {"l"}},
      {"Ostrel's numerator", &ostrel::kOstrel, Place::kNumerator, {"l"}},
      {"Ostrel's denominator", &ostrel::kOstrel, Place::kDenominator, {"l"}},
  };
  for (const Context& context : contexts) {
    for (const std::string& letter : context.middles) {
      SCOPED_TRACE(std::string(context.name) + ": 5" + letter + "0");
      const Probe ink = Draw(context, letter);
      ASSERT_GT(ink.middle.height(), 5);
      for (const Ink& digit : {ink.five, ink.zero}) {
        EXPECT_NEAR(ink.middle.bottom, digit.bottom, 2);
        EXPECT_GE(ink.middle.top, digit.top);
      }
    }
  }
}

// ×, ÷ and ± are operators: their ink within the digits' height, centred on the digits' middle
// within 2 units, and clearly smaller than a letter (a capital stands as tall as the digits).
TEST(FacePixels, SignsAreOperators) {
  const Context contexts[] = {
      {"formula text", &kStandardProgram, Place::kLine, {"*", "/", "@"}},
      {"numerator", &kStandardProgram, Place::kNumerator, {"*", "@"}},
      {"label", &kStandardProgram, Place::kLabel, {"×", "÷", "±"}},
  };
  for (const Context& context : contexts) {
    for (const std::string& sign : context.middles) {
      SCOPED_TRACE(std::string(context.name) + ": 5" + sign + "0");
      const Probe ink = Draw(context, sign);
      ASSERT_GT(ink.middle.height(), 5);
      const int top = std::min(ink.five.top, ink.zero.top);
      const int bottom = std::max(ink.five.bottom, ink.zero.bottom);
      EXPECT_GE(ink.middle.top, top);
      EXPECT_LE(ink.middle.bottom, bottom);
      EXPECT_NEAR(ink.middle.middle(), (top + bottom) / 2.0, 2);
      EXPECT_LE(ink.middle.height(), 0.75 * (bottom - top + 1));
    }
  }
}

}  // namespace
