#include "ostrel/figures.h"

#include "lessonlib/formula.h"
#include "lessonlib/screen.h"

namespace ostrel {

void SetGridFrame(lesson::Program& p, float left, float top, float columns, float rows,
                  float cell) {
  lesson::FigureState& f = p.figure;
  f.GridOriginX = left;
  f.GridOriginY = top;
  f.GridColumns = columns;
  f.BoxHeight = rows;
  f.GridCell = cell;
  f.LineColour = 15;
  lesson::DrawSquareGrid(p);
}

void SetGridPoints(lesson::Program& p, std::initializer_list<GridPoint> points) {
  lesson::LessonWork& w = p.work;
  for (const GridPoint& point : points) {
    w.PointX(point.slot) = point.u;
    w.PointY(point.slot) = point.v;
  }
  const lesson::FigureState& f = p.figure;
  for (const GridPoint& point : points) {
    w.PointX(point.slot) = f.AxisX + f.GridCell * w.PointX(point.slot);
    w.PointY(point.slot) = f.AxisY - f.GridCell * w.PointY(point.slot);
  }
}

void DrawDottedMark(lesson::Program& p, const DottedMark& mark) {
  lesson::FigureState& f = p.figure;
  f.MarkX0 = p.work.PointX(mark.from);
  f.MarkY0 = p.work.PointY(mark.from);
  f.MarkX1 = p.work.PointX(mark.to);
  f.MarkY1 = p.work.PointY(mark.to);
  f.LineColour = mark.colour;
  f.ArcSide = mark.side;
  f.ArcBulge = mark.bulge;
  f.BoxWidth = mark.step;
  f.MarkLabel = mark.label;
  f.LabelOffsetX = mark.label_dx;
  f.LabelOffsetY = mark.label_dy;
  p.text.TextColour = mark.label_colour;
  lesson::DrawDottedArc(p);
}

}  // namespace ostrel
