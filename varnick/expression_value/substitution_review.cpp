// ① Review of substituting numbers into an expression: three problems worked in the left
// part of the screen, one line per key, while a note column on the right collects the
// chapter's terms and the rules each problem teaches. Reviews 1 and 2 first show the
// substitution written the wrong way, then erase it and write it correctly in its place.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "varnick/expression_value/expression_value.h"

namespace varnick {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// The note column keeps its own place, so that its notes run on downward from one review to
// the next while each review starts its left block again at the top.
struct NoteColumn {
  float NoteX = 0;
  float NoteY = 0;     // top of the last note line
  float NoteEndX = 0;  // where the last note text ended
};

void DrawNote(lesson::Program& p, NoteColumn& notes, const char* text, float colour, float x,
              float y) {
  p.text.TextToDraw = text;
  p.text.TextColour = colour;
  p.text.TextX = x;
  p.text.TextY = y;
  lesson::DrawText(p);
  notes.NoteEndX = p.text.TextX;
  notes.NoteY = p.text.TextY;
}

void ContinueNote(lesson::Program& p, NoteColumn& notes, const char* text, float colour) {
  DrawNote(p, notes, text, colour, notes.NoteEndX, notes.NoteY);
}

// The three terms with their definitions; a key before the second and before the third.
void DrawValueTermsPanel(lesson::Program& p, NoteColumn& notes) {
  notes.NoteX = 600;
  notes.NoteY = 30;
  DrawNote(p, notes, "式の値", 5, notes.NoteX, notes.NoteY);
  ContinueNote(p, notes, "…代入して計算した結果", 0);
  lesson::WaitForKey(p);
  DrawNote(p, notes, "代入", 5, notes.NoteX, notes.NoteY + 60);
  DrawNote(p, notes, "…式の中の文字に数をあてはめること", 0, notes.NoteX, notes.NoteY + 50);
  lesson::WaitForKey(p);
  DrawNote(p, notes, "文字の値", 3, notes.NoteX, notes.NoteY + 60);
  ContinueNote(p, notes, "…文字にあてはめる数", 0);
}

// Erases the left block (the whole lesson area for the first review, else the strip left of
// the notes) and draws the heading, the question and the expression.
void StartReview(lesson::Program& p, float erase_width, const char* heading,
                 const char* expression) {
  lesson::EraseFrom(p, 0, 0, erase_width, 1300);
  p.layout.MarginX = 48;
  p.layout.LineY = 27;
  lesson::ShowSteps(p, {
      {kAtOnce, heading, 3, AtMargin(), Below(0)},
      {kAtOnce, "次の式の値を求めなさい。", 3, AtMargin(), Below(50)},
      {kAtOnce, expression, 0, AtMargin(44), Below(60)},
  });
}

// After a key, the wrong form on the current line is erased and the right one drawn at the
// same corner.
void CorrectLine(lesson::Program& p, float erase_width, const char* text) {
  lesson::WaitForKey(p);
  lesson::EraseFrom(p, p.layout.MarginX, p.layout.LineY, erase_width, 52);
  lesson::DrawLessonText(p, text, 0, p.layout.MarginX, p.layout.LineY);
}

}  // namespace

lesson::Jump ShowExpressionValueReview(lesson::Program& p) {
  NoteColumn notes;

  StartReview(p, 1320, "復習1　x=2のとき、", "6-4x");
  lesson::WaitForKey(p);
  DrawValueTermsPanel(p, notes);
  lesson::ShowSteps(p, {
      {kKeyFirst, "x=2　を代入して", 0, AtMargin(44), Below(60)},
      {kKeyFirst, "=6-42", 0, AtMargin(), Below(60)},
  });
  CorrectLine(p, 220, "=6-4*2 ");
  lesson::ShowSteps(p, {
      {kKeyFirst, "=6-8", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=-2", 5, AtMargin(), Below(60)},
  });
  lesson::WaitForKey(p);
  DrawNote(p, notes, "<式の値の求め方>", 5, notes.NoteX, notes.NoteY + 90);
  DrawNote(p, notes, "① 代入するときは、", 0, notes.NoteX, notes.NoteY + 50);
  DrawNote(p, notes, "文字式の表し方に戻る", 3, notes.NoteX + 50, notes.NoteY + 50);

  lesson::WaitForKey(p);
  StartReview(p, 560, "復習2　x=-2のとき、", "6-4x");
  lesson::ShowSteps(p, {
      {kKeyFirst, "x=-2　を代入して", 0, AtMargin(44), Below(60)},
      {kKeyFirst, "=6-4*-2 ", 0, AtMargin(), Below(60)},
  });
  CorrectLine(p, 352, "=6-4*(-2) ");
  lesson::ShowSteps(p, {
      {kKeyFirst, "=6+8", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=14", 5, AtMargin(), Below(60)},
  });
  lesson::WaitForKey(p);
  DrawNote(p, notes, "② 負の数を代入するときは、", 0, notes.NoteX, notes.NoteY + 50);
  DrawNote(p, notes, "（　）をつける", 3, notes.NoteX + 50, notes.NoteY + 50);

  lesson::WaitForKey(p);
  StartReview(p, 560, "復習3　x=5,y=-4 のとき、", "3x+2y");
  lesson::ShowSteps(p, {
      {kKeyFirst, "x=5,y=-4　を代入して", 0, AtMargin(44), Below(60)},
      {kKeyFirst, "=3*5+2*(-4) ", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=15-8", 0, AtMargin(), Below(60)},
      {kKeyFirst, "=7", 5, AtMargin(), Below(60)},
  });
  lesson::WaitForKey(p);
  DrawNote(p, notes, "③ 2文字以上に代入する場合もある", 0, notes.NoteX, notes.NoteY + 50);
  return {ShowExpressionValueMenu};
}

}  // namespace varnick
