// The drawing page: a logical 1440 x 900 page (origin top-left, y down) painted with cairo
// into an in-memory image. Both backends draw through it; the window backend shows the image,
// the headless backend writes it to PNG.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace platform {

inline constexpr double kPageWidth = 1440;
inline constexpr double kPageHeight = 900;

struct FontState {
  std::string face = "ｺﾞｼｯｸ";
  double size = 16;
  bool bold = false;
  bool italic = false;
};

struct Point {
  double x, y;
};

// A rectangle in device pixels; empty when w or h is 0.
struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
  void Add(const PixelRect& other);
};

class Canvas {
 public:
  // `scale`: device pixels per logical unit.
  explicit Canvas(double scale);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Line widths are logical units. Shapes painted in the background colour are erasers:
  // they are drawn without anti-aliasing and one pixel wider, so that they cover every pixel
  // an earlier anti-aliased shape touched and leave no halo behind.
  void Line(double x1, double y1, double x2, double y2, double width, int colour);
  void Box(double x1, double y1, double x2, double y2, double width, int colour, bool filled,
           int fill);
  // Arc from `start` to `end`, fractions of a turn clockwise on screen from the right;
  // start == end draws the whole circle. `filled` paints the disc or sector.
  void Circle(double cx, double cy, double radius, double start, double end, double width,
              int colour, bool filled, int fill);
  void Polyline(const std::vector<Point>& points, double width, int colour);
  // Text with its top-left corner at (x, y), each glyph scaled by the magnifications.
  void Text(std::string_view text, double x, double y, double mag_x, double mag_y, int colour,
            const FontState& font);
  void Clear();

  bool WritePng(const std::string& path) const;

  cairo_surface_t* surface() const { return surface_; }
  int pixel_width() const { return width_; }
  int pixel_height() const { return height_; }
  double scale() const { return scale_; }
  // The area drawn on since the last call.
  PixelRect TakeDirty();

 private:
  void SetColour(int colour);
  // `grown`: a filled path that already reaches one pixel further when it is an eraser.
  void PaintPath(int colour, bool fill_path, double width, bool grown = false);
  double EraserMargin(int colour) const;
  void MarkDirty(double x1, double y1, double x2, double y2);
  cairo_font_face_t* FaceFor(const FontState& font);

  double scale_;
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  PixelRect dirty_;
  std::map<std::tuple<std::string, bool, bool>, cairo_font_face_t*> faces_;
};

// The font family that stands in for a face name of the lessons, and the text to draw in it
// ("MT Extra" is used for its script letter l only).
std::pair<std::string, std::string> ResolveFont(std::string_view face, std::string_view text);

}  // namespace platform
