#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"
#include "ostrel/p29_exercises/p29_exercises.h"
#include "ostrel/p30_check/p30_check.h"
#include "ostrel/p32_master/p32_master.h"
#include "ostrel/transforming/transforming.h"

namespace ostrel {

namespace {

const lesson::MainMenu kMenu{
    {{
        {"1　数の表し方", RunNumberFormsChapter},
        {"2　式による説明", RunExplainingChapter},
        {"3　等式の変形", RunTransformingChapter},
        {"4　P29 練習問題", RunP29ExercisesChapter},
        {"5　P30 学びをたしかめよう", RunP30CheckChapter},
        {"6　P32 学びを身につけよう", RunP32MasterChapter},
        {"7　", ReturnToMainMenu},
        {"8　終了", nullptr},
    }},
    // The menu has drawn "番号を入力して下さい。" itself; TextToDraw is empty by now, so the
    // prompt stands on the screen once.
    AskPromptedNumber,
};

}  // namespace

lesson::Jump ShowMainMenu(lesson::Program& p) { return lesson::RunMainMenu(p, kMenu, ShowMainMenu); }

lesson::Jump ReturnToMainMenu(lesson::Program&) { return {ShowMainMenu}; }

void AskPromptedNumber(lesson::Program& p) {
  p.text.TextColour = 0;
  p.text.TextX = p.input.FieldX - 240;
  p.text.TextY = p.input.FieldY;
  lesson::DrawWideText(p);
  lesson::ReadNumberField(p);
  lesson::ParseNumberInput(p);
}

}  // namespace ostrel
