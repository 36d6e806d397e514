#include "tests/far_coordinates_cases.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "platform/errors.h"

namespace far_cases {

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

}  // namespace

const std::array<float, 8> kExtremes{0.0f,      -0.0f,      1e30f, -1e30f, kInfinity,
                                     -kInfinity, std::nanf(""), 16777217.0f};

std::string Shown(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
  return text;
}

void RunToItsEnd(const std::function<void()>& call) {
  try {
    call();
  } catch (const platform::RuntimeError&) {
  }
}

const std::vector<PageCall>& PageCalls() {
  using platform::Canvas;
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

namespace {

void Plane(lesson::Program& p) {
  lesson::GeometryState& g = p.geometry;
  g.AA1 = -10, g.AA2 = 10, g.BB1 = -5, g.BB2 = 5, g.BAIX = 1, g.BAIY = 1;
  p.figure.GridCell = 20;
  p.figure.GridOriginX = 100, p.figure.GridOriginY = 100;
  p.figure.LineColour = 3;
}

// The runtime operations' arguments, where the table's input pointers reach them.
struct Scratch {
  float a = 0, b = 0, c = 0, d = 0, e = 0;
};
Scratch scratch;

}  // namespace

const std::vector<RoutineCall>& RoutineCalls() {
  using lesson::Program;
  static const std::vector<RoutineCall> calls{
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
  return calls;
}

}  // namespace far_cases
