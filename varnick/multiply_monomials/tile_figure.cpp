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

// A dotted arc along one side of the figure from its corner, labelled beyond its crown in
// its dots' colour.
void DrawMeasureArc(lesson::Program& p, float dx, float dy, float side, float bulge,
                    float spacing, float colour, const char* label, float label_dx = 0) {
  lesson::DrawArc(p, {kFigureX, kFigureY, kFigureX + dx, kFigureY + dy, colour, side, bulge,
                      spacing, label, colour, label_dx});
}

}  // namespace

void DrawTileFigure(lesson::Program& p) {
  DrawTileRow(p, kFigureY, "");
  // 3b across the top, and one tile's b.
  DrawMeasureArc(p, 3 * kTileWidth, 0, -1, 3, 5, 7, "3b");
  DrawMeasureArc(p, kTileWidth, 0, -1, 0.5f, 9, 3, "b");
  DrawTileRow(p, kFigureY + kTileHeight, "");
  // One row's a and both rows' 2a down the left side.
  DrawMeasureArc(p, 0, kTileHeight, 1, 1, 18, 3, "a", -8);
  DrawMeasureArc(p, 0, 2 * kTileHeight, 1, 4, 8, 7, "2a");
}

void FillTileFigure(lesson::Program& p) {
  for (float TileRowY : {kFigureY, kFigureY + kTileHeight}) DrawTileRow(p, TileRowY, "ab");
}

}  // namespace varnick
