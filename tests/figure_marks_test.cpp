#include <gtest/gtest.h>

#include <cmath>

#include "lessonlib/formula.h"
#include "platform/errors.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;
using testing_support::Fields;

namespace {

constexpr float kPi = 3.14159f;

struct Dot {
  float x, y;
};

// The angle at (x0, y0) from the ray through (x1, y1) to the ray through (x2, y2).
void SetAngle(lesson::Program& p, float x0, float y0, float x1, float y1, float x2, float y2,
              float flip = 0) {
  lesson::FigureState& f = p.figure;
  f.MarkX0 = x0;
  f.MarkY0 = y0;
  f.MarkX1 = x1;
  f.MarkY1 = y1;
  f.MarkX2 = x2;
  f.MarkY2 = y2;
  f.ArcFlip = flip;
}

void SetSegment(lesson::Program& p, float x1, float y1, float x2, float y2) {
  p.figure.SegX1 = x1;
  p.figure.SegY1 = y1;
  p.figure.SegX2 = x2;
  p.figure.SegY2 = y2;
}

void DrawArc(lesson::Program& p, float x0, float y0, float x1, float y1, float bulge, float side,
             float step, const std::string& label) {
  SetAngle(p, x0, y0, x1, y1, 0, 0);
  p.figure.ArcBulge = bulge;
  p.figure.ArcSide = side;
  p.figure.BoxWidth = step;
  p.figure.LineColour = 0;
  p.figure.MarkLabel = label;
  lesson::DrawDottedArc(p);
}

class FigureMarksTest : public FormulaTest {
 protected:
  void Angle(float x0, float y0, float x1, float y1, float x2, float y2, float flip = 0) {
    SetAngle(p, x0, y0, x1, y1, x2, y2, flip);
  }
  void Segment(float x1, float y1, float x2, float y2) { SetSegment(p, x1, y1, x2, y2); }
  // Where the one drawn label started.
  Dot LabelAt() {
    const auto texts = EventsOf(session.trace(), "text");
    EXPECT_EQ(texts.size(), 1u);
    if (texts.empty()) return {0, 0};
    return {std::stof(texts.back()[2]), std::stof(texts.back()[3])};
  }
  std::vector<Fields> Circles() { return EventsOf(session.trace(), "op", "PsCIRCLE"); }
  std::vector<Dot> Dots() {
    std::vector<Dot> dots;
    for (const auto& e : Circles()) dots.push_back({std::stof(e[2]), std::stof(e[3])});
    return dots;
  }
  void ExpectLine(const Line& l, float x1, float y1, float x2, float y2) {
    EXPECT_NEAR(l.x1, x1, 1e-3);
    EXPECT_NEAR(l.y1, y1, 1e-3);
    EXPECT_NEAR(l.x2, x2, 1e-3);
    EXPECT_NEAR(l.y2, y2, 1e-3);
  }
};

TEST_F(FigureMarksTest, RayDirectionsAndTheBisector) {
  Angle(100, 100, 200, 100, 100, 0);
  lesson::ComputeArcAngles(p);
  const lesson::FigureState& f = p.figure;
  EXPECT_EQ(f.Pi, kPi);
  EXPECT_FLOAT_EQ(f.RayAngle1, 0);
  EXPECT_FLOAT_EQ(f.RayAngle2, kPi / 2);
  EXPECT_FLOAT_EQ(f.ArcStart, 1);
  EXPECT_FLOAT_EQ(f.ArcEnd, 0.75f);
  EXPECT_FLOAT_EQ(f.BisectorAngle, kPi / 4);

  Angle(100, 100, 200, 100, 100, 0, -1);
  lesson::ComputeArcAngles(p);
  EXPECT_FLOAT_EQ(f.RayAngle1, kPi / 2);
  EXPECT_FLOAT_EQ(f.RayAngle2, 0);
  EXPECT_FLOAT_EQ(f.ArcStart, 0.75f);
  EXPECT_FLOAT_EQ(f.ArcEnd, 1);
  EXPECT_FLOAT_EQ(f.BisectorAngle, 5 * kPi / 4);

  // A ray point on the vertex points left.
  Angle(100, 100, 100, 100, 100, 0);
  lesson::ComputeArcAngles(p);
  EXPECT_FLOAT_EQ(f.RayAngle1, kPi);
}

TEST_F(FigureMarksTest, AngleSizeInDegrees) {
  Angle(100, 100, 200, 100, 100, 0);
  lesson::AngleInDegrees(p);
  EXPECT_FLOAT_EQ(p.figure.AngleDegrees, 90);
  EXPECT_EQ(p.figure.AngleText, "90");
  EXPECT_EQ(p.text.WorkText, "90");
  Angle(100, 100, 200, 100, 100, 0, -1);
  lesson::AngleInDegrees(p);
  EXPECT_FLOAT_EQ(p.figure.AngleDegrees, 270);
  EXPECT_EQ(p.figure.AngleText, "270");
  Angle(0, 0, 10, 0, 10, -10);  // about 44.99996, written to one decimal
  lesson::AngleInDegrees(p);
  EXPECT_EQ(p.figure.AngleText, "45");
  Angle(0, 0, 10, 0, 10, -3);
  lesson::AngleInDegrees(p);
  EXPECT_EQ(p.figure.AngleText, "16.7");
}

TEST_F(FigureMarksTest, RightAngleMark) {
  Angle(100, 100, 200, 100, 100, 0);
  p.figure.MarkRadius = 20;
  p.figure.LineColour = 2;
  lesson::DrawRightAngleMark(p);
  const auto polylines = Polylines(session.trace());
  ASSERT_EQ(polylines.size(), 1u);
  const std::vector<float> expected{120, 100, 120, 80, 100, 80};
  for (size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(polylines[0][k], expected[k], 1e-3);
  EXPECT_EQ(EventsOf(session.trace(), "op", "PsCONNECT")[0][2], "2");
}

TEST_F(FigureMarksTest, LabelsSitAgainstThePointOnTheBisector) {
  const struct {
    const char* label;
    float flip;
    float x, y;
  } cases[] = {
      {"12", 0, 173, 136},        // bisector up: the box's bottom on the point
      {"12", -1, 173, 220},       // down: its top on the point
      {"ﾀ1/2ﾀ", 0, 184, 100},     // a fraction is a box 80 high
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    lesson::HeadlessSession fresh(kStandardProgram);
    lesson::Program& q = fresh.program;
    SetAngle(q, 200, 200, 300, 200, 100, 200, c.flip);
    q.figure.MarkRadius = 20;
    q.figure.MarkLabel = c.label;
    q.figure.LabelOffsetX = 0;
    lesson::PlaceAngleLabel(q);
    const auto texts = EventsOf(fresh.trace(), "text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0][1], "DrawText");
    EXPECT_NEAR(std::stof(texts[0][2]), c.x, 1e-3);
    EXPECT_NEAR(std::stof(texts[0][3]), c.y, 1e-3);
    EXPECT_EQ(texts[0][5], c.label);
    // The label fields are cleared for the next mark.
    EXPECT_EQ(q.figure.MarkLabel, "");
    EXPECT_EQ(q.figure.MarkRadius, 0);
    EXPECT_EQ(q.figure.ArcFlip, 0);
  }
}

TEST_F(FigureMarksTest, LabelOffsetsStyleAndAnEmptyLabel) {
  Angle(200, 200, 300, 200, 100, 200);
  p.figure.MarkRadius = 20;
  p.figure.MarkLabel = "12";
  p.figure.LabelOffsetX = 5;
  p.figure.LabelOffsetY = -7;
  p.figure.LabelStyle = 1;
  lesson::PlaceAngleLabel(p);
  const auto texts = EventsOf(session.trace(), "text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0][1], "DrawLabelText");  // measured in the formula style all the same
  EXPECT_NEAR(std::stof(texts[0][2]), 178, 1e-3);
  EXPECT_NEAR(std::stof(texts[0][3]), 129, 1e-3);
  EXPECT_EQ(p.figure.LabelOffsetX, 0);
  EXPECT_EQ(p.figure.LabelOffsetY, 0);
  EXPECT_EQ(p.figure.LabelStyle, 0);

  p.figure.MarkRadius = 20;
  p.figure.ArcFlip = -1;
  lesson::PlaceAngleLabel(p);
  EXPECT_EQ(Glyphs(session.trace()).size(), 2u);  // nothing more drawn
  EXPECT_EQ(p.figure.MarkRadius, 0);
  EXPECT_EQ(p.figure.ArcFlip, 0);
}

TEST_F(FigureMarksTest, AngleArcsInsideTheRadiusOrASector) {
  const struct {
    float count;
    std::vector<float> radii;
    bool filled;
    float count_after;
  } cases[] = {
      {3, {32, 24, 16}, false, 3},
      {0, {40}, true, 0},
      {-2, {40}, true, -2},
      {9, {32}, false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    lesson::HeadlessSession fresh(kStandardProgram);
    lesson::Program& q = fresh.program;
    SetAngle(q, 100, 100, 200, 100, 100, 0);
    q.figure.MarkRadius = 40;
    q.figure.MarkCount = c.count;
    q.figure.LineColour = 1;
    q.figure.FillColour = 6;
    q.figure.MarkLabel = "a";
    lesson::DrawAngleArcs(q);
    const auto circles = EventsOf(fresh.trace(), "op", "PsCIRCLE");
    ASSERT_EQ(circles.size(), c.radii.size());
    for (size_t k = 0; k < circles.size(); ++k) {
      EXPECT_EQ(std::stof(circles[k][4]), c.radii[k]);
      EXPECT_EQ(circles[k][5], c.filled ? "1" : "6");  // the border of a sector, else the arc
      EXPECT_EQ(circles[k][7], "0.75");                // from the second ray ...
      EXPECT_EQ(circles[k][8], "1");                   // ... clockwise to the first
      EXPECT_EQ(circles[k][9], c.filled ? "1" : "0");
      EXPECT_EQ(circles[k][10], "6");
    }
    EXPECT_EQ(q.figure.MarkCount, c.count_after);
    // The label stands at distance 40 along the bisector, outside the arcs.
    const auto texts = EventsOf(fresh.trace(), "text");
    ASSERT_EQ(texts.size(), 1u);
    const float c45 = std::cos(kPi / 4);
    EXPECT_NEAR(std::stof(texts[0][2]), 100 + 40 * c45 + 27 * (c45 / 2 - 0.5f), 1e-3);
    EXPECT_NEAR(std::stof(texts[0][3]), 100 - 40 * c45 - 44 * (c45 / 2 + 0.5f), 1e-3);
  }
}

TEST_F(FigureMarksTest, ArcsWhoseRadiusRunsOutAreNotDrawn) {
  Angle(100, 100, 200, 100, 100, 0);
  p.figure.MarkRadius = 10;
  p.figure.MarkCount = 3;
  lesson::DrawAngleArcs(p);
  const auto circles = Circles();
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0][4], "2");
}

TEST_F(FigureMarksTest, ChevronsPointAlongTheSegmentFromTheRatioPoint) {
  Segment(0, 0, 200, 0);
  p.values.WorkValueA = 1;
  p.values.WorkValueB = 1;
  p.figure.MarkRadius = 10;
  p.figure.MarkCount = 2;
  lesson::DrawChevronsAtRatio(p);
  auto lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[0], 106, 5, 116, 0);
  ExpectLine(lines[1], 106, -5, 116, 0);
  ExpectLine(lines[2], 122, 5, 132, 0);
  ExpectLine(lines[3], 122, -5, 132, 0);

  p.figure.MarkCount = 0;
  lesson::DrawChevronsAtRatio(p);
  EXPECT_EQ(Lines(session.trace()).size(), 6u);
  EXPECT_EQ(p.figure.MarkCount, 1);

  // 1 : 3 from the first end, on a vertical segment drawn upwards.
  lesson::HeadlessSession up(kStandardProgram);
  lesson::Program& q = up.program;
  SetSegment(q, 50, 400, 50, 0);
  q.values.WorkValueA = 1;
  q.values.WorkValueB = 3;
  q.figure.MarkRadius = 10;
  q.figure.MarkCount = 1;
  lesson::DrawChevronsAtRatio(q);
  lines = Lines(up.trace());
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 55, 294, 50, 284);
  ExpectLine(lines[1], 45, 294, 50, 284);
}

TEST_F(FigureMarksTest, TicksStandFromTheMidpointTowardsTheSecondEnd) {
  const struct {
    float spacing, count, shift;
    std::vector<float> xs;
    float spacing_after, count_after;
  } cases[] = {
      {0, 2, 0, {108, 116}, 24, 2},
      {0, 0, 0, {108}, 16, 0},
      {31, 1, 0, {108}, 16, 1},
      {30, 1, 0, {130}, 60, 1},
      {-8, 2, 0, {92, 84}, -24, 2},
      {0, 7, 0, {108}, 16, 1},
      {0, 1, 5, {113}, 16, 1},  // ArcFlip shifts them along the segment
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.spacing) + " x " + std::to_string(c.count));
    lesson::HeadlessSession fresh(kStandardProgram);
    lesson::Program& q = fresh.program;
    SetSegment(q, 0, 0, 200, 0);
    q.figure.MarkRadius = 6;
    q.figure.TickSpacing = c.spacing;
    q.figure.MarkCount = c.count;
    q.figure.ArcFlip = c.shift;
    lesson::DrawTicksAtMidpoint(q);
    const auto lines = Lines(fresh.trace());
    ASSERT_EQ(lines.size(), c.xs.size());
    for (size_t k = 0; k < lines.size(); ++k) ExpectLine(lines[k], c.xs[k], -6, c.xs[k], 6);
    EXPECT_EQ(q.figure.TickSpacing, c.spacing_after);
    EXPECT_EQ(q.figure.MarkCount, c.count_after);
  }
}

TEST_F(FigureMarksTest, ASegmentOfNoLengthGetsNoChevronOrTick) {
  Segment(50, 50, 50, 50);
  p.values.WorkValueA = 1;
  p.values.WorkValueB = 1;
  p.figure.MarkRadius = 10;
  p.figure.MarkCount = 2;
  lesson::DrawChevronsAtRatio(p);
  lesson::DrawTicksAtMidpoint(p);
  EXPECT_TRUE(Lines(session.trace()).empty());
}

TEST_F(FigureMarksTest, ARatioOfNoPartsIsADivisionByZero) {
  Segment(0, 0, 200, 0);
  p.values.WorkValueA = 2;
  p.values.WorkValueB = -2;
  try {
    lesson::DrawChevronsAtRatio(p);
    FAIL() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::kDivisionByZero);
  }
}

TEST_F(FigureMarksTest, SegmentDirectionByQuadrant) {
  const struct {
    float dx, dy, radians, degrees;
  } cases[] = {
      {0, -10, kPi / 2, 90},      {0, 10, 3 * kPi / 2, 270}, {-5, 0, kPi, 180},
      {0, 0, kPi, 180},           {10, 0, 0, 0},            {10, -10, 0.785397f, 44.99996f},
      {-10, 10, 3.92699f, 224.99996f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.dx) + ", " + std::to_string(c.dy));
    Angle(0, 0, c.dx, c.dy, 0, 0);
    lesson::SegmentDirection(p);
    EXPECT_NEAR(p.figure.SegmentAngle, c.radians, 1e-5);
    EXPECT_NEAR(p.figure.AngleDegrees, c.degrees, 2e-5);
    EXPECT_EQ(p.figure.Pi, kPi);
  }
  // The axis directions come out exact.
  Angle(0, 0, 0, -10, 0, 0);
  lesson::SegmentDirection(p);
  EXPECT_EQ(p.figure.AngleDegrees, 90);
  Angle(0, 0, 0, 10, 0, 0);
  lesson::SegmentDirection(p);
  EXPECT_EQ(p.figure.AngleDegrees, 270);
}

class DottedArcTest : public FigureMarksTest {
 protected:
  void Arc(float x0, float y0, float x1, float y1, float bulge, float side, float step,
           const std::string& label) {
    DrawArc(p, x0, y0, x1, y1, bulge, side, step, label);
  }
  void ExpectDot(const Dot& d, float x, float y) {
    EXPECT_NEAR(d.x, x, 2e-3);
    EXPECT_NEAR(d.y, y, 2e-3);
  }
};

TEST_F(DottedArcTest, AnArcAboveTheSegmentWithItsLabelOnTop) {
  Arc(100, 200, 300, 200, 2, -1, 1, "x");
  EXPECT_EQ(p.figure.ArcBulge, 32);
  const auto dots = Dots();
  ASSERT_EQ(dots.size(), 181u);
  ExpectDot(dots[0], 300, 200);
  ExpectDot(dots[90], 200, 168);
  ExpectDot(dots[180], 100, 200);
  for (const Dot& d : dots) {
    const float u = (d.x - 200) / 100, v = (d.y - 200) / 32;
    EXPECT_NEAR(u * u + v * v, 1, 1e-3);
    EXPECT_LE(d.y, 200.001f);
  }
  const auto circles = Circles();
  EXPECT_EQ(circles[0][4], "0.5");
  EXPECT_EQ(circles[0][9], "1");
  // "x" is 27 wide: centred on x 200, its box's bottom on the arc's top.
  const Dot label = LabelAt();
  EXPECT_NEAR(label.x, 200 - 13.5f, 1e-3);
  EXPECT_NEAR(label.y, 124, 1e-3);
  const lesson::FigureState& f = p.figure;
  EXPECT_NEAR(f.MarkX0, 200, 1e-3);
  EXPECT_NEAR(f.MarkY0, 168, 1e-3);
  EXPECT_EQ(f.MarkX1, 100);
  EXPECT_EQ(f.MarkY1, 200);
  EXPECT_EQ(f.MarkX2, 300);
  EXPECT_EQ(f.MarkY2, 200);
  EXPECT_EQ(f.MarkLabel, "");
  EXPECT_EQ(f.MarkRadius, 0);
  EXPECT_EQ(f.ArcFlip, 0);
  EXPECT_EQ(p.text.WorkText, "x");
}

TEST_F(DottedArcTest, AnArcBelowTheSegmentWithItsLabelUnderneath) {
  Arc(100, 200, 300, 200, 2, 1, 1, "x");
  const auto dots = Dots();
  ASSERT_EQ(dots.size(), 181u);
  ExpectDot(dots[0], 100, 200);
  ExpectDot(dots[90], 200, 232);
  ExpectDot(dots[180], 300, 200);
  EXPECT_NEAR(LabelAt().y, 232, 1e-3);
}

TEST_F(DottedArcTest, AFractionLabelIsABoxEightyHigh) {
  Arc(100, 200, 300, 200, 2, -1, 10, "ﾀh/2ﾀ");
  EXPECT_NEAR(LabelAt().y, 168 - 80, 1e-3);
  lesson::HeadlessSession below(kStandardProgram);
  lesson::Program& q = below.program;
  DrawArc(q, 100, 200, 300, 200, 2, 1, 10, "ﾀh/2ﾀ");
  const auto texts = EventsOf(below.trace(), "text");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NEAR(std::stof(texts[0][3]), 232, 1e-3);
}

TEST_F(DottedArcTest, WithoutBulgeTheDotsLieOnTheSegment) {
  Arc(100, 200, 300, 200, 0, 1, 10, "5");
  auto dots = Dots();
  ASSERT_EQ(dots.size(), 19u);
  ExpectDot(dots.front(), 100, 200);
  ExpectDot(dots.back(), 300, 200);
  for (const Dot& d : dots) EXPECT_NEAR(d.y, 200, 1e-3);
  EXPECT_NEAR(LabelAt().y, 200, 1e-3);  // against the midpoint, below

  lesson::HeadlessSession other(kStandardProgram);
  lesson::Program& q = other.program;
  DrawArc(q, 100, 200, 300, 200, 0, -1, 10, "");
  const auto circles = EventsOf(other.trace(), "op", "PsCIRCLE");
  ASSERT_EQ(circles.size(), 19u);
  EXPECT_NEAR(std::stof(circles.front()[2]), 300, 1e-3);  // from the second end back
  EXPECT_NEAR(std::stof(circles.back()[2]), 100, 1e-3);
}

TEST_F(DottedArcTest, BulgeScalingAndDotSteps) {
  const struct {
    float bulge, scaled;
  } bulges[] = {{1, 16}, {2, 32}, {0.5f, 8}, {2.5f, 40}, {15, 240}, {15.5f, 248},
                {16, 16}, {20, 20}, {-10, 10}, {-20, 20}, {0, 0}};
  for (const auto& b : bulges) {
    SCOPED_TRACE(b.bulge);
    Arc(100, 200, 300, 200, b.bulge, 1, 18, "");
    EXPECT_EQ(p.figure.ArcBulge, b.scaled);
    // The last dot of each arc at P1, up to the program's pi of 3.14159.
    EXPECT_NEAR(Dots().back().y, 200, 1e-2);
  }
  const struct {
    float step;
    size_t dots;
  } steps[] = {{7, 26}, {1, 181}, {18, 11}, {180, 2}, {181, 1}, {-3, 1}, {0, 1}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    lesson::HeadlessSession fresh(kStandardProgram);
    // Ends even with a step that never reaches the end.
    DrawArc(fresh.program, 100, 200, 300, 200, 2, -1, s.step, "");
    EXPECT_EQ(EventsOf(fresh.trace(), "op", "PsCIRCLE").size(), s.dots);
  }
  // A step too small to move the angle on from 180 degrees ends the dots there.
  lesson::HeadlessSession tiny(kStandardProgram);
  DrawArc(tiny.program, 100, 200, 300, 200, 2, 1, 1e-6f, "");
  EXPECT_EQ(EventsOf(tiny.trace(), "op", "PsCIRCLE").size(), 1u);
}

TEST_F(DottedArcTest, ADownwardSegmentBulgesToTheLeftWithItsLabelThere) {
  Arc(200, 100, 200, 300, 2, 1, 1, "12");
  const auto dots = Dots();
  ASSERT_EQ(dots.size(), 181u);
  ExpectDot(dots[90], 168, 200);
  for (const Dot& d : dots) EXPECT_LE(d.x, 200.001f);
  const Dot label = LabelAt();
  EXPECT_NEAR(label.x + 54, 168, 1e-3);  // the box ends at the arc's outermost point
  EXPECT_NEAR(label.y, 200 - 22, 1e-3);
}

TEST_F(DottedArcTest, ASegmentOfNoLengthStillEnds) {
  Arc(200, 200, 200, 200, 2, -1, 10, "x");
  const auto dots = Dots();
  ASSERT_EQ(dots.size(), 19u);
  for (const Dot& d : dots) {
    EXPECT_NEAR(d.x, 200, 1e-3);
    EXPECT_LE(std::fabs(d.y - 200), 32.001f);
  }
  EXPECT_FALSE(std::isnan(LabelAt().y));
  EXPECT_EQ(p.figure.MarkLabel, "");
}

}  // namespace
