// Shapes cut down to the part of them that can reach the page. Cairo keeps its coordinates in
// fixed point (a little over eight million device pixels either way) and flattens an arc into
// segments by its radius; a point far off the page (the foot of a perpendicular on a nearly
// parallel line, a plotted point with a huge radius) would overflow the one and take minutes
// in the other. The canvas hands cairo only what these routines leave, computed in double.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

struct Point {
  double x, y;
};

struct Rect {
  double left, top, right, bottom;
  bool Contains(Point p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  // The distances from `p` to the nearest point of the rectangle (0 inside it) and to its
  // farthest corner.
  double NearestDistance(Point p) const;
  double FarthestDistance(Point p) const;
};

// Cuts the segment from `a` to `b` down to its part within `r`; false when no part of it is.
// A cut end is computed from the other end, so that a segment with one end on the page keeps
// its direction however far the other end lies.
bool ClipSegment(Point& a, Point& b, const Rect& r);

// The part of a polygon within `r`; empty when none of it is.
std::vector<Point> ClipPolygon(const std::vector<Point>& polygon, const Rect& r);

// The arc of the circle about `centre` from angle `a1` to `a2` (radians clockwise on screen
// from the right, a1 <= a2) as a polyline from its first point to its last. Where the arc can
// pass through `r` its points lie close together on the circle; elsewhere a few points lie on
// or just outside it, each edge between them within the angles of its own two ends, so that
// none of those edges reaches `r` either.
std::vector<Point> FlattenArc(Point centre, double radius, double a1, double a2, const Rect& r);

// The most segments counted for anything: counts stop there rather than wrap round.
inline constexpr uint64_t kSegmentCountCeiling = uint64_t{1} << 62;

// How many straight segments the cubic Bezier curve p0 p1 p2 p3 takes to stay within
// `tolerance` of the curve (Wang's bound: enough for an even split; cairo's halving needs
// about as many). A curve that is a straight line takes one; one at infinity or not a
// number, kSegmentCountCeiling.
uint64_t CurveSegments(Point p0, Point p1, Point p2, Point p3, double tolerance);

}  // namespace platform
