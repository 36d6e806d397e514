#include "lessonlib/screen.h"

namespace lesson {

void DrawSquareGrid(Program& p) {
  FigureState& f = p.figure;
  p.values.SavedDrawWidth = p.rt.FE_GETDRAWWIDTH();
  f.Pi = 3.14159f;
  f.GridLeft = f.GridOriginX;
  f.GridTop = f.GridOriginY;
  f.GridRight = f.GridLeft + f.GridCell * f.GridColumns;
  f.GridBottom = f.GridTop + f.GridCell * f.BoxHeight;
  f.AxisX = f.GridLeft;
  f.AxisY = f.GridBottom;
  if (f.LineColour != 15) {
    f.FillColour = 14;
    // Every fifth line, counted from the left and bottom edges, is heavy.
    const auto set_pen = [&](float counter) {
      const bool heavy = counter - 5 * static_cast<float>(static_cast<int>(counter / 5)) == 0;
      p.rt.FE_SETDRAWWIDTH(heavy ? 3 : 1);
      return heavy ? f.FillColour : f.LineColour;
    };
    float& i = p.values.TableIndex;
    // Counted loops: the bound is read once and the first line is drawn whatever it is.
    const float columns = f.GridColumns;
    i = 0;
    do {
      const float x = f.GridLeft + f.GridCell * i;
      p.rt.PsLINE(x, f.GridTop, x, f.GridBottom, false, set_pen(i), 0, 0);
      ++i;
    } while (i <= columns);
    const float rows = f.BoxHeight;
    i = 0;
    do {
      const float y = f.GridBottom - f.GridCell * i;
      p.rt.PsLINE(f.GridLeft, y, f.GridRight, y, false, set_pen(i), 0, 0);
      ++i;
    } while (i <= rows);
  }
  p.rt.FE_SETDRAWWIDTH(p.values.SavedDrawWidth);
}

}  // namespace lesson
