// What the chapter's random practices share: stages that keep their area's corner and show
// problems until 1 is entered, the pick from a list of candidates, the distribution arcs from
// the multiplier to the two terms, and the cancellation marks.
#pragma once

#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/program.h"
#include "lessonlib/screen.h"

namespace corvane {

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

// The multiplication practice's third stage, (p/q)(bx+cy) in the right half of its page, and
// the rule that closes the practice.
void RunFractionMultiplierStage(lesson::Program& p);

// The worked solutions of the division practice's two stages, each in its stage's area.
void ShowDivideByNumberSolution(lesson::Program& p);
void ShowDivideByFractionSolution(lesson::Program& p);

// MarginX and LineY at the corner of the stage's area.
void StartAtStageCorner(lesson::Program& p);

// Picks one of the first three of the candidates in PointX(1) to PointX(4) at random; the
// entries behind it move up one place (PointX(4) keeps its value), so that a second pick of
// one of the first three gives one of the other candidates.
float PickCandidate(lesson::Program& p);

// The texts of a problem whose numbers FormatNumberArrays writes: the fraction
// numerator/denominator (in lowest terms, as a term) in FactorTexts(1), the bracket's second
// coefficient TermTexts(3) with its sign, the result's coefficients TermTexts(4) and (5)
// signed as coefficients.
void WriteProblemTexts(lesson::Program& p, float numerator, float denominator);

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

// A product of a coefficient and a stacked fraction 1/q or p/q, cancelled: the coefficient's
// digits, whose top-left is kept in SavedX/SavedY(term), struck 27 a digit with `left` above,
// and the fraction's denominator q (AuxTexts(1)), kept at `denominator`, struck 27 a
// character with "1" under it.
void CancelProduct(lesson::Program& p, float term, const std::string& digits,
                   const std::string& left, float denominator);

// The number of characters of a text: how many cells a stroke covers.
float CharCount(const std::string& text);

}  // namespace corvane
