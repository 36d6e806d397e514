#include "tests/ostrel/figure_script.h"

#include <algorithm>
#include <cmath>

#include "platform/text_ops.h"

namespace ostrel_testing {

namespace {

std::string Half(const std::string& value) {
  return platform::ShortNumber(std::round(std::stof(value) * 2) / 2);
}

}  // namespace

std::vector<FigureStage> FigureStages(const std::vector<Fields>& events, float min_x) {
  std::vector<FigureStage> stages(1);
  for (const Fields& e : events) {
    if (e == Fields{"wait", "WaitForKey"}) {
      stages.emplace_back();
    } else if (e[0] == "op" && e[1] == "PsLINE" && e[7] == "0" && std::stof(e[2]) >= min_x &&
               std::stof(e[3]) < 639) {
      stages.back().straights.push_back(e);
    } else if (e[0] == "op" && e[1] == "PsCIRCLE" && e[4] == "0.5") {
      ++stages.back().dots[e[5]];
    } else if (e[0] == "op" && e[1] == "PsCIRCLE" && std::stof(e[3]) < 639) {
      stages.back().arcs.push_back(e);
    } else if (e[0] == "text" && e[1] == "DrawText" && e.size() > 5 && !e[5].empty() &&
               std::stof(e[2]) >= min_x && std::stof(e[3]) < 639) {
      stages.back().texts.push_back({Half(e[2]), Half(e[3]), e[4], e[5]});
    }
  }
  return stages;
}

int DotCount(const std::vector<FigureStage>& stages) {
  int dots = 0;
  for (const FigureStage& stage : stages) {
    for (const auto& [colour, n] : stage.dots) dots += n;
  }
  return dots;
}

std::vector<DottedRun> DottedRuns(const std::vector<Fields>& events) {
  std::vector<DottedRun> runs;
  bool in_run = false;
  for (const Fields& e : events) {
    const bool dot = e[0] == "op" && e[1] == "PsCIRCLE" && e[4] == "0.5";
    if (!dot) {
      in_run = false;
      continue;
    }
    const int x = static_cast<int>(std::lround(std::stof(e[2])));
    const int y = static_cast<int>(std::lround(std::stof(e[3])));
    if (!in_run || runs.back().colour != e[5]) {
      runs.push_back({0, e[5], x, y, x, y});
      in_run = true;
    }
    DottedRun& run = runs.back();
    ++run.dots;
    run.left = std::min(run.left, x);
    run.top = std::min(run.top, y);
    run.right = std::max(run.right, x);
    run.bottom = std::max(run.bottom, y);
  }
  return runs;
}

}  // namespace ostrel_testing
