#include "corvane/sections.h"

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"

namespace corvane {

void ShowWorkedAnswers(lesson::Program& p, const char* title,
                       std::span<const WorkedAnswer> answers) {
  lesson::LessonLayout& l = p.layout;
  StartAnswerScreen(p);
  lesson::DrawLessonText(p, title, 3, l.MarginX, l.LineY);
  for (const WorkedAnswer& answer : answers) {
    if (answer.wait == kKeyFirst) lesson::WaitForKey(p);
    if (answer.column != 0) {
      l.MarginX = answer.column;
      l.LineY = 30;
    }
    lesson::DrawLessonText(p, answer.label, 3, l.MarginX - 72, l.LineY + answer.label_below);
    lesson::ContinueLessonText(p, answer.problem, 0);
    for (size_t k = 0; k < answer.steps.size() && answer.steps[k].text != nullptr; ++k) {
      const bool result = k + 1 == answer.steps.size() || answer.steps[k + 1].text == nullptr;
      lesson::DrawLessonText(p, answer.steps[k].text, result ? 5 : 0, l.MarginX,
                             l.LineY + answer.steps[k].below);
    }
  }
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
