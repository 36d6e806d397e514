// Chapter 4, dividing monomials: its entry, goal screen and sub-menu, the sections the
// sub-menu leads to, the pieces of the random practice, and the method's three steps that
// the screens caption and the rules panel lists.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Entry from the main menu: the goal screen, then the sub-menu.
lesson::Jump RunMonomialDivisionChapter(lesson::Program& p);
void ShowMonomialDivisionGoal(lesson::Program& p);
lesson::Jump ShowMonomialDivisionMenu(lesson::Program& p);

// ① Review of dividing numbers: 15 ÷ (-6) in three steps, struck and reduced.
lesson::Jump ShowDivisionReview(lesson::Program& p);
// ② to ④ The worked divisions 例3-1 (letters only), 例3-2 (numbers and letters) and 例3-3
// (a power), the last followed by the rules panel.
lesson::Jump ShowDivisionExample1(lesson::Program& p);
lesson::Jump ShowDivisionExample2(lesson::Program& p);
lesson::Jump ShowDivisionExample3(lesson::Program& p);
// ⑤ The practice: random divisions, each worked out and struck, until 1 is entered.
lesson::Jump RunMonomialDivisionPractice(lesson::Program& p);
// ⑥ The answers to textbook question 3, struck through in place.
lesson::Jump ShowDivisionQuestion3Answers(lesson::Program& p);

// The method panel "<単項式の除法>" from x 600, y 30: the three steps. Leaves the line at
// the end of its last text.
void DrawMonomialDivisionRulesPanel(lesson::Program& p);

// The captions of the method's steps on the worked screens: the sign, the fraction form,
// reducing; and the remark that letters reduce too.
inline constexpr const char* kSignStep = "①　符号を決める。";
inline constexpr const char* kFractionStep = "②　分数の形にする。";
inline constexpr const char* kReduceStep = "③　約分する。";
inline constexpr const char* kLettersReduceToo = "(文字も約分できる）";

// One random problem ±(k·p·a^i·b^j) ÷ (k·q·a^m·b^n), from eight draws in this order:
// q's place in the list 2, 3, 5 (the list then closes up), p's place among the three other
// primes, k from 2 to 5, the sign (through LastSign), i, j, m, n from 0 to 2 (a pair (0, 0)
// becomes (1, 0)). Leaves k·p, k·q, p, q, k in TermValues(1) to (5), the sign in
// TermValues(11), i, j in AuxValues(1), (2) and m, n in AuxValues(11), (12).
void MakeMonomialDivisionProblem(lesson::Program& p);
// The problem's texts: the numbers' digits in TermTexts(1) to (4), the sign ("" or "-") in
// TermTexts(11), the quotient's exponents and the letter texts of a and b (AuxTexts).
void MakeMonomialDivisionTexts(lesson::Program& p);
// Works the problem out on a cleared lesson area, one step per key, strikes its common
// factors and ends at the next-step prompt.
void ShowMonomialDivisionSteps(lesson::Program& p);

}  // namespace varnick
