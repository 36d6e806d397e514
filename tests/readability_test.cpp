// Every text and sign the lessons draw stands out from what it is drawn on, over every section
// of the three programs: by the palette where the pair of colours allows it, and otherwise by
// the outline the page draws round it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "corvane/corvane.h"
#include "ostrel/ostrel.h"
#include "platform/palette.h"
#include "tests/ink_on_fills.h"
#include "tests/page_pixels.h"
#include "tests/pupil.h"
#include "tests/test_support.h"
#include "varnick/varnick.h"

using platform::ContrastRatio;
using platform::HeadlessOptions;
using platform::kPalette;
using platform::OutlineFor;
using namespace testing_support;

namespace {

struct Section {
  std::string name;  // "ostrel 2/8"
  const lesson::ProgramDefinition* program;
  int chapter, item;
};

// Every item of every chapter's sub-menu but the last, which goes back to the main menu.
std::vector<Section> EverySection() {
  const struct {
    const char* name;
    const lesson::ProgramDefinition* program;
  } programs[] = {{"corvane", &corvane::kCorvane},
                  {"ostrel", &ostrel::kOstrel},
                  {"varnick", &varnick::kVarnick}};
  std::vector<Section> sections;
  for (const auto& program : programs) {
    for (int chapter = 1; chapter <= 7; ++chapter) {
      const int items = VisitSection(*program.program, chapter, 0).items;
      for (int item = 1; item < items; ++item) {
        sections.push_back({std::string(program.name) + " " + std::to_string(chapter) + "/" +
                                std::to_string(item),
                            program.program, chapter, item});
      }
    }
  }
  return sections;
}

double Needed(const InkOnFill& ink) {
  return ink.kind == InkOnFill::kGlyph && ink.plain_size ? platform::kPlainTextContrast
                                                         : platform::kMagnifiedTextContrast;
}

}  // namespace

// Each glyph against the fill of the latest box under its centre, each line drawn inside a
// coloured box against that box: with the outline the pair gets where it needs one, it
// reaches 3:1 (4.5:1 at magnification 1). The page outlines just those glyphs and lines: as
// many as the trace says need one. Three clock times give the drills different problems.
TEST(Readability, EveryTextAndSignStandsOutFromWhatItIsDrawnOn) {
  const std::vector<Section> sections = EverySection();
  ASSERT_EQ(sections.size(), 102u);
  std::map<std::string, std::set<std::string>> too_faint;  // pair: sections
  for (const char* time : {"10:20:30", "08:15:00", "13:47:29"}) {
    for (const Section& section : sections) {
      const std::string where = section.name + " at " + time;
      const SectionVisit visit =
          VisitSection(*section.program, section.chapter, section.item, {.time = time});
      EXPECT_TRUE(visit.back_at_sub_menu) << where << ": the pupil did not get through";
      std::set<int> outlined_calls;
      int outlined_lines = 0;
      for (const InkOnFill& ink : InkOnFills(visit.session->trace())) {
        if (ink.colour == ink.fill) continue;  // hidden or erased
        const auto outline = OutlineFor(ink.colour, ink.fill, Needed(ink));
        const platform::Rgb ground = outline ? *outline : kPalette[static_cast<size_t>(ink.fill)];
        if (ContrastRatio(kPalette[static_cast<size_t>(ink.colour)], ground) < Needed(ink)) {
          too_faint[std::to_string(ink.colour) + " on " + std::to_string(ink.fill)].insert(where);
        }
        if (!outline) continue;
        if (ink.kind == InkOnFill::kGlyph) outlined_calls.insert(ink.call);
        if (ink.kind == InkOnFill::kLine) ++outlined_lines;
      }
      EXPECT_EQ(visit.session->runtime.canvas().outlines_drawn(),
                static_cast<int>(outlined_calls.size()) + outlined_lines)
          << where;
    }
  }
  for (const auto& [pair, places] : too_faint) {
    ADD_FAILURE() << pair << " stands out too little in " << places.size() << " sections, e.g. "
                  << *places.begin();
  }
}

namespace {

// The page's pixel at (col, row) in device pixels.
platform::Rgb PixelAt(const platform::Canvas& canvas, int col, int row) {
  const uint32_t px = testing_support::Pixel(canvas, col, row);
  return {static_cast<uint8_t>(px >> 16), static_cast<uint8_t>(px >> 8), static_cast<uint8_t>(px)};
}

bool Near(platform::Rgb a, platform::Rgb b) {
  constexpr int kTolerance = 12;
  return std::abs(a.r - b.r) <= kTolerance && std::abs(a.g - b.g) <= kTolerance &&
         std::abs(a.b - b.b) <= kTolerance;
}

// How far the ink of `colour` within a rectangle of the page (page units) stands out from
// what lies just outside it: the median contrast between the ink and the pixels two device
// pixels out from it (one pixel out the edge blends ink into its surround).
double InkContrastOnPage(const platform::Canvas& canvas, double x1, double y1, double x2,
                         double y2, int colour) {
  cairo_surface_flush(canvas.surface());
  const double s = canvas.scale();
  const int margin = 4;
  const int left = static_cast<int>(x1 * s) - margin, top = static_cast<int>(y1 * s) - margin;
  const int w = static_cast<int>((x2 - x1) * s) + 2 * margin;
  const int h = static_cast<int>((y2 - y1) * s) + 2 * margin;
  const platform::Rgb ink = kPalette[static_cast<size_t>(colour)];
  // Distance of each pixel from the ink (0 the ink itself), up to 3.
  std::vector<int> distance(static_cast<size_t>(w * h), 3);
  const auto at = [&](int col, int row) -> int& { return distance[static_cast<size_t>(row * w + col)]; };
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      if (Near(PixelAt(canvas, left + col, top + row), ink)) at(col, row) = 0;
    }
  }
  for (int step = 1; step <= 2; ++step) {
    for (int row = 1; row + 1 < h; ++row) {
      for (int col = 1; col + 1 < w; ++col) {
        if (at(col, row) <= step) continue;
        for (int dr = -1; dr <= 1; ++dr) {
          for (int dc = -1; dc <= 1; ++dc) {
            if (at(col + dc, row + dr) == step - 1) at(col, row) = step;
          }
        }
      }
    }
  }
  std::vector<double> ratios;
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      if (at(col, row) == 2) ratios.push_back(ContrastRatio(ink, PixelAt(canvas, left + col, top + row)));
    }
  }
  if (ratios.empty()) return 0;
  std::nth_element(ratios.begin(), ratios.begin() + static_cast<long>(ratios.size() / 2), ratios.end());
  return ratios[ratios.size() / 2];
}

}  // namespace

// On the rendered page (at twice the logical size), the ink of a glyph or sign that its box's
// fill alone would hide stands out from its surround by at least 3:1. Without the outlines
// these measure 1.0 to 2.0.
TEST(Readability, OutlinedInkStandsOutOnThePage) {
  const struct {
    const char* what;
    const lesson::ProgramDefinition* program;
    const char* keys;  // to a wait with the ink on the page
    double x1, y1, x2, y2;
    int colour;
  } cases[] = {
      // Corvane's flower bed: a 1 in the 1 m column (5 on 7) and an a beside it (5 on 9).
      {"flower bed 1", &corvane::kCorvane, "4\n1\nkkkk", 342, 363, 366, 411, 5},
      {"flower bed a", &corvane::kCorvane, "4\n1\nkkkk", 176, 345, 220, 415, 5},
      // Ostrel's fill-in boxes: an answer's n and its plus, drawn as two lines (5 on 13).
      {"fill-in n", &ostrel::kOstrel, "2\n2\nkkk", 300, 260, 324, 308, 5},
      {"fill-in plus", &ostrel::kOstrel, "2\n2\nkkk", 330, 270, 350, 294, 5},
      // An exercise number's badge (13 on 3).
      {"badge", &ostrel::kOstrel, "4\n1\n", 556, 30, 580, 78, 13},
  };
  for (const auto& c : cases) {
    HeadlessOptions options = WithKeys(c.keys);
    options.scale = 2;
    lesson::HeadlessSession session(*c.program, options);
    session.Start();
    const double contrast = InkContrastOnPage(session.runtime.canvas(), c.x1, c.y1, c.x2, c.y2, c.colour);
    EXPECT_GE(contrast, 3.0) << c.what;
  }
}
