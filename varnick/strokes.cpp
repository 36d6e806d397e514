#include "varnick/strokes.h"

#include <algorithm>

#include "lessonlib/screen.h"

namespace varnick {

namespace {

constexpr float kStrokeColour = 3;
constexpr float kCellAdvance = 32;   // a digit or a letter in a fraction
constexpr float kFactorAdvance = 70; // a "×" and a letter
constexpr float kTimesAdvance = 38;  // the "×" before a letter

bool OnNumeratorRow(float anchor) { return anchor < 11; }

}  // namespace

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

void SetWorkedStrokeAnchors(lesson::Program& p) {
  SetStrokeAnchors(p);
  lesson::LessonWork& w = p.work;
  for (float first : {1.f, 11.f}) {
    w.PointX(first + 1) = w.PointX(first) + 64;
    w.PointY(first + 1) = w.PointY(first);
  }
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

void DrawStrikeThroughOverlay(lesson::Program& p, const std::string& overlay_text) {
  p.figure.LineColour = 7;
  lesson::DrawLessonText(p, overlay_text, 0, p.layout.MarginX, p.layout.LineY);
}

}  // namespace varnick
