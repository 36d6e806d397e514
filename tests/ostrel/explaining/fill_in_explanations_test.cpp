// The fill-in explanations of sections ②, ③, ⑧ and ⑨: every text and box where the lesson
// plan puts it, the boxes' borders, fills and heights, and one filling per key press.
#include <gtest/gtest.h>

#include "tests/ostrel/explaining/explaining_script.h"

using namespace explaining_testing;
using ostrel_testing::ExpectScript;
using ostrel_testing::Presses;

namespace {

const Fields kEraseScreen{"erase", "0", "0", "1760", "1800"};
const Fields kEraseNarrow{"erase", "0", "0", "1600", "1800"};

// A fill-in box with its circled number in colour 3 (the usual box), and filled.
Script Numbered(float x, float y, float width, const char* number) {
  return BoxOnLine(x, y, width, number, 3);
}
Script Filled(float x, float y, float width, const char* filling) {
  Script s{kWait};
  Append(s, BoxOnLine(x, y, width, filling, 5));
  return s;
}

// Sections ⑧ and ⑨: numbers and fillings in colour 5 in a colour-0 frame.
Script Framed(float x, float y, float width, const char* text, float height) {
  return BoxOnLine(x, y, width, text, 5, 0, height);
}
Script FramedFill(float x, float y, float width, const char* text, float height) {
  Script s{kWait};
  Append(s, Framed(x, y, width, text, height));
  return s;
}

Script Concat(std::initializer_list<Script> parts) {
  Script all;
  for (const Script& part : parts) Append(all, part);
  return all;
}

}  // namespace

TEST(ThreeSumExplanations, SmallestThenAnotherPropertyThenMiddle) {
  const Script q1 = Concat({
      {kEraseScreen,
       Text(40, 30, 0, "Q1　連続する3つの整数の和は3の倍数になることを、"),
       Text(94, 80, 0, "文字を使って説明しなさい。"),
       kWait,
       Text(94, 140, 3, "＜説明＞"),
       Text(94, 200, 0, "最も小さい整数をnとすると、連続する3つの整数は、"),
       Text(94, 260, 3, "n,")},
      Numbered(158, 260, 90, "①"),
      {Text(258, 260, 3, ",")},
      Numbered(295, 260, 90, "②"),
      {Text(395, 260, 0, "と表される。これらの和は"), Text(94, 320, 0, "n+")},
      Numbered(158, 320, 135, "③"),
      {Text(303, 320, 0, "+")},
      Numbered(340, 320, 135, "④"),
      {Text(485, 320, 0, "=")},
      Numbered(527, 320, 120, "⑤"),
      {Text(657, 320, 0, "=")},
      Numbered(699, 320, 165, "⑥"),
      Numbered(94, 380, 90, "⑦"),
      {Text(194, 380, 0, "は整数だから、3の倍数になる。したがって、"),
       Text(94, 430, 0, "連続する3つの整数の和は3の倍数である。")},
      Filled(158, 260, 90, "n+1"),
      Filled(295, 260, 90, "n+2"),
      Filled(158, 320, 135, "(n+1)"),
      Filled(340, 320, 135, "(n+2)"),
      Filled(527, 320, 120, "3n+3"),
      Filled(699, 320, 165, "3(n+1)"),
      Filled(94, 380, 90, "n+1"),
  });
  // 140 below the line of box ⑦, which its filling made the current line.
  const Script q2 = Concat({
      {kWait,
       Text(40, 520, 0, "Q2 説明の 3(n+1) から、ほかの性質を見つけなさい。"),
       Text(94, 580, 0, "連続する3つの整数の和は、")},
      BoxOnLine(539, 580, 300, "", 3, 7),  // empty, in a colour-7 border
      {Text(849, 580, 0, "になる。")},
      Filled(539, 580, 300, "真ん中の数の3倍"),  // now in the usual colour-9 border
      {kWait, kWait},
  });
  const Script q3 = Concat({
      {kEraseScreen,
       Text(40, 30, 0, "Q3　連続する3つの整数の和は3の倍数であることを、"),
       Text(94, 80, 0, "中央の整数をnとして説明しなさい。"),
       kWait,
       Text(94, 140, 3, "＜説明＞"),
       Text(94, 200, 0, "中央の整数をnとすると、連続する3つの整数は、")},
      Numbered(94, 260, 90, "①"),
      {Text(194, 260, 3, ",n,")},
      Numbered(285, 260, 90, "②"),
      {Text(385, 260, 0, "と表される。これらの和は")},
      Numbered(94, 320, 135, "③"),
      {Text(239, 320, 0, "+n+")},
      Numbered(330, 320, 135, "④"),
      {Text(475, 320, 0, "=")},
      Numbered(517, 320, 120, "⑤"),
      {Text(94, 380, 0, "nは整数だから、3の倍数になる。"),
       Text(94, 440, 0, "したがって、連続する3つの整数の和は3の倍数である。")},
      Filled(94, 260, 90, "n-1"),
      Filled(285, 260, 90, "n+1"),
      Filled(94, 320, 135, "n-1"),
      Filled(330, 320, 135, "n+1"),
      Filled(517, 320, 120, "3n"),
      {kField},  // the item line at once
  });
  ExpectScript(RunSection("2", Presses(18)), Concat({q1, q2, q3}));
}

TEST(FiveSumExplore, ExplanationWithTheMiddleInteger) {
  const Script expected = Concat({
      {kEraseScreen,
       Text(40, 30, 0, "Q4　連続する5つの整数の和は5の倍数になることを、"),
       Text(94, 80, 0, "中央の整数をnとして説明しなさい。"),
       kWait,
       Text(94, 140, 3, "＜説明＞"),
       Text(94, 200, 0, "中央の整数をnとすると、連続する5つの整数は、")},
      Numbered(94, 260, 90, "①"),
      {Text(194, 260, 3, ",")},
      Numbered(231, 260, 90, "②"),
      {Text(331, 260, 3, ",n,")},
      Numbered(422, 260, 90, "③"),
      {Text(522, 260, 3, ",")},
      Numbered(559, 260, 90, "④"),
      {Text(659, 260, 0, "と表される。"), Text(94, 320, 0, "これらの和は")},
      Numbered(94, 380, 90, "⑤"),
      {Text(194, 380, 0, "+")},
      Numbered(231, 380, 90, "⑥"),
      {Text(331, 380, 0, "+n+")},
      Numbered(422, 380, 90, "⑦"),
      {Text(522, 380, 0, "+")},
      Numbered(559, 380, 90, "⑧"),
      {Text(659, 380, 0, "=")},
      Numbered(701, 380, 90, "⑨"),
      {Text(94, 440, 0, "nは整数だから、5の倍数になる。"),
       Text(94, 500, 0, "したがって、連続する5つの整数の和は5の倍数になる。")},
      Filled(94, 260, 90, "n-2"),
      Filled(231, 260, 90, "n-1"),
      Filled(422, 260, 90, "n+1"),
      Filled(559, 260, 90, "n+2"),
      Filled(94, 380, 90, "n-2"),
      Filled(231, 380, 90, "n-1"),
      Filled(422, 380, 90, "n+1"),
      Filled(559, 380, 90, "n+2"),
      Filled(701, 380, 90, "5n"),
      {kField},
  });
  // Four keys for the fixed sums, one example, five keys for the conjectures.
  Script actual = RunSection("3", Presses(4) + "4\n 1\n" + Presses(5) + Presses(10));
  const auto second_screen = std::find(actual.begin(), actual.end(), kEraseScreen);
  ASSERT_NE(second_screen, actual.end());
  ExpectScript(Script(second_screen, actual.end()), expected);
}

TEST(ReversalExplanations, SumInBoxes48High) {
  constexpr float h = 48;
  const Script expected = Concat({
      {kEraseNarrow,
       Text(40, 30, 3, "例題2 2けたの正の整数とその数の十の位と一の位の数を"),
       Text(40, 80, 3, "入れかえてできる数との和は、11の倍数である。"),
       Text(40, 130, 7, "＜説明＞"),
       kWait,
       Text(40, 180, 0, "2けたの自然数の十の位をa,一の位をbとすると、"),
       Text(40, 240, 0, "2けたの自然数は")},
      Framed(315, 240, 180, "①", h),
      {Text(505, 240, 0, "、入れかえた数は"), Text(40, 300, 0, "")},
      Framed(50, 300, 180, "②", h),
      {Text(240, 300, 0, "と表されるから、それらの和は"), Text(40, 360, 0, " ")},
      Framed(77, 360, 468, "③", h),
      {Text(40, 420, 0, "=")},
      Framed(82, 420, 216, "④", h),
      {Text(40, 480, 0, "=11(")},
      Framed(163, 480, 108, "⑤", h),
      {Text(281, 480, 0, ")"), Text(40, 540, 0, "")},
      Framed(50, 540, 108, "⑥", h),
      {Text(168, 540, 0, "は整数だから、"),
       Text(40, 590, 0, "11の倍数になる。"),
       // Right of the lower lines: 120 past box ④, from 50 below its line.
       Text(418, 470, 0, "したがって、2けたの正の整数と"),
       Text(418, 520, 0, "その数の十の位と一の位の数を入れかえてできる数"),
       Text(418, 570, 0, "との和は、11の倍数である。")},
      FramedFill(315, 240, 180, "10a+b", h),
      FramedFill(50, 300, 180, "10b+a", h),
      FramedFill(77, 360, 468, "(10a+b)+(10b+a)", h),
      FramedFill(82, 420, 216, "11a+11b", h),
      FramedFill(163, 480, 108, "a+b", h),
      FramedFill(50, 540, 108, "a+b", h),
      {kField},
  });
  ExpectScript(RunSection("8", Presses(7)), expected);
}

TEST(ReversalExplanations, DifferenceInBoxes50High) {
  constexpr float h = 50;
  const Script expected = Concat({
      {kEraseNarrow,
       Text(76, 30, 3, "差 "),
       Text(137, 30, 0, " 53-35="),
       kWait,
       Text(331, 30, 0, "18"),
       kWait,
       Text(385, 30, 3, "=9*2"),
       kWait,
       Text(498, 30, 5, " 予想 9の倍数"),
       kWait,
       Text(76, 90, 7, "＜説明＞"),
       kWait,
       Text(76, 150, 0, "2けたの自然数の十の位をa,一の位をbとすると、"),
       Text(76, 210, 0, "2けたの自然数は ")},
      Framed(378, 210, 180, "①", h),
      {Text(76, 270, 0, "入れかえた数は　")},
      Framed(358, 270, 180, "②", h),
      {Text(548, 270, 0, "と表されるから、それらの差は"), Text(76, 330, 0, " ")},
      Framed(113, 330, 468, "③", h),
      {Text(76, 390, 0, "=")},
      Framed(118, 390, 216, "④", h),
      {Text(76, 450, 0, "=9(")},
      Framed(172, 450, 108, "⑤", h),
      {Text(290, 450, 0, ")"), Text(76, 510, 0, "")},
      Framed(86, 510, 108, "⑥", h),
      {Text(204, 510, 0, "は整数だから、9の倍数になる。")},
      FramedFill(378, 210, 180, "10a+b", h),
      FramedFill(358, 270, 180, "10b+a", h),
      FramedFill(113, 330, 468, "(10a+b)-(10b+a)", h),
      FramedFill(118, 390, 216, "9a-9b", h),
      FramedFill(172, 450, 108, "a-b", h),
      FramedFill(86, 510, 108, "a-b", h),
      {kField},
  });
  ExpectScript(RunSection("9", Presses(11)), expected);
}
