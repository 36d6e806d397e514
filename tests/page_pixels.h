// Reading the page's pixels in the tests.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>

#include "platform/canvas.h"
#include "platform/palette.h"

namespace testing_support {

// The page's pixel at (col, row) in device pixels, as 0xRRGGBB.
inline uint32_t Pixel(const platform::Canvas& canvas, int col, int row) {
  cairo_surface_flush(canvas.surface());
  const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(canvas.surface()));
  const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
  return data[row * stride + col] & 0xFFFFFF;
}

// A palette colour as 0xRRGGBB, to compare with Pixel.
inline uint32_t PaletteColour(int colour) {
  const platform::Rgb rgb = platform::kPalette[static_cast<size_t>(colour)];
  return static_cast<uint32_t>(rgb.r << 16 | rgb.g << 8 | rgb.b);
}

}  // namespace testing_support
