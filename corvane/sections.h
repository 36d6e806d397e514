// What Corvane's sections are written with: the step-table names, and the drill
// areas, each of which keeps its two corners in SavedX/SavedY (the top-left at `first`, the
// bottom-right at first + 1) and is erased before every item.
#pragma once

#include <array>
#include <span>
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/program.h"
#include "lessonlib/screen.h"

namespace corvane {

// The step-table names every section is written with.
using lesson::AfterText;
using lesson::AtColumn;
using lesson::AtMargin;
using lesson::AtX;
using lesson::AtY;
using lesson::Below;
using lesson::DrillRow;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::StepWait;
using lesson::OnLine;
using lesson::StepX;
using lesson::StepY;

// What the library draws them with: arcs given in one call, the answer screens' start.
using lesson::DottedArc;
using lesson::DrawArc;
using lesson::StartAnswerScreen;

// One worked answer of a textbook question: its label ("(1)") in colour 3 stands 72 left of
// the column's margin, `label_below` under the line before, and the problem follows it on
// its line; then come the steps at the margin, each `below` under the one before, the last
// of them (the result) in colour 5.
struct AnswerStep {
  const char* text;
  float below;
};
struct WorkedAnswer {
  StepWait wait;       // kKeyFirst: the answer appears after a key press
  float column;        // 0: under the answer before; else the margin of a new column, from y 30
  const char* label;
  float label_below;
  const char* problem;
  std::array<AnswerStep, 5> steps;  // the steps end at the first without a text
};

// An answer screen: the whole screen erased, the title in colour 3 at (108, 30), then the
// answers in order. No key is awaited after the last one.
void ShowWorkedAnswers(lesson::Program& p, const char* title,
                       std::span<const WorkedAnswer> answers);

void KeepDrillArea(lesson::Program& p, float first, float left, float top, float right,
                   float bottom);
// Erases the area between its kept corners.
void EraseDrillArea(lesson::Program& p, float first);
// Moves the layout into the area (ColumnX and LineY at its top-left, MarginX `indent` to the
// right of ColumnX) and erases it.
void EnterDrillArea(lesson::Program& p, float first, float indent);

// The drill item's own text and the texts revealed after it.
const std::string& ItemText(lesson::Program& p);
const std::string& SecondText(lesson::Program& p);
const std::string& ThirdText(lesson::Program& p);

// A drill over a constant table in an area with kept corners: every pass stores the table,
// picks an item (at random, or in turn from 1), moves into the area and erases it, runs
// `steps` to draw the item and reveal its texts, and asks for the next step.
enum class DrillPick { kRandom, kInTurn };
struct TableDrill {
  std::span<const lesson::DrillRow> table;
  DrillPick pick;
  float area;    // index of the area's top-left corner in SavedX/SavedY
  float indent;  // MarginX from ColumnX
};

template <typename Steps>
void RunTableDrill(lesson::Program& p, const TableDrill& drill, Steps&& steps) {
  const float count = static_cast<float>(drill.table.size());
  lesson::RunDrill(p, [&] {
    lesson::StoreDrillTable(p, drill.table);
    if (drill.pick == DrillPick::kRandom) {
      lesson::PickRandomItem(p, count);
    } else {
      lesson::PickNextItem(p, count);
    }
    EnterDrillArea(p, drill.area, drill.indent);
    steps();
    lesson::AskNextStep(p);
  });
}

}  // namespace corvane
