// Two ways of writing one expression: a fraction coefficient in front of a bracket, and the
// bracket's content over the denominator. Are they the same? Yes: 1/2 a = a/2.
#include "corvane/fraction_terms/fraction_terms.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"

namespace corvane {

lesson::Jump ShowFractionNotationQuestion(lesson::Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseFrom(p, 0, 0, 1320, 1300);
  l.PanelX = 16;
  l.PanelY = 18;
  l.MarginX = l.PanelX + 32;
  l.LineY = l.PanelY + 9;
  lesson::ShowSteps(p, {
      {kAtOnce, "Q　次の①、②の式は同じ意味ですか。", 3, AtMargin(), OnLine()},
      {kAtOnce, "① ﾀ1/2ﾀ(3x+2y)-ﾀ1/3ﾀ(2x-y)", 0, AtMargin(), Below(105)},
      {kAtOnce, "②　ﾀ3x+2y/2ﾀ-ﾀ2x-y/3ﾀ", 0, AtMargin(), Below(105)},
      {kKeyFirst, "同じ意味", 5, AtMargin(), Below(110)},
      {kAtOnce, "ﾀ1/2ﾀa=ﾀa/2ﾀ", 3, AfterText(150), OnLine()},
  });
  return {ShowFractionTermsMenu};
}

}  // namespace corvane
