// Exercise 4 of page 32: (1) the even number after 2n, then (2) the sum of three consecutive
// even numbers shown, one step per key press, to be three times the middle one.
#include "lessonlib/chapter_frame.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

lesson::Jump ShowConsecutiveEvenSumProof(Program& p) {
  StartP32Screen(p);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawP32Heading(p, "4");
  lesson::ShowSteps(p, {
      Label("(1)", Below(60)),
      {kAtOnce, "2n+2", 5},
      {kKeyFirst, "(2)", 3, AtColumn(), Below(60)},
      Problem("連続する3つの偶数を　2n,2n+2,2n+4 とすると", AfterText()),
      {kKeyFirst, "これらの和は", 0, AtMargin(), Below(60)},
      // The sum starts with a blank, close under the terms after "=" below.
      {kKeyFirst, " 2n+(2n+2)+(2n+4)", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=2n+2n+2+2n+4", 0, AtMargin(), Below(60)},
      Worked("=6n+6", 60),
      {kAtOnce, "=3(2n+2)", 3, AtMargin(), Below(60)},
      {kKeyFirst, "2n+2は中央の偶数だから、3(2n+2)は中央の偶数の3倍である。", 0, AtMargin(),
       Below(60)},
      Worked("したがって、連続する3つの偶数の和は、中央の偶数の3倍になる。", 60),
  });
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
