// What Varnick's random practices of dividing monomials share (chapter 4's, and chapters 5
// and 6's): the list of primes their numbers are drawn from, the sign memory that keeps
// problems from all coming with one sign (chapters 4 and 5), the exponent pairs, and the
// letter texts of two letters with exponents 0 to 2 on both sides of the division.
#pragma once

#include <string>

#include "lessonlib/program.h"

namespace varnick {

// The primes 2, 3, 5, 7 into PointX(1) to (4), the list the practices draw their numbers
// from.
void StartPrimeList(lesson::Program& p);
// One draw, INT(RND·count + 1) into RandomPick: the prime at that place of the list.
float PickFromPrimeList(lesson::Program& p, float count);
// Closes the list up over the place just picked (RandomPick): the entries after it, up to
// place count + 1, move one place forward (the first move made before any test), so the
// first `count` places hold the primes not picked, in order. TableIndex ends at count + 1.
void CloseUpPrimeList(lesson::Program& p, float count);

// The exponents of the two letters on one side, AuxValues(first_slot) and (first_slot + 1),
// each INT(RND·count) in this order; a side left with no letter (0, 0) gets the first.
void DrawExponentPair(lesson::Program& p, float first_slot, float count);

// A sign drawn as INT(RND·2 + 1): 1 gives +1, 2 gives -1.
float DrawSign(lesson::Program& p);
// A sign's text in front of a term: empty for +1, "-" for -1.
std::string SignPrefix(float sign);

// The sign of a new problem from a drawn sign (+1 or -1) and the program-wide LastSign
// (0 until the first problem of the run, shared by the practices and never reset): a drawn
// sign equal to LastSign is negated and LastSign left as it is; otherwise LastSign takes
// the drawn sign. So from the second problem of a run on every sign is the opposite of
// LastSign, and the draw decides whether the next one repeats it.
float ApplyLastSignRule(lesson::Program& p, float drawn_sign);

// The exponents left after cancelling, from the exponents of the two letters on the
// numerator side (AuxValues(base + 1), (base + 2)) and the denominator side (base + 11),
// (base + 12): over the bar in (base + 3), (base + 4), under it in (base + 13), (base + 14);
// a value of 0 or less means the letter has no place on that side.
void SetQuotientExponents(lesson::Program& p, float base);

// The letters' texts from those exponents, into AuxTexts(base + k):
//   compact ("a", "a^2", or empty for 0) of the given powers: 1, 2 over the bar, 11, 12 under;
//   remaining (the same forms, empty for 0 or less) of the quotient's: 3, 4 and 13, 14;
//   expanded ("*a", "*a*a", or empty), one "×" and letter cell per factor: 5, 6 and 15, 16.
// To be run after FormatNumberArrays, which rewrites every AuxTexts entry.
void BuildLetterPowerTexts(lesson::Program& p, float base, const std::string& first_letter,
                           const std::string& second_letter);

}  // namespace varnick
