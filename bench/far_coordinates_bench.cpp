// How long the page's drawing calls, the runtime's drawing operations and the figure routines
// take with ordinary arguments and with coordinates far off the page, infinite or not a number
// (the cases of tests/far_coordinates_cases.h). For each call, one benchmark with its ordinary
// arguments, and one that runs every argument in turn with every extreme (its time is that of
// the whole round): its counters give the mean of those cases, the slowest one's time and the
// segments it was drawn with, and its label names it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/bench_session.h"
#include "lessonlib/headless_session.h"
#include "platform/canvas.h"
#include "tests/far_coordinates_cases.h"

namespace {

using far_cases::kExtremes;
using Clock = std::chrono::steady_clock;

using bench::kBenchProgram;
using bench::Untraced;

// A benchmark's extreme cases, each run once an iteration: their mean time, and the case
// slowest on average with its time and the segments it was drawn with.
class Cases {
 public:
  // Runs case number `index` (in the order of every iteration), named `name`.
  template <typename Call>
  void Time(size_t index, const platform::Canvas& canvas, Call&& call, const std::string& name) {
    if (index == cases_.size()) cases_.push_back({name, {}, 0});
    Case& one = cases_[index];
    const uint64_t before = canvas.segments_drawn();
    const Clock::time_point start = Clock::now();
    far_cases::RunToItsEnd(call);
    one.total += Clock::now() - start;
    one.segments = canvas.segments_drawn() - before;
  }
  void Report(benchmark::State& state) const {
    if (cases_.empty()) return;
    const auto us = [&](Clock::duration d) {
      return std::chrono::duration<double, std::micro>(d).count() /
             static_cast<double>(state.iterations());
    };
    Clock::duration all{};
    for (const Case& one : cases_) all += one.total;
    const auto by_time = [](const Case& a, const Case& b) { return a.total < b.total; };
    const Case& slowest = *std::max_element(cases_.begin(), cases_.end(), by_time);
    state.counters["mean_us"] = us(all) / static_cast<double>(cases_.size());
    state.counters["slowest_us"] = us(slowest.total);
    state.counters["slowest_segments"] = static_cast<double>(slowest.segments);
    state.SetLabel("slowest: " + slowest.name);
  }

 private:
  struct Case {
    std::string name;
    Clock::duration total;
    uint64_t segments;
  };
  std::vector<Case> cases_;
};

void PageCallOrdinary(benchmark::State& state, const far_cases::PageCall& call) {
  platform::Canvas canvas(1.0);
  for (auto _ : state) call.call(canvas, call.ordinary);
}

void PageCallFar(benchmark::State& state, const far_cases::PageCall& call) {
  platform::Canvas canvas(1.0);
  Cases cases;
  for (auto _ : state) {
    size_t index = 0;
    for (int k = 0; k < call.arguments; ++k) {
      for (const float extreme : kExtremes) {
        std::vector<double> arguments = call.ordinary;
        arguments[static_cast<size_t>(k)] = extreme;
        cases.Time(index++, canvas, [&] { call.call(canvas, arguments); },
                   "argument " + std::to_string(k) + " " + far_cases::Shown(extreme));
      }
    }
  }
  cases.Report(state);
}

void RoutineOrdinary(benchmark::State& state, const far_cases::RoutineCall& routine) {
  lesson::HeadlessSession session(kBenchProgram, Untraced());
  lesson::Program& p = session.program;
  p.rt.FE_SETDRAWWIDTH(3);
  for (auto _ : state) {
    routine.inputs(p);
    far_cases::RunToItsEnd([&] { routine.call(p); });
    p.rt.FE_SETDRAWWIDTH(3);
  }
}

void RoutineFar(benchmark::State& state, const far_cases::RoutineCall& routine) {
  lesson::HeadlessSession session(kBenchProgram, Untraced());
  lesson::Program& p = session.program;
  const platform::Canvas& canvas = session.runtime.canvas();
  p.rt.FE_SETDRAWWIDTH(3);
  Cases cases;
  for (auto _ : state) {
    size_t index = 0;
    const size_t inputs = routine.inputs(p).size();
    for (size_t k = 0; k < inputs; ++k) {
      for (const float extreme : kExtremes) {
        *routine.inputs(p)[k] = extreme;
        cases.Time(index++, canvas, [&] { routine.call(p); },
                   "input " + std::to_string(k) + " " + far_cases::Shown(extreme));
        p.rt.FE_SETDRAWWIDTH(3);
      }
    }
  }
  cases.Report(state);
}

// Registers a call's two benchmarks: with its ordinary arguments, and through every far case.
template <typename Call>
void Register(const std::string& name, const Call& call,
              void (*ordinary)(benchmark::State&, const Call&),
              void (*far)(benchmark::State&, const Call&)) {
  benchmark::RegisterBenchmark((name + "/ordinary").c_str(), ordinary, call)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark((name + "/far").c_str(), far, call)->Unit(benchmark::kMillisecond);
}

void RegisterAll() {
  for (const far_cases::PageCall& call : far_cases::PageCalls()) {
    Register(std::string("page/") + call.name, call, PageCallOrdinary, PageCallFar);
  }
  for (const far_cases::RoutineCall& routine : far_cases::RoutineCalls()) {
    Register(std::string("routine/") + routine.name, routine, RoutineOrdinary, RoutineFar);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
