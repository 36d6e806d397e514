// The answers to 問1: the terms and coefficients of a polynomial.
#include "corvane/monomials/monomials.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

lesson::Jump ShowTermsAnswers(lesson::Program& p) {
  StartAnswerScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "問1 解答", 3, AtMargin(), Below(80)},
      {kAtOnce, "項は、 ", 0, AtMargin(-72), Below(60)},
      {kKeyFirst, "6a,-b,5", 5, AfterText(), OnLine()},
      {kAtOnce, "aの係数は、", 0, AtMargin(-72), Below(80)},
      {kKeyFirst, "6", 5, AfterText(), OnLine()},
      {kAtOnce, "bの係数は、", 0, AtMargin(-72), Below(80)},
      {kKeyFirst, "-1", 5, AfterText(), OnLine()},
  });
  return {RunMonomialsChapter};
}

}  // namespace corvane
