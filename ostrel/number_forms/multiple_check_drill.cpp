// Practice sheet: is each of ten expressions in two integer letters a multiple of d? The
// eight whose every term carries the factor d are; the two holding the fraction of the
// letters are not. The answers come one per key press; a new sheet until 1 is entered.
#include "lessonlib/chapter_frame.h"
#include "lessonlib/screen.h"
#include "ostrel/number_forms/number_forms.h"
#include "ostrel/ostrel.h"
#include "platform/text_ops.h"

namespace ostrel {

namespace {

using lesson::AfterText;
using lesson::AtColumn;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::Program;

struct LetterPair {
  const char* first;
  const char* second;
};

// The letter pairs, by their draw 1 to 6.
constexpr LetterPair kLetterPairs[] = {
    {"i", "m"}, {"a", "k"}, {"k", "n"}, {"b", "m"}, {"m", "n"}, {"n", "p"},
};

// Draws the values of one sheet: the letter pair p, the divisor d and the offsets o1, o2.
void DrawSheetValues(Program& p) {
  lesson::LessonWork& w = p.work;
  w.TermValues(1) = lesson::PickRandomWhole(p, 1, 6);
  w.TermValues(5) = lesson::PickRandomWhole(p, 3, 9);
  // Both offsets from 1 to d - 1, drawn independently; d is at least 3. (Taken as
  // INT(RND * (d - 1) + 1), a fraction just below 1 would give d itself for d = 3, 5 and 9.)
  w.AuxValues(1) = lesson::PickRandomWhole(p, 1, w.TermValues(5) - 1);
  w.AuxValues(2) = lesson::PickRandomWhole(p, 1, w.TermValues(5) - 1);
  lesson::FormatNumberArrays(p);
  const LetterPair& pair = kLetterPairs[platform::RoundToInt(w.TermValues(1)) - 1];
  w.TermTexts(1) = pair.first;
  w.TermTexts(2) = pair.second;
}

struct Item {
  const char* prefix;
  std::string expression;
  float colour;
  const char* answer;
};

void DrawItem(Program& p, float k, float step, const Item& item) {
  lesson::ShowSteps(p, {
      {kAtOnce, item.prefix, 0, AtMargin(), Below(step)},
      {kAtOnce, item.expression, item.colour},
      {kAtOnce, "…", 0},
  });
  p.work.PointX(k) = p.text.TextX;
  p.work.PointY(k) = p.text.TextY;
}

}  // namespace

lesson::Jump RunMultipleCheckDrill(Program& p) {
  lesson::RunDrill(p, [&p] {
    lesson::EraseScreen(p);
    DrawSheetValues(p);
    const lesson::LessonWork& w = p.work;
    const std::string& d = w.TermTexts(5);
    const std::string& l1 = w.TermTexts(1);
    const std::string& l2 = w.TermTexts(2);
    const std::string& o1 = w.AuxTexts(1);
    const std::string& o2 = w.AuxTexts(2);
    const Item items[] = {
        {"① ", d + "(" + l1 + "+" + o1 + ")", 3, "倍数"},
        {"② ", d + "(" + l1 + "-" + o2 + ")", 7, "倍数"},
        {"③ ", d + "(" + l1 + "+" + l2 + ")", 3, "倍数"},
        {"④ ", d + "(" + l1 + "-" + l2 + ")", 7, "倍数"},
        {"⑤ ", d + "(" + l1 + "+" + l2 + "+" + o2 + ")", 3, "倍数"},
        {"⑥ ", d + "(" + l1 + "-" + l2 + "-" + o1 + ")", 7, "倍数"},
        {"⑦ ", d + l1 + l2, 7, "倍数"},
        {"⑧ ", d + "(" + l1 + l2 + "-" + o2 + ")", 3, "倍数"},
        {"⑨ ", d + "*ﾀ" + l1 + "/" + l2 + "ﾀ", 7, "倍数ではない"},
        {"⑩ ", d + "(ﾀ" + l1 + "/" + l2 + "ﾀ+" + o1 + ")", 3, "倍数ではない"},
    };

    lesson::LessonLayout& l = p.layout;
    l.ColumnX = 40;
    l.MarginX = l.ColumnX + 27;
    l.LineY = 30;
    lesson::ShowSteps(p, {
        {kAtOnce, "  ", 0, AtColumn(), Below(0)},
        {kAtOnce, l1 + "," + l2, 3},
        {kAtOnce, "を整数とするとき、次の数は", 0, AfterText(8)},
        {kAtOnce, d, 3, AfterText(8)},
        {kAtOnce, "の倍数ですか。", 0, AfterText(8)},
    });
    for (float k = 1; k <= 6; ++k) DrawItem(p, k, 80, items[platform::RoundToInt(k) - 1]);
    // Right column: the two with a stacked fraction stand 90 apart.
    l.ColumnX = 600;
    l.MarginX = l.ColumnX + 27;
    l.LineY = 30;
    for (float k = 7; k <= 10; ++k) {
      DrawItem(p, k, k <= 8 ? 80 : 90, items[platform::RoundToInt(k) - 1]);
    }

    for (float k = 1; k <= 10; ++k) {
      lesson::WaitForKey(p);
      lesson::DrawLessonText(p, items[platform::RoundToInt(k) - 1].answer, 5, p.work.PointX(k),
                             p.work.PointY(k));
    }
    lesson::AskNextStep(p);
  });
  return {ShowNumberFormsMenu};
}

}  // namespace ostrel
