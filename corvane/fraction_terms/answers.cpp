// The answers to 問3 (fraction coefficients in front of brackets) and 問4 (fractions with
// unlike denominators), each in two columns.
#include <array>

#include "corvane/fraction_terms/fraction_terms.h"
#include "corvane/sections.h"

namespace corvane {

namespace {

constexpr std::array<WorkedAnswer, 2> kQuestion3{{
    {kKeyFirst, 0, "(1)", 80, " ﾀ1/3ﾀ(x-2y)+ﾀ1/5ﾀ(-x+3y)",
     {{{"=ﾀ1/3ﾀx-ﾀ2/3ﾀy-ﾀ1/5ﾀx+ﾀ3/5ﾀy", 80},
       {"=ﾀ5/15ﾀx-ﾀ10/15ﾀy-ﾀ3/15ﾀx+ﾀ9/15ﾀy", 80},
       {"=ﾀ5/15ﾀx-ﾀ3/15ﾀx-ﾀ10/15ﾀy+ﾀ9/15ﾀy", 80},
       {"=ﾀ2/15ﾀx-ﾀ1/15ﾀy", 80}}}},
    {kKeyFirst, 684, "(2)", 60, " ﾀ1/4ﾀ(3x-y)-ﾀ1/2ﾀ(5x-3y)",
     {{{"=ﾀ3/4ﾀx-ﾀ1/4ﾀy-ﾀ5/2ﾀx+ﾀ3/2ﾀy", 80},
       {"=ﾀ3/4ﾀx-ﾀ1/4ﾀy-ﾀ10/4ﾀx+ﾀ6/4ﾀy", 80},
       {"=ﾀ3/4ﾀx-ﾀ10/4ﾀx-ﾀ1/4ﾀy+ﾀ6/4ﾀy", 80},
       {"=-ﾀ7/4ﾀx+ﾀ5/4ﾀy", 80}}}},
}};

// The title comes with answer (1).
constexpr std::array<WorkedAnswer, 2> kQuestion4{{
    {kAtOnce, 0, "(1)", 60, " ﾀx+5y/6ﾀ+ﾀ-4x+3y/9ﾀ",
     {{{"=ﾀ3(x+5y)/18ﾀ+ﾀ2(-4x+3y)/18ﾀ", 90},
       {"=ﾀ3(x+5y)+2(-4x+3y)/18ﾀ", 90},
       {"=ﾀ3x+15y-8x+6y/18ﾀ", 90},
       {"=ﾀ3x-8x+15y+6y/18ﾀ", 90},
       {"=ﾀ-5x+21y/18ﾀ", 90}}}},
    {kKeyFirst, 720, "(2)", 40, " ﾀ3a-5b/4ﾀ-ﾀa-7b/8ﾀ",
     {{{"=ﾀ2(3a-5b)-(a-7b)/8ﾀ", 90},
       {"=ﾀ6a-10b-a+7b/8ﾀ", 90},
       {"=ﾀ6a-a-10b+7b/8ﾀ", 90},
       {"=ﾀ5a-3b/8ﾀ", 90}}}},
}};

}  // namespace

lesson::Jump ShowFractionTermsQuestion3Answers(lesson::Program& p) {
  ShowWorkedAnswers(p, "問3 解答", kQuestion3);
  return {ShowFractionTermsMenu};
}

lesson::Jump ShowFractionTermsQuestion4Answers(lesson::Program& p) {
  ShowWorkedAnswers(p, "問4 解答", kQuestion4);
  return {ShowFractionTermsMenu};
}

}  // namespace corvane
