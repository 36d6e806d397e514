// formula_sheet: draws a sheet of representative formula texts, boxes, labels and figure
// marks on the headless page and writes it as a PNG, to look at how the glyphs sit.
//
//   formula_sheet [FILE.png] [--scale S]
//
// Each formula stands on a pale band as wide as its measured advance and 44 high (one line
// of formula text), so that a glyph leaving its cells shows at a glance.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "lessonlib/formula.h"
#include "lessonlib/headless_session.h"
#include "tools/path_checks.h"

namespace {

lesson::Jump EndRun(lesson::Program& p) { p.rt.PsEND(); }

const lesson::ProgramDefinition kSheet{"Formula sheet", EndRun, lesson::ApplyStandardGlyphRules};

constexpr float kBand = 9;  // pale yellow behind each formula

void Formula(lesson::Program& p, float x, float y, const std::string& text) {
  p.text.WorkText = text;
  lesson::MeasureTextWidth(p);
  p.rt.PsLINE(x, y, x + p.values.MeasuredWidth, y + 44, false, kBand, 2, kBand);
  p.text.TextToDraw = text;
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.TextColour = 0;
  lesson::DrawText(p);
}

void Caption(lesson::Program& p, float x, float y, const std::string& text) {
  p.text.TextToDraw = text;
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.TextColour = 3;
  lesson::DrawLabelText(p);
}

void Formulas(lesson::Program& p) {
  const char* column1[] = {
      "3x^2+2x-5",        "ﾀ1/2ﾀ+ﾀ1/3ﾀ=ﾀ5/6ﾀ", "=-ﾀ3x^2/2ﾀ/ﾀ3x/4ﾀ", "(6x-8)/ﾀ2/3ﾀ",
      "ﾀ3/2a^2ﾀ*ﾀ-4/9ﾀ",  "2*3=6  12/4=3",     "x=@!2ﾝ",             "!2ﾝ+!3ﾝ=!5ﾝ?",
  };
  const char* column2[] = {
      "#ﾀ1/2ﾀﾝ=ﾀ!2ﾝ/2ﾀ", "90%  3.14  a'", "３ｘ＋５ｙ　答え", "2l  ﾀl/2ﾀ",
      "a^2-2ac+c^2",     "ﾀ-/5ﾀ  ﾀ3/ﾀ",  "ﾀ1 2/3ﾀ  ﾀ1/３ﾀ", "5\\2+(-3)",
  };
  float y = 40;
  for (const char* text : column1) {
    Formula(p, 40, y, text);
    y += 80;
  }
  y = 40;
  for (const char* text : column2) {
    Formula(p, 560, y, text);
    y += 80;
  }
}

void Boxes(lesson::Program& p) {
  p.figure.LineColour = 0;
  p.figure.FillColour = 11;
  p.text.TextColour = 0;
  p.text.TextX = 40;
  p.text.TextY = 680;
  p.figure.BoxWidth = 100;
  for (const char* text : {"12", "ﾀ2/3ﾀ", "-3x", ""}) {
    p.figure.BoxHeight = std::string_view(text).starts_with("ﾀ") ? 80 : 50;
    p.text.WorkText = text;
    lesson::DrawBoxedText(p);
  }
  p.text.TextX = 40;
  p.text.TextY = 800;
  p.text.TextToDraw = "x=";
  lesson::DrawText(p);
  p.figure.BoxWidth = 80;
  p.figure.BoxHeight = 50;
  p.text.WorkText = "3";
  lesson::DrawBoxedTextOnLine(p);
  p.text.TextToDraw = "+1";
  lesson::DrawText(p);
  Caption(p, 40, 860, "12cm (x) y=2ax");
}

void Column(lesson::Program& p) {
  p.text.TextX = 1060;
  p.text.TextY = 40;
  p.text.TextColour = 0;
  p.figure.ArcBulge = 50;
  p.figure.LineColour = 0;
  p.fraction.TextA = "2x-3y";
  p.fraction.TextB = "4x+5y";
  p.layout.ColumnOperator = "+";
  lesson::DrawColumnAddition(p);
  p.text.TextToDraw = "6x+2y";
  p.text.TextX = p.layout.ColumnAnswerX;
  p.text.TextY = p.layout.LineY + 50;
  lesson::DrawText(p);
}

void Marks(lesson::Program& p) {
  lesson::FigureState& f = p.figure;
  p.rt.FE_SETDRAWWIDTH(2);
  // A triangle with an arc, a right angle, chevrons and ticks.
  p.rt.PsCONNECT(0, {{1080, 560}, {1380, 560}, {1080, 360}, {1080, 560}});
  f.MarkX0 = 1380, f.MarkY0 = 560, f.MarkX1 = 1080, f.MarkY1 = 560, f.MarkX2 = 1080, f.MarkY2 = 360;
  f.MarkRadius = 60, f.MarkCount = 2, f.FillColour = 1, f.LineColour = 0;
  f.MarkLabel = "a";
  lesson::DrawAngleArcs(p);
  f.MarkX0 = 1080, f.MarkY0 = 560, f.MarkX1 = 1080, f.MarkY1 = 360, f.MarkX2 = 1380, f.MarkY2 = 560;
  f.MarkRadius = 24;
  lesson::DrawRightAngleMark(p);
  f.SegX1 = 1080, f.SegY1 = 560, f.SegX2 = 1380, f.SegY2 = 560;
  p.values.WorkValueA = 1, p.values.WorkValueB = 1;
  f.MarkRadius = 10, f.MarkCount = 2;
  lesson::DrawChevronsAtRatio(p);
  f.SegX1 = 1080, f.SegY1 = 560, f.SegX2 = 1080, f.SegY2 = 360;
  f.TickSpacing = 0, f.MarkRadius = 8, f.MarkCount = 2, f.ArcFlip = 0;
  lesson::DrawTicksAtMidpoint(p);
  // A dimension arc below the base and a distribution arc above a line of text.
  f.MarkX0 = 1080, f.MarkY0 = 600, f.MarkX1 = 1380, f.MarkY1 = 600;
  f.ArcBulge = 2, f.ArcSide = 1, f.BoxWidth = 3, f.LineColour = 5;
  f.MarkLabel = "ﾀh/2ﾀ";
  p.text.TextColour = 5;
  lesson::DrawDottedArc(p);
  Formula(p, 1080, 220, "3(2x+5)");
  f.MarkX0 = 1094, f.MarkY0 = 214, f.MarkX1 = 1148, f.MarkY1 = 214;
  f.ArcBulge = 2, f.ArcSide = -1, f.BoxWidth = 6, f.LineColour = 1;
  lesson::DrawDottedArc(p);
  f.MarkX0 = 1094, f.MarkY0 = 214, f.MarkX1 = 1229, f.MarkY1 = 214;
  f.ArcBulge = 3, f.ArcSide = -1, f.BoxWidth = 4, f.LineColour = 1;
  lesson::DrawDottedArc(p);
}

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kTool = "formula_sheet";
  std::string path = "formula_sheet.png";
  platform::HeadlessOptions options;
  options.trace = false;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--scale") == 0 && k + 1 < argc) {
      options.scale = std::atof(argv[++k]);
      if (!(options.scale >= 0.25 && options.scale <= 4)) {
        std::fprintf(stderr, "%s: --scale wants a number from 0.25 to 4\n", kTool);
        return 2;
      }
    } else if (argv[k][0] == '-') {
      std::fputs("usage: formula_sheet [FILE.png] [--scale S]\n", stderr);
      return 2;
    } else {
      path = argv[k];
    }
  }
  if (std::string why = tools::WhyNotWritable(path); !why.empty()) {
    return tools::Refuse(kTool, "write", path, why);
  }
  lesson::HeadlessSession session(kSheet, options);
  lesson::Program& p = session.program;
  p.rt.FE_SETDRAWWIDTH(3);
  Formulas(p);
  Boxes(p);
  Column(p);
  Marks(p);
  if (!session.runtime.canvas().WritePng(path)) return tools::CannotWrite(kTool, path);
  std::printf("%s\n", path.c_str());
  return 0;
}
