#include <algorithm>

#include "lessonlib/screen.h"
#include "platform/text_ops.h"

namespace lesson {

namespace {

// Half-width characters and their wide forms, position for position.
constexpr const char* kLetterHalf = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
constexpr const char* kLetterWide =
    "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
constexpr const char* kSymbolHalf = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
constexpr const char* kSymbolWide =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙ"
    "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

constexpr float kCell = 16;

}  // namespace

void DrawWideText(Program& p) {
  TextState& t = p.text;
  p.rt.NoteText("DrawWideText", t.TextX, t.TextY, t.TextColour, t.TextToDraw);
  while (!t.TextToDraw.empty()) {
    t.WorkText = platform::PfKLEFT24(t.TextToDraw, 1);
    t.TextToDraw.erase(0, t.WorkText.size());
    if (t.WorkText == "^") {
      t.CaretFlag = 1;
      continue;
    }
    DrawWideGlyphs(p);
    t.TextX = t.PenX;
  }
}

void DrawWideGlyphs(Program& p) {
  TextState& t = p.text;
  RemoveSpaces(p);
  t.PenX = t.TextX;
  p.rt.FE_SETFONTBOLD(-1);
  p.values.TextLength = static_cast<float>(platform::PfKLEN(t.WorkText));
  // A counted loop makes one pass even over an empty text.
  const float last = std::max(p.values.TextLength, 1.0f);
  for (p.values.LoopIndex = 1; p.values.LoopIndex <= last; ++p.values.LoopIndex) {
    t.CurrentChar = platform::PfKMID24(t.WorkText, p.values.LoopIndex, 1);
    if (t.CurrentChar == "^") {
      t.CaretFlag = 1;
      continue;
    }
    if (t.CaretFlag == 1) {
      t.CaretFlag = 0;
    } else {
      ToWideChar(p);
    }
    const float raise = platform::PfLEN(t.CurrentChar) == 1 ? 4 : 0;
    const bool point = t.CurrentChar == "．";
    if (point) t.PenX -= 4;
    p.rt.PsSYMBOL40(t.CurrentChar, t.PenX, t.TextY - raise, 1, 1, t.TextColour);
    if (point) t.PenX -= 12;
    t.PenX += kCell;
  }
}

void ToWideChar(Program& p) {
  std::string& ch = p.text.CurrentChar;
  int found = platform::PfINSTR(kLetterHalf, ch);
  if (found > 0) ch = platform::PfKMID24(kLetterWide, static_cast<float>(found), 1);
  found = platform::PfINSTR(kSymbolHalf, ch);
  if (found > 0) ch = platform::PfKMID24(kSymbolWide, static_cast<float>(found), 1);
}

}  // namespace lesson
