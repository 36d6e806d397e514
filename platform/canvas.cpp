#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <span>

#include "platform/palette.h"
#include "platform/text_ops.h"

namespace platform {

void PixelRect::Add(const PixelRect& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  const int x2 = std::max(x + w, other.x + other.w);
  const int y2 = std::max(y + h, other.y + other.h);
  x = std::min(x, other.x);
  y = std::min(y, other.y);
  w = x2 - x;
  h = y2 - y;
}

namespace {

// Where a glyph's em box goes in the cell that a text routine gives it. The cell is `size`
// units per unit of magnification on each axis, with its top-left corner where the text is
// placed. The gothic face fills it as it is: a full-width glyph at size 16 and magnification 1
// is 16 units wide and high, its baseline at the face's ascent share of the em box.
//
// The Western faces draw only single italic letters and the script l, in cells that the
// formula rules and the label style place with fixed offsets and advances made for other font
// metrics than ours. So that the letters keep within those advances, a unit of magnification
// gives them 0.6 (Times) or 0.5 (the l) of the em box's width; so that they sit on the line of
// the gothic digits beside them, their baseline lies where it was measured to meet the digits'
// baseline in each kind of cell the rules use, told apart by its vertical magnification.
struct Baseline {
  double mag_y;  // the cell's vertical magnification
  double share;  // the baseline's depth below the cell's top, a share of the cell's height
};

struct FaceCell {
  double width = 1, height = 1;         // the em box, per unit of size and magnification
  std::span<const Baseline> baselines;  // other cells: the face's own ascent share
};

// Italic letters in a line of formula text (7), in a numerator or denominator (5) and in a
// label (4): their offsets above the pen differ, so their baselines do.
constexpr Baseline kItalicBaselines[] = {{4, 1.15}, {5, 1.05}, {7, 1.115}};
// The script l: Ostrel's, in and outside fractions (1), and the standard rule's (3).
constexpr Baseline kScriptBaselines[] = {{1, 0.71}, {3, 0.85}};

FaceCell CellOf(std::string_view face) {
  if (face == "Times New Roman") return {0.6, 1.0, kItalicBaselines};
  if (face == "MT Extra") return {0.5, 0.9, kScriptBaselines};
  return {};
}

bool IsGothic(std::string_view face) { return face == "ｺﾞｼｯｸ" || face == "ゴシック"; }

// The gothic face's full-width signs ×, ÷ and ± grow with their cell to the height of a
// capital, and in a cell taller than wide × reads as the letter X. Drawn alone they are
// operators: kept square, their ink kSignShare as high as the face's digits in a cell of the
// same height, centred on those digits' middle and across the cell.
constexpr double kSignShare = 0.6;

bool IsSign(std::string_view face, std::string_view text) {
  return IsGothic(face) && (text == "×" || text == "÷" || text == "±");
}

// How a glyph is drawn in its cell, in units from the cell's top-left corner: where its em box
// starts, where its baseline lies, and how the em box is scaled on each axis (1: the font size).
struct Placement {
  double x, baseline, scale_x, scale_y;
};

Placement PlaceGlyph(std::string_view face, double size, double mag_x, double mag_y,
                     double ascent_share) {
  const FaceCell cell = CellOf(face);
  double baseline = size * mag_y * cell.height * ascent_share;
  for (const Baseline& measured : cell.baselines) {
    if (measured.mag_y == mag_y) baseline = size * mag_y * measured.share;
  }
  return {0, baseline, mag_x * cell.width, mag_y * cell.height};
}

// The ink of `text` in the font selected on `cr`, per unit of font size: measured large, as
// the extents at small sizes are rounded to whole pixels.
cairo_text_extents_t InkPerUnit(cairo_t* cr, const char* text) {
  constexpr double kMeasureSize = 256;
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_font_size(cr, kMeasureSize);
  cairo_text_extents_t ink;
  cairo_text_extents(cr, text, &ink);
  cairo_restore(cr);
  for (double* v : {&ink.x_bearing, &ink.y_bearing, &ink.width, &ink.height}) *v /= kMeasureSize;
  return ink;
}

// A sign in the gothic face, measured against the face's digits in the font selected on `cr`.
Placement PlaceSign(cairo_t* cr, const std::string& sign, double size, double mag_x,
                    double mag_y, double ascent_share) {
  const cairo_text_extents_t digit = InkPerUnit(cr, "0"), ink = InkPerUnit(cr, sign.c_str());
  if (ink.height <= 0 || ink.width <= 0) return {0, size * mag_y * ascent_share, mag_x, mag_y};
  const double digits_middle = size * mag_y * (ascent_share + digit.y_bearing + digit.height / 2);
  const double scale = std::min(kSignShare * digit.height * mag_y / ink.height,
                                mag_x / ink.width);
  return {size * (mag_x / 2 - (ink.x_bearing + ink.width / 2) * scale),
          digits_middle - size * (ink.y_bearing + ink.height / 2) * scale, scale, scale};
}

// The largest cell a glyph is drawn in, in page units: a little under three pages high.
constexpr double kLargestCell = 2048;

// How far an outline reaches beyond the ink of the glyph or line it surrounds, in page units.
constexpr double kOutlineReach = 1.0;

// A device-pixel coordinate brought onto the page, 0 to `limit`, while still in floating
// point: a coordinate far off the page (or at infinity) would not fit an int.
int OnPage(double pixels, int limit) {
  return static_cast<int>(std::clamp(pixels, 0.0, static_cast<double>(limit)));
}

// The width of a text's cells: a full-width character's cell is `size` units per unit of
// horizontal magnification, a half-width one's half of that.
double CellsWidth(std::string_view text, double size, double mag_x) {
  double width = 0;
  for (std::string_view ch : SplitChars(text)) width += Cp932Length(ch) == 1 ? 0.5 : 1.0;
  return width * size * mag_x;
}

}  // namespace

bool Canvas::FilledArea::Contains(double x, double y) const {
  if (!disc) return x >= x1 && x <= x2 && y >= y1 && y <= y2;
  const double radius = (x2 - x1) / 2;
  return std::hypot(x - (x1 + radius), y - (y1 + radius)) <= radius;
}

bool Canvas::FilledArea::Covers(const FilledArea& other) const {
  if (disc) {
    // A disc covers a disc of the same centre no larger than itself (the number field's
    // cursor is drawn and erased so at every poll).
    return other.disc && other.x1 + other.x2 == x1 + x2 && other.y1 + other.y2 == y1 + y2 &&
           other.x2 - other.x1 <= x2 - x1;
  }
  return other.x1 >= x1 && other.y1 >= y1 && other.x2 <= x2 && other.y2 <= y2;
}

void Canvas::AddFill(const FilledArea& area) {
  std::erase_if(fills_, [&](const FilledArea& earlier) { return area.Covers(earlier); });
  fills_.push_back(area);
}

const Canvas::FilledArea* Canvas::AreaUnder(double x, double y) const {
  for (auto area = fills_.rbegin(); area != fills_.rend(); ++area) {
    if (area->Contains(x, y)) return &*area;
  }
  return nullptr;
}

int Canvas::FillUnder(double x, double y) const {
  const FilledArea* area = AreaUnder(x, y);
  return area != nullptr ? area->fill : kBackgroundColour;
}

std::pair<std::string, std::string> ResolveFont(std::string_view face, std::string_view text) {
  if (IsGothic(face)) return {"IPAGothic", std::string(text)};
  if (face == "Times New Roman") return {"Liberation Serif", std::string(text)};
  if (face == "MT Extra") {
    std::string mapped;
    for (char c : text) {
      if (c == 'l') {
        mapped += "ℓ";
      } else {
        mapped += c;
      }
    }
    return {"Liberation Serif", mapped};
  }
  return {std::string(face), std::string(text)};
}

Canvas::Canvas(double scale)
    : scale_(scale),
      width_(static_cast<int>(std::lround(kPageWidth * scale))),
      height_(static_cast<int>(std::lround(kPageHeight * scale))),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)),
      cr_(cairo_create(surface_)) {
  cairo_scale(cr_, scale_, scale_);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  Clear();
}

Canvas::~Canvas() {
  for (auto& [key, face] : faces_) cairo_font_face_destroy(face);
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::SetColour(int colour) {
  const Rgb rgb = kPalette[static_cast<size_t>(std::clamp(colour, 0, 15))];
  cairo_set_source_rgb(cr_, rgb.r / 255.0, rgb.g / 255.0, rgb.b / 255.0);
}

void Canvas::CountSegments(const cairo_path_t* path, double tolerance) {
  // Each count is at most kSegmentCountCeiling, so a sum of two cannot wrap round; the sums
  // stop there.
  const auto add = [](uint64_t& sum, uint64_t count) {
    sum = std::min(sum + count, kSegmentCountCeiling);
  };
  uint64_t segments = 0;
  Point pen{0, 0}, start{0, 0};
  for (int k = 0; k < path->num_data; k += path->data[k].header.length) {
    const cairo_path_data_t* element = &path->data[k];
    const auto point = [&](int n) { return Point{element[n].point.x, element[n].point.y}; };
    switch (element->header.type) {
      case CAIRO_PATH_MOVE_TO:
        pen = start = point(1);
        break;
      case CAIRO_PATH_LINE_TO:
        pen = point(1);
        add(segments, 1);
        break;
      case CAIRO_PATH_CURVE_TO:
        add(segments, CurveSegments(pen, point(1), point(2), point(3), tolerance));
        pen = point(3);
        break;
      case CAIRO_PATH_CLOSE_PATH:
        pen = start;
        add(segments, 1);
        break;
    }
  }
  add(segments_drawn_, segments);
}

void Canvas::CountSegments() {
  // Paths are painted in page units, a device pixel being 1 / scale_ of one.
  cairo_path_t* path = cairo_copy_path(cr_);
  CountSegments(path, cairo_get_tolerance(cr_) / scale_);
  cairo_path_destroy(path);
}

// Fills or strokes the current path, keeping it. Background-coloured paint is an eraser.
// Each call counts the path's segments once.
void Canvas::PaintPath(int colour, bool fill_path, double width, bool grown) {
  CountSegments();
  SetColour(colour);
  const double pixel = 1.0 / scale_;
  const double line = std::max(width, pixel);
  if (colour == kBackgroundColour) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    if (fill_path) cairo_fill_preserve(cr_);
    if (!fill_path || !grown) {
      cairo_set_line_width(cr_, (fill_path ? 0 : line) + 2 * pixel);
      cairo_stroke_preserve(cr_);
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    return;
  }
  if (fill_path) {
    cairo_fill_preserve(cr_);
  } else {
    cairo_set_line_width(cr_, line);
    cairo_stroke_preserve(cr_);
  }
}

// The outline is drawn into a mask first and then painted only on the pixels that still show
// the fill: where it would reach over ink drawn before it (a neighbouring glyph, the other
// stroke of a plus, a box's border) that ink stays as it is.
void Canvas::PaintOutline(double ink_width, Rgb outline, int ground) {
  ++outlines_drawn_;
  // The path and its stroke's extent in device pixels, the same whatever the magnifications;
  // on a page shown smaller than its logical size the outline still reaches a whole pixel.
  const double width = ink_width * scale_ + 2 * std::max(kOutlineReach * scale_, 1.0);
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  double x1, y1, x2, y2;
  cairo_path_extents(cr_, &x1, &y1, &x2, &y2);
  cairo_path_t* path = cairo_copy_path(cr_);
  cairo_restore(cr_);
  // A quarter of a pixel either way is lost in a two-unit band.
  constexpr double kMaskTolerance = 0.5;
  CountSegments(path, kMaskTolerance);
  const double half = width / 2 + 1;
  x1 -= half, y1 -= half, x2 += half, y2 += half;
  const int left = OnPage(std::floor(x1), width_), top = OnPage(std::floor(y1), height_);
  const int right = OnPage(std::ceil(x2), width_), bottom = OnPage(std::ceil(y2), height_);
  if (right <= left || bottom <= top) {
    cairo_path_destroy(path);
    return;
  }
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, right - left, bottom - top);
  cairo_t* m = cairo_create(mask);
  cairo_translate(m, -left, -top);
  cairo_append_path(m, path);
  cairo_set_line_width(m, width);
  cairo_set_line_cap(m, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
  cairo_set_tolerance(m, kMaskTolerance);
  cairo_stroke(m);
  cairo_destroy(m);
  cairo_path_destroy(path);
  cairo_surface_flush(mask);
  cairo_surface_flush(surface_);

  const unsigned char* coverage = cairo_image_surface_get_data(mask);
  const int mask_stride = cairo_image_surface_get_stride(mask);
  auto* page = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface_));
  const int page_stride = cairo_image_surface_get_stride(surface_) / 4;
  const Rgb fill = kPalette[static_cast<size_t>(ground)];
  const auto channel = [](uint32_t px, int shift) { return static_cast<int>((px >> shift) & 0xFF); };
  const auto blend = [](int from, int to, int alpha) { return (from * (255 - alpha) + to * alpha + 127) / 255; };
  constexpr int kSameColour = 8;  // the largest channel difference still taken for the fill
  for (int row = top; row < bottom; ++row) {
    for (int col = left; col < right; ++col) {
      const int alpha = coverage[(row - top) * mask_stride + (col - left)];
      uint32_t& px = page[row * page_stride + col];
      const int r = channel(px, 16), g = channel(px, 8), b = channel(px, 0);
      if (alpha == 0 || std::abs(r - fill.r) > kSameColour || std::abs(g - fill.g) > kSameColour ||
          std::abs(b - fill.b) > kSameColour) {
        continue;
      }
      px = static_cast<uint32_t>(blend(r, outline.r, alpha) << 16 | blend(g, outline.g, alpha) << 8 |
                                 blend(b, outline.b, alpha));
    }
  }
  cairo_surface_mark_dirty_rectangle(surface_, left, top, right - left, bottom - top);
  cairo_surface_destroy(mask);
}

double Canvas::EraserMargin(int colour) const {
  return colour == kBackgroundColour ? 1.0 / scale_ : 0.0;
}

void Canvas::MarkDirty(double x1, double y1, double x2, double y2) {
  if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
  const int px1 = OnPage(std::floor(std::min(x1, x2) * scale_) - 2, width_);
  const int py1 = OnPage(std::floor(std::min(y1, y2) * scale_) - 2, height_);
  const int px2 = OnPage(std::ceil(std::max(x1, x2) * scale_) + 2, width_);
  const int py2 = OnPage(std::ceil(std::max(y1, y2) * scale_) + 2, height_);
  dirty_.Add({px1, py1, px2 - px1, py2 - py1});
}

Rect Canvas::Reach(double width) const {
  const double margin = std::max(width, 0.0) / 2 + kOutlineReach + 4 / scale_;
  return {-margin, -margin, kPageWidth + margin, kPageHeight + margin};
}

void Canvas::Line(double x1, double y1, double x2, double y2, double width, int colour) {
  if (!std::isfinite(width)) return;
  width = std::min(width, kWidestLine);
  Point a{x1, y1}, b{x2, y2};
  if (!ClipSegment(a, b, Reach(width))) return;
  cairo_new_path(cr_);
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  // A sign drawn as lines inside a filled box (a plus, a minus, a fraction's bar) stands out
  // from the box as its text does. Lines in the background colour are erasers.
  const FilledArea* box = AreaUnder(x1, y1);
  std::optional<Rgb> outline;
  if (box != nullptr && box == AreaUnder(x2, y2) && box->fill != kBackgroundColour &&
      colour != kBackgroundColour) {
    outline = OutlineFor(colour, box->fill, kMagnifiedTextContrast);
  }
  if (outline) PaintOutline(std::max(width, 1.0 / scale_), *outline, box->fill);
  PaintPath(colour, false, width);
  cairo_new_path(cr_);
  const double pad = width / 2 + kOutlineReach + 2 / scale_;
  MarkDirty(std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad, std::max(a.x, b.x) + pad,
            std::max(a.y, b.y) + pad);
}

void Canvas::Box(double x1, double y1, double x2, double y2, double width, int colour,
                 bool filled, int fill) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
      !std::isfinite(width)) {
    return;
  }
  width = std::min(width, kWidestLine);
  // Sides beyond the reach of the page are drawn at its edge, where they do not show either.
  const Rect reach = Reach(width);
  if (std::max(x1, x2) < reach.left || std::min(x1, x2) > reach.right ||
      std::max(y1, y2) < reach.top || std::min(y1, y2) > reach.bottom) {
    return;
  }
  const double left = std::max(std::min(x1, x2), reach.left);
  const double top = std::max(std::min(y1, y2), reach.top);
  const double right = std::min(std::max(x1, x2), reach.right);
  const double bottom = std::min(std::max(y1, y2), reach.bottom);
  cairo_new_path(cr_);
  if (filled && fill == colour) {
    // Border and inside in one colour: one fill of the box grown by half the border.
    const double grow = width / 2 + EraserMargin(colour);
    cairo_rectangle(cr_, left - grow, top - grow, right - left + 2 * grow, bottom - top + 2 * grow);
    PaintPath(colour, true, 0, true);
    AddFill({left - grow, top - grow, right + grow, bottom + grow, false, fill});
  } else {
    cairo_rectangle(cr_, left, top, right - left, bottom - top);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    if (filled) PaintPath(fill, true, width);
    PaintPath(colour, false, width);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    if (filled) AddFill({left, top, right, bottom, false, fill});
  }
  cairo_new_path(cr_);
  const double pad = width / 2 + 2 / scale_;
  MarkDirty(left - pad, top - pad, right + pad, bottom + pad);
}

void Canvas::Circle(double cx, double cy, double radius, double start, double end, double width,
                    int colour, bool filled, int fill) {
  constexpr double kTurn = 2 * std::numbers::pi;
  for (const double v : {cx, cy, radius, start, end, width}) {
    if (!std::isfinite(v)) return;
  }
  width = std::min(width, kWidestLine);
  const bool whole = start == end;
  // The arc runs clockwise from start to end; whole turns before the start change nothing,
  // and an arc of more than a turn ends where its fraction of a turn beyond one turn ends.
  double turns = end - start;
  turns = turns < 0 ? turns - std::floor(turns) : turns > 1 ? 1 + std::fmod(turns - 1, 1.0) : turns;
  const double a1 = std::fmod(start, 1.0) * kTurn, a2 = a1 + turns * kTurn;
  // Cairo flattens an arc into more segments the larger it is, and keeps its coordinates in
  // fixed point: a circle beyond these bounds is flattened here, only where it can be seen.
  constexpr double kCairosCircles = 1e5;
  if (std::fabs(cx) > kCairosCircles || std::fabs(cy) > kCairosCircles || radius > kCairosCircles) {
    FarCircle({cx, cy}, radius, a1, whole ? a1 + kTurn : a2, whole, width, colour, filled, fill);
    return;
  }
  cairo_new_path(cr_);
  if (whole && filled && fill == colour) {
    // A disc with its rim in the same colour: one fill of the disc grown by half the rim.
    const double outer = radius + width / 2 + EraserMargin(colour);
    cairo_arc(cr_, cx, cy, outer, 0, kTurn);
    cairo_close_path(cr_);
    PaintPath(colour, true, 0, true);
    AddFill({cx - outer, cy - outer, cx + outer, cy + outer, true, fill});
    cairo_new_path(cr_);
    const double pad = radius + width / 2 + 2 / scale_;
    MarkDirty(cx - pad, cy - pad, cx + pad, cy + pad);
    return;
  }
  if (whole) {
    cairo_arc(cr_, cx, cy, radius, 0, kTurn);
    cairo_close_path(cr_);
  } else {
    if (filled) cairo_move_to(cr_, cx, cy);
    cairo_arc(cr_, cx, cy, radius, a1, a2);
    if (filled) cairo_close_path(cr_);
  }
  if (filled) PaintPath(fill, true, width);
  PaintPath(colour, false, width);
  cairo_new_path(cr_);
  if (whole && filled) AddFill({cx - radius, cy - radius, cx + radius, cy + radius, true, fill});
  const double pad = radius + width / 2 + 2 / scale_;
  MarkDirty(cx - pad, cy - pad, cx + pad, cy + pad);
}

namespace {

void AppendPolygon(cairo_t* cr, const std::vector<Point>& polygon) {
  if (polygon.empty()) return;
  cairo_move_to(cr, polygon[0].x, polygon[0].y);
  for (size_t k = 1; k < polygon.size(); ++k) cairo_line_to(cr, polygon[k].x, polygon[k].y);
  cairo_close_path(cr);
}

// The edges of a polyline, each cut to `reach`; an edge that starts where the last one ended
// goes on from it, so that the joins stay joins. Returns the box of what was appended.
std::optional<Rect> AppendPolyline(cairo_t* cr, const std::vector<Point>& points,
                                   const Rect& reach) {
  Point pen{0, 0};
  bool drawing = false;  // the path stands at `pen`
  std::optional<Rect> box;
  for (size_t k = 1; k < points.size(); ++k) {
    Point a = points[k - 1], b = points[k];
    if (!ClipSegment(a, b, reach)) {
      drawing = false;
      continue;
    }
    if (!drawing || pen.x != a.x || pen.y != a.y) cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    pen = b;
    drawing = true;
    if (!box) box = Rect{a.x, a.y, a.x, a.y};
    for (const Point p : {a, b}) {
      box->left = std::min(box->left, p.x), box->right = std::max(box->right, p.x);
      box->top = std::min(box->top, p.y), box->bottom = std::max(box->bottom, p.y);
    }
  }
  return box;
}

}  // namespace

void Canvas::FarCircle(Point centre, double radius, double a1, double a2, bool whole,
                       double width, int colour, bool filled, int fill) {
  const Rect reach = Reach(width);
  const double ink = std::max(width, 0.0) / 2;
  // Neither the disc nor its rim comes near the page.
  if (reach.NearestDistance(centre) > radius + ink) return;
  cairo_new_path(cr_);
  if (whole && filled && fill == colour) {
    const double outer = radius + ink + EraserMargin(colour);
    AppendPolygon(cr_, ClipPolygon(FlattenArc(centre, outer, a1, a2, reach), reach));
    PaintPath(colour, true, 0, true);
    AddFill({centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, true, fill});
  } else {
    std::vector<Point> shape = FlattenArc(centre, radius, a1, a2, reach);
    const bool sector = filled && !whole;
    if (sector) {
      shape.insert(shape.begin(), centre);
      shape.push_back(centre);
    } else if (whole) {
      shape.push_back(shape.front());
    }
    if (filled) {
      AppendPolygon(cr_, ClipPolygon(shape, reach));
      PaintPath(fill, true, width);
      cairo_new_path(cr_);
      if (whole) {
        AddFill({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, true,
                 fill});
      }
    }
    // The page inside the ring shows none of it.
    if (sector || radius - ink <= reach.FarthestDistance(centre)) {
      AppendPolyline(cr_, shape, reach);
      PaintPath(colour, false, width);
    }
  }
  cairo_new_path(cr_);
  const double pad = radius + ink + 2 / scale_;
  MarkDirty(centre.x - pad, centre.y - pad, centre.x + pad, centre.y + pad);
}

void Canvas::Polyline(const std::vector<Point>& points, double width, int colour) {
  if (!std::isfinite(width)) return;
  width = std::min(width, kWidestLine);
  cairo_new_path(cr_);
  const std::optional<Rect> box = AppendPolyline(cr_, points, Reach(width));
  if (!box) return;
  PaintPath(colour, false, width);
  cairo_new_path(cr_);
  const double pad = width / 2 + 2 / scale_;
  MarkDirty(box->left - pad, box->top - pad, box->right + pad, box->bottom + pad);
}

cairo_font_face_t* Canvas::FaceFor(const FontState& font) {
  const auto family = ResolveFont(font.face, "").first;
  const auto key = std::make_tuple(family, font.bold, font.italic);
  auto found = faces_.find(key);
  if (found != faces_.end()) return found->second;
  cairo_font_face_t* face = cairo_toy_font_face_create(
      family.c_str(), font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
      font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  faces_.emplace(key, face);
  return face;
}

void Canvas::Text(std::string_view text, double x, double y, double mag_x, double mag_y,
                  int colour, const FontState& font) {
  if (text.empty() || !(mag_x > 0) || !(mag_y > 0)) return;
  const double size = font.size > 0 ? font.size : 1;
  for (const double v : {x, y, mag_x, mag_y, size}) {
    if (!std::isfinite(v)) return;
  }
  // A cell several pages wide would show only a blown-up piece of one glyph, and the font
  // engine refuses sizes far beyond it (and with it the page would draw nothing more).
  if (size * std::max(mag_x, mag_y) > kLargestCell) return;
  // A glyph never reaches further up than its top-left corner, nor further than a few cells
  // to the right of it: text placed wholly off the page (measuring runs draw at y 1800) is
  // skipped without shaping it.
  if (y >= kPageHeight || x >= kPageWidth || y + size * mag_y * 2 < 0) return;
  const auto [family, shown] = ResolveFont(font.face, text);
  cairo_save(cr_);
  cairo_set_font_face(cr_, FaceFor(font));
  cairo_set_font_size(cr_, size);
  cairo_font_extents_t extents;
  cairo_font_extents(cr_, &extents);
  const double total = extents.ascent + extents.descent;
  const double ascent_share = total > 0 ? extents.ascent / total : 0.88;
  const Placement place =
      IsSign(font.face, shown) ? PlaceSign(cr_, shown, size, mag_x, mag_y, ascent_share)
                               : PlaceGlyph(font.face, size, mag_x, mag_y, ascent_share);
  cairo_translate(cr_, x + place.x, y + place.baseline);
  cairo_scale(cr_, place.scale_x, place.scale_y);
  const double needed =
      mag_x <= 1 && mag_y <= 1 ? kPlainTextContrast : kMagnifiedTextContrast;
  const int ground = FillUnder(x + CellsWidth(text, size, mag_x) / 2, y + size * mag_y / 2);
  if (const std::optional<Rgb> outline = OutlineFor(colour, ground, needed)) {
    cairo_move_to(cr_, 0, 0);
    cairo_text_path(cr_, shown.c_str());
    PaintOutline(0, *outline, ground);
    cairo_new_path(cr_);
  }
  cairo_move_to(cr_, 0, 0);
  SetColour(colour);
  cairo_text_extents_t ink;
  cairo_text_extents(cr_, shown.c_str(), &ink);
  cairo_show_text(cr_, shown.c_str());
  cairo_restore(cr_);
  const double right = x + (std::max(ink.x_advance, ink.x_bearing + ink.width) + size) * mag_x;
  MarkDirty(x - size * mag_x, y - size * mag_y, right, y + 2 * size * mag_y);
}

void Canvas::Clear() {
  fills_.clear();
  cairo_save(cr_);
  SetColour(kBackgroundColour);
  cairo_paint(cr_);
  cairo_restore(cr_);
  dirty_.Add({0, 0, width_, height_});
}

bool Canvas::WritePng(const std::string& path) const {
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

PixelRect Canvas::TakeDirty() {
  const PixelRect taken = dirty_;
  dirty_ = {};
  return taken;
}

}  // namespace platform
