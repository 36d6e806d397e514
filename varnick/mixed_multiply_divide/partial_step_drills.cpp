// ② The partial-step drills: the first step of a mixed calculation, the sign and the one
// fraction (the first term and every "*" term over the bar, every "/" term under it). Three
// drills one after the other, each in a panel of its own and each until 1 is entered: Q1
// covers the sign with a box, Q2 the numerator, Q3 the denominator; a key writes the asked
// part in. A new problem erases only its own panel, so each drill's last problem stays.
// Then the method beside the drills.
#include <string>

#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "varnick/mixed_multiply_divide/mixed_multiply_divide.h"

namespace varnick {

using lesson::AfterText;
using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;

namespace {

// A drill's panel: its corners (the title at the top-left, ColumnX), the x of its "=" line
// (MarginX) and how far down the problem line and the "=" line stand.
struct DrillPanel {
  float left, top, right, bottom;
  float margin_x;
  const char* title;
  float problem_dy, line_dy;
};

// A drill whose pass hides one part of the fraction under a box: where the known part and
// the box stand from the bar (the asked part is written 4 below the box's top).
struct HiddenPartDrill {
  DrillPanel panel;
  bool asks_numerator;
  float known_dy, box_dy;
};

constexpr DrillPanel kSignDrill{40, 30, 640, 260, 72, "Q1　符号をいいなさい。", 70, 80};
constexpr HiddenPartDrill kNumeratorDrill{
    {40, 310, 640, 610, 72, "Q2　分子をいいなさい。", 80, 110}, true, 12, -52};
constexpr HiddenPartDrill kDenominatorDrill{
    {680, 30, 1320, 330, 680, "Q3　分母をいいなさい。", 80, 110}, false, -40, 6};

std::string FractionForm(const lesson::Program& p) {
  return "ﾀ" + p.work.PartTexts(11) + "/" + p.work.PartTexts(12) + "ﾀ";
}

// A new problem in the panel, erased first: the title and the problem line.
void StartPass(lesson::Program& p, const DrillPanel& panel) {
  MakeMixedMultiplyDivideProblem(p);
  lesson::EraseBetween(p, panel.left, panel.top, panel.right, panel.bottom);
  p.layout.ColumnX = panel.left;
  p.layout.MarginX = panel.margin_x;
  p.layout.LineY = panel.top;
  const lesson::LessonWork& w = p.work;
  lesson::ShowSteps(p, {
      {kAtOnce, panel.title, 3, AtColumn(), Below(0)},
      {kAtOnce, w.PartTexts(1) + w.PartTexts(2) + w.PartTexts(3), 0, AtMargin(32),
       Below(panel.problem_dy)},
  });
}

// A box at (TextX, TextY), border 3 and fill 13, with `text` in colour 5 centred in it (an
// empty text covers what lies under it). The line goes on after the box.
void DrawAnswerBox(lesson::Program& p, float width, float height, const std::string& text) {
  p.figure.BoxWidth = width;
  p.figure.BoxHeight = height;
  p.figure.LineColour = 3;
  p.figure.FillColour = 13;
  p.text.TextColour = 5;
  p.text.WorkText = text;
  lesson::DrawBoxedText(p);
  p.layout.LineEndX = p.text.TextX;
}

// Q1: "=", the sign's box, the fraction; a key fills the box with the sign.
void AskTheSign(lesson::Program& p) {
  StartPass(p, kSignDrill);
  lesson::LessonWork& w = p.work;
  lesson::ShowSteps(p, {{kAtOnce, "=", 0, AtMargin(), Below(kSignDrill.line_dy)}});
  w.PointX(1) = p.text.TextX = p.layout.LineEndX;
  w.PointY(1) = p.text.TextY = p.layout.LineY;
  DrawAnswerBox(p, 60, 50, "");
  lesson::ContinueLessonText(p, FractionForm(p), 0);
  lesson::WaitForKey(p);
  p.text.TextX = w.PointX(1);
  p.text.TextY = w.PointY(1);
  DrawAnswerBox(p, 60, 50, w.AuxTexts(4));
  lesson::AskNextStep(p);
}

// A numerator or denominator by itself, with the glyphs and advances it has in a fraction.
void DrawFractionPart(lesson::Program& p, const std::string& part, float colour, float x,
                      float y) {
  p.renderer.FractionMode = 1;
  lesson::DrawLessonText(p, part, colour, x, y);
  p.renderer.FractionMode = 0;
}

// Q2 and Q3: "=" and the sign, then the fraction laid out by drawing it in the background
// colour: its bar and its known part drawn, a box where the asked part stands; a key writes
// the asked part into the box.
void AskAPart(lesson::Program& p, const HiddenPartDrill& drill) {
  StartPass(p, drill.panel);
  lesson::LessonWork& w = p.work;
  lesson::ShowSteps(p,
                    {{kAtOnce, "=" + w.AuxTexts(4), 0, AtMargin(), Below(drill.panel.line_dy)}});
  w.PointX(0) = p.layout.LineEndX;
  w.PointY(0) = p.layout.LineY;
  lesson::DrawCaptionText(p, FractionForm(p), 15, w.PointX(0), w.PointY(0));
  const lesson::RendererState& r = p.renderer;
  const float bar_y = r.FractionBarY;
  w.PointX(1) = w.PointX(0) + r.NumeratorOffset;
  w.PointX(11) = w.PointX(0) + r.DenominatorOffset;
  const float asked_x = drill.asks_numerator ? w.PointX(1) : w.PointX(11);
  const float known_x = drill.asks_numerator ? w.PointX(11) : w.PointX(1);
  const float asked_width = drill.asks_numerator ? r.NumeratorWidth : r.DenominatorWidth;
  const std::string& asked = drill.asks_numerator ? w.PartTexts(11) : w.PartTexts(12);
  const std::string& known = drill.asks_numerator ? w.PartTexts(12) : w.PartTexts(11);
  // The bar as a fraction has it, 4 wide.
  p.rt.FE_SETDRAWWIDTH(4);
  p.rt.PsLINE(w.PointX(0), bar_y, r.FractionWidth, 0, true, 0, 0, 0);
  p.rt.FE_SETDRAWWIDTH(5);
  DrawFractionPart(p, known, 0, known_x, bar_y + drill.known_dy);
  p.text.TextX = asked_x;
  p.text.TextY = bar_y + drill.box_dy;
  DrawAnswerBox(p, asked_width + 10, 44, "");
  lesson::WaitForKey(p);
  DrawFractionPart(p, asked, 5, asked_x + 5, bar_y + drill.box_dy + 4);
  lesson::AskNextStep(p);
}

}  // namespace

lesson::Jump RunPartialStepDrills(lesson::Program& p) {
  lesson::EraseFrom(p, 0, 0, 1760, 1300);
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::RunDrill(p, [&p] { AskTheSign(p); });
  lesson::RunDrill(p, [&p] { AskAPart(p, kNumeratorDrill); });
  lesson::RunDrill(p, [&p] { AskAPart(p, kDenominatorDrill); });
  // The method under Q3's last answer (the line is the answer's).
  lesson::ShowSteps(p, {
      {kAtOnce, "<乗除の混じった式の計算>", 5, AtMargin(), Below(70)},
      {kAtOnce, "① 符号を決め、分数の形にする。", 0, AtMargin(), Below(50)},
      {kAtOnce, "(最初の項と*の項は分子、", 3, AtMargin(60), Below(50)},
      {kAtOnce, "/の項は分母）", 3, AtMargin(87), Below(50)},
      {kAtOnce, "② 約分する。", 0, AtMargin(), Below(50)},
      {kAtOnce, "(文字も約分する）", 5, AfterText()},
  });
  return {ShowMixedMultiplyDivideMenu};
}

}  // namespace varnick
