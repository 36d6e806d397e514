// Reading a figure from a run's trace: its drawing operations between the key waits.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ostrel/lesson_script.h"

namespace ostrel_testing {

// What a stretch of a run between two key waits drew right of `min_x` and above the bottom
// band: plain lines (PsLINE mode 0), circles and arcs (radius above 0.5), dotted marks' dots
// (radius 0.5) counted by colour, and the texts drawn, their places rounded to halves.
struct FigureStage {
  std::vector<Fields> straights, arcs, texts;
  std::map<std::string, int> dots;  // by colour
};
std::vector<FigureStage> FigureStages(const std::vector<Fields>& events, float min_x);
// All the dots of a run.
int DotCount(const std::vector<FigureStage>& stages);

// One dotted mark of a run: its dots (radius 0.5, drawn one after the other), their colour
// and the box they span, rounded to whole units.
struct DottedRun {
  int dots;
  std::string colour;
  int left, top, right, bottom;
  bool operator==(const DottedRun&) const = default;
};
std::vector<DottedRun> DottedRuns(const std::vector<Fields>& events);
inline void PrintTo(const DottedRun& run, std::ostream* out) {
  *out << run.dots << " dots in " << run.colour << " from (" << run.left << ", " << run.top
       << ") to (" << run.right << ", " << run.bottom << ")";
}

}  // namespace ostrel_testing
