// What Corvane's sections are written with: the step-table names, and the drill
// areas, each of which keeps its two corners in SavedX/SavedY (the top-left at `first`, the
// bottom-right at first + 1) and is erased before every item.
#pragma once

#include <span>
#include <string>

#include "lessonlib/chapter_frame.h"
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
using lesson::OnLine;
using lesson::StepX;
using lesson::StepY;

// A dotted arc over the chord from (x0, y0) to (x1, y1), drawn by DrawDottedArc: the
// distribution arcs from a multiplier to the terms it multiplies, and length marks.
struct DottedArc {
  float x0, y0, x1, y1;
  float colour;
  float side;   // -1: bulges to the left of the way from (x0, y0) to (x1, y1), 1: to the right
  float bulge;  // the height: 1 to 15 count 16 units each, a negative one is the height itself
  float step = 1;          // degrees between dots: 181 dots for 1, 91 for 2
  std::string label = "";  // formula text set outside the arc's middle
  float label_colour = 0;
  float label_dx = 0, label_dy = 0;  // moves the label from its place
};
void DrawArc(lesson::Program& p, const DottedArc& arc);

// An answer screen's start: the whole screen erased, the text block at x 108 from y 30.
void StartAnswerScreen(lesson::Program& p);

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
