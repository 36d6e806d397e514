// The drawing page: a logical 1440 x 900 page (origin top-left, y down) painted with cairo
// into an in-memory image. Both backends draw through it; the window backend shows the image,
// the headless backend writes it to PNG.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/page_geometry.h"
#include "platform/palette.h"

namespace platform {

inline constexpr double kPageWidth = 1440;
inline constexpr double kPageHeight = 900;
// Wider than the page is long from corner to corner, both ways.
inline constexpr double kWidestLine = 4096;

struct FontState {
  std::string face = "ｺﾞｼｯｸ";
  double size = 16;
  bool bold = false;
  bool italic = false;
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
  //
  // Any coordinates are taken: of a shape reaching far off the page only the part that can
  // reach the page is drawn, and a shape with a coordinate, radius, angle or width that is
  // not a number or infinite draws nothing (a polyline: none of the edges at such a point).
  // A line wider than kWidestLine is drawn kWidestLine wide, which covers the page.
  void Line(double x1, double y1, double x2, double y2, double width, int colour);
  void Box(double x1, double y1, double x2, double y2, double width, int colour, bool filled,
           int fill);
  // Arc from `start` to `end`, fractions of a turn clockwise on screen from the right;
  // start == end draws the whole circle. `filled` paints the disc or sector.
  void Circle(double cx, double cy, double radius, double start, double end, double width,
              int colour, bool filled, int fill);
  void Polyline(const std::vector<Point>& points, double width, int colour);
  // Text with its top-left corner at (x, y), each glyph scaled by the magnifications. Text
  // whose cells would be more than a couple of pages high draws nothing.
  //
  // Text and signs stand out from the fill under them: a text whose colour does not stand
  // out enough from the fill under the middle of its cells, and a line drawn wholly inside a
  // filled box whose colour does not stand out from the box's fill, are drawn with a thin
  // outline in white or black (see OutlineFor). A full-width character's cell is `size`
  // units per unit of magnification, a half-width one's half as wide.
  void Text(std::string_view text, double x, double y, double mag_x, double mag_y, int colour,
            const FontState& font);
  void Clear();

  // The colour of the latest box or disc filled under a point since the page was cleared;
  // the background colour where there is none.
  int FillUnder(double x, double y) const;
  // How many texts and lines have been drawn with an outline.
  int outlines_drawn() const { return outlines_drawn_; }
  // The page's drawing work since it was made, the same on every machine: the straight
  // segments of every path it has filled, stroked or outlined, each curve counted as the
  // segments it is flattened into. Glyphs drawn as text are not paths and are not counted.
  // A shape far off the page costs no more than one on it.
  uint64_t segments_drawn() const { return segments_drawn_; }

  bool WritePng(const std::string& path) const;

  cairo_surface_t* surface() const { return surface_; }
  int pixel_width() const { return width_; }
  int pixel_height() const { return height_; }
  double scale() const { return scale_; }
  // The area drawn on since the last call.
  PixelRect TakeDirty();

 private:
  // The page grown by what a stroke of `width` and its outline reach beyond a line: a shape cut
  // to it looks on the page as the whole shape would.
  Rect Reach(double width) const;
  // A circle too large or too far off the page for cairo's own arcs, flattened and cut to the
  // page first.
  void FarCircle(Point centre, double radius, double a1, double a2, bool whole, double width,
                 int colour, bool filled, int fill);
  void SetColour(int colour);
  // `grown`: a filled path that already reaches one pixel further when it is an eraser.
  void PaintPath(int colour, bool fill_path, double width, bool grown = false);
  double EraserMargin(int colour) const;
  // Paints an outline round the current path, reaching a little beyond a stroke of
  // `ink_width` units (0: the path is a shape to fill, such as a glyph), on the pixels that
  // still show the fill `ground`. The path is kept.
  void PaintOutline(double ink_width, Rgb outline, int ground);
  // Adds the segments of `path` flattened to `tolerance` (in the path's units) to the count.
  void CountSegments(const cairo_path_t* path, double tolerance);
  // The same for the current path, in page units, flattened to the page's tolerance.
  void CountSegments();
  void MarkDirty(double x1, double y1, double x2, double y2);
  cairo_font_face_t* FaceFor(const FontState& font);

  // A box or disc filled in one colour: what later text and signs are drawn on.
  struct FilledArea {
    double x1, y1, x2, y2;  // a disc's bounding square
    bool disc;
    int fill;
    bool Contains(double x, double y) const;
    bool Covers(const FilledArea& other) const;
  };
  void AddFill(const FilledArea& area);
  const FilledArea* AreaUnder(double x, double y) const;

  double scale_;
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  PixelRect dirty_;
  // Since the last clear, the newest last; an area a later one covers is dropped.
  std::vector<FilledArea> fills_;
  int outlines_drawn_ = 0;
  uint64_t segments_drawn_ = 0;
  std::map<std::tuple<std::string, bool, bool>, cairo_font_face_t*> faces_;
};

// The font family that stands in for a face name of the lessons, and the text to draw in it
// ("MT Extra" is used for its script letter l only).
std::pair<std::string, std::string> ResolveFont(std::string_view face, std::string_view text);

}  // namespace platform
