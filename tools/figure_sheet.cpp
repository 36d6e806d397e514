// figure_sheet: runs the library's figure and graph routines through a fixed set of cases on
// the headless page, as a program would call them, and records what they leave.
//
//   figure_sheet [--case NAME] [--trace FILE] [--png FILE] [--png-dir DIR]
//
// The sheet is a program of its own with the standard glyph rules: after the start-up, in
// its error trap, it runs every case but polygon-11 (or the one named), each on a cleared
// page, then the end statement. The trace gets "case <name>" as each case starts and, after
// each call, one line "value <name> <fields>" per value the case reports (GraphValues rows as
// "value G <row> <column 1> <column 2>", divisor pairs as "value Pair <k> <d> <n/d>");
// --png-dir writes <case>.png after each case, --png the page when the run ends.
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "lessonlib/screen.h"
#include "tools/path_checks.h"
#include "tools/run_outputs.h"

namespace {

using lesson::Program;

constexpr const char* kTool = "figure_sheet";

// ---- Values in the trace ----------------------------------------------------------------------

platform::Trace* Line(Program& p, std::string_view kind, std::string_view name) {
  platform::Trace* trace = p.rt.trace();
  if (trace != nullptr) trace->Begin(kind).Add(name);
  return trace;
}

void Value(Program& p, std::string_view name, float value) {
  if (platform::Trace* t = Line(p, "value", name)) t->Add(value).End();
}

void Value(Program& p, std::string_view name, const std::string& text) {
  if (platform::Trace* t = Line(p, "value", name)) t->Add(text).End();
}

void GraphRows(Program& p) {
  for (int row = 1; row <= 10; ++row) {
    if (platform::Trace* t = Line(p, "value", "G")) {
      t->Add(row).Add(p.work.GraphValues(row, 1)).Add(p.work.GraphValues(row, 2)).End();
    }
  }
}

void DivisorPairs(Program& p) {
  for (int k = 1; k <= platform::RoundToInt(p.layout.RandomPick); ++k) {
    if (platform::Trace* t = Line(p, "value", "Pair")) {
      t->Add(k).Add(p.work.PointX(k)).Add(p.work.PointY(k)).End();
    }
  }
}

// ---- The cases ------------------------------------------------------------------------------

void Polygon(Program& p, std::initializer_list<platform::Point> vertices, const char* label) {
  int k = 0;
  for (const platform::Point& vertex : vertices) {
    ++k;
    p.work.GraphValues(k, 1) = vertex.x;
    p.work.GraphValues(k, 2) = vertex.y;
  }
  p.geometry.KAKU = static_cast<float>(k);
  p.figure.MarkRadius = 20;
  p.figure.MarkLabel = label;
  lesson::DrawPolygon(p);
}

void Polygons(Program& p) {
  p.geometry.SIZE1 = 2;
  p.figure.LineColour = 0;
  p.text.TextColour = 0;
  Polygon(p, {{100, 300}, {300, 300}, {200, 100}}, "A");
  p.work.PartTexts(1) = "P";
  p.work.PartTexts(2) = "Q";
  p.work.PartTexts(3) = "R";
  Polygon(p, {{500, 300}, {600, 100}, {700, 300}}, "1");
  Polygon(p, {{900, 100}, {1100, 100}, {1100, 300}, {900, 300}}, "XZ");
}

void PolygonOfEleven(Program& p) {
  p.geometry.SIZE1 = 2;
  p.figure.LineColour = 0;
  p.geometry.KAKU = 11;
  lesson::DrawPolygon(p);
}

struct Segment {
  float x1, y1, x2, y2;
};

void SetSegment(Program& p, const Segment& s) {
  p.figure.SegX1 = s.x1, p.figure.SegY1 = s.y1, p.figure.SegX2 = s.x2, p.figure.SegY2 = s.y2;
}

void Lines(Program& p) {
  lesson::GeometryState& g = p.geometry;
  const struct {
    Segment line;
    float cx, cy;
  } feet[] = {{{100, 100, 300, 300}, 300, 100}, {{50, 0, 50, 400}, 200, 120},
              {{0, 80, 400, 80}, 200, 300}};
  for (const auto& foot : feet) {
    SetSegment(p, foot.line);
    g.CX = foot.cx, g.CY = foot.cy;
    lesson::MarkPerpendicularFoot(p);
    Value(p, "EX", g.EX);
    Value(p, "EY", g.EY);
  }
  const struct {
    Segment first, second;
  } crossings[] = {{{0, 0, 100, 100}, {0, 100, 100, 0}},
                   {{40, 0, 40, 300}, {0, 90, 200, 90}},
                   {{0, 0, 100, 100}, {0, 50, 100, 150}},
                   {{0, 0, 1, 1000}, {0, 500, 10, 500}}};
  for (const auto& crossing : crossings) {
    SetSegment(p, crossing.first);
    g.CX = crossing.second.x1, g.CY = crossing.second.y1;
    g.DX = crossing.second.x2, g.DY = crossing.second.y2;
    lesson::IntersectLines(p);
    Value(p, "AX2", g.AX2);
    Value(p, "AY2", g.AY2);
    Value(p, "LinesParallel", g.LinesParallel);
  }
  const struct {
    Segment line;
    float cx, cy;
  } points[] = {{{0, 0, 100, 50}, -1, 20}, {{0, 0, 100, 50}, 60, -1},
                {{50, 0, 50, 400}, -1, 120}, {{0, 80, 400, 80}, 200, -1}};
  for (const auto& point : points) {
    SetSegment(p, point.line);
    g.CX = point.cx, g.CY = point.cy;
    lesson::CompleteLinePoint(p);
    Value(p, "X1", g.X1);
    Value(p, "Y1", g.Y1);
  }
}

void Arcs(Program& p) {
  const struct {
    Segment segment;
    float degrees;
  } arcs[] = {{{100, 300, 300, 300}, 90}, {{100, 300, 300, 300}, 0},
              {{100, 300, 300, 300}, 180}, {{100, 300, 300, 300}, 270},
              {{0, 0, 0, 100}, 90}, {{200, 200, 200, 200}, 90}};
  for (const auto& arc : arcs) {
    p.figure.MarkX0 = arc.segment.x1, p.figure.MarkY0 = arc.segment.y1;
    p.figure.MarkX1 = arc.segment.x2, p.figure.MarkY1 = arc.segment.y2;
    p.figure.ArcBulge = 50;
    p.geometry.KAKUDO = arc.degrees;
    lesson::ComputeArcPoint(p);
    Value(p, "ZX", p.geometry.ZX);
    Value(p, "ZY", p.geometry.ZY);
  }
}

void SquareRoots(Program& p, std::initializer_list<float> numbers) {
  const lesson::GeometryState& g = p.geometry;
  for (const float n : numbers) {
    p.geometry.R1B = n;
    lesson::SimplifySquareRoot(p);
    Value(p, "R1A", g.R1A);
    Value(p, "R1B", g.R1B);
    Value(p, "CoefficientText", g.CoefficientText);
    Value(p, "RAB", g.RAB);
    Value(p, "RABM", g.RABM);
    Value(p, "RemainingRootText", g.RemainingRootText);
  }
}

void Primes(Program& p, std::initializer_list<float> numbers) {
  for (const float n : numbers) {
    p.geometry.SOSU = n;
    lesson::FactorIntoPrimes(p);
    Value(p, "Q", p.geometry.Q);
    Value(p, "SOSU", p.geometry.SOSU);
    GraphRows(p);
  }
}

void Divisors(Program& p, std::initializer_list<float> numbers) {
  for (const float n : numbers) {
    p.geometry.DY = n;
    lesson::ListDivisorPairs(p);
    Value(p, "RandomPick", p.layout.RandomPick);
    Value(p, "KOSUU", p.geometry.KOSUU);
    Value(p, "TableIndex", p.values.TableIndex);
    Value(p, "DY", p.geometry.DY);
    DivisorPairs(p);
  }
}

// The plane of the axes cases: x -10..10, y -5..5, scales 1, cells of 20 from (100, 100).
void SetPlane(Program& p, float line_colour) {
  lesson::GeometryState& g = p.geometry;
  g.AA1 = -10, g.AA2 = 10, g.BB1 = -5, g.BB2 = 5, g.BAIX = 1, g.BAIY = 1;
  p.figure.GridCell = 20;
  p.figure.GridOriginX = 100, p.figure.GridOriginY = 100;
  p.figure.LineColour = line_colour;
}

void DrawAxes(Program& p) {
  lesson::DrawCoordinateAxes(p);
  const lesson::FigureState& f = p.figure;
  Value(p, "AxisX", f.AxisX);
  Value(p, "AxisY", f.AxisY);
  Value(p, "GridLeft", f.GridLeft);
  Value(p, "GridTop", f.GridTop);
  Value(p, "GridRight", f.GridRight);
  Value(p, "GridBottom", f.GridBottom);
  Value(p, "SIZE1", p.geometry.SIZE1);
  Value(p, "NASI", p.geometry.NASI);
  Value(p, "BAIX", p.geometry.BAIX);
}

void Axes(Program& p) {
  SetPlane(p, 3);
  DrawAxes(p);
}

void BareAxes(Program& p) {
  SetPlane(p, 0);
  DrawAxes(p);
  SetPlane(p, 3);
  p.geometry.NASI = -1;
  DrawAxes(p);
}

void ScaledAxes(Program& p) {
  SetPlane(p, 0);
  p.geometry.BAIX = 0.5f, p.geometry.BAIY = 0.25f;
  DrawAxes(p);
  lesson::DrawScaledAxisLabels(p);
}

void HugeAxes(Program& p) {
  SetPlane(p, 3);
  p.geometry.AA1 = -1e8f, p.geometry.AA2 = 1e8f;
  p.figure.GridCell = 0.00001f;
  DrawAxes(p);
}

void Graph(Program& p, float type, float a, float b, float c, float colour, const char* label) {
  lesson::GeometryState& g = p.geometry;
  g.IROIRO = type, g.AA = a, g.BB = b, g.CC = c;
  p.figure.FillColour = colour;
  p.figure.MarkLabel = label;
  lesson::PlotFunctionGraph(p);
  Value(p, "IROIRO", g.IROIRO);
  Value(p, "AA", g.AA);
  Value(p, "BB", g.BB);
  Value(p, "CC", g.CC);
}

void Point(Program& p, float dx, float dy, const char* label) {
  lesson::GeometryState& g = p.geometry;
  g.XG = 2, g.YG = 3, g.R = 4;
  g.KASANARIX = dx, g.KASANARIY = dy;
  p.figure.FillColour = 5;
  p.figure.MarkLabel = label;
  lesson::PlotLabelledPoint(p);
  Value(p, "GX", g.GX);
  Value(p, "GY", g.GY);
}

void Graphs(Program& p) {
  lesson::GeometryState& g = p.geometry;
  SetPlane(p, 3);
  DrawAxes(p);
  Point(p, 0, 0, "P");
  Point(p, 10, -5, "Q");
  g.AA1 = -10, g.AA2 = 10, g.BB1 = -5, g.BB2 = 5;
  Graph(p, 3, 1, 0, 0, 1, "A");
  g.AA1 = 0, g.AA2 = 10;
  Graph(p, 1, 4, 0, 0, 2, "B");
  Graph(p, 4, 2, 0, 6, 4, "C");
  Graph(p, 4, 1, 2, 4, 6, "D");
  Graph(p, 4, 0, 0, 4, 8, "E");
}

// An arrow; without `ya` the arrow keeps the YA that the arrows before it left.
void Arrow(Program& p, Segment ends, float muki, std::optional<float> ya) {
  lesson::GeometryState& g = p.geometry;
  lesson::FigureState& f = p.figure;
  f.MarkX0 = ends.x1, f.MarkY0 = ends.y1, g.ZX = ends.x2, g.ZY = ends.y2;
  g.MUKI = muki;
  if (ya) g.YA = *ya;
  lesson::DrawArrow(p);
  Value(p, "MarkX0", f.MarkX0);
  Value(p, "MarkY0", f.MarkY0);
  Value(p, "ZX", g.ZX);
  Value(p, "ZY", g.ZY);
  Value(p, "D", g.D);
  Value(p, "MUKI", g.MUKI);
  Value(p, "YA", g.YA);
}

void Arrows(Program& p) {
  p.figure.MarkRadius = 16;
  p.figure.LineColour = 0;
  Arrow(p, {100, 100, 200, 100}, 1, 0);
  Arrow(p, {100, 100, 200, 100}, -1, 0);
  Arrow(p, {100, 200, 200, 200}, 0, 2);
  Arrow(p, {300, 300, 300, 300}, 0, 0);
  // A request for two heads is used up by an arrow of no length: the next arrow has one head.
  Arrow(p, {400, 300, 400, 300}, 0, 2);
  Arrow(p, {400, 400, 500, 400}, 1, std::nullopt);
}

void Slope(Program& p, Segment points, const char* labels, float cell = 50) {
  lesson::GeometryState& g = p.geometry;
  g.GX3 = points.x1, g.GY3 = points.y1, g.GX4 = points.x2, g.GY4 = points.y2;
  g.HYOUJI = labels;
  p.figure.GridCell = cell;
  lesson::DrawSlopeTriangle(p);
  Value(p, "SlopeRunText", g.SlopeRunText);
  Value(p, "SlopeRiseText", g.SlopeRiseText);
}

void Slopes(Program& p) {
  Slope(p, {300, 400, 100, 200}, "yy");
  Slope(p, {500, 200, 700, 175}, "yy");
  Slope(p, {900, 200, 1100, 225}, "yy");
  Slope(p, {100, 600, 125, 500}, "y");
  Slope(p, {500, 600, 700, 550}, "Yy");
  Slope(p, {900, 600, 1100, 600}, "yy");
  Slope(p, {900, 800, 1100, 700}, "yy", 0);
}

void BoxValues(Program& p) {
  Value(p, "TextX", p.text.TextX);
  Value(p, "TextY", p.text.TextY);
  Value(p, "X1", p.geometry.X1);
  Value(p, "Y1", p.geometry.Y1);
  Value(p, "MeasuredWidth", p.values.MeasuredWidth);
}

void Boxes(Program& p) {
  p.figure.LineColour = 0;
  p.figure.FillColour = 11;
  p.text.TextColour = 0;
  const struct {
    float y, width, height;
  } boxes[] = {{200, 120, 50}, {300, 121, 50}, {400, 120, 21}};
  for (const auto& box : boxes) {
    p.text.TextX = 100, p.text.TextY = box.y;
    p.figure.BoxWidth = box.width, p.figure.BoxHeight = box.height;
    p.text.WorkText = "123";
    lesson::DrawBoxedLabel(p);
    BoxValues(p);
  }
  p.figure.BoxWidth = 200, p.figure.BoxHeight = 100;
  for (const auto& [y, lower] : {std::pair{200.0f, "345"}, std::pair{350.0f, ""}}) {
    p.text.TextX = 400, p.text.TextY = y;
    p.fraction.TextA = "12";
    p.fraction.TextB = lower;
    lesson::DrawBoxedLabelTwoLines(p);
    BoxValues(p);
  }
}

void Brace(Program& p) {
  p.text.TextX = 100, p.text.TextY = 50;
  p.figure.BoxWidth = 200;
  p.text.TextColour = 0;
  lesson::DrawLargeLeftBrace(p);
  Value(p, "Gcd", p.fraction.Gcd);
  Value(p, "Lcm", p.fraction.Lcm);
  Value(p, "X1", p.geometry.X1);
  Value(p, "Y1", p.geometry.Y1);
}

struct Case {
  const char* name;
  void (*run)(Program&);
  bool in_every_run;  // polygon-11 ends the run in the runtime-error screen: only by name
};

const Case kCases[] = {
    {"polygon", Polygons, true},
    {"polygon-11", PolygonOfEleven, false},
    {"lines", Lines, true},
    {"arc", Arcs, true},
    {"roots", [](Program& p) { SquareRoots(p, {12, 72, 7, 16, 1, 44521, 158404, -12}); }, true},
    {"roots-0", [](Program& p) { SquareRoots(p, {0, 0.3f}); }, true},
    {"primes", [](Program& p) { Primes(p, {360, 58, 92, 1, 1024, -12, 841}); }, true},
    {"primes-0", [](Program& p) { Primes(p, {0, 0.3f}); }, true},
    {"divisors", [](Program& p) { Divisors(p, {12, 7, 0, 0.5f, -12}); }, true},
    {"divisors-many", [](Program& p) { Divisors(p, {2520, 16777218}); }, true},
    {"axes", Axes, true},
    {"axes-bare", BareAxes, true},
    {"axes-scaled", ScaledAxes, true},
    {"axes-huge", HugeAxes, true},
    {"graphs", Graphs, true},
    {"arrows", Arrows, true},
    {"slope", Slopes, true},
    {"boxes", Boxes, true},
    {"brace", Brace, true},
};

// What the sheet's run is asked for. The sheet's one place reads it: a place takes nothing
// but the program.
struct SheetRequest {
  std::string only_case;
  std::string png_dir;
  std::string unwritten_png;  // the first case's PNG that could not be written
};
SheetRequest* request = nullptr;

lesson::Jump RunSheet(Program& p) {
  for (const Case& c : kCases) {
    if (request->only_case.empty() ? !c.in_every_run : request->only_case != c.name) continue;
    p.rt.PsCLS(0);
    if (platform::Trace* t = Line(p, "case", c.name)) t->End();
    c.run(p);
    if (!request->png_dir.empty()) {
      const std::string path = request->png_dir + "/" + c.name + ".png";
      if (!p.rt.canvas().WritePng(path) && request->unwritten_png.empty()) {
        request->unwritten_png = path;
      }
    }
  }
  p.rt.PsEND();
}

const lesson::ProgramDefinition kSheet{"Figure sheet", RunSheet, lesson::ApplyStandardGlyphRules};

int Usage() {
  std::fputs("usage: figure_sheet [--case NAME] [--trace FILE] [--png FILE] [--png-dir DIR]\n",
             stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  SheetRequest sheet;
  std::string trace_path, png_path;
  for (int k = 1; k < argc; ++k) {
    const std::string flag = argv[k];
    if (k + 1 >= argc) return Usage();
    const std::string value = argv[++k];
    if (flag == "--case") {
      sheet.only_case = value;
    } else if (flag == "--trace" || flag == "--png") {
      if (std::string why = tools::WhyNotWritable(value); !why.empty()) {
        return tools::Refuse(kTool, "write", value, why);
      }
      (flag == "--trace" ? trace_path : png_path) = value;
    } else if (flag == "--png-dir") {
      if (std::string why = tools::WhyNotFolder(value); !why.empty()) {
        return tools::Refuse(kTool, "write PNGs in", value, why);
      }
      sheet.png_dir = value;
    } else {
      return Usage();
    }
  }
  bool known = sheet.only_case.empty();
  for (const Case& c : kCases) known = known || sheet.only_case == c.name;
  if (!known) {
    std::fprintf(stderr, "%s: no case %s\n", kTool, sheet.only_case.c_str());
    return 2;
  }
  request = &sheet;

  platform::HeadlessOptions options;
  tools::RunOutputs outputs(kTool);
  if (!outputs.OpenTrace(trace_path, options)) return 2;
  lesson::HeadlessSession session(kSheet, options);
  session.Start();
  const int code = outputs.Finish(session, png_path);
  if (code == 0 && !sheet.unwritten_png.empty()) {
    return tools::CannotWrite(kTool, sheet.unwritten_png);
  }
  return code;
}
