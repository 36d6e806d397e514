// Sections ④ "例題1", ⑤ "問２" and ⑥ "話しあおう": why an even plus an odd number is odd, why
// two odd numbers add up to an even one, and why writing both odd numbers with the same
// letter does not explain it. Text only, one piece per key.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/explaining/explaining.h"

namespace ostrel {

namespace {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::OnLine;
using lesson::Program;

// These screens draw only text: they keep the draw width in force.
void StartTextScreen(Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
}

}  // namespace

lesson::Jump ShowEvenOddSumExplanation(Program& p) {
  StartTextScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "例題1　偶数と奇数の和は奇数になる。", 0, AtMargin(), Below(0)},
      {kAtOnce, "その理由を、文字式を使って説明しなさい。", 0, AtMargin(61), Below(50)},
      {kKeyFirst, "＜説明＞", 3, AtMargin(), Below(60)},
      {kKeyFirst, "m,nを整数とすると、偶数は ", 0, AtMargin(), Below(60)},
      {kKeyFirst, "2m", 3},
      {kAtOnce, "奇数は ", 0, AtMargin(), Below(60)},
      {kKeyFirst, "2n+1", 3},
      {kKeyFirst, " と表されるから、それらの和は", 0},
      {kKeyFirst, "　2m+(2n+1)", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2m+2n+1", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2(   )+1", 3, AtMargin(), Below(50)},
      // The same place again: the three blanks are as wide as "m+n", which fills the bracket.
      {kKeyFirst, "=2(m+n)+1", 3, AtMargin(), OnLine()},
      {kKeyFirst, "m+nは整数だから、", 0, AtMargin(), Below(60)},
      {kAtOnce, "奇数になる。", 3},
      {kAtOnce, "したがって、偶数と奇数の和は奇数になる。", 0, AtMargin(), Below(60)},
      {kKeyFirst, "問2をやろう。", 3, AtMargin(), Below(60)},
  });
  return {ShowExplainingMenu};
}

lesson::Jump ShowOddOddSumExplanation(Program& p) {
  StartTextScreen(p);
  lesson::ShowSteps(p, {
      {kAtOnce, "問2　奇数と奇数の和は偶数になる。", 0, AtMargin(), Below(0)},
      {kAtOnce, "＜説明＞", 3, AtMargin(), Below(60)},
      {kKeyFirst, "m,nを整数とすると、2つの奇数は ", 0, AtMargin(), Below(60)},
      {kKeyFirst, "2m+1,2n+1", 3},
      {kKeyFirst, "と表されるから、それらの和は", 0, AtMargin(), Below(50)},
      {kKeyFirst, " (2m+1)+(2n+1)", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2m+1+2n+1", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2m+2n+2", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=2(m+n+1)", 3, AtMargin(), Below(50)},
      {kKeyFirst, "m+n+1は整数だから、", 0, AtMargin(), Below(60)},
      {kAtOnce, "偶数になる。", 3},
      {kAtOnce, "したがって、奇数と奇数の和は偶数になる。", 0, AtMargin(), Below(50)},
  });
  return {ShowExplainingMenu};
}

lesson::Jump ShowSameLetterDiscussion(Program& p) {
  StartTextScreen(p);
  // The explanation in question fills the left column at the first key.
  lesson::ShowSteps(p, {
      {kAtOnce, "次の説明が不十分な理由は？", 7, AtMargin(), Below(0)},
      {kAtOnce, "＜説明＞", 3, AtMargin(), Below(60)},
      {kKeyFirst, "nを整数とすると、奇数は ", 0, AtMargin(), Below(60)},
      {kAtOnce, "2n+1", 3},
      {kAtOnce, "と表されるから、奇数と奇数の和は", 0, AtMargin(), Below(50)},
      {kAtOnce, " (2n+1)+(2n+1)", 0, AtMargin(), Below(50)},
      {kAtOnce, "=4n+2", 0, AtMargin(), Below(50)},
      {kAtOnce, "=2(2n+1)", 3, AtMargin(), Below(50)},
      {kAtOnce, "2n+1は整数だから、", 0, AtMargin(), Below(60)},
      {kAtOnce, "偶数になる。", 3},
      {kAtOnce, "したがって、", 0, AtMargin(), Below(50)},
      {kAtOnce, "奇数と奇数の和は偶数になる。", 0, AtMargin(), Below(50)},
  });
  // The reasons, in a right-hand column from the top, beside the explanation.
  lesson::WaitForKey(p);
  p.layout.MarginX = 680;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "①問2とは奇数の表し方がちがう。", 0, AtMargin(), Below(0)},
      {kAtOnce, "　2m+1,2n+1 と 2n+1", 3, AtMargin(), Below(50)},
      {kKeyFirst, "②2n+1で、n=3のとき", 0, AtMargin(), Below(50)},
      {kAtOnce, "　2n+1=", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2*3+1=7 だから", 0},
      {kAtOnce, "　7+7=14 ", 3, AtMargin(), Below(50)},
      {kKeyFirst, "　同じ奇数しか表せない。", 3, AtMargin(), Below(50)},
      {kKeyFirst, "③2m+1,2n+1で、", 0, AtMargin(), Below(50)},
      {kAtOnce, "　m=1,n=3のとき", 0, AtMargin(), Below(50)},
      {kAtOnce, "　2m+1=", 0, AtMargin(), Below(50)},
      {kKeyFirst, "2*1+1=3 ", 0},
      {kKeyFirst, "　2n+1=7 だから", 0, AtMargin(), Below(50)},
      {kAtOnce, "　3+7=10 ", 3, AtMargin(), Below(50)},
      {kKeyFirst, "　異なる奇数が表せる。", 3, AtMargin(), Below(50)},
  });
  return {ShowExplainingMenu};
}

}  // namespace ostrel
