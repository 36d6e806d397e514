// Exercise 6 of page 32: a three-digit number whose tens digit is the sum of its hundreds
// digit a and its ones digit b is a multiple of 11: 100a+10(a+b)+b = 11(10a+b).
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/answer_screens.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/step_names.h"

namespace ostrel {

// The screen sets no draw width: its box borders take the width in force.
lesson::Jump ShowThreeDigitElevenProof(Program& p) {
  StartP32Screen(p);
  DrawP32Heading(p, "6");
  lesson::ShowSteps(p, {
      {kKeyFirst, "百の位をa,一の位をbとすると、十の位はa+b となるので", 0, AtMargin(),
       Below(60)},
      Worked("この3けたの正の整数は、100a+10(a+b)+b と表される。", 60),
      Worked(" 100a+10(a+b)+b", 60),
      Worked("=100a+10a+10b+b", 50),
      Worked("=110a+11b", 50),
      {kAtOnce, "=11(10a+b)", 3, AtMargin(), Below(50)},
      Worked("10a+b は整数だから、11の倍数になる。", 60),
      Worked("したがって、3けたの正の整数で、百の位の数と一の位の数の和が", 50),
      Worked("十の位の数になっている数は11の倍数である。", 50),
  });
  return {ShowP32MasterMenu};
}

}  // namespace ostrel
