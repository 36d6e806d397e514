// Practice sheet: multiples, even and odd numbers, consecutive integers and consecutive even
// and odd numbers written with a random letter, and a two-digit number written with two
// digit letters. The answers come one per key press; a new sheet until 1 is entered.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"

namespace ostrel {

namespace {

using lesson::AtColumn;
using lesson::AtMargin;
using lesson::AtX;
using lesson::Below;
using lesson::kAtOnce;
using lesson::OnLine;
using lesson::Program;

// Item ② stands on the line of item ①, whatever the width of item ①.
constexpr float kSecondColumnX = 600;

// The letter of question 1, by its draw 1 to 6.
const char* SheetLetter(float draw) {
  switch (platform::RoundToInt(draw)) {
    case 1: return "a";
    case 2: return "b";
    case 3: return "k";
    case 4: return "p";
    case 5: return "m";
    default: return "n";
  }
}

// Draws the values of one sheet: the letter, the multiple base and the digit letters.
void DrawSheetValues(Program& p) {
  lesson::LessonWork& w = p.work;
  w.TermValues(1) = lesson::PickRandomWhole(p, 1, 6);
  w.TermValues(5) = lesson::PickRandomWhole(p, 3, 9);
  w.AuxValues(1) = lesson::PickRandomWhole(p, 1, 2);
  lesson::FormatNumberArrays(p);
  w.TermTexts(1) = SheetLetter(w.TermValues(1));
  // The digits of question 2 are a and b or m and n, with even chance.
  const bool first_pair = w.AuxValues(1) == 1;
  w.AuxTexts(1) = first_pair ? "a" : "m";
  w.AuxTexts(2) = first_pair ? "b" : "n";
}

// The point just after question item k, where its answer goes.
void KeepAnchor(Program& p, float k) {
  p.work.PointX(k) = p.text.TextX;
  p.work.PointY(k) = p.text.TextY;
}

void DrawQuestionSheet(Program& p) {
  const std::string& letter = p.work.TermTexts(1);
  const std::string& base = p.work.TermTexts(5);
  lesson::LessonLayout& l = p.layout;
  l.ColumnX = 40;
  l.MarginX = l.ColumnX + 27;
  l.LineY = 30;
  lesson::ShowSteps(p, {
      {kAtOnce, "1 ", 0, AtColumn(), Below(0)},
      {kAtOnce, letter, 3},
      {kAtOnce, "を整数とするとき、次の数を", 0},
      {kAtOnce, letter, 3},
      {kAtOnce, "を用いた式で表しなさい。", 0},
      {kAtOnce, "① " + base + "の倍数…", 0, AtMargin(), Below(60)},
  });
  KeepAnchor(p, 1);
  lesson::ShowSteps(p, {{kAtOnce, "② 偶数…", 0, AtX(kSecondColumnX), OnLine()}});
  KeepAnchor(p, 2);
  lesson::ShowSteps(p, {{kAtOnce, "③ 奇数…", 0, AtMargin(), Below(60)}});
  KeepAnchor(p, 3);
  lesson::ShowSteps(p, {
      {kAtOnce, "④ ", 0, AtMargin(), Below(60)},
      {kAtOnce, letter, 3},
      {kAtOnce, "が一番小さい連続する3つの整数…", 0},
  });
  KeepAnchor(p, 4);
  lesson::ShowSteps(p, {
      {kAtOnce, "⑤ ", 0, AtMargin(), Below(60)},
      {kAtOnce, letter, 3},
      {kAtOnce, "がまん中の連続する3つの整数…", 0},
  });
  KeepAnchor(p, 5);
  lesson::ShowSteps(p, {{kAtOnce, "⑥ 連続する2つの偶数…", 0, AtMargin(), Below(60)}});
  KeepAnchor(p, 6);
  lesson::ShowSteps(p, {{kAtOnce, "⑦ 連続する2つの奇数…", 0, AtMargin(), Below(60)}});
  KeepAnchor(p, 7);
  lesson::ShowSteps(p, {
      {kAtOnce, "2 十の位の数を", 0, AtColumn(), Below(80)},
      {kAtOnce, p.work.AuxTexts(1), 3},
      {kAtOnce, "、一の位の数を", 0},
      {kAtOnce, p.work.AuxTexts(2), 3},
      {kAtOnce, "とするとき、", 0},
      {kAtOnce, " 2けたの自然数…", 0, AtMargin(), Below(50)},
  });
  KeepAnchor(p, 8);
}

void RevealAnswers(Program& p) {
  const std::string& n = p.work.TermTexts(1);
  const std::string& base = p.work.TermTexts(5);
  const struct {
    std::string answer;
    std::string second_form;  // in brackets behind the answer; empty when there is none
  } answers[] = {
      {base + n, ""},
      {"2" + n, ""},
      {"2" + n + "+1", "(2" + n + "-1)"},
      {n + "," + n + "+1," + n + "+2", ""},
      {n + "-1," + n + "," + n + "+1", ""},
      {"2" + n + "と2" + n + "+2", "(2" + n + "-2と2" + n + ")"},
      {"2" + n + "+1と2" + n + "+3", "(2" + n + "-1と2" + n + "+1)"},
      {"10" + p.work.AuxTexts(1) + "+" + p.work.AuxTexts(2), ""},
  };
  float k = 1;
  for (const auto& a : answers) {
    lesson::WaitForKey(p);
    lesson::DrawLessonText(p, a.answer, 5, p.work.PointX(k), p.work.PointY(k));
    if (!a.second_form.empty()) {
      lesson::DrawLessonText(p, a.second_form, 3, p.layout.LineEndX + 30, p.layout.LineY);
    }
    ++k;
  }
}

}  // namespace

lesson::Jump RunNumberFormsDrill(Program& p) {
  lesson::RunDrill(p, [&p] {
    lesson::EraseScreen(p);
    DrawSheetValues(p);
    DrawQuestionSheet(p);
    RevealAnswers(p);
    lesson::AskNextStep(p);
  });
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
