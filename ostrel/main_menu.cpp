#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/ostrel.h"

namespace ostrel {

namespace {

const lesson::MainMenu kMenu{
    {{
        {"1　数の表し方", nullptr},
        {"2　式による説明", nullptr},
        {"3　等式の変形", nullptr},
        {"4　P29 練習問題", nullptr},
        {"5　P30 学びをたしかめよう", nullptr},
        {"6　P32 学びを身につけよう", nullptr},
        {"7　", nullptr},
        {"8　終了", nullptr},
    }},
    lesson::AskMenuNumber,
};

}  // namespace

lesson::Jump ShowMainMenu(lesson::Program& p) { return lesson::RunMainMenu(p, kMenu, ShowMainMenu); }

}  // namespace ostrel
