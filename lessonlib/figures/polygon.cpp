// A closed polygon through the vertex table, with a label beside every vertex.
#include <string>

#include "lessonlib/figures/figure_calls.h"
#include "lessonlib/figures/figures.h"
#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

float VertexX(Program& p, float k) { return p.work.GraphValues(k, 1); }
float VertexY(Program& p, float k) { return p.work.GraphValues(k, 2); }

// Labels every vertex i as the corner of the angle between the directions to the next vertex
// j and the one after it, k; ArcFlip -1 turns the rays round, so that the label of a corner
// of a clockwise triangle lies inside it and of an anticlockwise one outside. `label_of`
// gives vertex i's label.
template <typename LabelOf>
void LabelVertices(Program& p, float& counter, float radius, LabelOf&& label_of) {
  FigureState& f = p.figure;
  const float count = p.geometry.KAKU;
  RunCountedLoop(counter, 1, count, [&](float i) {
    float j = i + 1;
    if (j > count) j -= count;
    float k = i + 2;
    if (k > count) k -= count;
    f.MarkX0 = VertexX(p, i), f.MarkY0 = VertexY(p, i);
    f.MarkX1 = VertexX(p, j), f.MarkY1 = VertexY(p, j);
    f.MarkX2 = VertexX(p, k), f.MarkY2 = VertexY(p, k);
    f.ArcFlip = -1;
    f.MarkRadius = radius;
    f.MarkLabel = label_of(i);
    PlaceAngleLabel(p);
  });
}

// Vertex 1 gets the request's first character, vertex 2 the character of the next code, and
// so on.
void LabelPolygonVerticesByLetter(Program& p, float radius) {
  const char32_t first = platform::FirstCodePoint(p.figure.MarkLabel);
  LabelVertices(p, p.values.TableIndex, radius, [&](float i) {
    return platform::CharFromCode(first - 1 + static_cast<char32_t>(platform::RoundToInt(i)));
  });
}

void LabelPolygonVerticesFromTable(Program& p, float radius) {
  float counter = 0;
  LabelVertices(p, counter, radius, [&](float i) { return p.work.PartTexts(i); });
}

}  // namespace

void DrawPolygon(Program& p) {
  FigureState& f = p.figure;
  const float width = p.rt.FE_GETDRAWWIDTH();
  const float count = p.geometry.KAKU;
  // The first side is drawn whatever the count.
  RunCountedLoop(p.values.TableIndex, 1, count, [&](float i) {
    const float j = i == count ? 1 : i + 1;
    p.rt.FE_SETDRAWWIDTH(p.geometry.SIZE1);
    p.rt.PsLINE(VertexX(p, i), VertexY(p, i), VertexX(p, j), VertexY(p, j), false, f.LineColour,
                0, f.LineColour);
  });
  // PlaceAngleLabel clears MarkRadius after each label: the labels keep the one given.
  const float radius = f.MarkRadius;
  if (f.MarkLabel == "1") {
    LabelPolygonVerticesFromTable(p, radius);
  } else if (!f.MarkLabel.empty()) {
    LabelPolygonVerticesByLetter(p, radius);
  }
  f.MarkLabel.clear();
  p.rt.FE_SETDRAWWIDTH(width);
}

}  // namespace lesson
