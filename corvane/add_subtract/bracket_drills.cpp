// The bracket drills: example 5 adds two generated binomials, example 6 subtracts the right
// one from the left, each worked out one step per key until 1 is entered. Then the method's
// steps beside the last problem and the notebook-and-pen purchases of the first section
// worked the same way.
#include <string>

#include "corvane/add_subtract/add_subtract.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// A binomial from two coefficient texts.
std::string Binomial(const std::string& a, const std::string& b) { return a + "a" + b + "b"; }

// "=" and the result's terms; when both sums are 0 the result is written as 0.
std::string ResultLine(lesson::Program& p) {
  const std::string terms = p.work.TermTexts(15) + p.work.TermTexts(16);
  return "=" + (terms.empty() ? std::string("0") : terms);
}

// A pass starts by clearing the right part of the screen below the corner (PanelX, PanelY).
void StartPass(lesson::Program& p, float panel_x) {
  p.layout.PanelX = panel_x;
  p.layout.PanelY = 0;
  lesson::EraseFrom(p, p.layout.PanelX + 16, p.layout.PanelY + 9, 800, 630);
}

// The problem panel, erased from (PanelX, PanelY) = (16, 18); its lines start at
// MarginX = PanelX + 32.
void EnterPanel(lesson::Program& p, float panel_height) {
  p.layout.PanelX = 16;
  p.layout.PanelY = 18;
  p.layout.MarginX = p.layout.PanelX + 32;
  lesson::EraseFrom(p, p.layout.PanelX, p.layout.PanelY, 920, panel_height);
}

void ShowAdditionPass(lesson::Program& p) {
  StartPass(p, 448);
  GenerateBracketAdditionProblem(p);
  EnterPanel(p, 408);
  const auto& t = p.work.TermTexts;
  const float x = p.layout.PanelX + 48;
  lesson::ShowSteps(p, {
      {kAtOnce, "例5　次の2つの式をたしなさい。", 3, AtX(p.layout.PanelX + 32),
       AtY(p.layout.PanelY + 18)},
      {kAtOnce, Binomial(t(1), t(2)) + "," + Binomial(t(3), t(4)), 0, AtMargin(40), Below(55)},
      {kKeyFirst, "(", 3, AtMargin(40), Below(65)},
      {kAtOnce, Binomial(t(1), t(2)), 0},
      {kAtOnce, ")+(", 3},
      {kAtOnce, Binomial(t(3), t(4)), 0},
      {kAtOnce, ")", 3},
      {kKeyFirst, "=" + Binomial(t(1), t(2)) + Binomial(t(13), t(4)), 0, AtX(x), Below(65)},
      {kKeyFirst, "=" + t(1) + "a" + t(13) + "a" + t(2) + "b" + t(4) + "b", 0, AtX(x), Below(65)},
      {kKeyFirst, ResultLine(p), 5, AtX(x), Below(65)},
  });
  lesson::AskNextStep(p);
}

void ShowAdditionClosing(lesson::Program& p) {
  p.layout.MarginX = 600;
  p.layout.LineY = 60;
  lesson::ShowSteps(p, {
      {kAtOnce, "   <式の加法の計算>", 7, AtMargin(), OnLine()},
      {kAtOnce, "①　それぞれの式に（　）をつける。", 0, AtMargin(), Below(60)},
      {kAtOnce, "②　+ でつなぐ。", 0, AtMargin(), Below(60)},
      {kAtOnce, "③　（　）をはずす。", 0, AtMargin(), Below(60)},
      {kAtOnce, "④　同類項をまとめる。", 0, AtMargin(), Below(60)},
  });
  // The notebook-and-pen total, under the last problem.
  p.layout.MarginX = 40;
  p.layout.LineY += 50;
  lesson::ShowSteps(p, {
      {kKeyFirst, "2人の代金の合計は", 7, AtMargin(), Below(50)},
      {kKeyFirst, " (5a+3b)+(2a+5b)", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=5a+3b+2a+5b", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=5a+2a+3b+5b", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=7a+8b(円)", 5, AtMargin(), Below(50)},
      {kKeyFirst, "教科書P15 問5　をしなさい。", 7, AfterText(40), OnLine()},
  });
}

void ShowSubtractionPass(lesson::Program& p) {
  StartPass(p, 880);
  GenerateBracketSubtractionProblem(p);
  EnterPanel(p, 473);
  p.layout.LineY = p.layout.PanelY + 9;
  const auto& t = p.work.TermTexts;
  const auto& posed = p.work.AuxTexts;
  const float x = p.layout.PanelX + 48;
  lesson::ShowSteps(p, {
      {kAtOnce, "例6 左の式から右の式をひきなさい。", 3, AtMargin(), OnLine()},
      {kAtOnce, Binomial(posed(1), posed(2)) + "," + Binomial(posed(3), posed(4)), 0,
       AtMargin(40), Below(50)},
      {kKeyFirst, "(", 3, AtX(x + 40), Below(50)},
      {kAtOnce, Binomial(posed(1), posed(2)), 0},
      {kAtOnce, ")-(", 3},
      {kAtOnce, Binomial(posed(3), posed(4)), 0},
      {kAtOnce, ")", 3},
      // The minus becomes a plus and the subtrahend changes its signs, both in colour 3.
      {kKeyFirst, "=(", 0, AtX(x), Below(50)},
      {kAtOnce, posed(1) + "a" + posed(2) + "b)", 0},
      {kAtOnce, "+", 3},
      {kAtOnce, "(", 0},
      {kAtOnce, Binomial(t(13), t(4)), 3},
      {kAtOnce, ")", 0},
      {kKeyFirst, "=" + Binomial(t(1), t(2)) + Binomial(t(3), t(4)), 0, AtX(x), Below(50)},
      {kKeyFirst, "=" + t(1) + "a" + t(3) + "a" + t(2) + "b" + t(4) + "b", 0, AtX(x), Below(50)},
      {kKeyFirst, ResultLine(p), 5, AtX(x), Below(50)},
  });
  // The closing's worked difference starts under this result.
  p.work.SavedX(1) = x;
  p.work.SavedY(1) = p.layout.LineY;
  lesson::AskNextStep(p);
}

void ShowSubtractionClosing(lesson::Program& p) {
  p.layout.MarginX = 680;
  p.layout.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "   <式の減法の計算>", 7, AtMargin(), OnLine()},
      {kAtOnce, "①　それぞれの式に（　）をつける。", 0, AtMargin(), Below(50)},
      {kAtOnce, "②　- でつなぐ。", 0, AtMargin(), Below(50)},
      {kAtOnce, "③　+ にする。", 3, AtMargin(), Below(50)},
      {kAtOnce, "　 ( )の中の項は、", 3, AtMargin(), Below(50)},
      {kAtOnce, "　 すべて符号を変える", 3, AtMargin(), Below(50)},
      {kAtOnce, "④　（　）をはずす。", 0, AtMargin(), Below(50)},
      {kAtOnce, "⑤　同類項をまとめる。", 0, AtMargin(), Below(50)},
  });
  // The notebook-and-pen difference, under the last pass's result.
  p.layout.MarginX = p.work.SavedX(1);
  p.layout.LineY = p.work.SavedY(1);
  lesson::ShowSteps(p, {
      {kKeyFirst, "2人の代金の差は", 7, AtMargin(), Below(70)},
      {kKeyFirst, " (5a+3b)-(2a+5b)", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=(5a+3b)+(-2a-5b)", 0, AtMargin(), Below(50)},
  });
  // Its result stands on this line, 70 right of its end.
  p.work.SavedX(2) = p.layout.LineEndX + 70;
  p.work.SavedY(2) = p.layout.LineY;
  lesson::ShowSteps(p, {
      {kKeyFirst, "=5a+3b-2a-5b", 0, AtMargin(), Below(50)},
      {kKeyFirst, "=5a-2a+3b-5b", 0, AtMargin(), Below(50)},
  });
  lesson::WaitForKey(p);
  p.layout.MarginX = p.work.SavedX(2);
  p.layout.LineY = p.work.SavedY(2);
  lesson::ShowSteps(p, {
      {kAtOnce, "=3a-2b(円)", 5, AtMargin(), OnLine()},
      {kKeyFirst, "教科書P16 問6　をしなさい。", 7, AtMargin(), Below(60)},
  });
}

// Both drills: the screen cleared, passes until 1 is entered, the closing.
lesson::Jump RunBracketDrill(lesson::Program& p, void (*pass)(lesson::Program&),
                             void (*closing)(lesson::Program&)) {
  lesson::EraseFrom(p, 0, 0, 1200, 1300);
  lesson::RunDrill(p, [&] { pass(p); });
  closing(p);
  return {ShowAddSubtractMenu};
}

}  // namespace

lesson::Jump RunBracketAdditionDrill(lesson::Program& p) {
  return RunBracketDrill(p, ShowAdditionPass, ShowAdditionClosing);
}

lesson::Jump RunBracketSubtractionDrill(lesson::Program& p) {
  return RunBracketDrill(p, ShowSubtractionPass, ShowSubtractionClosing);
}

}  // namespace corvane
