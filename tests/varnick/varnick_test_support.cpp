#include "tests/varnick/varnick_test_support.h"

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

}  // namespace

std::vector<std::string> Steps(const platform::Trace& trace) {
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

Expected& Expected::Line(const std::string& line) {
  steps_.push_back(line);
  return *this;
}

std::vector<float> RandomsFor(const Problem& problem) {
  // A random number r gives INT(r·n) + k; the middle of each step is safe from rounding.
  const auto whole = [](float value, float n, float k) { return (value - k + 0.5f) / n; };
  const auto sign = [](float value) { return value < 0 ? 0.25f : 0.75f; };
  std::vector<float> r;
  r.push_back(whole(std::fabs(problem.a), 5, 1));
  r.push_back(sign(problem.a));
  r.push_back(whole(std::fabs(problem.b), 7, 1));
  r.push_back(sign(problem.b));
  r.push_back(whole(std::fabs(problem.c), 5, 2));
  r.push_back(sign(problem.c));
  r.push_back(whole(std::fabs(problem.d), 5, 1));
  r.push_back(problem.d < 0 ? 0.1f : 0.9f);  // a three-sided coin: 0 and 1 negative
  r.push_back(whole(std::fabs(problem.e), 7, 1));
  r.push_back(sign(problem.e));
  r.push_back(whole(std::fabs(problem.f), 5, 2));
  r.push_back(sign(problem.f));
  r.push_back(whole(std::fabs(problem.x), 5, 1));
  r.push_back(sign(problem.x));
  // A y of x + 1 that lies outside the drawn range (0 or 6) comes from a y drawn equal to x.
  const float drawn_y = problem.y == 0 || problem.y == 6 ? problem.x : problem.y;
  r.push_back(whole(std::fabs(drawn_y), 5, 1));
  r.push_back(sign(drawn_y));
  return r;
}

}  // namespace varnick_testing
