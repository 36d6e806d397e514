#include "platform/page_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

bool Finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

enum Side : int { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };

int SidesBeyond(Point p, const Rect& r) {
  int sides = 0;
  if (p.x < r.left) sides |= kLeft;
  if (p.x > r.right) sides |= kRight;
  if (p.y < r.top) sides |= kTop;
  if (p.y > r.bottom) sides |= kBottom;
  return sides;
}

// Where the line from `from` to `to` crosses the vertical line at `x` (or, with `vertical`
// false, the horizontal line at `y`), computed from `from`'s end.
Point Crossing(Point from, Point to, bool vertical, double at) {
  if (vertical) return {at, from.y + (to.y - from.y) * ((at - from.x) / (to.x - from.x))};
  return {from.x + (to.x - from.x) * ((at - from.y) / (to.y - from.y)), at};
}

}  // namespace

double Rect::NearestDistance(Point p) const {
  const double dx = std::max({left - p.x, 0.0, p.x - right});
  const double dy = std::max({top - p.y, 0.0, p.y - bottom});
  return std::hypot(dx, dy);
}

double Rect::FarthestDistance(Point p) const {
  return std::hypot(std::max(std::fabs(p.x - left), std::fabs(p.x - right)),
                    std::max(std::fabs(p.y - top), std::fabs(p.y - bottom)));
}

bool ClipSegment(Point& a, Point& b, const Rect& r) {
  if (!Finite(a) || !Finite(b)) return false;
  // Each pass moves one end that lies beyond a side onto that side; the other end lies on the
  // near side of it (else the segment misses r), so the crossing lies between the two ends.
  for (int pass = 0; pass < 8; ++pass) {
    const int sides_a = SidesBeyond(a, r), sides_b = SidesBeyond(b, r);
    if ((sides_a | sides_b) == 0) return true;
    if ((sides_a & sides_b) != 0) return false;
    Point& end = sides_a != 0 ? a : b;
    const Point other = sides_a != 0 ? b : a;
    const int sides = sides_a != 0 ? sides_a : sides_b;
    if ((sides & kLeft) != 0) end = Crossing(other, end, true, r.left);
    else if ((sides & kRight) != 0) end = Crossing(other, end, true, r.right);
    else if ((sides & kTop) != 0) end = Crossing(other, end, false, r.top);
    else end = Crossing(other, end, false, r.bottom);
  }
  // Rounding can leave an end a hair beyond a corner after the four sides.
  for (Point* p : {&a, &b}) {
    p->x = std::clamp(p->x, r.left, r.right);
    p->y = std::clamp(p->y, r.top, r.bottom);
  }
  return true;
}

std::vector<Point> ClipPolygon(const std::vector<Point>& polygon, const Rect& r) {
  std::vector<Point> kept = polygon;
  for (int side = 0; side < 4 && !kept.empty(); ++side) {
    const bool vertical = side < 2;
    const double at = side == 0 ? r.left : side == 1 ? r.right : side == 2 ? r.top : r.bottom;
    const auto inside = [&](Point p) {
      const double v = vertical ? p.x : p.y;
      return side % 2 == 0 ? v >= at : v <= at;
    };
    const std::vector<Point> before = std::move(kept);
    kept.clear();
    for (size_t k = 0; k < before.size(); ++k) {
      const Point current = before[k], previous = before[(k + before.size() - 1) % before.size()];
      if (inside(current)) {
        if (!inside(previous)) kept.push_back(Crossing(current, previous, vertical, at));
        kept.push_back(current);
      } else if (inside(previous)) {
        kept.push_back(Crossing(previous, current, vertical, at));
      }
    }
  }
  return kept;
}

std::vector<Point> FlattenArc(Point centre, double radius, double a1, double a2, const Rect& r) {
  constexpr int kDenseSegments = 256;               // across all the angles r is seen under
  constexpr double kSparseStep = std::numbers::pi / 4;
  std::vector<Point> points;
  const auto on_circle = [&](double angle) {
    return Point{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
  };
  const auto dense = [&](double from, double to, int segments) {
    for (int k = 1; k <= segments; ++k) points.push_back(on_circle(from + (to - from) * k / segments));
  };
  // Points where the tangents at the ends of equal steps meet: the edges between them lie
  // outside the circle and within their own angles.
  const auto sparse = [&](double from, double to) {
    if (!(to > from)) return;
    const int steps = static_cast<int>(std::ceil((to - from) / kSparseStep));
    const double step = (to - from) / steps, out = radius / std::cos(step / 2);
    for (int k = 0; k < steps; ++k) {
      const double angle = from + (k + 0.5) * step;
      points.push_back({centre.x + out * std::cos(angle), centre.y + out * std::sin(angle)});
    }
    points.push_back(on_circle(to));
  };
  points.push_back(on_circle(a1));
  if (r.Contains(centre)) {
    const double share = std::min((a2 - a1) / kTurn, 2.0);
    dense(a1, a2, std::max(1, static_cast<int>(std::ceil(kDenseSegments * share))));
    return points;
  }
  // The angles under which r is seen from the centre, as offsets from the direction of its
  // middle: less than half a turn either way, as the centre lies outside r.
  const Point middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  const double mx = middle.x - centre.x, my = middle.y - centre.y;
  const double towards = std::atan2(my, mx);
  double low = 0, high = 0;
  for (const Point corner : {Point{r.left, r.top}, Point{r.right, r.top}, Point{r.left, r.bottom},
                             Point{r.right, r.bottom}}) {
    const double dx = corner.x - centre.x, dy = corner.y - centre.y;
    const double offset = std::atan2(mx * dy - my * dx, mx * dx + my * dy);
    low = std::min(low, offset);
    high = std::max(high, offset);
  }
  // Those angles come round once a turn; the arc spans at most two turns.
  double reached = a1;
  const double first_turn = std::floor((a1 - (towards + high)) / kTurn);
  for (int turn = 0; turn < 4; ++turn) {
    const double from = towards + low + (first_turn + turn) * kTurn;
    const double to = towards + high + (first_turn + turn) * kTurn;
    if (from > a2) break;
    const double start = std::max(from, a1), end = std::min(to, a2);
    if (end < start) continue;
    sparse(reached, start);
    const double share = high > low ? (end - start) / (high - low) : 0;
    dense(start, end, std::max(1, static_cast<int>(std::ceil(kDenseSegments * share))));
    reached = end;
  }
  sparse(reached, a2);
  return points;
}

uint64_t CurveSegments(Point p0, Point p1, Point p2, Point p3, double tolerance) {
  // The largest second difference of the control points bounds how far the curve bends.
  const double bend = std::max(std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y),
                               std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y));
  const double segments = std::ceil(std::sqrt(0.75 * bend / tolerance));
  // Also at infinity or for a curve that is not a number.
  if (!(segments < static_cast<double>(kSegmentCountCeiling))) return kSegmentCountCeiling;
  return std::max(static_cast<uint64_t>(segments), uint64_t{1});
}

}  // namespace platform
