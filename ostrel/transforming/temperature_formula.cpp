// Textbook page 28: the formula f = 9/5 c + 32 between degrees Fahrenheit and Celsius, worked
// for 68 °F, solved for c, a value table whose Celsius cells are revealed one per key, and
// the answers of question 3 of page 29.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/formula.h"
#include "lessonlib/screen.h"
#include "ostrel/step_names.h"
#include "ostrel/transforming/transforming.h"

namespace ostrel {

namespace {

// One cell of the value table: a box drawn by DrawBoxedText, bordered in colour 3.
void DrawTableCell(Program& p, float x, float y, float width, float height, float fill,
                   float colour, const std::string& text) {
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.WorkText = text;
  p.text.TextColour = colour;
  p.figure.BoxWidth = width;
  p.figure.BoxHeight = height;
  p.figure.LineColour = 3;
  p.figure.FillColour = fill;
  lesson::DrawBoxedText(p);
}

// The five value cells of a row at `y`, with the texts PartTexts(1..5).
void DrawTableRow(Program& p, float y, float height, float fill, float colour) {
  float& k = p.values.TableIndex;
  for (k = 1; k <= 5; ++k) {
    DrawTableCell(p, p.work.PointX(k), y, 150, height, fill, colour, p.work.PartTexts(k));
  }
}

void SetRowTexts(Program& p, const char* const (&texts)[5]) {
  for (float k = 1; k <= 5; ++k) p.work.PartTexts(k) = texts[static_cast<int>(k) - 1];
}

// The table of Fahrenheit and Celsius values under the solved formula, which stands on the
// current line: the heads and the Fahrenheit values at once, then the Celsius cells, empty
// until each is filled at a key press. Every column satisfies f = 9/5 c + 32.
void ShowValueTable(Program& p) {
  lesson::LessonWork& w = p.work;
  w.PointX(0) = p.layout.ColumnX;
  w.PointX(1) = w.PointX(0) + 180;
  for (float k = 2; k <= 5; ++k) w.PointX(k) = w.PointX(k - 1) + 150;
  w.PointY(1) = p.layout.LineY + 70;
  w.PointY(2) = w.PointY(1) + 50;
  w.PointY(3) = w.PointY(2) + 80;

  DrawTableCell(p, w.PointX(0), w.PointY(1), 180, 50, 13, 0, "華氏(%F)");
  SetRowTexts(p, {"-4", "0", "32", "50", "68"});
  DrawTableRow(p, w.PointY(1), 50, 13, 0);
  DrawTableCell(p, w.PointX(0), w.PointY(2), 180, 80, 13, 0, "摂氏(%C)");
  SetRowTexts(p, {"", "", "", "", ""});
  DrawTableRow(p, w.PointY(2), 80, 15, 5);

  SetRowTexts(p, {"-20", "-ﾀ160/9ﾀ", "0", "10", "20"});
  float& k = p.values.TableIndex;
  for (k = 1; k <= 5; ++k) {
    lesson::WaitForKey(p);
    DrawTableCell(p, w.PointX(k), w.PointY(2), 150, 80, 15, 5, w.PartTexts(k));
  }
}

}  // namespace

lesson::Jump ShowTemperatureFormula(Program& p) {
  lesson::LessonLayout& l = p.layout;
  lesson::EraseScreen(p);
  l.ColumnX = 30;
  l.MarginX = l.ColumnX + 36;
  l.LineY = 20;
  p.rt.FE_SETDRAWWIDTH(5);
  lesson::ShowSteps(p, {
      {kAtOnce, "P28「ひろげよう」", 3, AtColumn(), AtY(20)},
      {kAtOnce, "温度の表し方には摂氏(%C)と華氏(%F)の2種類がある。", 0},
      {kKeyFirst, " 華氏f%Fと摂氏c%C の関係は、", 0, AtMargin(), Below(60)},
      {kAtOnce, "f=ﾀ9/5ﾀc+32", 3},
      {kAtOnce, " という式で表される。", 0},
      // ① From a Fahrenheit value to Celsius.
      {kKeyFirst, "① ", 3, AtColumn(), Below(60)},
      {kAtOnce, "68%Fは何%Cですか？", 7},
      {kKeyFirst, "68=ﾀ9/5ﾀc+32", 0, AtMargin(), Below(50)},
      {kKeyFirst, "ﾀ9/5ﾀc+32=68", 0, AfterText(40)},
      {kKeyFirst, "ﾀ9/5ﾀc=68-32", 0, AfterText(40)},
      {kKeyFirst, "ﾀ9/5ﾀc=36", 0, AfterText(40)},
      {kKeyFirst, "c=36*ﾀ5/9ﾀ=20", 0, AtMargin(), Below(60)},
      {kKeyFirst, "20%C", 5, AfterText(40)},
      // ② The formula solved for c.
      {kKeyFirst, "② ", 3, AtColumn(), Below(60)},
      {kAtOnce, "f=ﾀ9/5ﾀc+32 の式を、c=　の式に変形すると、", 7},
      {kKeyFirst, "ﾀ9/5ﾀc+32=f", 0, AtMargin(), Below(70)},
      {kKeyFirst, "ﾀ9/5ﾀc=f-32", 0, AfterText(40)},
      {kKeyFirst, "c=ﾀ5/9ﾀ(f-32)", 3, AfterText(40)},
  });
  // The note "solved for c" comes beside the formula once the table is complete.
  p.work.SavedX(1) = l.LineEndX + 20;
  p.work.SavedY(1) = l.LineY;
  lesson::WaitForKey(p);
  ShowValueTable(p);
  lesson::ShowSteps(p, {
      {kKeyFirst, "(cについて解く)", 5, AtX(p.work.SavedX(1)), AtY(p.work.SavedY(1))},
  });
  lesson::ShowSteps(p, {
      {kKeyFirst, "教科書P29 問3をやろう。", 7, AtColumn(), AtY(p.work.PointY(3) + 10)},
      {kKeyFirst, "59%F=", 3},
      {kAtOnce, "15%C ,", 5},
      {kAtOnce, "35%C=", 3},
      {kAtOnce, "95%F", 5},
  });
  return {ShowTransformingMenu};
}

}  // namespace ostrel
