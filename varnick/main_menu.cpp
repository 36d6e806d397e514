#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "varnick/divide_fractions/divide_fractions.h"
#include "varnick/divide_monomials/divide_monomials.h"
#include "varnick/expression_value/expression_value.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"
#include "varnick/multiply_monomials/multiply_monomials.h"
#include "varnick/p19_answers/p19_answers.h"
#include "varnick/p22_answers/p22_answers.h"
#include "varnick/varnick.h"

namespace varnick {

namespace {

// Every item from 1 to 7 is a chapter.
const lesson::MainMenu kMenu{
    {{
        {"1　式の値", RunExpressionValueChapter},
        {"2　練習問題", RunP19ExercisesChapter},
        {"3　単項式の乗法", RunMonomialMultiplicationChapter},
        {"4　単項式の除法", RunMonomialDivisionChapter},
        {"5　分数をふくむ式の除法", RunFractionDivisionChapter},
        {"6　乗除の混じった計算", RunMixedMultiplyDivideChapter},
        {"7　練習問題", RunP22ExercisesChapter},
        {"8　終了", nullptr},
    }},
    lesson::AskMenuNumber,
};

}  // namespace

lesson::Jump ShowMainMenu(lesson::Program& p) { return lesson::RunMainMenu(p, kMenu, ShowMainMenu); }

}  // namespace varnick
