// Exercise 4 of page 30: two additions and two subtractions of polynomials written in
// columns, the subtractions with the signs they change to, drawn at once.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

struct LabelledCalculation {
  const char* label;
  float label_gap;
  ColumnCalculation calculation;
};

// (4): 4a+6b - (a+6b-5) = 3a+5. Each term of the lower row changes its sign, the constant's
// "-" as well; the b terms cancel.
constexpr LabelledCalculation kCalculations[] = {
    {"(1)", 60, {"3x+4y", "+", "2x-2y", nullptr, "5x+2y"}},
    {"(2)", 50, {" a-2b", "-", "-a-3b", "+ + +", "2a+ b"}},
    {"(3)", 60, {"7x", "+", "3x-6y", nullptr, "10x-6y", 1}},
    {"(4)", 50, {"4a+6b", "-", " a+6b-5", "+ - -  +", "3a   +5"}},
};

}  // namespace

lesson::Jump ShowColumnCalculationAnswers(Program& p) {
  StartP30Screen(p);
  DrawAnswerHeading(p, kPage30Title, AtMargin(), AtY(30), 10, "4");
  for (int k = 0; k < 4; ++k) {
    if (k == 2) {
      // (3) and (4) in the right-hand column.
      StartAnswerColumn(p, 400);
    }
    const LabelledCalculation& c = kCalculations[k];
    lesson::ShowSteps(p, {{kAtOnce, c.label, 3, AtColumn(), Below(c.label_gap)}});
    ShowColumnCalculation(p, c.calculation);
  }
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
