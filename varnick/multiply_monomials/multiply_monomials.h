// Chapter 3, multiplying monomials: its entry, goal screen and sub-menu, the sections the
// sub-menu leads to, and the fixed-list drill that both examples run.
#pragma once

#include <span>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/program.h"
#include "lessonlib/screen.h"

namespace varnick {

// Entry from the main menu: the goal screen, then the sub-menu.
lesson::Jump RunMonomialMultiplicationChapter(lesson::Program& p);
void ShowMonomialMultiplicationGoal(lesson::Program& p);
lesson::Jump ShowMonomialMultiplicationMenu(lesson::Program& p);

// ① The tile-area task, the rule, and example 1: a drill over ten fixed products.
lesson::Jump RunMonomialProductDrill(lesson::Program& p);
// ② The answers to textbook question 1.
lesson::Jump ShowMultiplicationQuestion1Answers(lesson::Program& p);
// ③ Example 2: a drill over eight products with a power, then the rules panel.
lesson::Jump RunPowerProductDrill(lesson::Program& p);
// ④ The answers to textbook question 2.
lesson::Jump ShowMultiplicationQuestion2Answers(lesson::Program& p);

// The tile-area task's figure: six 88 x 44 tiles in two rows from (176, 300), with dotted
// arcs measuring b and 3b above them and a and 2a to their left.
void DrawTileFigure(lesson::Program& p);
// The same six tiles again, each showing "ab".
void FillTileFigure(lesson::Program& p);

// A drill over a constant list of problems (problem i in TermTexts(i), its later forms in
// TermTexts(10 + i) and (20 + i)): every pass writes the list again, takes the next problem
// in turn (DrillItem 1 after the last; every run starts at problem 1), erases the drill area
// from its corner (left, top) by (1320, 1300), lets `pass` draw the problem and reveal its
// forms, and asks for the next step, until 1 is entered.
template <typename Pass>
void RunFixedListDrill(lesson::Program& p, std::span<const lesson::DrillRow> problems, float left,
                       float top, Pass&& pass) {
  const float count = static_cast<float>(problems.size());
  lesson::RunDrill(p, [&] {
    lesson::StoreDrillTable(p, problems);
    lesson::PickNextItem(p, count);
    lesson::EraseFrom(p, left, top, 1320, 1300);
    pass();
    lesson::AskNextStep(p);
  });
}

// The drill's problem on screen and its later forms.
const std::string& DrillProblem(lesson::Program& p);
const std::string& FirstForm(lesson::Program& p);
const std::string& SecondForm(lesson::Program& p);

}  // namespace varnick
