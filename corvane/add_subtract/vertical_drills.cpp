// The vertical drills: two generated trinomials in a, b and a constant, one above the other
// with like terms in columns, added (example 7) or subtracted (example 8) one column per key
// until 1 is entered; the subtraction first writes the changed signs over the lower row. Then
// the method beside the last problem.
#include <algorithm>
#include <string>

#include "corvane/add_subtract/add_subtract.h"
#include "corvane/sections.h"
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"

namespace corvane {

namespace {

// The column layout's slots in PointX (columns) and PointY (rows).
constexpr float kOperatorColumn = 31, kAColumn = 32, kBColumn = 33, kConstantColumn = 34;
constexpr float kTitleRow = 31, kUpperRow = 32, kLowerRow = 33, kRuleRow = 34, kResultRow = 35;

constexpr float kResultColour = 3;

void SetColumnLayout(lesson::Program& p) {
  auto& x = p.work.PointX;
  auto& y = p.work.PointY;
  x(kOperatorColumn) = 80;
  x(kAColumn) = x(kOperatorColumn) + 64;
  x(kBColumn) = x(kAColumn) + 128;
  x(kConstantColumn) = x(kBColumn) + 128;
  y(kTitleRow) = 18;
  y(kUpperRow) = y(kTitleRow) + 104;
  y(kLowerRow) = y(kUpperRow) + 52;
  y(kRuleRow) = y(kLowerRow) + 52;
  y(kResultRow) = y(kRuleRow) + 30;
}

void DrawAt(lesson::Program& p, const std::string& text, float colour, float column, float row) {
  lesson::DrawLessonText(p, text, colour, p.work.PointX(column), p.work.PointY(row));
}

// One row of the calculation: its a term, b term and constant, each from its column's x.
void DrawColumnRow(lesson::Program& p, float row, float a_term, float b_term, float constant) {
  DrawAt(p, p.work.TermTexts(a_term), 0, kAColumn, row);
  DrawAt(p, p.work.TermTexts(b_term), 0, kBColumn, row);
  DrawAt(p, p.work.AuxTexts(constant), 0, kConstantColumn, row);
}

// The title, the two rows with the operator before the lower one, and the rule under them in
// the draw width in force.
void DrawVerticalProblem(lesson::Program& p, const char* title, float title_colour,
                         const char* operator_label) {
  SetColumnLayout(p);
  DrawAt(p, title, title_colour, kOperatorColumn, kTitleRow);
  DrawColumnRow(p, kUpperRow, 1, 2, 1);
  DrawAt(p, operator_label, 0, kOperatorColumn, kLowerRow);
  DrawColumnRow(p, kLowerRow, 3, 4, 2);
  p.rt.PsLINE(p.work.PointX(kOperatorColumn), p.work.PointY(kRuleRow) + 15, 480, 0, true, 0, 0,
              0);
}

// The result row, one column per key. Every column keeps its place: when the a result is 0
// its column stays blank and a positive b result, which then opens the row, shows its "+" as a
// blank; when all three results are 0 the constant column shows 0.
void RevealResults(lesson::Program& p) {
  const auto& values = p.work.TermValues;
  auto& texts = p.work.TermTexts;
  auto& constant_text = p.work.AuxTexts(3);
  lesson::WaitForKey(p);
  DrawAt(p, texts(5), kResultColour, kAColumn, kResultRow);
  lesson::WaitForKey(p);
  if (values(5) == 0) std::replace(texts(6).begin(), texts(6).end(), '+', ' ');
  DrawAt(p, texts(6), kResultColour, kBColumn, kResultRow);
  lesson::WaitForKey(p);
  if (values(5) == 0 && values(6) == 0 && p.work.AuxValues(3) == 0) constant_text = "  0";
  DrawAt(p, constant_text, kResultColour, kConstantColumn, kResultRow);
}

void DrawVerticalAddition(lesson::Program& p) {
  AlignColumnTexts(p);
  DrawVerticalProblem(p, "例7 次の計算をしなさい。", 0, "+)");
  RevealResults(p);
  lesson::AskNextStep(p);
}

// The sign written over a lower-row term: the opposite of its own.
const char* ChangedSign(float value) { return value < 0 ? "+" : "-"; }

void ShowVerticalSubtractionExample(lesson::Program& p) {
  AlignColumnTexts(p, 40, 40);
  p.work.PartTexts(1) = ChangedSign(p.work.TermValues(3));
  p.work.PartTexts(2) = ChangedSign(p.work.TermValues(4));
  p.work.PartTexts(3) = ChangedSign(p.work.AuxValues(2));
  DrawVerticalProblem(p, "例8 次の計算をしなさい。", 3, "-)");
  // A "+" over the operator's "-", then each changed sign 22 right of its column's x, where a
  // one-digit term's sign stands, all 15 above the lower row.
  const float sign_y = p.work.PointY(kLowerRow) - 15;
  const auto x = [&](float column) { return AtX(p.work.PointX(column) + 22); };
  lesson::ShowSteps(p, {
      {kKeyFirst, "+", kResultColour, AtX(p.work.PointX(kOperatorColumn)), AtY(sign_y)},
      {kKeyFirst, p.work.PartTexts(1), kResultColour, x(kAColumn), AtY(sign_y)},
      {kKeyFirst, p.work.PartTexts(2), kResultColour, x(kBColumn), AtY(sign_y)},
      {kKeyFirst, p.work.PartTexts(3), kResultColour, x(kConstantColumn), AtY(sign_y)},
  });
  RevealResults(p);
  lesson::AskNextStep(p);
}

void ShowVerticalAdditionSummary(lesson::Program& p) {
  p.layout.MarginX = 600;
  p.layout.LineY = 60;
  lesson::ShowSteps(p, {
      {kAtOnce, "   <縦書きの加法>", 3, AtMargin(), OnLine()},
      {kAtOnce, "①　同類項が上下にそろうように", 0, AtMargin(), Below(60)},
      {kAtOnce, " 　並べて書く。", 0, AtMargin(), Below(60)},
      {kAtOnce, "②　それぞれの項を縦にたす。", 0, AtMargin(), Below(60)},
  });
}

void ShowVerticalSubtractionRules(lesson::Program& p) {
  p.layout.MarginX = 600;
  p.layout.LineY = 60;
  lesson::ShowSteps(p, {
      {kAtOnce, "   <縦書きの減法>", 3, AtMargin(), OnLine()},
      {kAtOnce, "①　同類項が上下にそろうように", 0, AtMargin(), Below(60)},
      {kAtOnce, " 　並べて書く。", 0, AtMargin(), Below(60)},
      {kAtOnce, "②　+(加法)になおす。", 3, AtMargin(), Below(60)},
      {kAtOnce, "　項は、すべて符号を変える", 3, AtMargin(), Below(60)},
      {kAtOnce, "③　それぞれの項を縦にたす。", 0, AtMargin(), Below(60)},
      {kKeyFirst, "教科書P16 問7　をしなさい。", 7, AtX(44), AtY(570)},
  });
}

// Both drills: the screen cleared, then passes, each on a cleared area, until 1 is entered,
// then the method beside the last problem.
struct VerticalDrill {
  float pass_clear_width;
  void (*build)(lesson::Program&);
  void (*show)(lesson::Program&);  // aligns, draws and reveals the problem, asks for the next step
  void (*summary)(lesson::Program&);
};

lesson::Jump RunVerticalDrill(lesson::Program& p, const VerticalDrill& drill) {
  lesson::EraseFrom(p, 0, 0, 1760, 1500);
  lesson::RunDrill(p, [&] {
    lesson::EraseFrom(p, 0, 0, drill.pass_clear_width, 1300);
    drill.build(p);
    drill.show(p);
  });
  drill.summary(p);
  return {ShowAddSubtractMenu};
}

}  // namespace

lesson::Jump RunVerticalAdditionDrill(lesson::Program& p) {
  return RunVerticalDrill(p, {1200, BuildVerticalAdditionProblem, DrawVerticalAddition,
                              ShowVerticalAdditionSummary});
}

lesson::Jump RunVerticalSubtractionDrill(lesson::Program& p) {
  return RunVerticalDrill(p, {1320, BuildVerticalSubtractionProblem,
                              ShowVerticalSubtractionExample, ShowVerticalSubtractionRules});
}

}  // namespace corvane
