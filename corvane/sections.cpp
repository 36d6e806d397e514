#include "corvane/sections.h"

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"

namespace corvane {

void DrawArc(lesson::Program& p, const DottedArc& arc) {
  lesson::FigureState& f = p.figure;
  f.MarkX0 = arc.x0;
  f.MarkY0 = arc.y0;
  f.MarkX1 = arc.x1;
  f.MarkY1 = arc.y1;
  f.LineColour = arc.colour;
  f.ArcSide = arc.side;
  f.ArcBulge = arc.bulge;
  f.BoxWidth = arc.step;
  f.MarkLabel = arc.label;
  f.LabelOffsetX = arc.label_dx;
  f.LabelOffsetY = arc.label_dy;
  p.text.TextColour = arc.label_colour;
  lesson::DrawDottedArc(p);
}

void StartAnswerScreen(lesson::Program& p) {
  lesson::EraseScreen(p);
  p.layout.MarginX = 108;
  p.layout.LineY = 30;
}

void KeepDrillArea(lesson::Program& p, float first, float left, float top, float right,
                   float bottom) {
  p.work.SavedX(first) = left;
  p.work.SavedY(first) = top;
  p.work.SavedX(first + 1) = right;
  p.work.SavedY(first + 1) = bottom;
}

void EraseDrillArea(lesson::Program& p, float first) {
  lesson::EraseBetween(p, p.work.SavedX(first), p.work.SavedY(first), p.work.SavedX(first + 1),
                       p.work.SavedY(first + 1));
}

void EnterDrillArea(lesson::Program& p, float first, float indent) {
  p.layout.ColumnX = p.work.SavedX(first);
  p.layout.MarginX = p.layout.ColumnX + indent;
  p.layout.LineY = p.work.SavedY(first);
  EraseDrillArea(p, first);
}

const std::string& ItemText(lesson::Program& p) { return p.work.TermTexts(p.layout.DrillItem); }
const std::string& SecondText(lesson::Program& p) {
  return p.work.TermTexts(10 + p.layout.DrillItem);
}
const std::string& ThirdText(lesson::Program& p) {
  return p.work.TermTexts(20 + p.layout.DrillItem);
}

}  // namespace corvane
