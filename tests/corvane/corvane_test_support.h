// Running Corvane headless and reading its screens from the trace.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/corvane.h"
#include "lessonlib/headless_session.h"
#include "tests/test_support.h"

namespace corvane_testing {

using testing_support::Fields;

// A run of Corvane from start-up with the given keys and random numbers handed out first.
std::unique_ptr<lesson::HeadlessSession> RunCorvane(std::string_view keys,
                                                    std::vector<float> random = {});

// A screen as the pupil meets it: "key" for every any-key wait, "next" for every next-step
// prompt, "number" for every other number read, and "x y colour text" for every DrawText,
// in order.
using Screen = std::vector<std::string>;

// The screen rows of the trace from the `occurrence`-th event that starts with `from`
// (included) up to the first later event that starts with `until` (excluded; the end when
// absent).
Screen ScreenRows(const platform::Trace& trace, const Fields& from, const Fields& until = {},
                  int occurrence = 1);
// Whether an event's first fields are `prefix` (never for an empty prefix).
bool StartsWith(const Fields& event, const Fields& prefix);

// The rows of a section: what follows the number read at the `occurrence`-th showing of a
// sub-menu's item line, up to the next showing.
Screen SectionRows(const lesson::HeadlessSession& session, const Fields& item_line,
                   int occurrence = 1);

// Expected rows. `Text` stands at a given place; `Continues` at the end of the previous text
// (plus `dx`), on its line, as DrawText leaves it; `Label` is a text the library draws at a
// place of its own (compared by colour and text only).
struct Row {
  enum Kind { kKey, kNext, kNumber, kText, kContinues, kLabel } kind;
  std::string text;
  float colour = 0;
  float x = 0, y = 0;
};
inline Row Key() { return {Row::kKey, ""}; }
inline Row Next() { return {Row::kNext, ""}; }
inline Row NumberRead() { return {Row::kNumber, ""}; }
inline Row Text(std::string text, float colour, float x, float y) {
  return {Row::kText, std::move(text), colour, x, y};
}
inline Row Continues(std::string text, float colour, float dx = 0) {
  return {Row::kContinues, std::move(text), colour, dx, 0};
}
inline Row Label(std::string text, float colour) { return {Row::kLabel, std::move(text), colour}; }

Screen Expected(const std::vector<Row>& rows);
// Compares a screen with expected rows (labels by colour and text only).
void ExpectScreen(const Screen& actual, const std::vector<Row>& rows);

// Where DrawText leaves TextX after drawing `text` from `x`.
float EndOfText(const std::string& text, float x);

// The DrawText rows of a screen ("x y colour text"), and its waits.
int CountRows(const Screen& screen, std::string_view row);

// Sub-menu item lines, as the trace shows them.
inline const Fields kChapter1Line{"text", "DrawWideText", "16", "666", "0",
                                  "①P10,世界一周道路　②項　③問1　④次数　⑤終了"};
inline const Fields kChapter2Line{"text", "DrawWideText", "16", "666", "0",
                                  "①同類項　②計算　③問4　④終了"};
inline const Fields kChapter3Line{
    "text", "DrawWideText", "16", "666", "0",
    "①ひろげよう　②加法　③問５　④減法　⑤問６　⑥まとめ　⑦縦加法　⑧縦減法　⑨問7　⑩説明しよう　⑪練習問題　⑫終了"};
inline const Fields kChapter4Line{
    "text", "DrawWideText", "16", "666", "0",
    "①復習課題　②分配　③まとめ１　④乗法　⑤除法　⑥まとめ２　⑦問1　⑧終了"};
inline const Fields kChapter5Line{"text", "DrawWideText", "16", "666", "0",
                                  "①例３　②例４　③問２　④終了"};
inline const Fields kChapter6Line{
    "text", "DrawWideText", "16", "666", "0",
    "①解き方１（分数係数）　②問３　③分数表現　④解き方２ ⑤問４　⑥終了"};
inline const Fields kMenuTitle{"text", "DrawText", "264", "30", "15", "＜Ｃｏｒｖａｎｅ　メニュー＞"};

// Whether a box filled with colour 15 was drawn between the two corners.
bool Erased(const lesson::HeadlessSession& session, float x1, float y1, float x2, float y2);

// A random fraction that picks `item` of `count` (INT(r * count) + 1 = item).
float Pick(int item, int count);

// The random fractions that draw the coefficients of the bracket practices, each -5 to 5 and
// not 0, as INT(r * 10 + 1) - 5 with a 0 taken as -5 (a factor drawn as 1 or -1 is shown as 6
// or -6).
std::vector<float> BracketDraws(const std::vector<int>& values);
// The random fractions of one draw of the fraction-form practice: the first denominator (2, 3
// or 6), the second (another of 2, 3, 4, 5, 6), then a, b, c, d (b and d negative).
std::vector<float> FractionFormDraw(int first, int second, int a, int b, int c, int d);

// A term as a pupil writes it, to check generated lines against: no 1 before the letter, and a
// "+" before a positive term unless it opens its expression, bracket or numerator; a
// coefficient 0 writes nothing.
std::string PupilTerm(float coefficient, const std::string& letter, bool opens);

// `count` presses of an any key.
std::string AnyKeys(int count);

// The dots of the dotted arcs (discs of radius 0.5), run by run as drawn one after another,
// each run with the number of any-key waits before it.
struct Dot {
  float x, y;
  std::string colour, fill, width;
};
struct DotRun {
  int keys_before;
  std::vector<Dot> dots;
};
std::vector<DotRun> DotRuns(const platform::Trace& trace);

// A run of dots as a dotted arc of one dot per degree (181 in `colour`, at draw width 5)
// standing on the chord from (x0, y0) to (x1, y1): from the chord's far end to its near end,
// `height` high at its middle, all of it on the left of the way from (x0, y0) (above a chord
// drawn to the right).
void ExpectArcOnChord(const DotRun& run, float x0, float y0, float x1, float y1, float height,
                      const std::string& colour);

}  // namespace corvane_testing
