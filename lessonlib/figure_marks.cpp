// Figure marks: angle arcs and sectors, right-angle marks, chevrons and ticks on segments,
// labels beside angles, and the dotted half-ellipse over a segment.
//
// Directions are radians measured anticlockwise on the screen from the direction to the
// right (as if y pointed up), from 0 up to 2 pi, with pi the program's constant 3.14159. The
// runtime's arcs take fractions of a turn clockwise on screen: a direction a is 1 - a / 2pi.
#include <cmath>
#include <string>
#include <utility>

#include "lessonlib/formula.h"
#include "lessonlib/formula_calls.h"
#include "lessonlib/screen.h"
#include "platform/errors.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

constexpr float kPi = 3.14159f;

// The direction of the step (dx, dy) in screen coordinates; a step of no length points left.
float Direction(float dx, float dy) {
  if (dy > 0) return 3 * kPi / 2 + std::atan(dx / dy);
  if (dy < 0) return kPi / 2 + std::atan(dx / dy);
  return dx > 0 ? 0 : kPi;
}

float TurnFraction(float direction) { return 1 - direction / (2 * kPi); }

struct Vec {
  float x, y;
};

// The unit vector from the first end of the marked segment to the second; none when the
// segment has no length (it has no direction to mark).
bool SegmentUnit(const FigureState& f, Vec& unit, float& length) {
  const float dx = f.SegX2 - f.SegX1;
  const float dy = f.SegY2 - f.SegY1;
  length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return false;
  unit = {dx / length, dy / length};
  return true;
}

void Line(Program& p, Vec from, Vec to, float colour) {
  p.rt.PsLINE(from.x, from.y, to.x, to.y, false, colour, 0, colour);
}

}  // namespace

void ComputeArcAngles(Program& p) {
  FigureState& f = p.figure;
  f.Pi = kPi;
  f.RayAngle1 = Direction(f.MarkX1 - f.MarkX0, f.MarkY1 - f.MarkY0);
  f.ArcStart = TurnFraction(f.RayAngle1);
  f.RayAngle2 = Direction(f.MarkX2 - f.MarkX0, f.MarkY2 - f.MarkY0);
  f.ArcEnd = TurnFraction(f.RayAngle2);
  f.SegmentAngle = f.RayAngle2;
  // -1 takes the other angle at the vertex.
  if (f.ArcFlip == -1) {
    std::swap(f.ArcStart, f.ArcEnd);
    std::swap(f.RayAngle1, f.RayAngle2);
  }
  f.BisectorAngle = (f.RayAngle1 + f.RayAngle2) / 2;
  if (f.RayAngle2 < f.RayAngle1) f.BisectorAngle += kPi;
}

void PlaceAngleLabel(Program& p) {
  FigureState& f = p.figure;
  TextState& t = p.text;
  const std::string label = f.MarkLabel;
  // Measured in the formula style whichever style draws it; the tall-bracket flag is held
  // across the measuring, as for a box.
  const float tall_paren_flag = p.renderer.TallParenFlag;
  const float width = MeasureWidthOf(p, label);
  p.renderer.TallParenFlag = tall_paren_flag;
  ComputeArcAngles(p);
  const float bisector = f.BisectorAngle;
  // The label is a box `width` wide and 2 * half_height high (one line, or a fraction), set
  // against the point at MarkRadius along the bisector, from the bisector's side.
  const float half_height = platform::PfKINSTR(label, "ﾀ") > 0 ? 40.0f : 22.0f;
  p.geometry.DY = half_height;
  const float c = std::cos(bisector);
  const float s = std::sin(bisector);
  t.TextX = f.MarkX0 + f.MarkRadius * c + width * (c / 2 - 0.5f) + f.LabelOffsetX;
  t.TextY = f.MarkY0 - f.MarkRadius * s - 2 * half_height * (s / 2 + 0.5f) + f.LabelOffsetY;
  t.TextToDraw = label;
  if (f.LabelStyle == 1) {
    DrawLabelText(p);
  } else {
    DrawText(p);
  }
  f.ArcFlip = 0;
  f.LabelOffsetX = 0;
  f.LabelOffsetY = 0;
  f.MarkRadius = 0;
  f.LabelStyle = 0;
  f.MarkLabel.clear();
}

void DrawAngleArcs(Program& p) {
  FigureState& f = p.figure;
  ComputeArcAngles(p);
  if (f.MarkCount > 6) f.MarkCount = 1;
  if (f.MarkCount > 0) {
    // Arcs 8 apart inside MarkRadius; the first is drawn whatever the count.
    float radius = f.MarkRadius;
    const float count = f.MarkCount;
    float& k = p.values.TableIndex;
    k = 1;
    do {
      radius -= 8;
      // An arc whose radius has run out has nothing to draw.
      if (radius > 0) {
        p.rt.PsCIRCLE(f.MarkX0, f.MarkY0, radius, f.FillColour, 1, f.ArcEnd, f.ArcStart, false,
                      f.FillColour);
      }
      ++k;
    } while (k <= count);
  } else {
    p.rt.PsCIRCLE(f.MarkX0, f.MarkY0, f.MarkRadius, f.LineColour, 1, f.ArcEnd, f.ArcStart, true,
                  f.FillColour);
  }
  PlaceAngleLabel(p);
}

void DrawRightAngleMark(Program& p) {
  FigureState& f = p.figure;
  ComputeArcAngles(p);
  const float r = f.MarkRadius;
  const Vec ray1{r * std::cos(f.RayAngle1), -r * std::sin(f.RayAngle1)};
  const Vec ray2{r * std::cos(f.RayAngle2), -r * std::sin(f.RayAngle2)};
  const Vec a{f.MarkX0 + ray1.x, f.MarkY0 + ray1.y};
  const Vec b{f.MarkX0 + ray2.x, f.MarkY0 + ray2.y};
  const Vec corner{a.x + ray2.x, a.y + ray2.y};
  p.rt.PsCONNECT(f.LineColour, {{a.x, a.y}, {corner.x, corner.y}, {b.x, b.y}});
}

void AngleInDegrees(Program& p) {
  FigureState& f = p.figure;
  ComputeArcAngles(p);
  if (f.RayAngle1 > f.RayAngle2) f.RayAngle2 += 2 * kPi;
  f.BisectorAngle = f.RayAngle2 - f.RayAngle1;
  f.AngleDegrees = f.BisectorAngle * 180 / kPi;
  const float tenths = static_cast<float>(platform::RoundToInt(10 * f.AngleDegrees));
  p.text.WorkText = platform::PfSTR244(tenths / 10);
  RemoveSpaces(p);
  f.AngleText = p.text.WorkText;
}

void DrawChevronsAtRatio(Program& p) {
  FigureState& f = p.figure;
  const float a = p.values.WorkValueA;
  const float b = p.values.WorkValueB;
  if (a + b == 0) platform::RaiseRuntimeError(platform::kDivisionByZero);
  if (f.MarkCount <= 0 || f.MarkCount > 6) f.MarkCount = 1;
  Vec u{};
  float length = 0;
  if (!SegmentUnit(f, u, length)) return;
  // The tip starts at the point dividing the segment a : b; each arm reaches back MarkRadius
  // along the segment and half of it to the side.
  Vec tip{f.SegX1 + (f.SegX2 - f.SegX1) * a / (a + b), f.SegY1 + (f.SegY2 - f.SegY1) * a / (a + b)};
  const Vec base{tip.x - f.MarkRadius * u.x, tip.y - f.MarkRadius * u.y};
  const float side = f.MarkRadius / 2;
  Vec arm1{base.x - side * u.y, base.y + side * u.x};
  Vec arm2{base.x + side * u.y, base.y - side * u.x};
  const float count = f.MarkCount;
  float& k = p.values.TableIndex;
  k = 1;
  do {
    for (Vec* v : {&tip, &arm1, &arm2}) {
      v->x += 16 * u.x;
      v->y += 16 * u.y;
    }
    Line(p, arm1, tip, f.LineColour);
    Line(p, arm2, tip, f.LineColour);
    ++k;
  } while (k <= count);
}

void DrawTicksAtMidpoint(Program& p) {
  FigureState& f = p.figure;
  if (f.TickSpacing == 0 || f.TickSpacing > 30) f.TickSpacing = 8;
  if (f.MarkCount < 0 || f.MarkCount > 6) f.MarkCount = 1;
  Vec u{};
  float length = 0;
  if (!SegmentUnit(f, u, length)) return;
  // ArcFlip shifts the ticks along the segment.
  const Vec middle{(f.SegX1 + f.SegX2) / 2 + f.ArcFlip * u.x, (f.SegY1 + f.SegY2) / 2 + f.ArcFlip * u.y};
  const Vec across{f.MarkRadius * u.y, -f.MarkRadius * u.x};
  const float spacing = f.TickSpacing;
  const float count = f.MarkCount;
  float& k = p.values.TableIndex;
  k = 1;
  do {
    const Vec centre{middle.x + f.TickSpacing * u.x, middle.y + f.TickSpacing * u.y};
    Line(p, {centre.x + across.x, centre.y + across.y}, {centre.x - across.x, centre.y - across.y},
         f.LineColour);
    f.TickSpacing += spacing;
    ++k;
  } while (k <= count);
}

void SegmentDirection(Program& p) {
  FigureState& f = p.figure;
  f.Pi = kPi;
  f.SegmentAngle = Direction(f.MarkX1 - f.MarkX0, f.MarkY1 - f.MarkY0);
  f.AngleDegrees = f.SegmentAngle * 180 / kPi;
}

void DrawDottedArc(Program& p) {
  FigureState& f = p.figure;
  // The bulge: below 16 it counts in steps of 16 units; a negative one is taken as it is.
  float bulge = f.ArcBulge;
  if (bulge > 0 && bulge < 16) {
    bulge *= 16;
  } else if (bulge < 0) {
    bulge = -bulge;
  }
  f.ArcBulge = bulge;

  const Vec from{f.MarkX0, f.MarkY0};
  const Vec to{f.MarkX1, f.MarkY1};
  const float half = std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y)) / 2;
  // The half-ellipse is laid flat to the right of the first end and turned into the
  // segment's direction about it.
  const Vec centre{from.x + half, from.y};
  f.MarkX2 = centre.x;
  f.MarkY2 = centre.y;
  f.Pi = kPi;
  const float turn = Direction(to.x - from.x, to.y - from.y);
  f.SegmentAngle = turn;
  const auto point_at = [&](float degrees) {
    const float t = degrees * kPi / 180;
    // The height is the bulge itself, so a segment of no length still has its arc's height
    // and divides by nothing.
    const Vec flat{centre.x + half * std::cos(t), centre.y - bulge * std::sin(t)};
    const float dx = flat.x - from.x;
    const float dy = flat.y - from.y;
    const float distance = std::sqrt(dx * dx + dy * dy);
    const float angle = turn + Direction(dx, dy);
    return Vec{from.x + distance * std::cos(angle), from.y - distance * std::sin(angle)};
  };

  // Greater than 0: the half on the right-hand side of the way from the first end.
  const float first = f.ArcSide > 0 ? 180.0f : 0.0f;
  const float last = f.ArcSide > 0 ? 360.0f : 180.0f;
  const float step = f.BoxWidth;
  float& t = p.values.TableIndex;
  t = first;
  do {
    const Vec dot = point_at(t);
    p.rt.PsCIRCLE(dot.x, dot.y, 0.5f, f.LineColour, 1, 0, 0, true, f.LineColour);
    // A step of 0 or less would never reach the end: the first dot stands alone. A step too
    // small to move the angle on at all would not either: the dots end where it stalls.
    const float next = t + step;
    if (step <= 0 || next == t) break;
    t = next;
  } while (t <= last);

  const Vec middle = point_at((first + last) / 2);
  f.MarkX2 = to.x;
  f.MarkY2 = to.y;
  f.MarkX1 = from.x;
  f.MarkY1 = from.y;
  f.MarkX0 = middle.x;
  f.MarkY0 = middle.y;
  f.MarkRadius = 0;
  f.ArcFlip = f.ArcSide;
  PlaceAngleLabel(p);
}

void DrawArc(Program& p, const DottedArc& arc) {
  FigureState& f = p.figure;
  f.MarkX0 = arc.x0;
  f.MarkY0 = arc.y0;
  f.MarkX1 = arc.x1;
  f.MarkY1 = arc.y1;
  f.LineColour = arc.colour;
  f.ArcSide = arc.side;
  f.ArcBulge = arc.bulge;
  f.BoxWidth = arc.step;
  f.MarkLabel = arc.label;
  f.LabelOffsetX = arc.label_dx;
  f.LabelOffsetY = arc.label_dy;
  p.text.TextColour = arc.label_colour;
  DrawDottedArc(p);
}

}  // namespace lesson
