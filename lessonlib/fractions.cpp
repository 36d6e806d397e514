// Stacked fractions: the numerator over a bar over the denominator, the narrower part
// centred over the wider. The layout is left in the renderer's record, where the
// cancellation screens read it to strike through the parts' character cells.
#include <string>

#include "lessonlib/formula.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// A part of the fraction at (x, y), in fraction mode, to be measured or drawn.
void SetPart(Program& p, float x, float y, const std::string& part) {
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.WorkText = part;
  p.renderer.FractionMode = 1;
}

// The advance of one part at the fraction sizes.
float MeasurePart(Program& p, float left, float top, const std::string& part) {
  SetPart(p, left, top, part);
  MeasureTextWidth(p);
  return p.values.MeasuredWidth;
}

// One glyph run for the whole part.
void DrawPart(Program& p, float x, float y, const std::string& part) {
  SetPart(p, x, y, part);
  DrawFormulaChars(p);
}

void HorizontalLine(Program& p, float width, float x1, float x2, float y, float restored_width) {
  p.rt.FE_SETDRAWWIDTH(width);
  p.rt.PsLINE(x1, y, x2, y, false, p.text.TextColour, 0, p.text.TextColour);
  p.rt.FE_SETDRAWWIDTH(restored_width);
}

}  // namespace

void DrawFraction(Program& p) {
  TextState& t = p.text;
  RendererState& r = p.renderer;
  // Everything the fraction needs after measuring its parts is kept here: measuring runs
  // DrawText again, which overwrites the shared text values and the width slot.
  const float entry_width = p.rt.FE_GETDRAWWIDTH();
  const std::string fraction = t.WorkText;
  const float left = t.TextX;
  const float top = t.TextY;
  t.PenX = left;
  r.FractionTopY = top;
  r.RootMarkPosition = static_cast<float>(platform::PfINSTR(fraction, "!"));
  r.RootSignPosition = static_cast<float>(platform::PfINSTR(fraction, "√"));
  const bool has_root = r.RootMarkPosition > 0 || r.RootSignPosition > 0;

  // The first "/" divides the parts; a further one stays in the denominator as "÷". Without
  // any "/" the whole text is the denominator, under an empty numerator.
  const int slash = platform::PfINSTR(fraction, "/");
  const std::string numerator =
      slash > 0 ? platform::PfLEFT24(fraction, static_cast<float>(slash - 1)) : std::string();
  const std::string denominator =
      slash > 0 ? platform::PfMID24(fraction, static_cast<float>(slash + 1)) : fraction;
  r.NumeratorText = numerator;
  r.DenominatorText = denominator;

  const float numerator_width = MeasurePart(p, left, top, numerator);
  r.NumeratorWidth = numerator_width;
  const float denominator_width = MeasurePart(p, left, top, denominator);
  r.DenominatorWidth = denominator_width;
  r.FractionMode = 0;

  const float width = numerator_width >= denominator_width ? numerator_width : denominator_width;
  r.FractionWidth = width;
  r.NumeratorOffset = (width - numerator_width) / 2;
  r.DenominatorOffset = (width - denominator_width) / 2;

  r.FractionBarY = top + 25;
  HorizontalLine(p, 4, left, left + width, r.FractionBarY, entry_width);
  // An open tall radical (read after measuring, so a "ﾝ" or "#" inside the fraction counts)
  // puts its bar over the whole fraction.
  if (r.RootBarMode == 22) HorizontalLine(p, 3, left, left + width, top - 14, entry_width);

  // A denominator with a root or an exponent goes lower, and so does any denominator of a
  // fraction that holds a root, to clear the root's strokes.
  r.CharByteCount = static_cast<float>(platform::PfINSTR(denominator, "^"));
  const bool raised_denominator =
      platform::PfINSTR(denominator, "√") > 0 || r.CharByteCount > 0;
  const float denominator_y = top + (raised_denominator ? 36.0f : 28.0f) + (has_root ? 8.0f : 0.0f);

  r.NumeratorX = left + r.NumeratorOffset;
  r.NumeratorY = top - 10;
  r.DenominatorX = left + r.DenominatorOffset;
  r.DenominatorY = denominator_y;

  DrawPart(p, r.DenominatorX, r.DenominatorY, denominator);
  DrawPart(p, r.NumeratorX, r.NumeratorY, numerator);

  r.FractionMode = 0;
  t.TextX = left + width;
  t.TextY = top;
}

}  // namespace lesson
