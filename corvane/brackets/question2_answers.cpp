// The answers to 問2: four expressions with brackets expanded, regrouped and collected, one
// answer at every key, in two columns.
#include <array>

#include "corvane/brackets/brackets.h"
#include "corvane/sections.h"

namespace corvane {

namespace {

// The regrouped line of the lower answer in each column stands 80 below its expanded line.
constexpr std::array<WorkedAnswer, 4> kQuestion2{{
    {kKeyFirst, 0, "(1)", 60, " 2(3x-y)+3(x+2y)",
     {{{"=6x-2y+3x+6y", 60}, {"=6x+3x-2y+6y", 60}, {"=9x+4y", 60}}}},
    {kKeyFirst, 0, "(2)", 60, " 3(5a-b)-2(2a-2b)",
     {{{"=15a-3b-4a+4b", 60}, {"=15a-4a-3b+4b", 80}, {"=11a+b", 60}}}},
    {kKeyFirst, 684, "(3)", 60, " 4(a+1)+2(2a+b-3)",
     {{{"=4a+4+4a+2b-6", 60}, {"=4a+4a+2b+4-6", 60}, {"=8a+2b-2", 60}}}},
    {kKeyFirst, 0, "(4)", 60, " 6(4x+y-2)-7(x-2y+1)",
     {{{"=24x+6y-12-7x+14y-7", 60}, {"=24x-7x+6y+14y-12-7", 80}, {"=17x+20y-19", 60}}}},
}};

}  // namespace

lesson::Jump ShowBracketsQuestion2Answers(lesson::Program& p) {
  ShowWorkedAnswers(p, "問2 解答", kQuestion2);
  return {ShowBracketsMenu};
}

}  // namespace corvane
