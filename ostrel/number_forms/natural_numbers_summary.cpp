// Two- and three-digit natural numbers written with their digits' letters, and the summary
// sheet of every number form of the chapter.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"

namespace ostrel {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

lesson::Jump ShowNaturalNumbers(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  // The tens and hundreds labels and their terms come one key press each; the units label,
  // its letter and " だから" together. The answer of (1) and the question of (2) come with
  // one key press.
  lesson::ShowSteps(p, {
      {kAtOnce, "問5　37や256などの自然数を文字を使って表しなさい。", 0, AtMargin(), Below(0)},
      {kAtOnce, "(1) 十の位の数をx、一の位の数をyとするとき、2けたの自然数", 3, AtMargin(),
       Below(60)},
      {kKeyFirst, "十の位は、", 0, AtMargin(88), Below(60)},
      {kKeyFirst, "10x", 5},
      {kKeyFirst, "、一の位は、", 0},
      {kAtOnce, "y", 5},
      {kAtOnce, " だから", 0},
      {kKeyFirst, "10x+y", 5, AtMargin(132), Below(60)},
      {kAtOnce, "(2) 百の位の数をa、十の位の数をb、一の位の数をcとするとき、", 3, AtMargin(),
       Below(90)},
      {kAtOnce, "     3けたの自然数", 3, AtMargin(), Below(50)},
      {kKeyFirst, "百の位は、", 0, AtMargin(88), Below(60)},
      {kKeyFirst, "100a", 5},
      {kKeyFirst, "、十の位は、", 0},
      {kKeyFirst, "10b", 5},
      {kKeyFirst, "、一の位は、", 0},
      {kAtOnce, "c", 5},
      {kAtOnce, " だから", 0},
      {kKeyFirst, "100a+10b+c", 5, AtMargin(132), Below(60)},
  });
  return {ShowNumberFormsMenu};
}

lesson::Jump ShowNumberFormsSummary(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 88;
  p.layout.LineY = 30;
  // After one key press the whole sheet: each group heading 66 left of its entries, each
  // entry a label and its forms.
  lesson::ShowSteps(p, {
      {kAtOnce, "<倍数・偶数・奇数・自然数の表し方>", 0, AtMargin(), Below(0)},
      {kKeyFirst, "(1) nを整数とすると", 3, AtMargin(-66), Below(60)},
      {kAtOnce, "① ３の倍数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "3n", 5},
      {kAtOnce, "② 偶数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "2n", 5},
      {kAtOnce, "③ 奇数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "2n+1,2n-1", 5},
      {kAtOnce, "(2) m,nを整数とすると", 3, AtMargin(-66), Below(60)},
      {kAtOnce, "① 連続する偶数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "2nと2n+2 ,2n-2と2n", 5},
      {kAtOnce, "② ２つの偶数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "2mと2n", 5},
      {kAtOnce, "③ 連続する奇数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "2n+1と2n+3,2n-1と2n+1", 5},
      {kAtOnce, "④ ２つの奇数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "2m+1と2n+1", 5},
  });
  // The right column starts level with the left one.
  p.layout.MarginX = 528;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "(3) 十の位をx、一の位をyとすると", 3, AtMargin(-66), Below(60)},
      {kAtOnce, "2けたの自然数…", 0, AtMargin(), Below(60)},
      {kAtOnce, "10x+y", 5},
  });
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
