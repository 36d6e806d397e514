// The chapter's summary: the method of adding and subtracting polynomials in one panel,
// drawn whole.
#include "corvane/add_subtract/add_subtract.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

lesson::Jump ShowAddSubtractSummary(lesson::Program& p) {
  p.layout.LineY = 18;
  lesson::EraseFrom(p, 0, 0, 1760, 1500);
  // A broad frame for the panel; the width left afterwards stays in force for the screens
  // that follow.
  p.rt.FE_SETDRAWWIDTH(8);
  p.rt.PsLINE(16, 9, 896, 498, true, 9, 2, 15);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      {kAtOnce, "   <式の加法・減法>", 5, AtX(32), OnLine()},
      {kAtOnce, "　計算のしかた", 3, AtX(32), Below(60)},
      {kAtOnce, "①　それぞれの式に（　）をつける。", 0, AtX(64), Below(60)},
      {kAtOnce, "②　+または- でつなぐ。", 0, AtX(64), Below(60)},
      {kAtOnce, "-(減法)は、+(加法)になおす", 3, AtX(144), Below(60)},
      {kAtOnce, "（　）の中の項は、すべて符号を変える", 3, AtX(104), Below(60)},
      {kAtOnce, "③　（　）をはずす。", 0, AtX(64), Below(60)},
      {kAtOnce, "④　同類項をまとめる。", 0, AtX(64), Below(60)},
  });
  return {ShowAddSubtractMenu};
}

}  // namespace corvane
