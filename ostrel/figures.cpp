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
  const lesson::LessonWork& w = p.work;
  lesson::DrawArc(p, {w.PointX(mark.from), w.PointY(mark.from), w.PointX(mark.to),
                      w.PointY(mark.to), mark.colour, mark.side, mark.bulge, mark.step,
                      mark.label, mark.label_colour, mark.label_dx, mark.label_dy});
}

}  // namespace ostrel
