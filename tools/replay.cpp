// replay: runs a program on the headless backend with scripted keys, and writes its trace and
// PNGs of its screens. The trace goes to its file line by line as the run goes, so that a run
// of any length fits in memory (tools/run_outputs.h).
//
//   replay <corvane|ostrel|varnick> [--keys TEXT] [--keys-file FILE] [--time hh:mm:ss]
//          [--rnd r1,r2,...] [--trace FILE] [--png FILE] [--png-dir DIR] [--scale S]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>

#include "corvane/corvane.h"
#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tools/path_checks.h"
#include "tools/run_outputs.h"
#include "varnick/varnick.h"

namespace {

constexpr const char* kTool = "replay";

int Usage() {
  std::fputs(
      "usage: replay <corvane|ostrel|varnick> [--keys TEXT] [--keys-file FILE]\n"
      "              [--time hh:mm:ss] [--rnd r1,r2,...] [--trace FILE] [--png FILE]\n"
      "              [--png-dir DIR] [--scale S]\n"
      "keys: each character one key; \\n Enter, \\b Backspace, \\c Clear (code 12),\n"
      "      \\e Escape, \\\\ a backslash; in a keys file a line break is Enter too.\n"
      "scale: device pixels per logical unit of the 1440 x 900 page in the PNGs (default 1;\n"
      "       1.2 is about the page as a maximised window shows it on a 1920 x 1080 screen).\n",
      stderr);
  return 2;
}

bool ValidTime(const std::string& time) {
  if (time.size() != 8 || time[2] != ':' || time[5] != ':') return false;
  for (int k : {0, 1, 3, 4, 6, 7}) {
    if (time[static_cast<size_t>(k)] < '0' || time[static_cast<size_t>(k)] > '9') return false;
  }
  return std::stoi(time.substr(0, 2)) < 24 && std::stoi(time.substr(3, 2)) < 60 &&
         std::stoi(time.substr(6, 2)) < 60;
}

bool ParseRandom(const std::string& list, std::vector<float>& out) {
  std::stringstream stream(list);
  std::string item;
  while (std::getline(stream, item, ',')) {
    char* end = nullptr;
    const float value = std::strtof(item.c_str(), &end);
    if (end == item.c_str() || *end != '\0' || !(value >= 0.0f && value < 1.0f)) return false;
    out.push_back(value);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, const lesson::ProgramDefinition*> programs{
      {"corvane", &corvane::kCorvane},
      {"ostrel", &ostrel::kOstrel},
      {"varnick", &varnick::kVarnick},
  };
  if (argc < 2 || programs.count(argv[1]) == 0) return Usage();
  platform::HeadlessOptions options;
  std::string keys, trace_path, png_path;
  for (int k = 2; k < argc; ++k) {
    const std::string flag = argv[k];
    if (k + 1 >= argc) return Usage();
    const std::string value = argv[++k];
    if (flag == "--keys") {
      keys += value;
    } else if (flag == "--keys-file") {
      std::string text;
      if (std::string why = tools::ReadWhole(value, text); !why.empty()) {
        return tools::Refuse(kTool, "read", value, why);
      }
      keys += text;
    } else if (flag == "--time") {
      if (!ValidTime(value)) {
        std::fprintf(stderr, "replay: --time wants hh:mm:ss\n");
        return 2;
      }
      options.time = value;
    } else if (flag == "--rnd") {
      if (!ParseRandom(value, options.random)) {
        std::fprintf(stderr, "replay: --rnd wants numbers from 0 up to but excluding 1\n");
        return 2;
      }
    } else if (flag == "--trace" || flag == "--png") {
      if (std::string why = tools::WhyNotWritable(value); !why.empty()) {
        return tools::Refuse(kTool, "write", value, why);
      }
      (flag == "--trace" ? trace_path : png_path) = value;
    } else if (flag == "--scale") {
      options.scale = std::atof(value.c_str());
      if (!(options.scale >= 0.25 && options.scale <= 4)) {
        std::fprintf(stderr, "replay: --scale wants a number from 0.25 to 4\n");
        return 2;
      }
    } else if (flag == "--png-dir") {
      if (std::string why = tools::WhyNotFolder(value); !why.empty()) {
        return tools::Refuse(kTool, "write PNGs in", value, why);
      }
      options.png_dir = value;
    } else {
      return Usage();
    }
  }
  options.keys = platform::ParseKeyScript(keys);
  tools::RunOutputs outputs(kTool);
  if (!outputs.OpenTrace(trace_path, options)) return 2;

  lesson::HeadlessSession session(*programs.at(argv[1]), options);
  session.Start();
  return outputs.Finish(session, png_path);
}
