// The tile-area task's figure: a rectangle 2a high and 3b wide laid out from tiles a high
// and b wide, measured by dotted arcs, whose tiles are then labelled "ab".
#include <string>

#include "lessonlib/formula.h"
#include "varnick/multiply_monomials/multiply_monomials.h"

namespace varnick {

namespace {

constexpr float kTileWidth = 88, kTileHeight = 44;
// The figure's top-left corner; the tiles of a row stand at these x.
constexpr float kFigureX = 176, kFigureY = 300;
constexpr float kTileX[] = {kFigureX, kFigureX + kTileWidth, kFigureX + 2 * kTileWidth};

void DrawTile(lesson::Program& p, float x, float y, const std::string& label) {
  p.text.TextX = x;
  p.text.TextY = y;
  p.figure.BoxWidth = kTileWidth;
  p.figure.BoxHeight = kTileHeight;
  p.figure.LineColour = 0;
  p.figure.FillColour = 11;
  p.text.TextColour = 5;
  p.text.WorkText = label;
  lesson::DrawBoxedText(p);
}

void DrawTileRow(lesson::Program& p, float y, const std::string& label) {
  for (float x : kTileX) DrawTile(p, x, y, label);
}

// A dotted arc over one side of the figure, labelled beyond its crown in its dots' colour.
struct MeasureArc {
  float x1, y1, x2, y2;
  float side, spacing, bulge, colour;
  const char* label;
  float label_offset_x = 0;
};

void DrawMeasureArc(lesson::Program& p, const MeasureArc& arc) {
  lesson::FigureState& f = p.figure;
  f.MarkX0 = arc.x1;
  f.MarkY0 = arc.y1;
  f.MarkX1 = arc.x2;
  f.MarkY1 = arc.y2;
  f.ArcSide = arc.side;
  f.BoxWidth = arc.spacing;
  f.ArcBulge = arc.bulge;
  f.LineColour = arc.colour;
  p.text.TextColour = arc.colour;
  f.MarkLabel = arc.label;
  f.LabelOffsetX = arc.label_offset_x;
  lesson::DrawDottedArc(p);
}

}  // namespace

void DrawTileFigure(lesson::Program& p) {
  DrawTileRow(p, kFigureY, "");
  // 3b across the top, and one tile's b.
  DrawMeasureArc(p, {kFigureX, kFigureY, kFigureX + 3 * kTileWidth, kFigureY, -1, 5, 3, 7, "3b"});
  DrawMeasureArc(p, {kFigureX, kFigureY, kFigureX + kTileWidth, kFigureY, -1, 9, 0.5f, 3, "b"});
  DrawTileRow(p, kFigureY + kTileHeight, "");
  // One row's a and both rows' 2a down the left side.
  DrawMeasureArc(p, {kFigureX, kFigureY, kFigureX, kFigureY + kTileHeight, 1, 18, 1, 3, "a", -8});
  DrawMeasureArc(p, {kFigureX, kFigureY, kFigureX, kFigureY + 2 * kTileHeight, 1, 8, 4, 7, "2a"});
}

void FillTileFigure(lesson::Program& p) {
  for (float TileRowY : {kFigureY, kFigureY + kTileHeight}) DrawTileRow(p, TileRowY, "ab");
}

}  // namespace varnick
