// Chapter 6, mixed multiplication and division: its entry, goal screen and sub-menu, the
// sections the sub-menu leads to, and the problem generator of its partial-step drills.
#pragma once

#include "lessonlib/program.h"

namespace varnick {

// Entry from the main menu: the goal screen, then the sub-menu.
lesson::Jump RunMixedMultiplyDivideChapter(lesson::Program& p);
void ShowMixedMultiplyDivideGoal(lesson::Program& p);
lesson::Jump ShowMixedMultiplyDivideMenu(lesson::Program& p);

// ① 課題1, the textbook's 例5: -4xy × 6x ÷ (-3y) as the sign, one fraction, and the
// fraction reduced with its factors struck: 8x^2.
lesson::Jump ShowMixedMultiplyDivideExample5(lesson::Program& p);
// ② Three drills in panels of their own, each until 1 is entered: say the sign, the
// numerator, the denominator of a random problem's fraction form; then the method.
lesson::Jump RunPartialStepDrills(lesson::Program& p);
// ③ The practice in two stages on one screen: a product divided by a negative monomial,
// then (after 1) a monomial divided twice, at the right; then the textbook prompt.
lesson::Jump RunMixedMultiplyDividePractice(lesson::Program& p);
// ④ and ⑤ The answers to textbook questions 5 (two pages) and 6, struck through in place.
lesson::Jump ShowMixedQuestion5Answers(lesson::Program& p);
lesson::Jump ShowMixedQuestion6Answers(lesson::Program& p);
// ⑥ Two wrong calculations, what each did wrong and its correct working, struck through.
lesson::Jump ShowFindTheErrorDiscussion(lesson::Program& p);

// One random problem t1 op2 t2 op3 t3 of monomials in x and y or a and b, at least one
// operator "/", from ten draws in this order: c2 (2 to 7), c3 (7 to 12), the signs of t1 and
// t2 (t3 is always negative), the two operators ("*" then "*" becomes "*" then "/"), the
// letter pair, the letter parts of t1, t2, t3. c1 = c2·c3, so the fraction form always
// reduces to a whole coefficient. Leaves the problem line in PartTexts(1) to (3), the fraction
// form's numerator and denominator (no signs) in PartTexts(11) and (12), the result's sign
// ("+" or "-") in AuxTexts(4); and the coefficients, sign codes, operator codes (PointX(2),
// (3): 1 "*", -1 "/"), letter parts and bracket texts they are made of.
void MakeMixedMultiplyDivideProblem(lesson::Program& p);

}  // namespace varnick
