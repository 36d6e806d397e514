// Chapter 3, multiplying monomials: entry, goal screen, sub-menu, and what its drills read.
#include "varnick/multiply_monomials/multiply_monomials.h"
#include "varnick/varnick.h"

namespace varnick {

lesson::Jump RunMonomialMultiplicationChapter(lesson::Program& p) {
  ShowMonomialMultiplicationGoal(p);
  return {ShowMonomialMultiplicationMenu};
}

void ShowMonomialMultiplicationGoal(lesson::Program& p) {
  lesson::ShowGoalScreen(p, {"(文字式×文字式)の計算を考えよう。"});
}

lesson::Jump ShowMonomialMultiplicationMenu(lesson::Program& p) {
  return lesson::RunSubMenu(p, "①課題,例１　②問１　③指数例２　④問２　⑤終了",
                            {RunMonomialProductDrill, ShowMultiplicationQuestion1Answers,
                             RunPowerProductDrill, ShowMultiplicationQuestion2Answers,
                             ShowMainMenu},
                            ShowMonomialMultiplicationMenu);
}

const std::string& DrillProblem(lesson::Program& p) { return p.work.TermTexts(p.layout.DrillItem); }
const std::string& FirstForm(lesson::Program& p) {
  return p.work.TermTexts(10 + p.layout.DrillItem);
}
const std::string& SecondForm(lesson::Program& p) {
  return p.work.TermTexts(20 + p.layout.DrillItem);
}

}  // namespace varnick
