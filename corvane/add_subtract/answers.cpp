// The answers to questions 5 and 6 and to the exercises, and the explanation of a wrong
// calculation. Each problem stands under its label, one line of working per key, its result
// in the answer colour.
#include <initializer_list>

#include "corvane/add_subtract/add_subtract.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// One problem: its text (beginning with a blank, so that its first bracket clears the label)
// and its lines of working, the last of them its result.
struct WorkedProblem {
  const char* problem;
  std::initializer_list<const char*> working;
};

// The answer screens' start: the screen erased, labels at x 40, text from x 94.
void StartAnswers(lesson::Program& p) {
  lesson::EraseScreen(p);
  p.layout.ColumnX = 40;
  p.layout.MarginX = p.layout.ColumnX + 54;
  p.layout.LineY = 30;
}

// A problem: its label at the column, `label_step` below the line before, the problem on the
// label's line, then each line of working after a key, the result in colour 5.
void ShowWorkedProblem(lesson::Program& p, const char* label, float label_step,
                       const WorkedProblem& problem) {
  lesson::ShowSteps(p, {
      {kAtOnce, label, 3, AtColumn(), Below(label_step)},
      {kAtOnce, problem.problem, 0, AtMargin(), OnLine()},
  });
  const char* result = *(problem.working.end() - 1);
  for (const char* line : problem.working) {
    lesson::ShowSteps(p, {{kKeyFirst, line, line == result ? 5.0f : 0.0f, AtMargin(), Below(50)}});
  }
}

// The heading and two problems, the second after a key; no key after the last result.
void ShowWorkedAnswers(lesson::Program& p, const char* heading, const WorkedProblem& first,
                       const WorkedProblem& second) {
  StartAnswers(p);
  lesson::ShowSteps(p, {{kAtOnce, heading, 3, AtMargin(), OnLine()}});
  ShowWorkedProblem(p, "(1)", 50, first);
  lesson::WaitForKey(p);
  ShowWorkedProblem(p, "(2)", 60, second);
}

}  // namespace

lesson::Jump ShowQuestion5Answers(lesson::Program& p) {
  ShowWorkedAnswers(p, "問5 解答",
                    {" (4x-7y)+(x+5y)", {"=4x-7y+x+5y", "=4x+x-7y+5y", "=5x-2y"}},
                    {" (5a-2b)+(-a-3b)", {"=5a-2b-a-3b", "=5a-a-2b-3b", "=4a-5b"}});
  return {ShowAddSubtractMenu};
}

lesson::Jump ShowQuestion6Answers(lesson::Program& p) {
  ShowWorkedAnswers(
      p, "問6 解答",
      {" (5x+2y)-(3x+y)", {"=(5x+2y)+(-3x-y)", "=5x+2y-3x-y", "=5x-3x+2y-y", "=2x+y"}},
      {" (3a-6b)-(2a+4b)", {"=(3a-6b)+(-2a-4b)", "=3a-6b-2a-4b", "=3a-2a-6b-4b", "=a-10b"}});
  return {ShowAddSubtractMenu};
}

lesson::Jump ShowExerciseAnswers(lesson::Program& p) {
  ShowWorkedAnswers(
      p, "練習問題 解答",
      {" (8x-7y)+(2x+5y)", {"=8x-7y+2x+5y", "=8x+2x-7y+5y", "=10x-2y"}},
      {" (8x-7y)-(2x+5y)", {"=(8x-7y)+(-2x-5y)", "=8x-7y-2x-5y", "=8x-2x-7y-5y", "=6x-12y"}});
  return {ShowAddSubtractMenu};
}

lesson::Jump ShowWrongCalculationReason(lesson::Program& p) {
  StartAnswers(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "次の計算が正しくない理由を説明しよう。", 3, AtMargin(), OnLine()},
      {kAtOnce, " 3x-2y+5x+4y", 0, AtMargin(), Below(50)},
      {kAtOnce, "=8x+2y", 0, AtMargin(), Below(50)},
      {kAtOnce, "=10xy", 0, AtMargin(), Below(50)},
      {kKeyFirst, "8xと2y は同類項ではないのに、", 3, AtMargin(), Below(60)},
      {kAtOnce, "分配法則を使い1つの項にまとめている。", 3, AtMargin(), Below(50)},
      {kAtOnce, "8x+2y までしか計算できない。", 3, AtMargin(), Below(50)},
  });
  return {ShowAddSubtractMenu};
}

}  // namespace corvane
