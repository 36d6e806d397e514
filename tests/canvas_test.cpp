// The page's own pixel properties (no fonts involved).
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <cstdint>

using platform::Canvas;

namespace {

// Pixels of the rectangle (in device pixels) that are not the background.
int Marked(const Canvas& canvas, int x, int y, int w, int h) {
  cairo_surface_flush(canvas.surface());
  const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(canvas.surface()));
  const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
  int marked = 0;
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) marked += (data[row * stride + col] & 0xFFFFFF) != 0xFFFFFF;
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
