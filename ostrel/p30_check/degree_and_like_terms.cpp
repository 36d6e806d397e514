// Exercises 1 and 2 of page 30: the degree of two polynomials, then six polynomials
// simplified by collecting like terms, one problem per key press in two columns.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

// A problem of exercise 2: the polynomial, its like terms side by side, the answer.
struct LikeTermsProblem {
  const char* problem;
  const char* rearranged;
  const char* answer;
};

constexpr LikeTermsProblem kProblems[] = {
    {"(1) 3x-7y+4x", "=3x+4x-7y", "=7x-7y"},
    {"(2) 8a-b-7a+2b", "=8a-7a-b+2b", "=a+b"},
    {"(3) -5x+9y+3x-8y", "=-5x+3x+9y-8y", "=-2x+y"},
    {"(4) 3x^2-5x-2x^2+x", "=3x^2-2x^2-5x+x", "=x^2-4x"},
    {"(5) 8a^2-5a-2+7a", "=8a^2-5a+7a-2", "=8a^2+2a-2"},
    {"(6) 4x-2y-7+2x", "=4x+2x-2y-7", "=6x-2y-7"},
};

// The problem from (x, y), then its two steps at the margin, 60 apart.
void ShowProblem(Program& p, const LikeTermsProblem& problem, lesson::StepX x,
                 lesson::StepY y) {
  lesson::ShowSteps(p, {
      {kAtOnce, problem.problem, 0, x, y},
      {kAtOnce, problem.rearranged, 0, AtMargin(), Below(60)},
      {kAtOnce, problem.answer, 5, AtMargin(), Below(60)},
  });
}

}  // namespace

// The screen sets no draw width: its box borders take the width in force.
lesson::Jump ShowDegreeAndLikeTermsAnswers(Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseScreen(p);
  l.MarginX = 108;
  l.LineY = 20;
  DrawAnswerHeading(p, kPage30Title, AtMargin(-72), AtY(20), 10, "1", kTallNumberBox);
  // Exercise 1 beside the heading.
  lesson::ShowSteps(p, {
      {lesson::kKeyFirst, "(1)", 0, AfterText(20)},
      {kAtOnce, "二次式", 5},
      {kAtOnce, "(2)", 0, AfterText(20)},
      {kAtOnce, "三次式", 5},
  });
  // Exercise 2 opens with its number box, its first problem beside it.
  lesson::WaitForKey(p);
  DrawNumberBox(p, "2", AtMargin(-72), Below(60), kTallNumberBox);
  ShowProblem(p, kProblems[0], AfterText(), lesson::OnLine());
  for (int k = 1; k < 6; ++k) {
    lesson::WaitForKey(p);
    if (k == 3) {
      l.MarginX = 576;
      l.LineY = 30;
    }
    ShowProblem(p, kProblems[k], AtMargin(-72), Below(60));
  }
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
