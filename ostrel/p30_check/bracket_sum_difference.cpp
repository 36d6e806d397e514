// Exercise 3 of page 30: the sum and the difference of two pairs of polynomials written in
// brackets, one pair a column, drawn at once.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// One calculation: the brackets, the brackets opened, like terms side by side, the answer.
struct BracketCalculation {
  const char* problem;
  const char* opened;
  const char* collected;
  const char* answer;
};

struct BracketPair {
  const char* label;
  BracketCalculation sum, difference;
};

constexpr BracketPair kPairs[] = {
    {"(1)",
     {" (3a+2b)+(a-4b)", "=3a+2b+a-4b", "=3a+a+2b-4b", "=4a-2b"},
     {" (3a+2b)-(a-4b)", "=3a+2b-a+4b", "=3a-a+2b+4b", "=2a+6b"}},
    {"(2)",
     {" (x-4y)+(-2x+3y)", "=x-4y-2x+3y", "=x-2x-4y+3y", "=-x-y"},
     {" (x-4y)-(-2x+3y)", "=x-4y+2x-3y", "=x+2x-4y-3y", "=3x-7y"}},
};

// The calculation under its label (empty: the line is only started there), its steps at the
// margin, 50 apart.
void ShowCalculation(Program& p, const char* label, float label_gap,
                     const BracketCalculation& c) {
  lesson::ShowSteps(p, {
      {kAtOnce, label, 3, AtColumn(), Below(label_gap)},
      {kAtOnce, c.problem, 0, AtMargin(), OnLine()},
      {kAtOnce, c.opened, 0, AtMargin(), Below(50)},
      {kAtOnce, c.collected, 0, AtMargin(), Below(50)},
      {kAtOnce, c.answer, 5, AtMargin(), Below(50)},
  });
}

}  // namespace

lesson::Jump ShowBracketSumDifferenceAnswers(Program& p) {
  StartP30Screen(p);
  DrawAnswerHeading(p, kPage30Title, AtColumn(), AtY(30), 44, "3");
  for (const BracketPair& pair : kPairs) {
    if (&pair != &kPairs[0]) {
      // The second pair in a column of its own.
      StartAnswerColumn(p, 600);
    }
    ShowCalculation(p, pair.label, 50, pair.sum);
    ShowCalculation(p, "", 60, pair.difference);
  }
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
