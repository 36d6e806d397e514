// Chapter 2, explaining properties of integers with expressions: sums of consecutive
// integers worked out from a typed number, fill-in explanations, even and odd sums, and a
// two-digit number added to its reversal.
#pragma once

#include "lessonlib/program.h"

namespace ostrel {

// Entry, goal screen and sub-menu.
lesson::Jump RunExplainingChapter(lesson::Program& p);
void ShowExplainingGoal(lesson::Program& p);
lesson::Jump ShowExplainingMenu(lesson::Program& p);

// Chapter 2's sections; each returns to ShowExplainingMenu.
lesson::Jump RunThreeSumExplore(lesson::Program& p);
lesson::Jump ShowThreeSumExplanations(lesson::Program& p);
lesson::Jump RunFiveSumExplore(lesson::Program& p);
lesson::Jump ShowEvenOddSumExplanation(lesson::Program& p);
lesson::Jump ShowOddOddSumExplanation(lesson::Program& p);
lesson::Jump ShowSameLetterDiscussion(lesson::Program& p);
lesson::Jump RunDigitSwapExplore(lesson::Program& p);
lesson::Jump ShowReversalSumExplanation(lesson::Program& p);
lesson::Jump ShowReversalDifferenceExplanation(lesson::Program& p);

// A section's start: erases the screen from the top left, `erase_width` wide (1760, or 1600
// where the section keeps the right edge), starts the first line at y 30 with the margin
// at `margin_x`, and sets the draw width 5 for the boxes and rules.
void StartSection(lesson::Program& p, float erase_width, float margin_x);

// ---- Consecutive integers from a typed number ----

// Asks for the smallest of three (five) consecutive integers on the bottom band and writes
// them and their sum with WriteConsecutiveTerms.
void AskConsecutiveThree(lesson::Program& p);
void AskConsecutiveFive(lesson::Program& p);
// From the typed entry (InputText, taken exactly as typed): TermValues(1..count) the
// integers n, n+1, ..., TermValues(count+1) their sum, count times the middle one;
// TermTexts(1) the text of n, TermTexts(2..count) the later terms with their "+" (and in
// brackets when negative: "+(-4)"), TermTexts(count+1) the sum. Every other entry of
// TermTexts and AuxTexts is the text of its value, as FormatNumberArrays writes it.
void WriteConsecutiveTerms(lesson::Program& p, float count);

// The first screen of the sections that try consecutive sums: a question, two fixed sums
// revealed one piece per key, then example after example from a typed number on one line
// (y 210), until 1 is entered at the next step.
struct ConsecutiveExploration {
  const char* question;
  const char* first_sum;
  const char* first_total;
  const char* second_sum;
  const char* second_total;
  float count;  // 3 or 5 integers
};
void ExploreConsecutiveSums(lesson::Program& p, const ConsecutiveExploration& exploration);

// ---- A two-digit number and its reversal ----

// Adds the number in TermTexts(1) (tens) and TermTexts(2) (ones) to its reversal in digit
// cells from PointX(31), PointY(31): the number, after a key its reversal and the rule,
// after another key the sum TermTexts(3) (three characters). Leaves the columns in
// PointX(32..34) and the rows in PointY(32..34).
void DrawDigitSwapSum(lesson::Program& p);

}  // namespace ostrel
