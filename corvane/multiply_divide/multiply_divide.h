// Chapter 4, a number times a polynomial and a polynomial divided by a number.
#pragma once

#include "lessonlib/program.h"

namespace corvane {

lesson::Jump RunMultiplyDivideChapter(lesson::Program& p);
void ShowMultiplyDivideGoal(lesson::Program& p);
lesson::Jump ShowMultiplyDivideMenu(lesson::Program& p);

// The sections; each returns to ShowMultiplyDivideMenu.
lesson::Jump ShowFlowerBedReview(lesson::Program& p);
lesson::Jump ShowDistributiveReview(lesson::Program& p);
lesson::Jump ShowMultiplyDivideSummary1(lesson::Program& p);
lesson::Jump RunMultiplicationPractice(lesson::Program& p);
lesson::Jump RunDivisionPractice(lesson::Program& p);
lesson::Jump ShowMultiplyDivideSummary(lesson::Program& p);
lesson::Jump ShowQuestion1Answers(lesson::Program& p);

// The practices' problems. Each draws its numbers in a fixed order from the runtime's random
// fractions and leaves them, with the texts its display draws, in the work arrays.

// a(bx+cy) or (bx+cy)×a: a (±2 to ±6, never the PreviousFirstCoefficient, which it then
// becomes), b (±1 to ±7), c (±2 to ±6), a·b and a·c in TermValues(1, 2, 3, 5, 6); their
// texts signed as coefficients in TermTexts(1, 2, 3, 5, 6).
void GenerateWholeMultiplierProblem(lesson::Program& p);
// (p/q)(bx+cy): q (2, 3, 5) in AuxValues(1); p (±1, ±2, ±3, ±5, never q) in TermValues(1);
// b = m·q and c = n·q in TermValues(2, 3), the results p·m and p·n in TermValues(4, 5), m and
// n (±1 to ±5) in TermValues(12, 13); p/q as formula text in FactorTexts(1); b plain and c
// signed in TermTexts(2, 3), the results signed as coefficients in TermTexts(4, 5).
void GenerateFractionMultiplierProblem(lesson::Program& p);
// (bx+cy)÷d: the size s of d (2, 3, 5) in AuxValues(1) and AuxTexts(1); d in TermValues(1),
// bracketed in TermTexts(1) when negative; b = m·s and c = n·s in TermValues(2, 3), the
// quotients in TermValues(4, 5), m and n in TermValues(12, 13); the reciprocal 1/d in
// FactorTexts(1).
void GenerateDivideByNumberProblem(lesson::Program& p);
// (Ba+Cb)÷(q/p): q (±2, ±3, ±5) in AuxValues(1), p (2, 3, 5, 7, never |q|) in TermValues(1);
// B and C (multiples of |q|) in TermValues(2, 3), the results p·B/q and p·C/q in
// TermValues(4, 5), B/|q| and C/|q| in TermValues(12, 13); the divisor and the reciprocal as
// they are written in PartTexts(1, 2); the letters in TextB and TextC.
void GenerateDivideByFractionProblem(lesson::Program& p);

}  // namespace corvane
