#include "tests/corvane/multiply_divide/chapter4_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/text_ops.h"

namespace chapter4_testing {

using corvane_testing::StartsWith;
using testing_support::Events;

namespace {

std::string N(double value) { return platform::ShortNumber(value); }
std::string Whole(double value) { return platform::ShortNumber(std::round(value)); }
float F(const std::string& field) { return std::stof(field); }

struct Dot {
  float x, y;
};

// A position as the rows give it: to the hundredth, which leaves out the rounding noise of
// the positions the library computes (an arc's label, its dots).
std::string Position(const std::string& field) { return N(std::round(F(field) * 100) / 100); }

std::string ArcRow(const std::string& colour, const std::vector<Dot>& dots,
                   const std::string& width) {
  Dot a = dots.front(), b = dots.back();
  if (std::round(b.x) < std::round(a.x) ||
      (std::round(b.x) == std::round(a.x) && std::round(b.y) < std::round(a.y))) {
    std::swap(a, b);
  }
  const Dot middle = dots[dots.size() / 2];
  const float mx = middle.x - (a.x + b.x) / 2;
  const float my = middle.y - (a.y + b.y) / 2;
  const char* side = std::fabs(my) >= std::fabs(mx) ? (my < 0 ? "up" : "down")
                                                     : (mx < 0 ? "left" : "right");
  const float chord = std::hypot(b.x - a.x, b.y - a.y);
  const float height =
      std::fabs((b.x - a.x) * (middle.y - a.y) - (b.y - a.y) * (middle.x - a.x)) / chord;
  return "arc " + colour + " " + std::to_string(dots.size()) + " (" + Whole(a.x) + "," +
         Whole(a.y) + ")-(" + Whole(b.x) + "," + Whole(b.y) + ") " + side + " " +
         Whole(height) + " " + width;
}

bool IsArcDot(const Fields& e) { return e.size() >= 12 && e[1] == "PsCIRCLE" && e[4] == "0.5"; }

}  // namespace

Rows MarkRows(const Fields& from, const Fields& until, const platform::Trace& trace,
              int occurrence) {
  const std::vector<Fields> events = Events(trace);
  Rows rows;
  bool inside = false;
  bool next_step = false;
  for (size_t k = 0; k < events.size(); ++k) {
    const Fields& e = events[k];
    if (!inside) {
      if (!StartsWith(e, from) || --occurrence > 0) continue;
      inside = true;
    } else if (StartsWith(e, until)) {
      break;
    }
    if (e[0] == "text" && e.size() > 5 && !e[5].empty()) {
      const std::string at = Position(e[2]) + " " + Position(e[3]) + " " + e[4] + " " + e[5];
      if (e[1] == "DrawText") rows.push_back("text " + at);
      if (e[1] == "DrawLabelText") rows.push_back("label " + at);
      if (e[1] == "DrawWideText" && e[5] == "次のステップは１を入力。") next_step = true;
    } else if (e[0] == "wait" && e[1] == "WaitForKey") {
      rows.push_back(kKey);
    } else if (e[0] == "wait" && e[1] == "ReadFieldKeys") {
      rows.push_back(next_step ? kNext : "number");
      next_step = false;
    } else if (e[0] == "op" && IsArcDot(e)) {
      std::vector<Dot> dots;
      const std::string colour = e[5], width = e[11];
      for (; k < events.size() && events[k][0] == "op" && IsArcDot(events[k]) &&
             events[k][5] == colour;
           ++k) {
        dots.push_back({F(events[k][2]), F(events[k][3])});
      }
      --k;
      rows.push_back(ArcRow(colour, dots, width));
    } else if (e[0] == "op" && e[1] == "PsLINE" && e.size() >= 10) {
      const std::string line = e[2] + " " + e[3] + " " + e[4] + " " + e[5];
      if (e[7] == "0" && e[2] != e[4] && e[3] != e[5]) {
        rows.push_back("stroke " + line + " " + e[6] + " " + e[9]);
      } else if (e[7] == "2" && F(e[3]) < 630) {
        rows.push_back(e[6] == "15" && e[8] == "15" ? "erase " + line
                                                     : "box " + line + " " + e[6] + " " + e[8]);
      }
    }
  }
  return rows;
}

Rows SectionMarks(const lesson::HeadlessSession& session, int occurrence) {
  Rows rows = MarkRows(kChapter4Line, kChapter4Line, session.trace(), occurrence);
  if (!rows.empty() && rows.front() == "number") rows.erase(rows.begin());
  return rows;
}

std::string Txt(const std::string& text, float colour, float x, float y) {
  return "text " + N(x) + " " + N(y) + " " + N(colour) + " " + text;
}

std::string Lbl(const std::string& text, float colour, float x, float y) {
  return "label " + N(x) + " " + N(y) + " " + N(colour) + " " + text;
}

std::string Arc(float colour, float x0, float y0, float x1, float y1, const char* side,
                float height, float width, int dots) {
  if (x1 < x0 || (x1 == x0 && y1 < y0)) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  return "arc " + N(colour) + " " + std::to_string(dots) + " (" + Whole(x0) + "," + Whole(y0) +
         ")-(" + Whole(x1) + "," + Whole(y1) + ") " + side + " " + Whole(height) + " " +
         N(width);
}

std::string Stroke(float x, float y, float dx, float dy, float width) {
  return "stroke " + N(x) + " " + N(y) + " " + N(x + dx) + " " + N(y + dy) + " 3 " + N(width);
}

std::string Box(float x, float y, float w, float h, float border, float fill) {
  return "box " + N(x) + " " + N(y) + " " + N(x + w) + " " + N(y + h) + " " + N(border) + " " +
         N(fill);
}

std::string Erase(float x, float y, float w, float h) {
  return "erase " + N(x) + " " + N(y) + " " + N(x + w) + " " + N(y + h);
}

Rows OfKind(const Rows& rows, const std::string& kind) {
  Rows of_kind;
  for (const auto& row : rows) {
    if (row.rfind(kind + " ", 0) == 0 || row == kind) of_kind.push_back(row);
  }
  return of_kind;
}

std::string LineAt(const Rows& rows, float y, float colour) {
  std::string line;
  const std::string place = " " + N(y) + " " + N(colour) + " ";
  for (const auto& row : OfKind(rows, "text")) {
    // "text x y colour content"
    const size_t after_x = row.find(' ', 5);
    if (row.compare(after_x, place.size(), place) == 0) line += row.substr(after_x + place.size());
  }
  return line;
}

std::vector<Rows> Passes(const Rows& rows) {
  std::vector<Rows> passes(1);
  for (const auto& row : rows) {
    passes.back().push_back(row);
    if (row == kNext) passes.emplace_back();
  }
  return passes;
}

Rows Head(const Rows& rows, const Rows& expected) {
  return Rows(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(
                                                std::min(rows.size(), expected.size())));
}

std::unique_ptr<lesson::HeadlessSession> RunAt(const std::string& keys, const std::string& time) {
  platform::HeadlessOptions options = testing_support::WithKeys(keys);
  options.time = time;
  auto session = std::make_unique<lesson::HeadlessSession>(corvane::kCorvane, options);
  session->Start();
  return session;
}

float Draw(int value, int first, int count) {
  return (static_cast<float>(value - first) + 0.5f) / static_cast<float>(count);
}

std::vector<float> Signed(int value, int first, int count) {
  return {Draw(std::abs(value), first, count), SignOf(value)};
}

std::vector<float> Picks(std::vector<int> candidates, int first, int second) {
  const auto place = [&](int value) {
    const auto at = std::find(candidates.begin(), candidates.end(), value);
    return static_cast<int>(at - candidates.begin()) + 1;
  };
  const int k = place(first);
  candidates.erase(candidates.begin() + (k - 1));
  return {Draw(k, 1, 3), Draw(place(second), 1, 3)};
}

std::vector<float> Join(std::initializer_list<std::vector<float>> parts) {
  std::vector<float> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::string Keys(int n) { return std::string(static_cast<size_t>(n), 'k'); }

std::string Leading(int value) {
  return value == 1 ? "" : value == -1 ? "-" : std::to_string(value);
}

std::string Following(int value) {
  return value == 1 ? "+" : value == -1 ? "-" : (value > 0 ? "+" : "") + std::to_string(value);
}

std::string Clock(int seed) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", (seed * 5) % 24, (seed * 11) % 60,
                (seed * 17) % 60);
  return time;
}

}  // namespace chapter4_testing
