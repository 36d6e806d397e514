#include "platform/runtime.h"

#include <cmath>

#include "platform/errors.h"
#include "platform/text_ops.h"

namespace platform {

namespace {

constexpr uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ull;

// SplitMix64's finaliser: a bijection of 64-bit values that spreads nearby inputs apart.
uint64_t Mix64(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

// The seed goes through the finaliser before it becomes the state: the sequence walks the
// state on by a fixed step, so states taken straight from neighbouring seeds would make one
// seed's sequence another's a draw or a few later (a lesson started a few seconds after
// another would repeat its problems).
void RandomGenerator::Seed(int32_t seed) {
  state_ = Mix64(static_cast<uint64_t>(static_cast<uint32_t>(seed)) + kGoldenGamma);
}

float RandomGenerator::Next() {
  state_ += kGoldenGamma;
  return static_cast<float>(Mix64(state_) >> 40) / 16777216.0f;
}

Runtime::Runtime(std::unique_ptr<Canvas> canvas, Trace* trace)
    : canvas_(std::move(canvas)), trace_(trace) {
  random_.Seed(0);
}

Runtime::~Runtime() = default;

Trace* Runtime::Op(std::string_view name) {
  if (trace_ == nullptr) return nullptr;
  trace_->Begin("op").Add(name);
  return trace_;
}

int Runtime::Colour(float colour) {
  const int value = RoundToInt(colour);
  if (value < 0 || value > 15) RaiseRuntimeError(kIllegalFunctionCall);
  return value;
}

void Runtime::PsLINE(float x1, float y1, float x2, float y2, bool relative, float colour,
                     float mode, float fill) {
  const int c = Colour(colour);
  const int m = RoundToInt(mode);
  const int f = m == 2 ? Colour(fill) : c;
  if (m < 0 || m > 2) RaiseRuntimeError(kIllegalFunctionCall);
  if (relative) {
    x2 += x1;
    y2 += y1;
  }
  if (Trace* t = Op("PsLINE")) {
    t->Add(x1).Add(y1).Add(x2).Add(y2).Add(c).Add(m).Add(f).Add(draw_width_).End();
  }
  if (m == 0) {
    canvas_->Line(x1, y1, x2, y2, draw_width_, c);
  } else {
    canvas_->Box(x1, y1, x2, y2, draw_width_, c, m == 2, f);
  }
}

void Runtime::PsCIRCLE(float x, float y, float radius, float colour, float aspect, float start,
                       float end, bool filled, float fill) {
  const int c = Colour(colour);
  const int f = filled ? Colour(fill) : c;
  if (Trace* t = Op("PsCIRCLE")) {
    t->Add(x).Add(y).Add(radius).Add(c).Add(aspect).Add(start).Add(end).Add(filled ? 1 : 0)
        .Add(f).Add(draw_width_).End();
  }
  canvas_->Circle(x, y, std::fabs(radius), start, end, draw_width_, c, filled, f);
}

void Runtime::PsCONNECT(float colour, const std::vector<Point>& points) {
  const int c = Colour(colour);
  if (Trace* t = Op("PsCONNECT")) {
    t->Add(c).Add(static_cast<double>(points.size()));
    for (const Point& p : points) t->Add(p.x).Add(p.y);
    t->Add(draw_width_).End();
  }
  canvas_->Polyline(points, draw_width_, c);
}

void Runtime::PsSYMBOL40(std::string_view text, float x, float y, float mag_x, float mag_y,
                         float colour) {
  const int c = Colour(colour);
  const int px = RoundToInt(x), py = RoundToInt(y);
  const int mx = RoundToInt(mag_x), my = RoundToInt(mag_y);
  if (Trace* t = Op("PsSYMBOL40")) {
    t->Add(text).Add(px).Add(py).Add(mx).Add(my).Add(c).Add(draw_width_).Add(font_.face)
        .Add(font_.size).Add(font_.bold ? 1 : 0).Add(font_.italic ? 1 : 0).End();
  }
  canvas_->Text(text, px, py, mx, my, c, font_);
}

void Runtime::PsCLS(float mode) {
  if (Trace* t = Op("PsCLS")) t->Add(RoundToInt(mode)).End();
  canvas_->Clear();
}

std::string Runtime::PfINKEY24() {
  std::optional<std::string> key = NextKey();
  if (!key || key->empty()) return "";
  if (trace_ != nullptr) {
    trace_->Begin("key").Add(static_cast<double>(FirstCodePoint(*key))).End();
  }
  return *key;
}

std::string Runtime::PfTIME24() { return ClockText(); }

void Runtime::PaRandomize(int32_t seed) {
  if (Trace* t = Op("PaRandomize")) t->Add(seed).End();
  random_.Seed(seed);
}

float Runtime::PaRnd() {
  if (std::optional<float> scripted = ScriptedRandom()) return *scripted;
  return random_.Next();
}

void Runtime::PsEND() {
  if (Trace* t = Op("PsEND")) t->End();
  throw ProgramExit{ExitReason::kProgramEnded};
}

void Runtime::FE_SETMAPMODE(float mode) {
  if (Trace* t = Op("FE_SETMAPMODE")) t->Add(RoundToInt(mode)).End();
}

void Runtime::FE_MAXIMIZEWINDOW() {
  if (Trace* t = Op("FE_MAXIMIZEWINDOW")) t->End();
  OnMaximize();
}

void Runtime::FE_SETFONTNAME(std::string_view face) {
  if (Trace* t = Op("FE_SETFONTNAME")) t->Add(face).End();
  font_.face = face;
}

void Runtime::FE_SETFONTSIZE(float size) {
  const int value = RoundToInt(size);
  if (Trace* t = Op("FE_SETFONTSIZE")) t->Add(value).End();
  font_.size = value;
}

void Runtime::FE_SETFONTBOLD(float on) {
  const int value = RoundToInt(on);
  if (Trace* t = Op("FE_SETFONTBOLD")) t->Add(value).End();
  font_.bold = value != 0;
}

void Runtime::FE_SETFONTITALIC(float on) {
  const int value = RoundToInt(on);
  if (Trace* t = Op("FE_SETFONTITALIC")) t->Add(value).End();
  font_.italic = value != 0;
}

void Runtime::FE_SETDRAWWIDTH(float width) {
  const int value = RoundToInt(width);
  if (Trace* t = Op("FE_SETDRAWWIDTH")) t->Add(value).End();
  draw_width_ = value;
}

void Runtime::NoteText(std::string_view routine, float x, float y, float colour,
                       std::string_view text) {
  if (trace_ == nullptr) return;
  trace_->Begin("text").Add(routine).Add(x).Add(y).Add(colour).Add(text).End();
}

void Runtime::NoteWait(std::string_view routine) {
  if (trace_ != nullptr) trace_->Begin("wait").Add(routine).End();
  OnWait(routine);
}

void Runtime::BeginMeasure() {
  if (measure_depth_++ == 0 && trace_ != nullptr) trace_->Begin("measure").Add("begin").End();
}

void Runtime::EndMeasure() {
  if (--measure_depth_ == 0 && trace_ != nullptr) trace_->Begin("measure").Add("end").End();
}

void Runtime::NoteRuntimeError(int line, int number) {
  failed_ = true;
  failed_line_ = line;
  failed_number_ = number;
}

std::string Runtime::EndLine(std::string_view reason) const {
  if (failed_) {
    return "runtime-error\t" + std::to_string(failed_line_) + "\t" +
           std::to_string(failed_number_);
  }
  return std::string(reason);
}

void Runtime::NoteEnd(std::string_view reason) {
  if (trace_ != nullptr) trace_->Begin("end").Add(EndLine(reason)).End();
}

}  // namespace platform
