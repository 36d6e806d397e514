// Exercise 6 of page 30: two expressions simplified and then evaluated for a = 3 and
// b = -1/2; the second beside the first after a key press.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/step_names.h"

namespace ostrel {

namespace {

constexpr const char* kSubstitution = "a=3 ,b=-ﾀ1/2ﾀ　を代入して";

}  // namespace

// The simplified expressions are steps; only the values are answers.
lesson::Jump ShowSimplifyAndSubstituteAnswers(Program& p) {
  StartP30Screen(p);
  DrawAnswerHeading(p, kPage30Title, AtMargin(), AtY(30), 10, "6");
  lesson::ShowSteps(p, {
      Label("(1)", Below(60)),
      Problem(" 2a-7b-a+3b", AfterText()),
      Worked("=2a-a-7b+3b", 60),
      Worked("=a-4b", 60),
      Worked(kSubstitution, 70),
      Worked("=3-4*(-ﾀ1/2ﾀ)", 80),
      Worked("=3+2", 80),
      Answer("=5", 80),
  });
  lesson::WaitForKey(p);
  StartAnswerColumn(p, 600);
  lesson::ShowSteps(p, {
      Label("(2)", Below(60)),
      Problem(" 3(a-2b)-(5a+2b)", AfterText()),
      Worked("=3a-6b-5a-2b", 60),
      Worked("=3a-5a-6b-2b", 60),
      Worked("=-2a-8b", 60),
      Worked(kSubstitution, 70),
      Worked("=-2*3-8*(-ﾀ1/2ﾀ)", 60),
      Worked("=-6+4", 60),
      Answer("=-2", 60),
  });
  return {ShowP30CheckMenu};
}

}  // namespace ostrel
