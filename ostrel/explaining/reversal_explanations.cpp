// Sections ⑧ "例題２" and ⑨ "説明しよう": a two-digit number 10a+b and the number with its
// digits exchanged, 10b+a, add up to 11(a+b) and differ by 9(a-b); each explained in
// fill-in form, the two screens' boxes alike but for their fillings.
#include "lessonlib/chapter_frame.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/fill_in_boxes.h"

namespace ostrel {

namespace {

using lesson::AfterText;
using lesson::AtMargin;
using lesson::Below;
using lesson::kAtOnce;
using lesson::kKeyFirst;
using lesson::Program;

// The boxes' numbers are in the fillings' colour, in a colour-0 frame; their places are kept
// in TermValues and AuxValues.
constexpr FillInStyle kSumBoxStyle{
    .border = 0, .number_colour = 5, .height = 48, .places = FillInStyle::kTermAuxPlaces};
constexpr FillInStyle kDifferenceBoxStyle{
    .border = 0, .number_colour = 5, .height = 50, .places = FillInStyle::kTermAuxPlaces};

constexpr FillInBox kSumBoxes[] = {
    {1, 180, "10a+b"},   {2, 180, "10b+a"}, {3, 468, "(10a+b)+(10b+a)"},
    {4, 216, "11a+11b"}, {5, 108, "a+b"},   {6, 108, "a+b"},
};
constexpr FillInBox kDifferenceBoxes[] = {
    {1, 180, "10a+b"}, {2, 180, "10b+a"}, {3, 468, "(10a+b)-(10b+a)"},
    {4, 216, "9a-9b"}, {5, 108, "a-b"},   {6, 108, "a-b"},
};

// Boxes ③ to ⑥: the calculation, from the two numbers to the factor times a whole number.
void ShowCalculation(Program& p, const FillInStyle& style, std::span<const FillInBox> boxes,
                     const char* factor_open, const char* conclusion) {
  ShowExplanation(p, style, boxes, {
      {{kAtOnce, " ", 0, AtMargin(), Below(60)}},
      BoxRow(3),
      {{kAtOnce, "=", 0, AtMargin(), Below(60)}},
      BoxRow(4),
      {{kAtOnce, factor_open, 0, AtMargin(), Below(60)}},
      BoxRow(5),
      {{kAtOnce, ")", 0, AfterText(10)}},
      {{kAtOnce, "", 0, AtMargin(), Below(60)}},
      BoxRow(6),
      {{kAtOnce, conclusion, 0, AfterText(10)}},
  });
}

}  // namespace

lesson::Jump ShowReversalSumExplanation(Program& p) {
  StartSection(p, 1600, 40);
  ShowExplanation(p, kSumBoxStyle, kSumBoxes, {
      {{kAtOnce, "例題2 2けたの正の整数とその数の十の位と一の位の数を", 3, AtMargin(), Below(0)}},
      {{kAtOnce, "入れかえてできる数との和は、11の倍数である。", 3, AtMargin(), Below(50)}},
      {{kAtOnce, "＜説明＞", 7, AtMargin(), Below(50)}},
      {{kKeyFirst, "2けたの自然数の十の位をa,一の位をbとすると、", 0, AtMargin(), Below(50)}},
      {{kAtOnce, "2けたの自然数は", 0, AtMargin(), Below(60)}},
      BoxRow(1),
      {{kAtOnce, "、入れかえた数は", 0, AfterText(10)}},
      {{kAtOnce, "", 0, AtMargin(), Below(60)}},
      BoxRow(2),
      {{kAtOnce, "と表されるから、それらの和は", 0, AfterText(10)}},
  });
  ShowCalculation(p, kSumBoxStyle, kSumBoxes, "=11(", "は整数だから、");
  lesson::ShowSteps(p, {{kAtOnce, "11の倍数になる。", 0, AtMargin(), Below(50)}});
  // The conclusion stands right of the lower lines, from 120 past box ④ and below its line.
  lesson::LessonWork& w = p.work;
  w.SavedX(1) = w.TermValues(4) + kSumBoxes[3].width + 120;
  w.SavedY(1) = w.AuxValues(4);
  p.layout.MarginX = w.SavedX(1);
  p.layout.LineY = w.SavedY(1);
  lesson::ShowSteps(p, {
      {kAtOnce, "したがって、2けたの正の整数と", 0, AtMargin(), Below(50)},
      {kAtOnce, "その数の十の位と一の位の数を入れかえてできる数", 0, AtMargin(), Below(50)},
      {kAtOnce, "との和は、11の倍数である。", 0, AtMargin(), Below(50)},
  });
  FillInTurn(p, kSumBoxStyle, kSumBoxes);
  return {ShowExplainingMenu};
}

lesson::Jump ShowReversalDifferenceExplanation(Program& p) {
  StartSection(p, 1600, 76);
  // A worked difference and the conjecture it suggests, one piece per key.
  ShowExplanation(p, kDifferenceBoxStyle, kDifferenceBoxes, {
      {{kAtOnce, "差 ", 3, AtMargin(), Below(0)}},
      {{kAtOnce, " 53-35=", 0}},
      {{kKeyFirst, "18", 0}},
      {{kKeyFirst, "=9*2", 3}},
      {{kKeyFirst, " 予想 9の倍数", 5}},
      {{kKeyFirst, "＜説明＞", 7, AtMargin(), Below(60)}},
      {{kKeyFirst, "2けたの自然数の十の位をa,一の位をbとすると、", 0, AtMargin(), Below(60)}},
      {{kAtOnce, "2けたの自然数は ", 0, AtMargin(), Below(60)}},
      BoxRow(1),
      {{kAtOnce, "入れかえた数は　", 0, AtMargin(), Below(60)}},
      BoxRow(2),
      {{kAtOnce, "と表されるから、それらの差は", 0, AfterText(10)}},
  });
  ShowCalculation(p, kDifferenceBoxStyle, kDifferenceBoxes, "=9(",
                  "は整数だから、9の倍数になる。");
  FillInTurn(p, kDifferenceBoxStyle, kDifferenceBoxes);
  return {ShowExplainingMenu};
}

}  // namespace ostrel
