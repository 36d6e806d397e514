#include "tests/ink_on_fills.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/text_ops.h"
#include "tests/test_support.h"

namespace testing_support {

namespace {

constexpr int kBackground = 15;

struct FilledArea {
  double x1, y1, x2, y2;
  bool disc;  // a whole disc, inscribed in the rectangle
  int fill;

  bool Contains(double x, double y) const {
    if (!disc) return x >= x1 && x <= x2 && y >= y1 && y <= y2;
    const double r = (x2 - x1) / 2;
    return std::hypot(x - (x1 + r), y - (y1 + r)) <= r;
  }
};

// The latest filled area under a point, or none.
const FilledArea* AreaUnder(const std::vector<FilledArea>& areas, double x, double y) {
  for (auto area = areas.rbegin(); area != areas.rend(); ++area) {
    if (area->Contains(x, y)) return &*area;
  }
  return nullptr;
}

double Number(const std::string& field) { return std::stod(field); }
int Whole(const std::string& field) { return std::stoi(field); }

}  // namespace

std::vector<InkOnFill> InkOnFills(const platform::Trace& trace) {
  std::vector<FilledArea> areas;
  std::vector<InkOnFill> found;
  int calls = 0;
  for (const Fields& e : Events(trace)) {
    if (e[0] != "op") continue;
    const std::string& name = e[1];
    if (name == "PsCLS") {
      areas.clear();
    } else if (name == "PsLINE") {  // x1 y1 x2 y2 colour mode fill width
      const double x1 = Number(e[2]), y1 = Number(e[3]), x2 = Number(e[4]), y2 = Number(e[5]);
      const int colour = Whole(e[6]), mode = Whole(e[7]), fill = Whole(e[8]);
      if (mode == 2) {
        areas.push_back({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                         false, fill});
      } else if (mode == 0) {
        const FilledArea* box = AreaUnder(areas, x1, y1);
        if (box != nullptr && box->fill != kBackground && box == AreaUnder(areas, x2, y2)) {
          found.push_back({InkOnFill::kLine, colour, box->fill, x1, y1, x2, y2, false, "", 0});
        }
      }
    } else if (name == "PsCIRCLE") {  // x y radius colour aspect start end filled fill width
      const double x = Number(e[2]), y = Number(e[3]), r = std::fabs(Number(e[4]));
      if (e[9] == "1" && e[7] == e[8]) {
        areas.push_back({x - r, y - r, x + r, y + r, true, Whole(e[10])});
      }
    } else if (name == "PsSYMBOL40") {  // text x y mag_x mag_y colour width face size ...
      const double mag_x = Number(e[5]), mag_y = Number(e[6]), size = Number(e[10]);
      const int colour = Whole(e[7]);
      double x = Number(e[3]);
      const double y = Number(e[4]), height = size * mag_y;
      if (mag_x <= 0 || mag_y <= 0 || y >= 900 || x >= 1440 || y + 2 * height < 0) {
        continue;  // nothing on the page
      }
      ++calls;
      for (std::string_view ch : platform::SplitChars(e[2])) {
        const double width = size * mag_x * (platform::Cp932Length(ch) == 1 ? 0.5 : 1.0);
        const FilledArea* area = AreaUnder(areas, x + width / 2, y + height / 2);
        found.push_back({InkOnFill::kGlyph, colour, area != nullptr ? area->fill : kBackground,
                         x, y, x + width, y + height, mag_x <= 1 && mag_y <= 1, std::string(ch),
                         calls});
        x += width;
      }
    }
  }
  return found;
}

}  // namespace testing_support
