// How long the formula renderer takes: DrawText over a set of lesson-like formulas on the
// headless page, with the glyphs rasterised and without (drawn at y 1800, below the page,
// where the page skips glyphs), and MeasureTextWidth. A full lesson screen is about 20 such
// lines and must draw well within one frame (16.7 ms).
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "bench/bench_session.h"
#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"

namespace {

using bench::kBenchProgram;
using bench::Untraced;

// One lesson screen's formula lines: worked steps with brackets, fractions, exponents, roots
// and a line of Japanese text.
constexpr std::array<const char*, 20> kScreen{
    "(2x+3y)+(4x-5y)",
    "=2x+3y+4x-5y",
    "=6x-2y",
    "3x^2+2x-5-x^2+4x",
    "ﾀ1/2ﾀx+ﾀ1/3ﾀx",
    "=ﾀ3/6ﾀx+ﾀ2/6ﾀx",
    "=ﾀ5/6ﾀx",
    "-3(2x-4y)",
    "=-6x+12y",
    "(6x-8)/ﾀ2/3ﾀ",
    "=(6x-8)*ﾀ3/2ﾀ",
    "=9x-12",
    "=-ﾀ3x^2/2ﾀ/ﾀ3x/4ﾀ",
    "=-ﾀ3x^2/2ﾀ*ﾀ4/3xﾀ",
    "=-2x",
    "2(3a-b)-3(a+2b)",
    "=6a-2b-3a-6b",
    "x=@!2ﾝ",
    "#ﾀ1/2ﾀﾝ=ﾀ!2ﾝ/2ﾀ",
    "教科書P13 問1　をしなさい。",
};

// Draws the screen's lines in two columns of ten; `below` moves them all under the page.
void DrawScreen(lesson::Program& p, float below) {
  for (size_t k = 0; k < kScreen.size(); ++k) {
    p.text.TextToDraw = kScreen[k];
    p.text.TextX = k < 10 ? 40.0f : 740.0f;
    p.text.TextY = 40.0f + 60.0f * static_cast<float>(k % 10) + below;
    p.text.TextColour = 0;
    lesson::DrawText(p);
  }
}

void BM_LessonScreenRasterised(benchmark::State& state) {
  lesson::HeadlessSession session(kBenchProgram, Untraced());
  for (auto _ : state) {
    DrawScreen(session.program, 0);
    benchmark::DoNotOptimize(session.program.text.TextX);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kScreen.size()));
}
BENCHMARK(BM_LessonScreenRasterised)->Unit(benchmark::kMillisecond);

void BM_LessonScreenOffPage(benchmark::State& state) {
  lesson::HeadlessSession session(kBenchProgram, Untraced());
  for (auto _ : state) {
    DrawScreen(session.program, 1800);
    benchmark::DoNotOptimize(session.program.text.TextX);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kScreen.size()));
}
BENCHMARK(BM_LessonScreenOffPage)->Unit(benchmark::kMillisecond);

void BM_LessonScreenRasterisedHiDpi(benchmark::State& state) {
  platform::HeadlessOptions options = Untraced();
  options.scale = 2;
  lesson::HeadlessSession session(kBenchProgram, options);
  for (auto _ : state) {
    DrawScreen(session.program, 0);
    benchmark::DoNotOptimize(session.program.text.TextX);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kScreen.size()));
}
BENCHMARK(BM_LessonScreenRasterisedHiDpi)->Unit(benchmark::kMillisecond);

void BM_DrawTextLine(benchmark::State& state) {
  lesson::HeadlessSession session(kBenchProgram, Untraced());
  lesson::Program& p = session.program;
  const std::string text = kScreen[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    p.text.TextToDraw = text;
    p.text.TextX = 40;
    p.text.TextY = 200;
    lesson::DrawText(p);
  }
  state.SetLabel(text);
}
BENCHMARK(BM_DrawTextLine)->DenseRange(0, kScreen.size() - 1)->Unit(benchmark::kMicrosecond);

void BM_MeasureTextWidth(benchmark::State& state) {
  lesson::HeadlessSession session(kBenchProgram, Untraced());
  lesson::Program& p = session.program;
  for (auto _ : state) {
    for (const char* line : kScreen) {
      p.text.WorkText = line;
      lesson::MeasureTextWidth(p);
      benchmark::DoNotOptimize(p.values.MeasuredWidth);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kScreen.size()));
}
BENCHMARK(BM_MeasureTextWidth)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
