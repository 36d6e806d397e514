// The answers to 問4: collecting like terms in four expressions.
#include "corvane/like_terms/like_terms.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

lesson::Jump ShowLikeTermsAnswers(lesson::Program& p) {
  StartAnswerScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "問4 解答", 3, AtMargin(), OnLine()},
      {kKeyFirst, "(1) 3a-6b+8a+b", 0, AtMargin(-72), Below(60)},
      {kAtOnce, "=3a+8a-6b+b", 0, AtMargin(), Below(60)},
      {kAtOnce, "=11a-5b", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(2) 3x-7y-x+2y", 0, AtMargin(-72), Below(60)},
      {kAtOnce, "=3x-x-7y+2y", 0, AtMargin(), Below(60)},
      {kAtOnce, "=2x-5y", 5, AtMargin(), Below(60)},
      {kKeyFirst, "(3) x^2-4x+2+3x", 0, AtMargin(-72), Below(60)},
      {kAtOnce, "=x^2-4x+3x+2", 0, AtMargin(), Below(60)},
      {kAtOnce, "=x^2-x+2", 5, AtMargin(), Below(60)},
  });
  // The fourth expression stands in a second column.
  lesson::WaitForKey(p);
  p.layout.MarginX = 576;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(4) y^2-3y-3y^2+2y", 0, AtMargin(-72), OnLine()},
      {kAtOnce, "=y^2-3y^2-3y+2y", 0, AtMargin(), Below(70)},
      {kAtOnce, "=-2y^2-y", 5, AtMargin(), Below(70)},
  });
  return {ShowLikeTermsMenu};
}

}  // namespace corvane
