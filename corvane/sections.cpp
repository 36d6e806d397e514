#include "corvane/sections.h"

#include "lessonlib/chapter_frame.h"

namespace corvane {

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
