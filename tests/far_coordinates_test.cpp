// Coordinates far off the page, infinite or not a number, handed to the page, the runtime's
// drawing operations and the figure routines: every call does no more drawing work than a
// shape on the page does, draws at most what can be seen of it, and leaves the page drawing as
// before. The sanitizer build runs these too.
//
// The work is counted, not timed: the segments the page's paths are drawn with
// (Canvas::segments_drawn) are the same on every machine, however busy. Cairo flattens an arc
// into segments by its radius: a circle of radius 1e30 handed to it whole counts over a billion
// of them and takes half a minute, one of radius 16 777 216 a hundred thousand. How long the
// calls take is measured in bench/far_coordinates_bench.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "tests/far_coordinates_cases.h"
#include "tests/formula_fixture.h"
#include "tests/page_pixels.h"

using far_cases::kExtremes;
using far_cases::Shown;
using platform::Canvas;
using testing_support::PaletteColour;
using testing_support::Pixel;

namespace {

// The most segments one drawing call may be drawn with, wherever its shape lies. A filled
// circle of radius 10 000 on the page takes about 1 400 (2 000 at twice the scale), one of
// radius 300 about 270; a far circle, flattened densely only where the page sees it and cut to
// the page, under 1 000. The cases here take at most about 500.
constexpr uint64_t kMostSegmentsACall = 4096;

}  // namespace

TEST(FarCoordinates, EveryPageCallDrawsLittleAndThePageStillDraws) {
  for (const far_cases::PageCall& call : far_cases::PageCalls()) {
    for (int k = 0; k < call.arguments; ++k) {
      for (const float extreme : kExtremes) {
        Canvas canvas(1.0);
        std::vector<double> arguments = call.ordinary;
        arguments[static_cast<size_t>(k)] = extreme;
        far_cases::RunToItsEnd([&] { call.call(canvas, arguments); });
        EXPECT_LE(canvas.segments_drawn(), kMostSegmentsACall)
            << call.name << " argument " << k << " " << Shown(extreme);
        // The page is not left in a state that draws nothing more.
        canvas.Clear();
        canvas.Line(10, 880, 200, 880, 4, 0);
        EXPECT_EQ(Pixel(canvas, 100, 880), PaletteColour(0))
            << call.name << " argument " << k << " " << Shown(extreme);
      }
    }
  }
}

// The count is the page's own work: an ordinary circle takes some, a far one no more.
TEST(FarCoordinates, TheSegmentsCountedAreThoseAShapeIsDrawnWith) {
  Canvas canvas(1.0);
  canvas.Line(100, 100, 300, 100, 2, 0);
  EXPECT_EQ(canvas.segments_drawn(), 1u);
  canvas.Polyline({{100, 100}, {200, 200}, {300, 100}}, 2, 0);
  EXPECT_EQ(canvas.segments_drawn(), 3u);
  // A box filled in another colour than its border: filled, then stroked (four sides and the
  // closing of the path each time).
  canvas.Box(100, 100, 300, 300, 2, 0, true, 11);
  EXPECT_EQ(canvas.segments_drawn(), 3u + 2 * 4);
  // A circle's arcs are curves: each counts as the many segments it is flattened into, more
  // the larger it is.
  uint64_t before = canvas.segments_drawn();
  canvas.Circle(720, 450, 10, 0, 0, 2, 0, false, 0);
  const uint64_t small = canvas.segments_drawn() - before;
  before = canvas.segments_drawn();
  canvas.Circle(720, 450, 400, 0, 0, 2, 0, false, 0);
  const uint64_t large = canvas.segments_drawn() - before;
  EXPECT_GT(small, 8u);
  EXPECT_GT(large, 4 * small);
  EXPECT_LT(large, kMostSegmentsACall / 2);
  // A circle far beyond cairo's arcs, round the page: no more than the large one on it.
  before = canvas.segments_drawn();
  canvas.Circle(720, 450 + 1e6, 1e6, 0, 0, 2, 0, false, 0);
  EXPECT_LT(canvas.segments_drawn() - before, kMostSegmentsACall / 2);
  // A curve that is a straight line takes one segment; one bent far off the page or not a
  // number saturates, so that a sum of a few cannot wrap round to a small count.
  using platform::CurveSegments;
  using platform::kSegmentCountCeiling;
  EXPECT_EQ(CurveSegments({0, 0}, {1, 1}, {2, 2}, {3, 3}, 0.1), 1u);
  const uint64_t far = CurveSegments({0, 0}, {1e30, 0}, {0, 1e30}, {1, 1}, 0.1);
  EXPECT_GT(far, uint64_t{1} << 50);
  EXPECT_LT(far, kSegmentCountCeiling);
  EXPECT_EQ(CurveSegments({0, 0}, {1e300, 0}, {0, 1e300}, {1, 1}, 0.1), kSegmentCountCeiling);
  EXPECT_EQ(CurveSegments({0, 0}, {std::nan(""), 0}, {0, 0}, {1, 1}, 0.1), kSegmentCountCeiling);
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

// Notes the drawing work done between one trace line and the next. A drawing operation writes
// its line before it draws, so the most between two lines bounds what any one drawing call
// did.
class SegmentsPerLine : public std::streambuf {
 public:
  void Watch(const Canvas* canvas) { canvas_ = canvas; }
  void Restart() {
    Mark();
    most_ = 0;
  }
  uint64_t Most() {
    Mark();
    return most_;
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
    const uint64_t segments = canvas_ != nullptr ? canvas_->segments_drawn() : 0;
    most_ = std::max(most_, segments - last_);
    last_ = segments;
  }
  const Canvas* canvas_ = nullptr;
  uint64_t last_ = 0, most_ = 0;
  int shapes_ = 0;
};

}  // namespace

TEST(FarCoordinatesInRoutines, EveryDrawingCallDrawsLittleAndThePageStillDraws) {
  SegmentsPerLine segments;
  std::ostream trace(&segments);
  platform::HeadlessOptions options;
  options.trace_stream = &trace;
  lesson::HeadlessSession session(formula_testing::kStandardProgram, options);
  lesson::Program& p = session.program;
  segments.Watch(&session.runtime.canvas());
  p.rt.FE_SETDRAWWIDTH(3);
  for (const far_cases::RoutineCall& routine : far_cases::RoutineCalls()) {
    const size_t inputs = routine.inputs(p).size();
    for (size_t k = 0; k < inputs; ++k) {
      for (const float extreme : kExtremes) {
        *routine.inputs(p)[k] = extreme;
        segments.Restart();
        far_cases::RunToItsEnd([&] { routine.call(p); });
        EXPECT_LE(segments.Most(), kMostSegmentsACall)
            << routine.name << " input " << k << " " << Shown(extreme);
        p.rt.FE_SETDRAWWIDTH(3);
      }
    }
  }
  // The calls are in the trace as made, and the page still draws.
  EXPECT_GT(segments.shapes(), 1000);
  p.rt.PsCLS(0);
  p.rt.PsLINE(10, 880, 200, 880, false, 0, 0, 0);
  EXPECT_EQ(Pixel(session.runtime.canvas(), 100, 880), PaletteColour(0));
}
