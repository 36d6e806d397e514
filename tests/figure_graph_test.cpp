// The figure routines that draw: coordinate axes, plotted points and graphs, arrows and the
// slope triangle, boxed labels and the brace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lessonlib/figures/figures.h"
#include "tests/formula_fixture.h"

using namespace formula_testing;
using testing_support::EventsOf;

namespace {

class FigureGraphTest : public FormulaTest {
 protected:
  // The plane of the examples: x -10..10, y -5..5, scales 1, cells of 20 from (100, 100):
  // the origin at (300, 200), the frame (100, 100)-(500, 300).
  void Plane(float line_colour = 3) {
    lesson::GeometryState& g = p.geometry;
    g.AA1 = -10, g.AA2 = 10, g.BB1 = -5, g.BB2 = 5, g.BAIX = 1, g.BAIY = 1;
    p.figure.GridCell = 20;
    p.figure.GridOriginX = 100, p.figure.GridOriginY = 100;
    p.figure.LineColour = line_colour;
  }
  std::vector<Glyph> Texts() { return Glyphs(session.trace()); }
  std::vector<testing_support::Fields> Dots() {
    return EventsOf(session.trace(), "op", "PsCIRCLE");
  }
  // The labels DrawText drew: text, x, y.
  std::vector<testing_support::Fields> Labels() { return EventsOf(session.trace(), "text"); }
};

bool HasGlyph(const std::vector<Glyph>& glyphs, const std::string& text, float x, float y) {
  return std::any_of(glyphs.begin(), glyphs.end(), [&](const Glyph& g) {
    return g.text == text && g.x == std::round(x) && g.y == std::round(y);
  });
}

TEST_F(FigureGraphTest, AxesLayTheGridFrameAndNumbers) {
  p.rt.FE_SETDRAWWIDTH(2);
  Plane();
  lesson::DrawCoordinateAxes(p);
  EXPECT_EQ(p.figure.AxisX, 300);
  EXPECT_EQ(p.figure.AxisY, 200);
  EXPECT_EQ(p.figure.GridRight, 500);
  EXPECT_EQ(p.figure.GridBottom, 300);
  EXPECT_EQ(p.geometry.SIZE1, 26);
  const auto lines = Lines(session.trace());
  // 21 + 11 fine lines, 5 + 3 of the fives, the two axes last.
  ASSERT_EQ(lines.size(), 42u);
  EXPECT_EQ(lines[0].x1, 99.5f);
  EXPECT_EQ(lines[20].x1, 499.5f);
  EXPECT_EQ(lines[21].y1, 299.5f);
  EXPECT_EQ(lines[32].x1, 100);
  EXPECT_EQ(lines[32].colour, 1);
  EXPECT_EQ(lines[32].width, 3);
  EXPECT_EQ(lines[40].x1, 300);
  EXPECT_EQ(lines[40].width, 4);
  const auto glyphs = Texts();
  for (const auto& [text, x, y] : std::vector<std::tuple<std::string, float, float>>{
           {"-10", 61, 200}, {"-5", 174, 200}, {"5", 387, 200}, {"10", 474, 200},
           {"5", 274, 83}, {"-5", 248, 283}, {"0", 274, 200}, {"y", 300, 87}}) {
    EXPECT_TRUE(HasGlyph(glyphs, text, x, y)) << text << " at " << x << ", " << y;
  }
  const Glyph& x_letter = glyphs[glyphs.size() - 3];
  EXPECT_EQ(x_letter.text, "x");
  EXPECT_EQ(x_letter.x, 479);
  EXPECT_EQ(x_letter.y, 161);
  EXPECT_TRUE(x_letter.italic);
  EXPECT_EQ(x_letter.face, "Times New Roman");
  EXPECT_EQ(p.rt.FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(p.rt.font().size, 16);
  EXPECT_FALSE(p.rt.font().bold);
}

TEST_F(FigureGraphTest, AxesSwitchesAndRepairs) {
  // Without a line colour: the axes and their letters only.
  Plane(0);
  lesson::DrawCoordinateAxes(p);
  EXPECT_EQ(Lines(session.trace()).size(), 2u);
  EXPECT_EQ(Texts().size(), 3u);
  // NASI -1 leaves the numbers out for one call.
  Plane();
  p.geometry.NASI = -1;
  lesson::DrawCoordinateAxes(p);
  EXPECT_EQ(p.geometry.NASI, 0);
  int numbered = 0;
  for (const Glyph& g : Texts()) numbered += g.text != "" && g.text != "x" && g.text != "0" && g.text != "y";
  EXPECT_EQ(numbered, 0);
  // A scale of 0 is 1, a negative one its size; the origin (0, 0) is (640, 180); a cell of
  // 40 takes the larger numbers.
  Plane();
  p.geometry.BAIX = 0, p.geometry.BAIY = -2;
  p.figure.GridOriginX = 0, p.figure.GridOriginY = 0;
  p.figure.GridCell = 40;
  lesson::DrawCoordinateAxes(p);
  EXPECT_EQ(p.geometry.BAIX, 1);
  EXPECT_EQ(p.geometry.BAIY, 2);
  EXPECT_EQ(p.geometry.BB2, 2.5f);
  EXPECT_EQ(p.figure.GridLeft, 640);
  EXPECT_EQ(p.figure.GridTop, 180);
  EXPECT_EQ(p.geometry.SIZE1, 30);
}

TEST_F(FigureGraphTest, AxesLoopsRunOnceForAnEmptyWindowAndAreBoundedForAHugeOne) {
  Plane();
  p.geometry.AA1 = 5, p.geometry.AA2 = 1;
  p.geometry.BB1 = 1, p.geometry.BB2 = 0;
  lesson::DrawCoordinateAxes(p);
  // One fine and one heavy upright line at index 5, one fine level line, the axes.
  EXPECT_EQ(Lines(session.trace()).size(), 5u);
  EXPECT_TRUE(HasGlyph(Texts(), "5", p.figure.AxisX + 100 - 13, p.figure.AxisY));
  for (const float extent : {1e5f, 1e8f}) {
    lesson::HeadlessSession fresh(kStandardProgram);
    fresh.program.geometry.AA1 = -extent, fresh.program.geometry.AA2 = extent;
    fresh.program.geometry.BB1 = -5, fresh.program.geometry.BB2 = 5;
    fresh.program.figure.GridCell = 0.00001f;
    fresh.program.figure.LineColour = 3;
    lesson::DrawCoordinateAxes(fresh.program);
    EXPECT_LE(Lines(fresh.trace()).size(), 2u * 4001 + 11 + 3 + 2);
  }
}

TEST_F(FigureGraphTest, ScaledNumbersAreCutToTenthsWithTheirPointApart) {
  Plane(0);
  p.geometry.AA1 = -10, p.geometry.AA2 = 10;
  p.geometry.BAIX = 0.5f, p.geometry.BAIY = 0.25f;
  p.figure.GridOriginX = 100;
  lesson::DrawCoordinateAxes(p);
  ASSERT_EQ(p.figure.AxisX, 500);
  lesson::DrawScaledAxisLabels(p);
  const float below = p.figure.AxisY + 4;
  const auto glyphs = Texts();
  for (const auto& [text, x, y] : std::vector<std::tuple<std::string, float, float>>{
           {"25", 574, below}, {".", 594, below + 4}, {"-25", 361, below}, {".", 407, below + 4},
           {"5", 687, below}, {"-10", 61, below},
           // 0.25 a cell: index 5 is 1.25, cut to 1.2.
           {"12", 448, p.figure.AxisY - 100 - 13}}) {
    EXPECT_TRUE(HasGlyph(glyphs, text, x, y)) << text << " at " << x << ", " << y;
  }
}

TEST_F(FigureGraphTest, PlottedPointsAndTheirLabels) {
  Plane();
  lesson::DrawCoordinateAxes(p);
  const struct {
    float scale, dx, dy, gx, gy, label_x, label_y;
  } cases[] = {{1, 0, 0, 340, 140, 320, 100}, {1, 10, -5, 340, 140, 330, 95},
               {2, 0, 0, 320, 140, 300, 100}, {0, 0, 0, 340, 140, 320, 100},
               {-1, 0, 0, 260, 140, 240, 100}};
  for (const auto& c : cases) {
    lesson::GeometryState& g = p.geometry;
    g.BAIX = c.scale, g.BAIY = 1;
    g.XG = 2, g.YG = 3, g.R = 4;
    g.KASANARIX = c.dx, g.KASANARIY = c.dy;
    p.figure.FillColour = 5;
    p.figure.MarkLabel = "P";
    lesson::PlotLabelledPoint(p);
    EXPECT_EQ(g.GX, c.gx) << c.scale;
    EXPECT_EQ(g.GY, c.gy);
    const auto label = Labels().back();
    EXPECT_EQ(label[2], platform::ShortNumber(c.label_x)) << c.scale;
    EXPECT_EQ(label[3], platform::ShortNumber(c.label_y));
    EXPECT_EQ(label[4], "5");
    EXPECT_EQ(g.KASANARIX, 0);
    EXPECT_EQ(g.BAIX, c.scale == 0 ? 1 : c.scale);
  }
  const auto dot = Dots().back();
  EXPECT_EQ(dot[4], "4");  // radius
  EXPECT_EQ(dot[5], "5");  // colour
}

TEST_F(FigureGraphTest, DottedGraphsStepAcrossTheWindowAndSkipZero) {
  Plane();
  lesson::DrawCoordinateAxes(p);
  lesson::GeometryState& g = p.geometry;
  // y = x: 5001 points, dots only inside the frame's height, the label at the last dot.
  g.IROIRO = 3, g.AA = 1, g.BB = 0;
  p.figure.FillColour = 1;
  p.figure.MarkLabel = "A";
  lesson::PlotFunctionGraph(p);
  const size_t line_dots = Dots().size();
  EXPECT_NEAR(static_cast<double>(line_dots), 2500, 5);
  EXPECT_EQ(p.values.TableIndex, 5001);
  EXPECT_EQ(p.figure.BoxWidth, 5000);
  EXPECT_NEAR(std::stof(Labels().back()[2]), 400, 0.5);
  EXPECT_NEAR(std::stof(Labels().back()[3]), 100, 0.5);
  // y = 4/x from 0: the first x is 0.002, never 0.
  g.AA1 = 0, g.AA2 = 10;
  g.IROIRO = 1, g.AA = 4;
  lesson::PlotFunctionGraph(p);
  EXPECT_EQ(g.X1, 0.002f);
  EXPECT_FLOAT_EQ(g.Y1, 2000);
  EXPECT_EQ(g.P1, 0.002f);
  EXPECT_NEAR(std::stof(Labels().back()[2]), 500, 0.5);
  EXPECT_NEAR(std::stof(Labels().back()[3]), 192, 0.5);
  // Nothing inside the frame: the label stays where the caller left the text.
  g.IROIRO = 3, g.AA = 0, g.BB = 10;
  p.text.TextX = 11, p.text.TextY = 22;
  lesson::PlotFunctionGraph(p);
  EXPECT_EQ(Labels().back()[2], "11");
  EXPECT_EQ(Labels().back()[3], "22");
}

TEST_F(FigureGraphTest, LinesOfTheFormAxPlusByEqualsC) {
  p.rt.FE_SETDRAWWIDTH(2);
  Plane();
  lesson::DrawCoordinateAxes(p);
  lesson::GeometryState& g = p.geometry;
  // 2x = 6: one stroke at x = 3, from the bottom of the window to its top.
  g.IROIRO = 4, g.AA = 2, g.BB = 0, g.CC = 6;
  p.figure.FillColour = 4;
  p.figure.MarkLabel = "C";
  lesson::PlotFunctionGraph(p);
  const Line stroke = Lines(session.trace()).back();
  EXPECT_EQ(stroke.x1, 360);
  EXPECT_EQ(stroke.y1, 300);
  EXPECT_EQ(stroke.y2, 100);
  EXPECT_EQ(stroke.width, 5);
  EXPECT_EQ(Labels().back()[2], "370");
  EXPECT_EQ(Labels().back()[3], "100");
  EXPECT_EQ(g.CC, 3);
  EXPECT_EQ(p.rt.FE_GETDRAWWIDTH(), 2);
  // x + 2y = 4 becomes y = -0.5x + 2.
  g.IROIRO = 4, g.AA = 1, g.BB = 2, g.CC = 4;
  lesson::PlotFunctionGraph(p);
  EXPECT_EQ(g.IROIRO, 3);
  EXPECT_EQ(g.AA, -0.5f);
  EXPECT_EQ(g.BB, 2);
  // 0x + 0y = 4 is no line: nothing is drawn, no label, the scales still 1.
  const size_t events = testing_support::Events(session.trace()).size();
  g.IROIRO = 4, g.AA = 0, g.BB = 0, g.CC = 4;
  g.BAIX = 2;
  lesson::PlotFunctionGraph(p);
  const auto after = testing_support::Events(session.trace());
  for (size_t k = events; k < after.size(); ++k) {
    EXPECT_NE(after[k][1], "PsLINE");
    EXPECT_NE(after[k][1], "PsCIRCLE");
    EXPECT_NE(after[k][0], "text");
  }
  EXPECT_EQ(g.BAIX, 1);
}

TEST_F(FigureGraphTest, ArrowHeadsAtEitherEndOrBoth) {
  lesson::GeometryState& g = p.geometry;
  lesson::FigureState& f = p.figure;
  const auto arrow = [&](float muki, float ya) {
    f.MarkX0 = 100, f.MarkY0 = 100, g.ZX = 200, g.ZY = 100;
    f.MarkRadius = 16, f.LineColour = 0;
    g.MUKI = muki, g.YA = ya;
    lesson::DrawArrow(p);
    return Lines(session.trace());
  };
  auto lines = arrow(1, 0);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ((std::array{lines[1].x1, lines[1].y1, lines[1].x2}), (std::array{184.f, 108.f, 200.f}));
  EXPECT_EQ((std::array{lines[2].x1, lines[2].y1}), (std::array{184.f, 92.f}));
  EXPECT_EQ((std::array{f.MarkX0, g.ZX, g.EX, g.DX, g.D, g.MUKI}),
            (std::array{200.f, 100.f, 184.f, 1.f, 100.f, 0.f}));
  lines = arrow(-1, 0);
  EXPECT_EQ((std::array{lines[4].x1, lines[4].y1, lines[4].x2}), (std::array{116.f, 92.f, 100.f}));
  EXPECT_EQ(f.MarkX0, 100);
  lines = arrow(0, 2);
  EXPECT_EQ(lines.size(), 12u);  // two shafts and two heads
  EXPECT_EQ(lines[11].x2, 100);
  EXPECT_EQ(g.YA, 0);
  lines = arrow(0, 3);
  EXPECT_EQ(lines.size(), 15u);
  EXPECT_EQ(g.YA, 3);
  // Ends that meet: nothing to point, nothing drawn.
  f.MarkX0 = 300, f.MarkY0 = 300, g.ZX = 300, g.ZY = 300;
  lesson::DrawArrow(p);
  EXPECT_EQ(Lines(session.trace()).size(), 15u);
  EXPECT_EQ(g.D, 0);
  // Such an arrow still uses up a request for two heads: the next arrow, drawn without one,
  // has its shaft and one head.
  f.MarkX0 = 300, f.MarkY0 = 300, g.ZX = 300, g.ZY = 300;
  g.YA = 2;
  lesson::DrawArrow(p);
  EXPECT_EQ(g.YA, 0);
  f.MarkX0 = 400, f.MarkY0 = 400, g.ZX = 500, g.ZY = 400;
  lesson::DrawArrow(p);
  lines = Lines(session.trace());
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ((std::array{lines[16].x2, lines[17].x2}), (std::array{500.f, 500.f}));
}

TEST_F(FigureGraphTest, SlopeTriangles) {
  lesson::GeometryState& g = p.geometry;
  const auto slope = [&](float x3, float y3, float x4, float y4, const char* labels,
                         float cell = 50) {
    g.GX3 = x3, g.GY3 = y3, g.GX4 = x4, g.GY4 = y4;
    g.HYOUJI = labels;
    p.figure.GridCell = cell;
    lesson::DrawSlopeTriangle(p);
  };
  slope(300, 400, 100, 200, "yy");
  EXPECT_EQ((std::array{g.GX3, g.GY3, g.GX4, g.GY4}), (std::array{100.f, 200.f, 300.f, 400.f}));
  const auto lines = Lines(session.trace());
  EXPECT_EQ((std::array{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
            (std::array{100.f, 200.f, 300.f, 200.f}));
  EXPECT_EQ(lines[0].colour, 7);
  EXPECT_EQ((std::array{lines[3].x1, lines[3].y1, lines[3].x2, lines[3].y2}),
            (std::array{300.f, 200.f, 300.f, 400.f}));
  EXPECT_EQ(lines[3].colour, 3);
  EXPECT_EQ(p.rt.FE_GETDRAWWIDTH(), 4);
  auto labels = Labels();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ((std::vector<std::string>{labels[0][2], labels[0][3], labels[0][4], labels[0][5]}),
            (std::vector<std::string>{"186", "200", "7", "4"}));
  EXPECT_EQ((std::vector<std::string>{labels[1][2], labels[1][3], labels[1][4], labels[1][5]}),
            (std::vector<std::string>{"300", "284", "3", "-4"}));

  const struct {
    float x3, y3, x4, y4;
    const char* labels;
    float cell;
    const char *run, *rise;
    size_t labels_drawn;
  } cases[] = {{500, 200, 700, 175, "yy", 50, "4", "0.5", 2},
               {900, 200, 1100, 225, "yy", 50, "4", "-0.5", 2},
               {100, 600, 125, 500, "y", 50, "0.5", "2", 1},
               {500, 600, 700, 550, "Yy", 50, "4", "1", 1},
               {900, 600, 1100, 600, "yy", 50, "4", "0", 2},
               {900, 800, 1100, 700, "", 0, "", "", 0}};
  for (const auto& c : cases) {
    const size_t before = Labels().size();
    slope(c.x3, c.y3, c.x4, c.y4, c.labels, c.cell);
    EXPECT_EQ(g.SlopeRunText, c.run);
    EXPECT_EQ(g.SlopeRiseText, c.rise);
    EXPECT_EQ(Labels().size() - before, c.labels_drawn) << c.labels;
  }
}

TEST_F(FigureGraphTest, BoxedLabelsCentreTheirTextAndStandInARow) {
  p.figure.LineColour = 0, p.figure.FillColour = 11, p.text.TextColour = 0;
  const struct {
    float width, height;
    const char* text;
    float text_x, text_y, measured;
  } cases[] = {{120, 50, "123", 130, 212, 60},   {121, 50, "123", 130.5f, 212, 60},
               {120, 26, "123", 130, 200, 60},   {120, 21, "123", 130, 197, 60},
               {40, 50, "123", 100, 212, 60},    {120, 50, "", 160, 212, 0}};
  for (const auto& c : cases) {
    p.text.TextX = 100, p.text.TextY = 200;
    p.figure.BoxWidth = c.width, p.figure.BoxHeight = c.height;
    p.text.WorkText = c.text;
    lesson::DrawBoxedLabel(p);
    const auto label = Labels().back();
    EXPECT_EQ(label[2], platform::ShortNumber(c.text_x)) << c.width << "x" << c.height;
    EXPECT_EQ(label[3], platform::ShortNumber(c.text_y)) << c.width << "x" << c.height;
    EXPECT_EQ(p.values.MeasuredWidth, c.measured);
    EXPECT_EQ((std::array{p.text.TextX, p.text.TextY, p.geometry.X1, p.geometry.Y1}),
              (std::array{100 + c.width, 200.f, 100.f, 200.f}));
  }
  const Line box = Lines(session.trace()).front();
  EXPECT_EQ((std::array{box.x1, box.y1, box.x2, box.y2}), (std::array{100.f, 200.f, 220.f, 250.f}));
  EXPECT_EQ(box.mode, 2);

  for (const auto& [lower, upper_top] : {std::pair{"345", 12.f}, std::pair{"", 27.f}}) {
    p.text.TextX = 400, p.text.TextY = 200;
    p.figure.BoxWidth = 200, p.figure.BoxHeight = 100;
    p.fraction.TextA = "12";
    p.fraction.TextB = lower;
    lesson::DrawBoxedLabelTwoLines(p);
    const auto labels = Labels();
    const auto& upper = labels[labels.size() - 2];
    EXPECT_EQ(upper[2], "480");
    EXPECT_EQ(upper[3], platform::ShortNumber(200 + upper_top));
    EXPECT_EQ(labels.back()[3], "242");
    EXPECT_EQ(labels.back()[2], *lower ? "470" : "500");
  }
}

TEST_F(FigureGraphTest, LargeLeftBrace) {
  p.rt.FE_SETDRAWWIDTH(2);
  p.text.TextX = 100, p.text.TextY = 50, p.text.TextColour = 0;
  p.figure.BoxWidth = 200;
  lesson::DrawLargeLeftBrace(p);
  const auto polylines = Polylines(session.trace());
  ASSERT_EQ(polylines.size(), 1u);
  EXPECT_EQ(polylines[0], (std::vector<float>{135, 55, 123, 58, 123, 140.5f, 108, 147.5f, 123,
                                              154.5f, 123, 237, 135, 240}));
  EXPECT_EQ((std::array{p.fraction.Gcd, p.fraction.Lcm, p.geometry.X1, p.geometry.Y1}),
            (std::array{123.f, 108.f, 135.f, 55.f}));
  EXPECT_EQ(p.rt.FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(EventsOf(session.trace(), "op", "PsCONNECT")[0].back(), "5");
}

}  // namespace
