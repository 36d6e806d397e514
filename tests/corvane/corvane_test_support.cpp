#include "tests/corvane/corvane_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace corvane_testing {

using testing_support::Events;

std::unique_ptr<lesson::HeadlessSession> RunCorvane(std::string_view keys,
                                                    std::vector<float> random) {
  platform::HeadlessOptions options = testing_support::WithKeys(keys);
  options.random = std::move(random);
  auto session = std::make_unique<lesson::HeadlessSession>(corvane::kCorvane, options);
  session->Start();
  return session;
}

namespace {

std::string TextRow(const std::string& x, const std::string& y, const std::string& colour,
                    const std::string& text) {
  return x + " " + y + " " + colour + " " + text;
}

std::string Number(float value) { return platform::ShortNumber(value); }

}  // namespace

bool StartsWith(const Fields& event, const Fields& prefix) {
  if (prefix.empty() || event.size() < prefix.size()) return false;
  for (size_t k = 0; k < prefix.size(); ++k) {
    if (event[k] != prefix[k]) return false;
  }
  return true;
}

Screen ScreenRows(const platform::Trace& trace, const Fields& from, const Fields& until,
                  int occurrence) {
  Screen rows;
  bool inside = false;
  bool next_step = false;  // the last prompt drawn was the next-step box
  for (const Fields& event : Events(trace)) {
    if (!inside) {
      if (!StartsWith(event, from) || --occurrence > 0) continue;
      inside = true;
    } else if (StartsWith(event, until)) {
      break;
    }
    if (event[0] == "text" && event[1] == "DrawText") {
      // An empty text draws nothing (a figure mark without a label).
      if (event.size() > 5 && !event[5].empty()) {
        rows.push_back(TextRow(event[2], event[3], event[4], event[5]));
      }
    } else if (event[0] == "text" && event[1] == "DrawWideText") {
      if (event.size() > 5 && event[5] == "次のステップは１を入力。") next_step = true;
    } else if (event[0] == "wait" && event[1] == "WaitForKey") {
      rows.push_back("key");
    } else if (event[0] == "wait" && event[1] == "ReadFieldKeys") {
      rows.push_back(next_step ? "next" : "number");
      next_step = false;
    }
  }
  return rows;
}

Screen SectionRows(const lesson::HeadlessSession& session, const Fields& item_line,
                   int occurrence) {
  Screen rows = ScreenRows(session.trace(), item_line, item_line, occurrence);
  if (!rows.empty() && rows.front() == "number") rows.erase(rows.begin());
  return rows;
}

float EndOfText(const std::string& text, float x) {
  lesson::HeadlessSession scratch(corvane::kCorvane);
  lesson::Program& p = scratch.program;
  p.text.TextToDraw = text;
  p.text.TextX = x;
  p.text.TextY = 0;
  lesson::DrawText(p);
  return p.text.TextX;
}

Screen Expected(const std::vector<Row>& rows) {
  Screen screen;
  float last_x = 0, last_y = 0;
  std::string last_text;
  for (const Row& row : rows) {
    switch (row.kind) {
      case Row::kKey: screen.push_back("key"); break;
      case Row::kNext: screen.push_back("next"); break;
      case Row::kNumber: screen.push_back("number"); break;
      case Row::kLabel: screen.push_back(TextRow("*", "*", Number(row.colour), row.text)); break;
      case Row::kText:
      case Row::kContinues: {
        const float x = row.kind == Row::kText ? row.x : EndOfText(last_text, last_x) + row.x;
        const float y = row.kind == Row::kText ? row.y : last_y;
        screen.push_back(TextRow(Number(x), Number(y), Number(row.colour), row.text));
        last_x = x;
        last_y = y;
        last_text = row.text;
        break;
      }
    }
  }
  return screen;
}

void ExpectScreen(const Screen& actual, const std::vector<Row>& rows) {
  const Screen expected = Expected(rows);
  Screen seen = actual;
  for (size_t k = 0; k < expected.size() && k < seen.size(); ++k) {
    if (expected[k].rfind("* * ", 0) != 0) continue;
    const size_t second = seen[k].find(' ', seen[k].find(' ') + 1);
    if (second != std::string::npos) seen[k] = "* *" + seen[k].substr(second);
  }
  EXPECT_EQ(seen, expected);
}

int CountRows(const Screen& screen, std::string_view row) {
  int count = 0;
  for (const auto& r : screen) count += r == row ? 1 : 0;
  return count;
}

bool Erased(const lesson::HeadlessSession& session, float x1, float y1, float x2, float y2) {
  const Fields prefix{"op", "PsLINE", Number(x1), Number(y1), Number(x2), Number(y2),
                      "15", "2", "15"};
  for (const auto& e : testing_support::EventsOf(session.trace(), "op", "PsLINE")) {
    if (std::equal(prefix.begin(), prefix.end(), e.begin())) return true;
  }
  return false;
}

float Pick(int item, int count) {
  return (static_cast<float>(item) - 0.5f) / static_cast<float>(count);
}

void ExpectArcOnChord(const DotRun& run, float x0, float y0, float x1, float y1, float height,
                      const std::string& colour) {
  const std::string chord = "chord " + Number(x0) + "," + Number(y0) + " " + Number(x1) + "," +
                            Number(y1);
  ASSERT_EQ(run.dots.size(), 181u) << chord;
  const float dx = x1 - x0, dy = y1 - y0;
  const float length = std::hypot(dx, dy);
  // Distance on the left of the way from (x0, y0): upwards on the screen for dx > 0.
  const auto left_of_chord = [&](const Dot& d) { return ((d.x - x0) * dy - (d.y - y0) * dx) / length; };
  for (const Dot& d : run.dots) {
    EXPECT_EQ(d.colour, colour) << chord;
    EXPECT_EQ(d.fill, colour) << chord;
    EXPECT_EQ(d.width, "5") << chord;
    EXPECT_GE(left_of_chord(d), -0.01f) << chord;
    EXPECT_LE(left_of_chord(d), height + 0.01f) << chord;
  }
  const Dot& first = run.dots.front();
  const Dot& middle = run.dots[90];
  const Dot& last = run.dots.back();
  EXPECT_NEAR(first.x, x1, 0.01) << chord;
  EXPECT_NEAR(first.y, y1, 0.01) << chord;
  EXPECT_NEAR(last.x, x0, 0.01) << chord;
  EXPECT_NEAR(last.y, y0, 0.01) << chord;
  EXPECT_NEAR(middle.x, (x0 + x1) / 2 + height * dy / length, 0.01) << chord;
  EXPECT_NEAR(middle.y, (y0 + y1) / 2 - height * dx / length, 0.01) << chord;
}

std::vector<float> BracketDraws(const std::vector<int>& values) {
  std::vector<float> random;
  for (int v : values) random.push_back(v == -5 ? 0.45f : (static_cast<float>(v) + 4.5f) / 10);
  return random;
}

std::vector<float> FractionFormDraw(int first, int second, int a, int b, int c, int d) {
  std::vector<int> list{2, 3, 6, 5, 4};
  const auto index = [&](int denominator) {
    return static_cast<int>(std::find(list.begin(), list.end(), denominator) - list.begin()) + 1;
  };
  const float first_pick = Pick(index(first), 3);
  list.erase(list.begin() + index(first) - 1);
  return {first_pick, Pick(index(second), 4), Pick(a, 5), Pick(-b, 5), Pick(c, 5), Pick(-d, 5)};
}

std::string PupilTerm(float coefficient, const std::string& letter, bool opens) {
  if (coefficient == 0) return "";
  const std::string sign = coefficient < 0 ? "-" : opens ? "" : "+";
  const float size = std::fabs(coefficient);
  return sign + (size == 1 ? "" : Number(size)) + letter;
}

std::string AnyKeys(int count) { return std::string(static_cast<size_t>(count), 'k'); }

std::vector<DotRun> DotRuns(const platform::Trace& trace) {
  std::vector<DotRun> runs;
  int keys = 0;
  bool in_run = false;
  for (const Fields& e : Events(trace)) {
    // op PsCIRCLE x y radius colour aspect start end filled fill width
    const bool dot = e.size() > 11 && e[1] == "PsCIRCLE" && e[4] == "0.5";
    if (dot && !in_run) runs.push_back({keys, {}});
    if (dot) runs.back().dots.push_back({std::stof(e[2]), std::stof(e[3]), e[5], e[10], e[11]});
    // Any other event ends a run (each arc ends with its label's text, empty or not).
    in_run = dot;
    if (e.size() > 1 && e[0] == "wait" && e[1] == "WaitForKey") ++keys;
  }
  return runs;
}

}  // namespace corvane_testing
