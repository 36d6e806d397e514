#include "varnick/answer_screens.h"

#include "lessonlib/chapter_frame.h"

namespace varnick {

void DrawAnswerHeader(lesson::Program& p, const std::string& title, const std::string& badge) {
  const lesson::LessonLayout& l = p.layout;
  lesson::DrawHeadingBox(p, {396, 46, 0, 3, 13}, title, l.ColumnX, l.LineY);
  lesson::DrawHeadingBox(p, lesson::kExerciseNumberBox, badge, l.LineEndX + 44, l.LineY);
}

}  // namespace varnick
