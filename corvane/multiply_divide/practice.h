// What the chapter's random practices share: the page and its stages, each keeping its area's
// corner and showing problems until 1 is entered; the picks from a list of candidates and the
// problems' texts; the distribution arcs from the multiplier to the two terms, the
// cancellation marks and the result.
#pragma once

#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/program.h"
#include "lessonlib/screen.h"

namespace corvane {

// ---- The page and its stages ----------------------------------------------------------------

// A practice's page: the screen erased, the heading at (40, 30), the draw width 5 for the
// whole practice.
void StartPracticePage(lesson::Program& p, const char* heading);

// A practice stage: its area's top-left corner kept in SavedX/SavedY(31), then one `pass` per
// problem (it makes the problem, erases the area and shows the steps) and the next-step
// prompt, until 1 is entered there.
template <typename Pass>
void RunPracticeStage(lesson::Program& p, float corner_x, float corner_y, Pass&& pass) {
  p.work.SavedX(31) = corner_x;
  p.work.SavedY(31) = corner_y;
  lesson::RunDrill(p, [&] {
    pass();
    lesson::AskNextStep(p);
  });
}

// MarginX and LineY at the corner of the stage's area.
void StartAtStageCorner(lesson::Program& p);
// A problem's start: its stage's area erased from (erase_x, erase_y), 1320 wide and `height`
// high, the lines started at the corner and the stage's label 60 below it.
void StartStageProblem(lesson::Program& p, const char* label, float erase_x, float erase_y,
                       float height);

// The multiplication practice's third stage, (p/q)(bx+cy) in the right half of its page, and
// the rule that closes the practice.
void RunFractionMultiplierStage(lesson::Program& p);
// The worked solutions of the division practice's two stages, each in its stage's area.
void ShowDivideByNumberSolution(lesson::Program& p);
void ShowDivideByFractionSolution(lesson::Program& p);

// ---- Problems -------------------------------------------------------------------------------

// The candidates of a pick, in PointX(1) to PointX(4).
void WriteCandidates(lesson::Program& p, float first, float second, float third, float fourth);
// Picks one of the first three candidates at random; the entries behind it move up one place
// (PointX(4) keeps its value), so that a second pick of one of the first three gives one of
// the other candidates.
float PickCandidate(lesson::Program& p);

// The texts of a problem whose numbers FormatNumberArrays writes: the fraction
// numerator/denominator (in lowest terms, as a term) in FactorTexts(1), the bracket's second
// coefficient TermTexts(3) with its sign, the result's coefficients TermTexts(4) and (5)
// signed as coefficients.
void WriteProblemTexts(lesson::Program& p, float numerator, float denominator);

// ---- Worked solutions -----------------------------------------------------------------------

// The two distribution arcs, one key each, from the multiplier at (from_x, from_y) to the
// line's top at the x term (colour 9), then at the y term (colour 7). `side` -1 for a
// multiplier before the bracket, 1 after it; the arc to the farther term is the higher.
void DrawDistributionArcs(lesson::Program& p, float from_x, float from_y, float x_term,
                          float y_term, float line_y, float side, float x_bulge, float y_bulge);

// A cancellation mark over a part whose top-left is (x, y): a stroke rising `height` over
// `length` from its lower left, and the value left after cancelling in the label style, 30
// above the part (a numerator or a coefficient) or 28 below its top (a denominator).
enum class LeftValue { kAbove, kBelow };
void StrikeOut(lesson::Program& p, float x, float y, float length, float height,
               const std::string& left, LeftValue place);

// The cancellation of the two products of a line "= b x × 1/q c y × 1/q" (or with the
// fraction first), one key apart: each coefficient's digits struck 27 a digit with m or n
// above, where SavedX/SavedY(1) and (3) keep the start of their terms, moved on by
// `x_shift` and `y_shift` past a sign or a bracket; each denominator q (AuxTexts(1)), kept at
// SavedX/SavedY(2) and (4), struck 27 a character with 1 under it. TermTexts(2), (3), (12)
// and (13) lose their signs.
void CancelProducts(lesson::Program& p, float x_shift, float y_shift);

// After a key, the result of a practice's stage: "=" and the coefficients TermTexts(4) (its
// "+" taken off) and TermTexts(5) with their letters, in colour 5, 100 below the line.
void DrawStageResult(lesson::Program& p, const std::string& x, const std::string& y);

// The number of characters of a text: how many cells a stroke covers.
float CharCount(const std::string& text);

}  // namespace corvane
