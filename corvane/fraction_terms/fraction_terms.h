// Chapter 6, expressions with fractions: a worked example with fraction coefficients, the
// answers to 問3 and 問4, the question whether two ways of writing are the same, and a random
// practice on the difference of two fractions.
#pragma once

#include <array>
#include <string>

#include "lessonlib/program.h"

namespace corvane {

lesson::Jump RunFractionTermsChapter(lesson::Program& p);
void ShowFractionTermsGoal(lesson::Program& p);
lesson::Jump ShowFractionTermsMenu(lesson::Program& p);

// The sections; each returns to ShowFractionTermsMenu.
lesson::Jump ShowFractionCoefficientExample(lesson::Program& p);
lesson::Jump ShowFractionTermsQuestion3Answers(lesson::Program& p);
lesson::Jump ShowFractionNotationQuestion(lesson::Program& p);
lesson::Jump RunFractionFormPractice(lesson::Program& p);
lesson::Jump ShowFractionTermsQuestion4Answers(lesson::Program& p);

// 例6's problem (ax+by)/D2 - (cx+dy)/D1: the denominators D1 > D2 in AuxValues(1) and (2),
// picked from 2, 3, 6 and then from the four others; their common denominator in
// AuxValues(3) and the factors of the two numerators in AuxValues(11) and (12); a, b, c, d
// (1 to 5, b and d negative) in TermValues(1..4), the numerators' terms in 5 to 8, the
// collected coefficients in 9 and 10 (never 0), reduced by their common factor with the
// denominator (Gcd) in 11 and 12, and the reduced denominator in AuxValues(4). A draw whose a
// equals PreviousFirstCoefficient is drawn again; so is one with a collected coefficient 0,
// after its a has been kept.
void GenerateFractionFormProblem(lesson::Program& p);
// Its texts: every coefficient i of 1 to 12 written to open a numerator or bracket in
// TermTexts(i) and to follow another term in TermTexts(20 + i); the factor 1 of the second
// bracket left out.
void WriteFractionFormTexts(lesson::Program& p);
// Its lines: problem, common denominator, brackets removed, like terms side by side,
// collected, reduced (empty when nothing reduces).
std::array<std::string, 6> FractionFormLines(lesson::Program& p);

}  // namespace corvane
