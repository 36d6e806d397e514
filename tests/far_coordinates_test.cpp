// Coordinates far off the page, infinite or not a number, handed to the page, the runtime's
// drawing operations and the figure routines: every call ends at once, draws at most what can
// be seen of it, and leaves the page drawing as before. The sanitizer build runs these too.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "platform/canvas.h"
#include "platform/errors.h"
#include "tests/formula_fixture.h"
#include "tests/page_pixels.h"

using platform::Canvas;
using testing_support::PaletteColour;
using testing_support::Pixel;

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
// 0, -0, far off the page, infinite, not a number, and the first whole number a float cannot
// hold.
const float kExtremes[] = {0.0f,      -0.0f,      1e30f, -1e30f, kInfinity,
                           -kInfinity, std::nanf(""), 16777217.0f};

// Well under a frame, even in the sanitizer build.
constexpr std::chrono::milliseconds kBudget{50};

// Runs `call`, which may end in a runtime error (a number too large for a whole number is
// the runtime's overflow), and gives how long it took.
std::chrono::milliseconds Timed(const std::function<void()>& call) {
  const auto start = std::chrono::steady_clock::now();
  try {
    call();
  } catch (const platform::RuntimeError&) {
  }
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

std::string Shown(float v) { return std::isnan(v) ? "NaN" : std::to_string(v); }

// A page's drawing calls with one argument replaced by each extreme in turn; the other
// arguments are those of a shape in the middle of the page.
struct PageCall {
  const char* name;
  int arguments;
  std::function<void(Canvas&, const std::vector<double>&)> call;
  std::vector<double> ordinary;
};

const std::vector<PageCall>& PageCalls() {
  static const platform::FontState font;
  static const std::vector<PageCall> calls{
      {"Line", 5, [](Canvas& c, const std::vector<double>& a) { c.Line(a[0], a[1], a[2], a[3], a[4], 0); },
       {100, 450, 1300, 450, 3}},
      {"Box", 5,
       [](Canvas& c, const std::vector<double>& a) { c.Box(a[0], a[1], a[2], a[3], a[4], 0, true, 11); },
       {100, 100, 1300, 800, 3}},
      {"Circle", 6,
       [](Canvas& c, const std::vector<double>& a) {
         c.Circle(a[0], a[1], a[2], a[3], a[4], a[5], 0, true, 9);
       },
       {720, 450, 300, 0.125, 0.625, 3}},
      {"Disc", 4,
       [](Canvas& c, const std::vector<double>& a) { c.Circle(a[0], a[1], a[2], 0, 0, a[3], 5, true, 5); },
       {720, 450, 300, 3}},
      {"Polyline", 7,
       [](Canvas& c, const std::vector<double>& a) {
         c.Polyline({{a[0], a[1]}, {a[2], a[3]}, {a[4], a[5]}}, a[6], 0);
       },
       {100, 100, 700, 800, 1300, 100, 3}},
      {"Text", 4,
       [](Canvas& c, const std::vector<double>& a) { c.Text("3x", a[0], a[1], a[2], a[3], 0, font); },
       {700, 400, 2, 2}},
  };
  return calls;
}

}  // namespace

TEST(FarCoordinates, EveryPageCallEndsAtOnceAndThePageStillDraws) {
  for (const PageCall& call : PageCalls()) {
    for (int k = 0; k < call.arguments; ++k) {
      for (const float extreme : kExtremes) {
        Canvas canvas(1.0);
        std::vector<double> arguments = call.ordinary;
        arguments[static_cast<size_t>(k)] = extreme;
        const auto took = Timed([&] { call.call(canvas, arguments); });
        EXPECT_LT(took, kBudget) << call.name << " argument " << k << " " << Shown(extreme);
        // The page is not left in a state that draws nothing more.
        canvas.Clear();
        canvas.Line(10, 880, 200, 880, 4, 0);
        EXPECT_EQ(Pixel(canvas, 100, 880), PaletteColour(0))
            << call.name << " argument " << k << " " << Shown(extreme);
      }
    }
  }
}

// What can be seen of a shape reaching far off the page is drawn where the whole shape would
// lie.
TEST(FarCoordinates, TheVisiblePartOfAFarShapeIsDrawn) {
  for (double scale : {1.0, 2.0}) {
    const auto at = [&](const Canvas& canvas, double x, double y) {
      return Pixel(canvas, static_cast<int>(x * scale), static_cast<int>(y * scale));
    };
    Canvas canvas(scale);
    canvas.Line(-1e30, 450, 1e30, 450, 4, 0);
    canvas.Line(720, -1e30, 720, 1e30, 4, 5);
    EXPECT_EQ(at(canvas, 3, 450), PaletteColour(0)) << scale;
    EXPECT_EQ(at(canvas, 1437, 450), PaletteColour(0));
    EXPECT_EQ(at(canvas, 720, 3), PaletteColour(5));
    EXPECT_EQ(at(canvas, 100, 300), PaletteColour(15));
    // A line with one end on the page keeps its direction however far its other end lies:
    // from (100, 100) through (200, 200).
    canvas.Clear();
    canvas.Line(100, 100, 1e30, 1e30, 4, 0);
    EXPECT_EQ(at(canvas, 800, 800), PaletteColour(0));
    EXPECT_EQ(at(canvas, 800, 790), PaletteColour(15));
    // A polyline keeps its corner on the page.
    canvas.Clear();
    canvas.Polyline({{-1e30, 300}, {720, 300}, {720, 1e30}}, 4, 1);
    EXPECT_EQ(at(canvas, 10, 300), PaletteColour(1));
    EXPECT_EQ(at(canvas, 720, 890), PaletteColour(1));
    // A box over the whole page and beyond fills it; its sides lie off the page.
    canvas.Clear();
    canvas.Box(-1e30, -1e30, 1e30, 1e30, 4, 0, true, 11);
    EXPECT_EQ(at(canvas, 2, 2), PaletteColour(11));
    EXPECT_EQ(at(canvas, 1437, 897), PaletteColour(11));
    EXPECT_EQ(canvas.FillUnder(720, 450), 11);
    // A disc of any size round the page fills it; one far off it draws nothing.
    for (const double radius : {1e6, 1e30}) {
      canvas.Clear();
      canvas.Circle(720, 450, radius, 0, 0, 3, 0, true, 9);
      EXPECT_EQ(at(canvas, 2, 2), PaletteColour(9)) << radius;
      EXPECT_EQ(at(canvas, 1437, 897), PaletteColour(9)) << radius;
      EXPECT_EQ(canvas.FillUnder(720, 450), 9);
      canvas.Clear();
      canvas.Circle(1e7, 1e7, radius / 1e6, 0, 0, 3, 0, true, 9);
      EXPECT_EQ(canvas.TakeDirty().empty(), false);  // the clear
      EXPECT_TRUE(canvas.TakeDirty().empty()) << radius;
    }
    // A circle whose rim crosses the page with its centre a million units below: the rim
    // through (720, 450) with its ring 4 wide, the disc below it, nothing above.
    canvas.Clear();
    canvas.Circle(720, 450 + 1e6, 1e6, 0, 0, 4, 0, true, 9);
    EXPECT_EQ(at(canvas, 720, 450), PaletteColour(0));
    EXPECT_EQ(at(canvas, 720, 440), PaletteColour(15));
    EXPECT_EQ(at(canvas, 720, 460), PaletteColour(9));
    // The rim falls away from the top of the circle: 1e6 - sqrt(1e12 - 600^2) = 0.18 at 600
    // units either side.
    EXPECT_EQ(at(canvas, 120, 450), PaletteColour(0));
    // The same circle's upper quarter turn on the right, as an arc: from the top (three
    // quarters of a turn) on to the right-hand end.
    canvas.Clear();
    canvas.Circle(720, 450 + 1e6, 1e6, 0.75, 0, 4, 0, false, 0);
    EXPECT_EQ(at(canvas, 1000, 450), PaletteColour(0));
    EXPECT_EQ(at(canvas, 440, 450), PaletteColour(15));
    // A sector of it, filled: from its far centre up to the rim between the top and the
    // right, its edge up the middle of the page.
    canvas.Clear();
    canvas.Circle(720, 450 + 1e6, 1e6, 0.75, 0, 4, 0, true, 9);
    EXPECT_EQ(at(canvas, 1000, 600), PaletteColour(9));
    EXPECT_EQ(at(canvas, 440, 600), PaletteColour(15));
    EXPECT_EQ(at(canvas, 720, 700), PaletteColour(0));
  }
}

namespace {

// The runtime's drawing operations and figure routines, each with the inputs it reads.
struct RoutineCall {
  const char* name;
  // Sets every input to an ordinary value and gives the ones to try extremes in.
  std::function<std::vector<float*>(lesson::Program&)> inputs;
  std::function<void(lesson::Program&)> call;
};

void Plane(lesson::Program& p) {
  lesson::GeometryState& g = p.geometry;
  g.AA1 = -10, g.AA2 = 10, g.BB1 = -5, g.BB2 = 5, g.BAIX = 1, g.BAIY = 1;
  p.figure.GridCell = 20;
  p.figure.GridOriginX = 100, p.figure.GridOriginY = 100;
  p.figure.LineColour = 3;
}

struct Scratch {
  float a = 0, b = 0, c = 0, d = 0, e = 0;
};
Scratch scratch;

std::vector<RoutineCall> RoutineCalls() {
  using lesson::Program;
  return {
      {"PsLINE",
       [](Program&) {
         scratch = {100, 450, 1300, 450};
         return std::vector<float*>{&scratch.a, &scratch.b, &scratch.c, &scratch.d};
       },
       [](Program& p) { p.rt.PsLINE(scratch.a, scratch.b, scratch.c, scratch.d, false, 0, 0, 0); }},
      {"PsLINE box",
       [](Program&) {
         scratch = {100, 100, 1300, 800};
         return std::vector<float*>{&scratch.a, &scratch.b, &scratch.c, &scratch.d};
       },
       [](Program& p) { p.rt.PsLINE(scratch.a, scratch.b, scratch.c, scratch.d, false, 0, 2, 11); }},
      {"PsCIRCLE",
       [](Program&) {
         scratch = {720, 450, 300, 0.125f, 0.625f};
         return std::vector<float*>{&scratch.a, &scratch.b, &scratch.c, &scratch.d, &scratch.e};
       },
       [](Program& p) {
         p.rt.PsCIRCLE(scratch.a, scratch.b, scratch.c, 0, 1, scratch.d, scratch.e, true, 9);
       }},
      {"PsCONNECT",
       [](Program&) {
         scratch = {100, 100, 700, 800};
         return std::vector<float*>{&scratch.a, &scratch.b, &scratch.c, &scratch.d};
       },
       [](Program& p) {
         p.rt.PsCONNECT(0, {{scratch.a, scratch.b}, {scratch.c, scratch.d}, {1300, 100}});
       }},
      {"PsSYMBOL40",
       [](Program&) {
         scratch = {700, 400, 2, 2};
         return std::vector<float*>{&scratch.a, &scratch.b, &scratch.c, &scratch.d};
       },
       [](Program& p) { p.rt.PsSYMBOL40("3x", scratch.a, scratch.b, scratch.c, scratch.d, 0); }},
      {"FE_SETDRAWWIDTH",
       [](Program&) {
         scratch = {3};
         return std::vector<float*>{&scratch.a};
       },
       [](Program& p) {
         p.rt.FE_SETDRAWWIDTH(scratch.a);
         p.rt.PsLINE(100, 450, 1300, 450, false, 0, 0, 0);
       }},
      {"DrawArrow",
       [](Program& p) {
         p.figure.MarkX0 = 100, p.figure.MarkY0 = 100, p.geometry.ZX = 200, p.geometry.ZY = 100;
         p.figure.MarkRadius = 16, p.figure.LineColour = 0, p.geometry.MUKI = 0, p.geometry.YA = 2;
         return std::vector<float*>{&p.figure.MarkX0, &p.figure.MarkY0, &p.geometry.ZX,
                                    &p.geometry.ZY, &p.figure.MarkRadius};
       },
       lesson::DrawArrow},
      {"DrawSlopeTriangle",
       [](Program& p) {
         lesson::GeometryState& g = p.geometry;
         g.GX3 = 300, g.GY3 = 400, g.GX4 = 100, g.GY4 = 200, g.HYOUJI = "yy";
         p.figure.GridCell = 50;
         return std::vector<float*>{&g.GX3, &g.GY3, &g.GX4, &g.GY4, &p.figure.GridCell};
       },
       lesson::DrawSlopeTriangle},
      {"MarkPerpendicularFoot",
       [](Program& p) {
         lesson::FigureState& f = p.figure;
         f.SegX1 = 100, f.SegY1 = 100, f.SegX2 = 300, f.SegY2 = 300.5f;
         p.geometry.CX = 300, p.geometry.CY = 100;
         return std::vector<float*>{&f.SegX1, &f.SegY1, &f.SegX2,
                                    &f.SegY2, &p.geometry.CX, &p.geometry.CY};
       },
       lesson::MarkPerpendicularFoot},
      {"PlotLabelledPoint",
       [](Program& p) {
         Plane(p);
         lesson::GeometryState& g = p.geometry;
         g.XG = 2, g.YG = 3, g.R = 4, g.KASANARIX = 0, g.KASANARIY = 0;
         p.figure.FillColour = 5, p.figure.MarkLabel = "P";
         return std::vector<float*>{&g.XG, &g.YG, &g.R, &g.BAIX, &p.figure.GridCell};
       },
       lesson::PlotLabelledPoint},
      {"PlotFunctionGraph",
       [](Program& p) {
         Plane(p);
         lesson::GeometryState& g = p.geometry;
         g.IROIRO = 2, g.AA = 1, g.BB = 0, g.CC = 0;
         p.figure.FillColour = 1, p.figure.MarkLabel = "A";
         return std::vector<float*>{&g.AA, &g.BB, &p.figure.GridCell, &p.figure.GridOriginX};
       },
       lesson::PlotFunctionGraph},
      {"DrawPolygon",
       [](Program& p) {
         p.work.GraphValues(1, 1) = 100, p.work.GraphValues(1, 2) = 300;
         p.work.GraphValues(2, 1) = 300, p.work.GraphValues(2, 2) = 300;
         p.work.GraphValues(3, 1) = 200, p.work.GraphValues(3, 2) = 100;
         p.geometry.KAKU = 3, p.geometry.SIZE1 = 2, p.figure.MarkRadius = 20;
         p.figure.MarkLabel = "A", p.figure.LineColour = 0;
         return std::vector<float*>{&p.work.GraphValues(1, 1), &p.work.GraphValues(1, 2),
                                    &p.figure.MarkRadius};
       },
       lesson::DrawPolygon},
      {"DrawAngleArcs",
       [](Program& p) {
         lesson::FigureState& f = p.figure;
         f.MarkX0 = 1380, f.MarkY0 = 560, f.MarkX1 = 1080, f.MarkY1 = 560, f.MarkX2 = 1080;
         f.MarkY2 = 360, f.MarkRadius = 60, f.MarkCount = 2, f.FillColour = 1, f.LineColour = 0;
         f.MarkLabel = "a";
         return std::vector<float*>{&f.MarkX0, &f.MarkY0, &f.MarkX1, &f.MarkY2, &f.MarkRadius};
       },
       lesson::DrawAngleArcs},
      {"DrawRightAngleMark",
       [](Program& p) {
         lesson::FigureState& f = p.figure;
         f.MarkX0 = 1080, f.MarkY0 = 560, f.MarkX1 = 1080, f.MarkY1 = 360, f.MarkX2 = 1380;
         f.MarkY2 = 560, f.MarkRadius = 24, f.LineColour = 0;
         return std::vector<float*>{&f.MarkX0, &f.MarkY1, &f.MarkX2, &f.MarkRadius};
       },
       lesson::DrawRightAngleMark},
      {"DrawDottedArc",
       [](Program& p) {
         lesson::FigureState& f = p.figure;
         f.MarkX0 = 1080, f.MarkY0 = 600, f.MarkX1 = 1380, f.MarkY1 = 600;
         f.ArcBulge = 2, f.ArcSide = 1, f.BoxWidth = 3, f.LineColour = 5, f.MarkLabel = "h";
         p.text.TextColour = 5;
         return std::vector<float*>{&f.MarkX0, &f.MarkY0, &f.MarkX1, &f.ArcBulge, &f.BoxWidth};
       },
       lesson::DrawDottedArc},
      {"DrawTicksAtMidpoint",
       [](Program& p) {
         lesson::FigureState& f = p.figure;
         f.SegX1 = 1080, f.SegY1 = 560, f.SegX2 = 1080, f.SegY2 = 360;
         f.TickSpacing = 0, f.MarkRadius = 8, f.MarkCount = 2, f.ArcFlip = 0, f.LineColour = 0;
         return std::vector<float*>{&f.SegX1, &f.SegY2, &f.MarkRadius};
       },
       lesson::DrawTicksAtMidpoint},
      {"DrawBoxedLabel",
       [](Program& p) {
         p.text.TextX = 100, p.text.TextY = 200, p.figure.BoxWidth = 120, p.figure.BoxHeight = 50;
         p.text.WorkText = "123", p.figure.LineColour = 0, p.figure.FillColour = 11;
         p.text.TextColour = 0;
         return std::vector<float*>{&p.text.TextX, &p.text.TextY, &p.figure.BoxWidth,
                                    &p.figure.BoxHeight};
       },
       lesson::DrawBoxedLabel},
      {"DrawLargeLeftBrace",
       [](Program& p) {
         p.text.TextX = 100, p.text.TextY = 50, p.figure.BoxWidth = 200, p.text.TextColour = 0;
         return std::vector<float*>{&p.text.TextX, &p.text.TextY, &p.figure.BoxWidth};
       },
       lesson::DrawLargeLeftBrace},
  };
}

}  // namespace

namespace {

// Notes when each trace line is written. A drawing operation writes its line before it
// draws, so the longest time between two lines bounds what any one drawing call took.
class LineTimes : public std::streambuf {
 public:
  using Clock = std::chrono::steady_clock;
  void Restart() {
    last_ = Clock::now();
    longest_ = {};
  }
  std::chrono::milliseconds Longest() {
    Mark();
    return std::chrono::duration_cast<std::chrono::milliseconds>(longest_);
  }
  int shapes() const { return shapes_; }

 protected:
  int overflow(int c) override {
    if (c == '\n') Mark();
    return c;
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    const std::string_view line(text, static_cast<size_t>(count));
    if (line.starts_with("op\tPs")) ++shapes_;
    for (const char c : line) overflow(c);
    return count;
  }

 private:
  void Mark() {
    const Clock::time_point now = Clock::now();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  Clock::time_point last_ = Clock::now();
  Clock::duration longest_{};
  int shapes_ = 0;
};

}  // namespace

TEST(FarCoordinatesInRoutines, EveryDrawingCallEndsAtOnceAndThePageStillDraws) {
  LineTimes times;
  std::ostream trace(&times);
  platform::HeadlessOptions options;
  options.trace_stream = &trace;
  lesson::HeadlessSession session(formula_testing::kStandardProgram, options);
  lesson::Program& p = session.program;
  p.rt.FE_SETDRAWWIDTH(3);
  for (const RoutineCall& routine : RoutineCalls()) {
    const size_t inputs = routine.inputs(p).size();
    for (size_t k = 0; k < inputs; ++k) {
      for (const float extreme : kExtremes) {
        *routine.inputs(p)[k] = extreme;
        times.Restart();
        Timed([&] { routine.call(p); });
        EXPECT_LT(times.Longest(), kBudget) << routine.name << " input " << k << " "
                                            << Shown(extreme);
        p.rt.FE_SETDRAWWIDTH(3);
      }
    }
  }
  // The calls are in the trace as made, and the page still draws.
  EXPECT_GT(times.shapes(), 1000);
  p.rt.PsCLS(0);
  p.rt.PsLINE(10, 880, 200, 880, false, 0, 0, 0);
  EXPECT_EQ(Pixel(session.runtime.canvas(), 100, 880), PaletteColour(0));
}
