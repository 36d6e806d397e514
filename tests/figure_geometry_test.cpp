// The figure routines that compute: polygons and their vertex labels, line and arc points,
// square roots, prime factors and divisors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lessonlib/figures/figures.h"
#include "platform/errors.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;

namespace {

void SetVertices(lesson::Program& p, const std::vector<std::array<float, 2>>& vertices) {
  for (size_t k = 0; k < vertices.size(); ++k) {
    p.work.GraphValues(k + 1, 1) = vertices[k][0];
    p.work.GraphValues(k + 1, 2) = vertices[k][1];
  }
  p.geometry.KAKU = static_cast<float>(vertices.size());
}

class FigureGeometryTest : public FormulaTest {
 protected:
  void Vertices(const std::vector<std::array<float, 2>>& vertices) { SetVertices(p, vertices); }
  void Segment(float x1, float y1, float x2, float y2) {
    p.figure.SegX1 = x1, p.figure.SegY1 = y1, p.figure.SegX2 = x2, p.figure.SegY2 = y2;
  }
  // The labels drawn, in order: text and top-left corner.
  std::vector<testing_support::Fields> Labels() { return EventsOf(session.trace(), "text"); }
};

// How much farther from the triangle's centre a label lies than its corner (a label is one
// character, 32 x 44): positive outside the triangle.
float Outwards(const testing_support::Fields& label, const std::array<float, 2>& corner) {
  const float cx = 200, cy = 233.3f;
  const float lx = std::stof(label[2]) + 16, ly = std::stof(label[3]) + 22;
  return std::hypot(lx - cx, ly - cy) - std::hypot(corner[0] - cx, corner[1] - cy);
}

TEST(FigurePolygon, LabelsLieOutsideAnAnticlockwiseTriangleAndInsideAClockwiseOne) {
  using Triangle = std::vector<std::array<float, 2>>;
  for (const bool clockwise : {false, true}) {
    lesson::HeadlessSession session(kStandardProgram);
    lesson::Program& p = session.program;
    const Triangle triangle = clockwise ? Triangle{{100, 300}, {200, 100}, {300, 300}}
                                        : Triangle{{100, 300}, {300, 300}, {200, 100}};
    p.rt.FE_SETDRAWWIDTH(3);
    SetVertices(p, triangle);
    p.geometry.SIZE1 = 2;
    p.figure.MarkRadius = 20;
    p.figure.MarkLabel = "ABC";  // only the first character counts
    lesson::DrawPolygon(p);
    const auto labels = EventsOf(session.trace(), "text");
    ASSERT_EQ(labels.size(), 3u);
    for (size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(labels[k][5], std::string(1, static_cast<char>('A' + k)));
      const float out = Outwards(labels[k], triangle[k]);
      EXPECT_TRUE(clockwise ? out < 0 : out > 0) << "label " << labels[k][5];
    }
    const auto sides = Lines(session.trace());
    ASSERT_EQ(sides.size(), 3u);
    EXPECT_EQ(sides[2].x2, triangle[0][0]);  // the last side closes the polygon
    EXPECT_EQ(sides[0].width, 2);
    EXPECT_EQ(p.rt.FE_GETDRAWWIDTH(), 3);  // the caller's width comes back
    EXPECT_EQ(p.figure.MarkLabel, "");
    EXPECT_EQ(p.geometry.DY, 22);  // the label's height allowance
  }
}

TEST_F(FigureGeometryTest, PolygonLabelsFollowTheFirstCharacterOrTheTable) {
  Vertices({{900, 100}, {1100, 100}, {1100, 300}, {900, 300}});
  p.figure.MarkLabel = "XZ";
  lesson::DrawPolygon(p);
  p.work.PartTexts(1) = "P", p.work.PartTexts(2) = "ﾀ1/2ﾀ", p.work.PartTexts(3) = "",
  p.work.PartTexts(4) = "S";
  p.figure.MarkLabel = "1";
  p.figure.LabelOffsetX = 500;  // moves the first label only
  lesson::DrawPolygon(p);
  std::vector<std::string> texts;
  for (const auto& label : Labels()) texts.push_back(label[5]);
  EXPECT_EQ(texts, (std::vector<std::string>{"X", "Y", "Z", "[", "P", "ﾀ1/2ﾀ", "", "S"}));
  EXPECT_GT(std::stof(Labels()[4][2]), 1300);
  EXPECT_LT(std::stof(Labels()[7][2]), 1000);
  EXPECT_EQ(p.geometry.DY, 22);
}

TEST_F(FigureGeometryTest, PolygonLoopsMakeTheirFirstPassAndStopAtTheTablesEnd) {
  // No vertices: the side from vertex 1 to 2 is still drawn, vertex 1 still labelled.
  Vertices({{100, 100}, {200, 100}, {150, 50}});
  p.geometry.KAKU = 0;
  p.figure.MarkLabel = "A";
  lesson::DrawPolygon(p);
  EXPECT_EQ(Lines(session.trace()).size(), 1u);
  EXPECT_EQ(Labels().size(), 1u);
  EXPECT_EQ(p.values.TableIndex, 2);
  // Eleven vertices run past the ten rows of the table: a subscript error.
  p.geometry.KAKU = 11;
  try {
    lesson::DrawPolygon(p);
    FAIL() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::kSubscriptOutOfRange);
  }
}

TEST_F(FigureGeometryTest, PerpendicularFeetCrossingsAndPointsOnLines) {
  const struct {
    float line[4], cx, cy, ex, ey;
  } feet[] = {{{100, 100, 300, 300}, 300, 100, 200, 200},
              {{50, 0, 50, 400}, 200, 120, 50, 120},
              {{0, 80, 400, 80}, 200, 300, 200, 80},
              {{70, 70, 70, 70}, 10, 20, 70, 20}};  // two equal points: upright
  for (const auto& c : feet) {
    Segment(c.line[0], c.line[1], c.line[2], c.line[3]);
    p.geometry.CX = c.cx, p.geometry.CY = c.cy;
    lesson::MarkPerpendicularFoot(p);
    EXPECT_NEAR(p.geometry.EX, c.ex, 1e-3);
    EXPECT_NEAR(p.geometry.EY, c.ey, 1e-3);
  }
  EXPECT_EQ(EventsOf(session.trace(), "op", "PsCIRCLE").size(), 4u);

  const struct {
    float first[4], second[4], ax2, ay2, parallel;
  } crossings[] = {
      {{0, 0, 100, 100}, {0, 100, 100, 0}, 50, 50, 0},
      {{40, 0, 40, 300}, {0, 90, 200, 90}, 40, 90, 0},
      {{0, 90, 200, 90}, {40, 0, 40, 300}, 40, 90, 0},
      {{0, 0, 50, 100}, {70, 0, 70, 300}, 70, 140, 0},   // upright against sloping
      {{0, 0, 1, 1000}, {0, 500, 10, 500}, 0.5f, 500, 0},  // a slope of 1000 is no upright
      {{0, 0, 100, 100}, {0, 50, 100, 150}, 0.5f, 500, 1},  // parallel: the crossing stays
      {{10, 0, 10, 50}, {30, 0, 30, 50}, 30, 500, 1},       // two uprights: AX2 is the second's
  };
  for (const auto& c : crossings) {
    Segment(c.first[0], c.first[1], c.first[2], c.first[3]);
    p.geometry.CX = c.second[0], p.geometry.CY = c.second[1];
    p.geometry.DX = c.second[2], p.geometry.DY = c.second[3];
    lesson::IntersectLines(p);
    EXPECT_NEAR(p.geometry.AX2, c.ax2, 1e-3);
    EXPECT_NEAR(p.geometry.AY2, c.ay2, 1e-3);
    EXPECT_EQ(p.geometry.LinesParallel, c.parallel);
  }

  const struct {
    float line[4], cx, cy, x1, y1;
  } points[] = {{{0, 0, 100, 50}, -1, 20, 40, 20},
                {{0, 0, 100, 50}, 60, -1, 60, 30},
                {{0, 0, 100, 50}, 7, 8, 60, 30},  // nothing to find: the point stays
                {{50, 0, 50, 400}, -1, 120, 50, 120},
                {{0, 80, 400, 80}, 200, -1, 200, 80}};
  for (const auto& c : points) {
    Segment(c.line[0], c.line[1], c.line[2], c.line[3]);
    p.geometry.CX = c.cx, p.geometry.CY = c.cy;
    lesson::CompleteLinePoint(p);
    EXPECT_NEAR(p.geometry.X1, c.x1, 1e-3);
    EXPECT_NEAR(p.geometry.Y1, c.y1, 1e-3);
  }
}

TEST_F(FigureGeometryTest, ArcPointsLieOnTheDottedArcsHalfEllipse) {
  const struct {
    float p0[2], p1[2], degrees, zx, zy;
  } cases[] = {{{100, 300}, {300, 300}, 90, 200, 250}, {{100, 300}, {300, 300}, 0, 300, 300},
               {{100, 300}, {300, 300}, 180, 100, 300}, {{100, 300}, {300, 300}, 270, 200, 350},
               {{0, 0}, {0, 100}, 90, 50, 50},
               {{200, 200}, {200, 200}, 90, 200, 250}};  // no length: the bulge alone
  for (const auto& c : cases) {
    p.figure.MarkX0 = c.p0[0], p.figure.MarkY0 = c.p0[1];
    p.figure.MarkX1 = c.p1[0], p.figure.MarkY1 = c.p1[1];
    p.figure.ArcBulge = 50;
    p.geometry.KAKUDO = c.degrees;
    lesson::ComputeArcPoint(p);
    EXPECT_NEAR(p.geometry.ZX, c.zx, 0.01) << c.degrees;
    EXPECT_NEAR(p.geometry.ZY, c.zy, 0.01) << c.degrees;
  }
}

TEST_F(FigureGeometryTest, SquareRootsInSimplestForm) {
  const struct {
    float n, a, b;
    const char *coefficient, *rab, *rabm, *remaining;
  } cases[] = {
      {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
      {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
      {7, 1, 7, "", "!7ﾝ", "", "!7ﾝ"},
      {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
      {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
      {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},  // 211²: beyond the trials
      {158404, 398, 1, "398", "398ﾝ", "!158404ﾝ=", "ﾝ"},
      {-12, 2, -3, "2", "2!-3ﾝ", "!-12ﾝ=", "!-3ﾝ"},
      {0, 1, 0, "", "!0ﾝ", "", "!0ﾝ"},  // nothing comes out of 0
      {0.3f, 1, 0.3f, "", "!0.3ﾝ", "", "!0.3ﾝ"},
  };
  for (const auto& c : cases) {
    p.geometry.R1B = c.n;
    lesson::SimplifySquareRoot(p);
    const lesson::GeometryState& g = p.geometry;
    EXPECT_EQ(g.R1A, c.a) << c.n;
    EXPECT_EQ(g.R1B, c.b) << c.n;
    EXPECT_EQ(g.R1B1, c.n);
    EXPECT_EQ(g.R1I, 201);
    EXPECT_EQ(g.CoefficientText, c.coefficient) << c.n;
    EXPECT_EQ(g.RAB, c.rab) << c.n;
    EXPECT_EQ(g.RABM, c.rabm) << c.n;
    EXPECT_EQ(g.RemainingRootText, c.remaining) << c.n;
    EXPECT_EQ(p.text.WorkText, c.remaining);
  }
}

TEST_F(FigureGeometryTest, PrimeFactorsUpTo23WithTheRestInRowTen) {
  const struct {
    float n, q;
    std::vector<std::array<float, 2>> rows;
    std::array<float, 2> rest;
    float left;
  } cases[] = {
      {360, 3, {{2, 3}, {3, 2}, {5, 1}}, {1, 1}, 360},
      {58, 1, {{2, 1}}, {29, 1}, 58},  // 29 is never tried
      {92, 2, {{2, 2}, {23, 1}}, {1, 1}, 92},
      {1, 0, {}, {1, 1}, 1},
      {1024, 1, {{2, 10}}, {1, 1}, 1024},
      {-12, 2, {{2, 2}, {3, 1}}, {1, 1}, 12},
      {841, 0, {}, {841, 1}, 841},
      {0, 0, {}, {0, 1}, 0},  // no prime divides nothing
      {0.3f, 0, {}, {0.3f, 1}, 0.3f},
  };
  for (const auto& c : cases) {
    p.geometry.SOSU = c.n;
    lesson::FactorIntoPrimes(p);
    EXPECT_EQ(p.geometry.Q, c.q) << c.n;
    EXPECT_EQ(p.geometry.SOSU, c.left);
    for (size_t row = 1; row <= 9; ++row) {
      const std::array<float, 2> expected = row <= c.rows.size() ? c.rows[row - 1]
                                                                 : std::array<float, 2>{0, 0};
      EXPECT_EQ(p.work.GraphValues(row, 1), expected[0]) << c.n << " row " << row;
      EXPECT_EQ(p.work.GraphValues(row, 2), expected[1]) << c.n << " row " << row;
    }
    EXPECT_EQ(p.work.GraphValues(10, 1), c.rest[0]);
    EXPECT_EQ(p.work.GraphValues(10, 2), c.rest[1]);
    EXPECT_EQ(p.layout.RandomPick, 10);
    EXPECT_EQ(p.work.RadiusValues(10), 29);
  }
}

TEST_F(FigureGeometryTest, DivisorPairs) {
  const struct {
    float n, count, kosuu, counter;
    std::vector<float> divisors;
  } cases[] = {
      {12, 6, 3, 13, {1, 2, 3, 4, 6, 12}},
      {7, 2, 1, 8, {1, 7}},
      {0, 1, 0, 2, {1}},  // the pass for 1 runs whatever the number
      {0.5f, 0, 0, 2, {}},
      {-12, 6, 3, 13, {1, 2, 3, 4, 6, 12}},
  };
  for (const auto& c : cases) {
    p.geometry.DY = c.n;
    lesson::ListDivisorPairs(p);
    EXPECT_EQ(p.layout.RandomPick, c.count) << c.n;
    EXPECT_EQ(p.geometry.KOSUU, c.kosuu) << c.n;
    EXPECT_EQ(p.values.TableIndex, c.counter) << c.n;
    EXPECT_EQ(p.geometry.DY, std::fabs(c.n));
    for (size_t k = 0; k < c.divisors.size(); ++k) {
      EXPECT_EQ(p.work.PointX(k + 1), c.divisors[k]);
      EXPECT_EQ(p.work.PointY(k + 1), std::fabs(c.n) / c.divisors[k]);
    }
  }
}

TEST_F(FigureGeometryTest, DivisorsBeyondTheTableOrTheCountersReachEndNormally) {
  // 2520 has 48 divisors: the first 40 are listed.
  p.geometry.DY = 2520;
  lesson::ListDivisorPairs(p);
  EXPECT_EQ(p.layout.RandomPick, 40);
  EXPECT_EQ(p.work.PointX(40), 280);
  EXPECT_EQ(p.work.PointY(40), 9);
  // Beyond 2^24 the counter stops moving: the loop ends there.
  p.geometry.DY = 16777218;
  lesson::ListDivisorPairs(p);
  EXPECT_EQ(p.values.TableIndex, 16777216);
  EXPECT_EQ(p.layout.RandomPick, 7);
  EXPECT_EQ(p.work.PointX(7), 8388609);
}

}  // namespace
