#include "varnick/strokes.h"

#include <algorithm>

#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace varnick {

namespace {

constexpr float kStrokeColour = 3;
constexpr float kCellAdvance = 32;   // a digit or a letter in a fraction
constexpr float kFactorAdvance = 70; // a "×" and a letter
constexpr float kTimesAdvance = 38;  // the "×" before a letter

bool OnNumeratorRow(float anchor) { return anchor < 11; }

}  // namespace

void StartDivisionScreen(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  p.layout.MarginX = 44;
  p.layout.LineY = 30;
  p.rt.FE_SETDRAWWIDTH(5);
}

void StartStruckAnswerScreen(lesson::Program& p) {
  lesson::StartAnswerScreen(p);
  p.rt.FE_SETDRAWWIDTH(5);
}

void DrawStrokedFraction(lesson::Program& p, const std::string& text) {
  p.work.PointX(0) = p.layout.LineEndX;
  p.work.PointY(0) = p.layout.LineY;
  lesson::DrawLessonText(p, text, 0, p.layout.LineEndX, p.layout.LineY);
}

void SetStrokeAnchors(lesson::Program& p) {
  lesson::LessonWork& w = p.work;
  const lesson::RendererState& r = p.renderer;
  w.PointX(1) = w.PointX(0) + r.NumeratorOffset;
  w.PointY(1) = r.FractionBarY - 36;
  w.PointX(11) = w.PointX(0) + r.DenominatorOffset;
  w.PointY(11) = r.FractionBarY + 4;
}

void SetAnchorRightOf(lesson::Program& p, float anchor, float from, float dx) {
  p.work.PointX(anchor) = p.work.PointX(from) + dx;
  p.work.PointY(anchor) = p.work.PointY(from);
}

void SetWorkedStrokeAnchors(lesson::Program& p) {
  SetStrokeAnchors(p);
  SetAnchorRightOf(p, 2, 1, 64);
  SetAnchorRightOf(p, 12, 11, 64);
}

float CellCount(const std::string& factor) {
  return static_cast<float>(platform::PfKLEN(factor));
}

void DrawCancellationStroke(lesson::Program& p, float x, float y, float count) {
  p.rt.PsLINE(x, y, kCellAdvance * count, 28, true, kStrokeColour, 0, kStrokeColour);
}

void DrawReducedNumber(lesson::Program& p, float x, float y, const std::string& text,
                       FractionRow row) {
  const float top = row == FractionRow::kNumerator ? y - 38 : y + 32;
  lesson::DrawCaptionText(p, text, kStrokeColour, x, top);
}

void DrawCancelMarks(lesson::Program& p, std::initializer_list<CancelMark> marks) {
  for (const CancelMark& mark : marks) {
    if (mark.wait == lesson::kKeyFirst) lesson::WaitForKey(p);
    const float x = p.work.PointX(mark.anchor);
    const float y = p.work.PointY(mark.anchor);
    if (mark.struck > 0) DrawCancellationStroke(p, x, y, mark.struck);
    if (!mark.reduced.empty()) {
      DrawReducedNumber(p, x, y, mark.reduced,
                        OnNumeratorRow(mark.anchor) ? FractionRow::kNumerator
                                                    : FractionRow::kDenominator);
    }
  }
}

void StrikeLetterRun(lesson::Program& p, float anchor, float here, float other) {
  if (here <= 0 || other <= 0) return;
  const float CancelCount = std::min(here, other);
  for (float i = 1; i <= CancelCount; ++i) {
    DrawCancellationStroke(p, p.work.PointX(anchor) + kTimesAdvance + kFactorAdvance * (i - 1),
                           p.work.PointY(anchor), 1);
  }
}

void StrikeSharedLetters(lesson::Program& p, float a_over, float b_over, float a_under,
                         float b_under) {
  const lesson::LessonWork& w = p.work;
  StrikeLetterRun(p, a_over, w.AuxValues(1), w.AuxValues(11));
  StrikeLetterRun(p, b_over, w.AuxValues(2), w.AuxValues(12));
  StrikeLetterRun(p, a_under, w.AuxValues(11), w.AuxValues(1));
  StrikeLetterRun(p, b_under, w.AuxValues(12), w.AuxValues(2));
}

void DrawStrikeThroughOverlay(lesson::Program& p, const std::string& overlay_text) {
  p.figure.LineColour = 7;
  lesson::DrawLessonText(p, overlay_text, 0, p.layout.MarginX, p.layout.LineY);
}

}  // namespace varnick
