// Chapter 1, writing numbers with letters: its entry, goal screen and sub-menu.
#include "lessonlib/chapter_frame.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"

namespace ostrel {

lesson::Jump RunNumberFormsChapter(lesson::Program& p) {
  ShowNumberFormsGoal(p);
  return {ShowNumberFormsMenu};
}

// Drawn on the screen the main menu has just erased, so it erases nothing itself.
void ShowNumberFormsGoal(lesson::Program& p) {
  p.layout.MarginX = 44;
  p.layout.LineY = 240;
  lesson::DrawLessonText(p, "<めあて>", 5, 44, 240);
  lesson::DrawLessonText(p, "文字を使って倍数や偶数、奇数を表そう。", 0, p.layout.MarginX + 32,
                         p.layout.LineY + 65);
}

lesson::Jump ShowNumberFormsMenu(lesson::Program& p) {
  return lesson::RunSubMenu(
      p, "①倍数　②偶数　③奇数　④連続する数　⑤自然数　⑥まとめ　⑦練習1　⑧練習2　⑨終了",
      {ShowMultiples, ShowEvenNumbers, ShowOddNumbers, ShowConsecutiveNumbers,
       ShowNaturalNumbers, ShowNumberFormsSummary, RunNumberFormsDrill, RunMultipleCheckDrill,
       ShowMainMenu},
      ShowNumberFormsMenu);
}

}  // namespace ostrel
