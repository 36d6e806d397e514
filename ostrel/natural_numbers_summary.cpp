// Two- and three-digit natural numbers written with their digits' letters, and the summary
// sheet of every number form of the chapter.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/lesson_steps.h"
#include "ostrel/ostrel.h"

namespace ostrel {

using lesson::ContinueLessonText;
using lesson::DrawLessonText;
using lesson::Program;
using lesson::WaitForKey;

lesson::Jump ShowNaturalNumbers(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  const float label_x = p.layout.MarginX + 88;
  const float answer_x = p.layout.MarginX + 132;
  NextLine(p, "問5　37や256などの自然数を文字を使って表しなさい。", 0, 0);
  NextLine(p, "(1) 十の位の数をx、一の位の数をyとするとき、2けたの自然数", 3, 60);
  WaitForKey(p);
  DrawLessonText(p, "十の位は、", 0, label_x, p.layout.LineY + 60);
  WaitForKey(p);
  ContinueLessonText(p, "10x", 5);
  WaitForKey(p);
  ContinueLessonText(p, "、一の位は、", 0);
  ContinueLessonText(p, "y", 5);
  ContinueLessonText(p, " だから", 0);
  WaitForKey(p);
  // The answer of (1) and the question of (2) come with one key press.
  DrawLessonText(p, "10x+y", 5, answer_x, p.layout.LineY + 60);
  NextLine(p, "(2) 百の位の数をa、十の位の数をb、一の位の数をcとするとき、", 3, 90);
  NextLine(p, "     3けたの自然数", 3, 50);
  WaitForKey(p);
  DrawLessonText(p, "百の位は、", 0, label_x, p.layout.LineY + 60);
  WaitForKey(p);
  ContinueLessonText(p, "100a", 5);
  WaitForKey(p);
  ContinueLessonText(p, "、十の位は、", 0);
  WaitForKey(p);
  ContinueLessonText(p, "10b", 5);
  WaitForKey(p);
  ContinueLessonText(p, "、一の位は、", 0);
  ContinueLessonText(p, "c", 5);
  ContinueLessonText(p, " だから", 0);
  WaitForKey(p);
  DrawLessonText(p, "100a+10b+c", 5, answer_x, p.layout.LineY + 60);
  return {ShowNumberFormsMenu};
}

lesson::Jump ShowNumberFormsSummary(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 88;
  p.layout.LineY = 30;
  NextLine(p, "<倍数・偶数・奇数・自然数の表し方>", 0, 0);
  WaitForKey(p);
  // Each group heading stands 66 left of its entries; each entry is a label and its forms.
  const auto heading = [&p](const char* text) {
    DrawLessonText(p, text, 3, p.layout.MarginX - 66, p.layout.LineY + 60);
  };
  const auto entry = [&p](const char* label, const char* forms) {
    DrawPieces(p, p.layout.MarginX, p.layout.LineY + 60, {{label, 0}, {forms, 5}});
  };
  heading("(1) nを整数とすると");
  entry("① ３の倍数…", "3n");
  entry("② 偶数…", "2n");
  entry("③ 奇数…", "2n+1,2n-1");
  heading("(2) m,nを整数とすると");
  entry("① 連続する偶数…", "2nと2n+2 ,2n-2と2n");
  entry("② ２つの偶数…", "2mと2n");
  entry("③ 連続する奇数…", "2n+1と2n+3,2n-1と2n+1");
  entry("④ ２つの奇数…", "2m+1と2n+1");
  // The right column starts level with the left one.
  p.layout.MarginX = 528;
  p.layout.LineY = 30;
  heading("(3) 十の位をx、一の位をyとすると");
  entry("2けたの自然数…", "10x+y");
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
