#include "corvane/add_subtract/add_subtract.h"
#include "corvane/brackets/brackets.h"
#include "corvane/corvane.h"
#include "corvane/fraction_terms/fraction_terms.h"
#include "corvane/like_terms/like_terms.h"
#include "corvane/monomials/monomials.h"
#include "corvane/multiply_divide/multiply_divide.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// Item 7 names no chapter.
const lesson::MainMenu kMenu{
    {{
        {"1　単項式と多項式", RunMonomialsChapter},
        {"2　同類項", RunLikeTermsChapter},
        {"3　式の加法・減法", RunAddSubtractChapter},
        {"4　数×多項式、多項式÷数", RunMultiplyDivideChapter},
        {"5　かっこのある式の計算", RunBracketsChapter},
        {"6　分数をふくむ式の計算", RunFractionTermsChapter},
        {"7　", nullptr},
        {"8　終了", nullptr},
    }},
    lesson::AskMenuNumber,
};

}  // namespace

lesson::Jump ShowMainMenu(lesson::Program& p) { return lesson::RunMainMenu(p, kMenu, ShowMainMenu); }

}  // namespace corvane
