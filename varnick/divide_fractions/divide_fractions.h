// Chapter 5, dividing by terms with fractional coefficients: its entry, goal screen and
// sub-menu, the sections the sub-menu leads to, and the pieces of the random practice.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Entry from the main menu: the goal screen, then the sub-menu.
lesson::Jump RunFractionDivisionChapter(lesson::Program& p);
void ShowFractionDivisionGoal(lesson::Program& p);
lesson::Jump ShowFractionDivisionMenu(lesson::Program& p);

// ① Review of dividing by a fraction: -3/2 ÷ 3/4, the sign and the reciprocal, the factors
// struck in pairs, -2.
lesson::Jump ShowFractionDivisionReview(lesson::Program& p);
// ② Reciprocals of nine terms in turn, until 1 is entered; then the note on letters.
lesson::Jump RunReciprocalDrill(lesson::Program& p);
// ③ 例4: -3/2x^2 ÷ 3/4x, the letters into the numerators, the reciprocal, one fraction of
// single factors struck in pairs (numbers and letters), -2x.
lesson::Jump ShowFractionDivisionExample4(lesson::Program& p);
// ④ The practice: random divisions of monomials with fractional coefficients, each worked
// out and struck, until 1 is entered; then the method and the textbook prompt.
lesson::Jump RunFractionDivisionPractice(lesson::Program& p);
// ⑤ The answers to textbook question 4, struck through in place.
lesson::Jump ShowFractionDivisionQuestion4Answers(lesson::Program& p);

// The notes of the worked screens: letters with a fractional coefficient go over the bar
// (two lines), the sign and the reciprocal, reducing, and the remark that letters reduce too.
inline constexpr const char* kLettersOverTheBar = "※　分数を係数とする文字は、";
inline constexpr const char* kLettersOverTheBarEnd = " 　分子につける。";
inline constexpr const char* kReciprocalStep = "①　符号をきめて、逆数をかける。";
inline constexpr const char* kCancelStep = "②　約分する。";
inline constexpr const char* kLettersCancelToo = "(文字も約分する）";

// One random problem sign·p/(q·s)·a^i·b^j ÷ p/(r·s)·a^m·b^n, p, q, r, s the primes 2, 3, 5,
// 7 in random roles (q and r never 7), whose quotient is sign·r/q times the letters left.
// Eight draws in this order: r's place in the list 2, 3, 5 (the list closes up), q's place
// among the two smaller primes left (it closes up again), which of the last two is p, the
// sign (through LastSign), i, j, m, n from 0 to 2 (a pair (0, 0) becomes (1, 0)). Leaves
// q·s, p, p, r·s, q, r, p, s in TermValues(1) to (8) and their digits in TermTexts, the sign
// in TermValues(11) and its text ("" or "-") in TermTexts(11), the two coefficients as
// fractions in PartTexts(1) (signed) and (3), the exponents in AuxValues(1), (2), (11), (12)
// with their differences, and the letter texts of a and b (AuxTexts).
void MakeFractionDivisionProblem(lesson::Program& p);

}  // namespace varnick
