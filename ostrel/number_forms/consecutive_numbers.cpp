// Consecutive integers, consecutive and arbitrary even and odd numbers written with the
// letters m and n: each form derived from a chosen starting number, one line per key press.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"

namespace ostrel {

namespace {

using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

constexpr const char* kQuestion = "問4　次の数を 整数 m,n を使って表しなさい。";

// A screen starts at the top with the question.
void StartScreen(Program& p) {
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {{kAtOnce, kQuestion, 0, AtMargin(), Below(0)}});
}

// The texts of the even-number and odd-number screens, which share their layout.
struct PairScreen {
  const char* consecutive_question;
  const char* smaller_first;   // ① the smaller one is given a form...
  const char* smaller_form;
  const char* larger_then;     // ... and the larger one follows
  const char* larger_form;
  const char* larger_first;    // ② the larger one is given the form...
  const char* smaller_then;    // ... and the smaller one follows
  const char* smaller_then_form;
  const char* other_forms;
  const char* any_two_question;
  const char* any_two_forms;
};

constexpr PairScreen kEvenScreen{
    "(2) 2と4のように、連続する偶数",
    "①小さい方の偶数を", "2n", "大きい方の偶数は", "2n+2",
    "②大きい方の偶数を", "小さい方の偶数は", "2n-2",
    "2n+2と2n+4,2n-4と2n-2…",
    "(3) 2と126のような２つの偶数", "2m と 2n",
};

constexpr PairScreen kOddScreen{
    "(4) 3と5のように、連続する奇数",
    "①小さい方の奇数を", "2n+1", "大きい方の奇数は", "2n+3",
    "②大きい方の奇数を", "小さい方の奇数は", "2n-1",
    "2n+3と2n+5,2n-5と2n-3…",
    "(5) 3と177のような２つの奇数", "2m+1 と 2n+1",
};

void ShowPairScreen(Program& p, const PairScreen& s) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  StartScreen(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, s.consecutive_question, 3, AtMargin(), Below(60)},
      {kKeyFirst, s.smaller_first, 0, AtMargin(88), Below(60)},
      {kAtOnce, s.smaller_form, 5},
      {kAtOnce, "とすると、", 0},
      {kKeyFirst, s.larger_then, 0, AtMargin(132), Below(60)},
      {kAtOnce, "2大きいから", 3},
      {kAtOnce, s.larger_form, 5},
      {kKeyFirst, s.larger_first, 0, AtMargin(88), Below(60)},
      {kAtOnce, s.smaller_form, 5},
      {kAtOnce, "とすると、", 0},
      {kKeyFirst, s.smaller_then, 0, AtMargin(132), Below(60)},
      {kAtOnce, "2小さいから", 3},
      {kAtOnce, s.smaller_then_form, 5},
      {kKeyFirst, "③他にも、", 0, AtMargin(88), Below(60)},
      {kAtOnce, s.other_forms, 9},
      {kKeyFirst, s.any_two_question, 3, AtMargin(), Below(90)},
      {kKeyFirst, s.any_two_forms, 5, AtMargin(132), Below(60)},
  });
}

}  // namespace

lesson::Jump ShowConsecutiveNumbers(Program& p) {
  lesson::EraseScreen(p);
  StartScreen(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(1) 2,3,4のように、3つの続いた整数", 3, AtMargin(), Below(60)},
      {kKeyFirst, "①一番小さい整数を", 0, AtMargin(88), Below(60)},
      {kAtOnce, "n", 5},
      {kAtOnce, "とすると、", 0},
      {kKeyFirst, "中央の整数は", 0, AtMargin(132), Below(60)},
      {kAtOnce, "1大きいから", 3},
      {kAtOnce, "n+1", 5},
      {kKeyFirst, "一番大きい整数は", 0, AtMargin(132), Below(60)},
      {kAtOnce, "2大きいから", 3},
      {kAtOnce, "n+2", 5},
      {kKeyFirst, "n,n+1,n+2", 5, AtMargin(132), Below(60)},
      {kKeyFirst, "②中央の整数を", 0, AtMargin(88), Below(60)},
      {kAtOnce, "n", 5},
      {kAtOnce, "とすると、", 0},
      {kKeyFirst, "一番小さい整数は", 0, AtMargin(132), Below(60)},
      {kAtOnce, "1小さいから", 3},
      {kAtOnce, "n-1", 5},
      {kKeyFirst, "一番大きい整数は", 0, AtMargin(132), Below(60)},
      {kAtOnce, "1大きいから", 3},
      {kAtOnce, "n+1", 5},
      {kKeyFirst, "n-1,n,n+1", 5, AtMargin(132), Below(60)},
  });
  // Two separate key presses before the next screen.
  lesson::WaitForKey(p);
  lesson::WaitForKey(p);
  ShowPairScreen(p, kEvenScreen);
  lesson::WaitForKey(p);
  lesson::WaitForKey(p);
  ShowPairScreen(p, kOddScreen);
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
