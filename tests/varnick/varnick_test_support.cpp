#include "tests/varnick/varnick_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "platform/text_ops.h"
#include "tests/test_support.h"
#include "varnick/varnick.h"

namespace varnick_testing {

using testing_support::Fields;

namespace {

std::string Number(float value) { return platform::ShortNumber(value); }

std::string Joined(const Fields& fields, size_t from) {
  std::string line;
  for (size_t k = from; k < fields.size(); ++k) {
    if (k > from) line += ' ';
    line += fields[k];
  }
  return line;
}

// A line op's mark on the lesson screen as a step, or "" when it is none: a cancellation
// stroke or a filled box above the prompt band that is not an eraser.
std::string MarkStep(const Fields& e) {
  const float x1 = std::stof(e[2]), y1 = std::stof(e[3]);
  const float x2 = std::stof(e[4]), y2 = std::stof(e[5]);
  if (e[7] == "0") {
    const bool placed = e[6] == "3" && y2 - y1 == 28;
    const bool struck_cell = x2 - x1 == 28 && y2 - y1 == 20;
    if (placed || struck_cell) {
      return "stroke " + e[2] + " " + e[3] + " " + e[4] + " " + e[5] + " " + e[6] + " " + e[9];
    }
  } else if (e[7] == "2" && e[6] != "15" && y1 < 639) {
    return "box " + e[2] + " " + e[3] + " " + e[4] + " " + e[5] + " " + e[6] + " " + e[8] + " " +
           e[9];
  }
  return {};
}

}  // namespace

std::vector<std::string> Steps(const platform::Trace& trace, Detail detail) {
  std::vector<std::string> steps;
  int menu_items = 0;  // of the main menu, still to come after its title
  for (const Fields& e : testing_support::Events(trace)) {
    if (e[0] == "text" && e[1] == "DrawText") {
      if (e[5].starts_with("＜")) {
        steps.push_back("main-menu");
        menu_items = 8;
      } else if (menu_items > 0) {
        --menu_items;
      } else {
        steps.push_back("text " + Joined(e, 2));
      }
    } else if (e[0] == "wait" && e[1] == "WaitForKey") {
      steps.push_back("key");
    } else if (e[0] == "text" && e[1] == "DrawWideText" && e[2] == "16" && e[3] == "666") {
      steps.push_back("menu " + e[5]);
    } else if (e[0] == "text" && e[1] == "DrawWideText" && e[5] == "次のステップは１を入力。") {
      steps.push_back("next-step");
    } else if (e[0] == "op" && e[1] == "PsLINE" && e[6] == "15" && e[7] == "2" && e[8] == "15" &&
               std::stof(e[3]) < 639) {
      steps.push_back("erase " + e[2] + " " + e[3] + " " + e[4] + " " + e[5]);
    } else if (detail == Detail::kWithMarks && e[0] == "op" && e[1] == "PsLINE") {
      const std::string mark = MarkStep(e);
      if (!mark.empty()) steps.push_back(mark);
    }
  }
  return steps;
}

std::vector<std::string> AfterSubMenu(const std::vector<std::string>& steps, int n) {
  std::vector<std::string> section;
  int seen = 0;
  for (const std::string& step : steps) {
    if (step.starts_with("menu ")) {
      if (seen == n) break;
      ++seen;
      continue;
    }
    if (seen == n) section.push_back(step);
  }
  return section;
}

namespace {

platform::HeadlessOptions RunOptions(const std::string& keys, const std::vector<float>& random) {
  platform::HeadlessOptions options = testing_support::WithKeys(keys);
  options.random = random;
  return options;
}

}  // namespace

VarnickRun::VarnickRun(const std::string& keys, const std::vector<float>& random)
    : session(varnick::kVarnick, RunOptions(keys, random)) {
  session.Start();
  steps = Steps(session.trace(), Detail::kWithMarks);
}

std::string FirstShown(const std::vector<std::string>& section) {
  for (const std::string& step : section) {
    if (step.starts_with("text ") || step == "main-menu") return step;
  }
  return {};
}

void ExpectSubMenuAsksAgain(const std::string& chapter, const std::string& leave,
                            const std::string& goal_line,
                            std::initializer_list<const char*> entries) {
  const std::vector<std::string> back{"erase 0 0 1760 1800", "main-menu"};
  for (const char* entry : entries) {
    const VarnickRun run(chapter + entry + "\n" + leave + "\n8\n");
    EXPECT_TRUE(run.Section(1).empty()) << entry;
    EXPECT_EQ(run.Section(2), back) << entry;
    EXPECT_EQ(std::count(run.steps.begin(), run.steps.end(), goal_line), 1) << entry;
    EXPECT_EQ(testing_support::Events(run.session.trace()).back(), (Fields{"end", "program-ended"}))
        << entry;
  }
}

void ExpectZeroDenominatorsRefused(const std::string& chapter, const std::string& leave,
                                   const std::string& first_item_text) {
  const std::vector<std::string> back{"erase 0 0 1760 1800", "main-menu"};
  for (const char* refused : {"3/0", "/", "0/0"}) {
    const VarnickRun leaves(chapter + refused + "\n" + leave + "\n8\n");
    EXPECT_EQ(leaves.Section(1), back) << refused;
    EXPECT_EQ(testing_support::Events(leaves.session.trace()).back(),
              (Fields{"end", "program-ended"}))
        << refused;
    EXPECT_EQ(FirstShown(VarnickRun(chapter + refused + "\n1\n").Section()), first_item_text)
        << refused;
  }
}

std::vector<std::string> TextsOf(const std::vector<std::string>& steps) {
  std::vector<std::string> texts;
  for (const std::string& step : steps) {
    if (!step.starts_with("text ")) continue;
    size_t at = 0;
    for (int field = 0; field < 4; ++field) at = step.find(' ', at) + 1;
    texts.push_back(step.substr(at));
  }
  return texts;
}

float TextWidth(const std::string& text) {
  lesson::HeadlessSession scratch(varnick::kVarnick);
  scratch.Call([&text](lesson::Program& p) {
    p.text.TextToDraw = text;
    p.text.TextX = 0;
    p.text.TextY = 1800;
    lesson::DrawText(p);
  });
  return scratch.program.text.TextX;
}

Expected& Expected::Text(float x, float y, int colour, const std::string& text) {
  steps_.push_back("text " + Number(x) + " " + Number(y) + " " + std::to_string(colour) + " " +
                   text);
  end_x_ = x + TextWidth(text);
  y_ = y;
  return *this;
}

Expected& Expected::More(int colour, const std::string& text) {
  return Text(end_x_, y_, colour, text);
}

Expected& Expected::Key() { return Line("key"); }

Expected& Expected::Erase(float x, float y, float width, float height) {
  return Line("erase " + Number(x) + " " + Number(y) + " " + Number(x + width) + " " +
              Number(y + height));
}

Expected& Expected::Stroke(float x1, float y1, float x2, float y2, int colour, int width) {
  return Line("stroke " + Number(x1) + " " + Number(y1) + " " + Number(x2) + " " + Number(y2) +
              " " + std::to_string(colour) + " " + std::to_string(width));
}

Expected& Expected::StrokeAt(float x, float y, float count) {
  return Stroke(x, y, x + 32 * count, y + 28, 3, 5);
}

Expected& Expected::StruckCell(float x, float y) {
  return Stroke(x + 4, y + 4, x + 32, y + 24, 7, 5);
}

Expected& Expected::Box(float x1, float y1, float x2, float y2, int border, int fill, int width) {
  return Line("box " + Number(x1) + " " + Number(y1) + " " + Number(x2) + " " + Number(y2) + " " +
              std::to_string(border) + " " + std::to_string(fill) + " " + std::to_string(width));
}

Expected& Expected::Line(const std::string& line) {
  steps_.push_back(line);
  return *this;
}

std::vector<float> RandomsFor(const Problem& problem) {
  // Each number is drawn as its size, INT(r·n) + k, then a coin for its sign; the middle of
  // each step of r is safe from rounding.
  std::vector<float> r;
  const auto draw = [&r](float value, float n, float k, float coin) {
    r.push_back((std::fabs(value) - k + 0.5f) / n);
    r.push_back(coin);
  };
  const auto two_sided = [](float value) { return value < 0 ? 0.25f : 0.75f; };
  draw(problem.a, 5, 1, two_sided(problem.a));
  draw(problem.b, 7, 1, two_sided(problem.b));
  draw(problem.c, 5, 2, two_sided(problem.c));
  draw(problem.d, 5, 1, problem.d < 0 ? 0.1f : 0.9f);  // three-sided: 0 and 1 are negative
  draw(problem.e, 7, 1, two_sided(problem.e));
  draw(problem.f, 5, 2, two_sided(problem.f));
  draw(problem.x, 5, 1, two_sided(problem.x));
  // A y of x + 1 that lies outside the drawn range (0 or 6) comes from a y drawn equal to x.
  const float drawn_y = problem.y == 0 || problem.y == 6 ? problem.x : problem.y;
  draw(drawn_y, 5, 1, two_sided(drawn_y));
  return r;
}

}  // namespace varnick_testing
