// The page's own pixel properties: erasing, where shapes land, what text and signs are drawn
// on, and their outlines.
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/palette.h"
#include "tests/page_pixels.h"

using platform::Canvas;
using testing_support::PaletteColour;
using testing_support::Pixel;

namespace {

// Pixels of the rectangle (in device pixels) that are not `colour` (the background).
int Marked(const Canvas& canvas, int x, int y, int w, int h, int colour = 15) {
  int marked = 0;
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) marked += Pixel(canvas, col, row) != PaletteColour(colour);
  }
  return marked;
}

}  // namespace

// Lessons erase by drawing over in the background colour; an anti-aliased shape drawn again
// in that colour would leave a halo. The number field's cursor is drawn and erased on every
// poll, at positions that fall between pixels at most scales.
TEST(Canvas, ErasingLeavesNoTrace) {
  for (double scale : {1.0, 0.889, 1.333, 2.0}) {
    Canvas canvas(scale);
    const int w = canvas.pixel_width(), h = canvas.pixel_height();
    canvas.Circle(1064.3, 656.7, 4, 0, 0, 3, 5, true, 5);
    canvas.Circle(1064.3, 656.7, 4, 0, 0, 3, 15, true, 15);
    canvas.Line(10.5, 20.25, 300.75, 87.5, 3, 0);
    canvas.Line(10.5, 20.25, 300.75, 87.5, 3, 15);
    canvas.Box(96, 639, 400, 675, 2, 13, true, 12);
    canvas.Box(96, 639, 400, 675, 2, 15, true, 15);
    canvas.Circle(700.5, 300.5, 40, 0.1, 0.6, 3, 0, false, 0);
    canvas.Circle(700.5, 300.5, 40, 0.1, 0.6, 3, 15, false, 15);
    EXPECT_EQ(Marked(canvas, 0, 0, w, h), 0) << "scale " << scale;
  }
}

TEST(Canvas, ShapesAreDrawnWhereTheySay) {
  Canvas canvas(1.0);
  canvas.Box(100, 100, 120, 110, 1, 0, true, 4);
  EXPECT_GT(Marked(canvas, 100, 100, 20, 10), 150);
  EXPECT_EQ(Marked(canvas, 0, 0, 90, 90), 0);
  // Off the page nothing is drawn and nothing fails.
  canvas.Box(0, 54, 1440, 2000, 3, 15, true, 15);
  canvas.Text("abc", 100, 1800, 1, 1, 0, platform::FontState{});
  EXPECT_EQ(Marked(canvas, 0, 0, canvas.pixel_width(), canvas.pixel_height()), 0);
}

// Text and signs are drawn on the latest box or disc filled under them; a clear leaves none.
TEST(Canvas, KnowsTheFillUnderEachPoint) {
  Canvas canvas(1.0);
  EXPECT_EQ(canvas.FillUnder(100, 100), 15);
  canvas.Box(50, 50, 150, 150, 3, 0, true, 13);
  canvas.Box(90, 90, 200, 200, 3, 3, true, 7);      // overlaps it
  canvas.Box(300, 300, 400, 350, 3, 9, false, 9);   // outlined only
  canvas.Circle(500, 500, 20, 0, 0, 3, 5, true, 5);  // a disc, its rim reaching 21.5 out
  canvas.Circle(500, 500, 40, 0.1, 0.3, 3, 5, true, 4);  // a sector is no ground for text
  const struct {
    double x, y;
    int fill;
  } points[] = {{60, 60, 13}, {100, 100, 7}, {199, 199, 7}, {201, 201, 15}, {350, 320, 15},
                {500, 500, 5}, {521, 500, 5}, {517, 517, 15}, {540, 500, 15}};
  for (const auto& point : points) {
    EXPECT_EQ(canvas.FillUnder(point.x, point.y), point.fill) << point.x << "," << point.y;
  }
  canvas.Box(0, 0, 1440, 900, 3, 15, true, 15);  // the lessons' eraser
  EXPECT_EQ(canvas.FillUnder(60, 60), 15);
  canvas.Box(50, 50, 150, 150, 3, 0, true, 13);
  canvas.Clear();
  EXPECT_EQ(canvas.FillUnder(60, 60), 15);
}

// A sign drawn as two lines in a box whose fill hides its colour: each stroke gets an outline,
// and the second stroke's outline does not cut into the first stroke where they cross.
TEST(Canvas, OutlinesNeverCoverInkDrawnBefore) {
  Canvas canvas(2.0);
  canvas.Box(100, 100, 200, 200, 3, 9, true, 13);
  canvas.Line(130, 150, 170, 150, 5, 5);  // a plus in colour 5: 1.74:1 on 13
  canvas.Line(150, 130, 150, 170, 5, 5);
  EXPECT_EQ(canvas.outlines_drawn(), 2);
  // Along the first stroke, either side of the second: its ink, not the outline's white.
  for (int col : {280, 290, 294, 306, 310, 320}) {
    EXPECT_EQ(Pixel(canvas, col, 300), PaletteColour(5)) << col;
  }
  // Just beyond the end of the first stroke: the outline.
  EXPECT_EQ(Pixel(canvas, 254, 300), 0xFFFFFFu);
  // Out in the box: its fill.
  EXPECT_EQ(Pixel(canvas, 240, 240), PaletteColour(13));
}

// A text drawn in the colour under it is hidden, a line in the background colour erases, and
// a box in the background colour erases an outlined text with its outline.
TEST(Canvas, HiddenAndErasedTextStaySo) {
  const platform::FontState font;
  Canvas canvas(1.0);
  canvas.Box(100, 100, 300, 200, 3, 13, true, 13);
  canvas.Text("n", 150, 120, 3, 3, 13, font);
  EXPECT_EQ(Marked(canvas, 102, 102, 196, 96, 13), 0) << "the hidden text shows";
  canvas.Line(110, 110, 290, 110, 5, 15);
  canvas.Text("n", 500, 120, 3, 3, 15, font);
  EXPECT_EQ(canvas.outlines_drawn(), 0);
  canvas.Text("n", 150, 120, 3, 3, 5, font);
  canvas.Line(200, 150, 230, 150, 5, 5);
  EXPECT_EQ(canvas.outlines_drawn(), 2);
  canvas.Box(100, 100, 300, 200, 3, 15, true, 15);
  EXPECT_EQ(Marked(canvas, 0, 0, canvas.pixel_width(), canvas.pixel_height()), 0);
}
