// Sections ④ to ⑥, the even and odd sums and the discussion; and the key presses every
// section of the chapter takes.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ostrel/explaining/explaining_script.h"

using namespace explaining_testing;
using ostrel_testing::ExpectScript;
using ostrel_testing::Presses;

TEST(ExplainingSections, KeyPressesUntilTheItemLine) {
  const struct {
    const char* choice;
    std::string keys;
    int waits;
  } cases[] = {
      {"1", Presses(4) + "5\n 1\n" + Presses(5), 4 + 1 + 5},
      {"1", Presses(4) + "5\n 2\n6\n 1\n" + Presses(5), 4 + 2 + 5},
      {"2", Presses(18), 18},
      {"3", Presses(4) + "5\n 1\n" + Presses(15), 4 + 1 + 5 + 10},
      {"4", Presses(11), 11},
      {"5", Presses(8), 8},
      {"6", Presses(9), 9},
      {"7", Presses(3) + "25\n  1\n" + Presses(5), 3 + 2 + 5},
      {"7", Presses(3) + "25\n  2\n52\n  1\n" + Presses(5), 3 + 2 * 2 + 5},
      {"8", Presses(7), 7},
      {"9", Presses(11), 11},
  };
  for (const auto& c : cases) {
    const Script script = RunSection(c.choice, c.keys);
    ASSERT_FALSE(script.empty()) << c.choice;
    // The section ends on the item line's field, with no wait after its last row.
    EXPECT_EQ(script.back(), kField) << c.choice;
    EXPECT_EQ(std::count(script.begin(), script.end(), kWait), c.waits) << c.choice;
  }
}

TEST(EvenOddSums, EvenPlusOddFillsTheBracketInPlace) {
  const Script expected = {
      {"erase", "0", "0", "1760", "1800"},
      Text(44, 30, 0, "例題1　偶数と奇数の和は奇数になる。"),
      Text(105, 80, 0, "その理由を、文字式を使って説明しなさい。"),
      kWait,
      Text(44, 140, 3, "＜説明＞"),
      kWait,
      Text(44, 200, 0, "m,nを整数とすると、偶数は "),
      kWait,
      Continued(200, 3, "2m"),
      Text(44, 260, 0, "奇数は "),
      kWait,
      Continued(260, 3, "2n+1"),
      kWait,
      Continued(260, 0, " と表されるから、それらの和は"),
      kWait,
      Text(44, 310, 0, "　2m+(2n+1)"),
      kWait,
      Text(44, 360, 0, "=2m+2n+1"),
      kWait,
      Text(44, 410, 3, "=2(   )+1"),
      kWait,
      Text(44, 410, 3, "=2(m+n)+1"),  // over the blanks, nothing erased
      kWait,
      Text(44, 470, 0, "m+nは整数だから、"),
      Continued(470, 3, "奇数になる。"),
      Text(44, 530, 0, "したがって、偶数と奇数の和は奇数になる。"),
      kWait,
      Text(44, 590, 3, "問2をやろう。"),
      kField,
  };
  ExpectScript(RunSection("4", Presses(11)), expected);
}

TEST(EvenOddSums, OddPlusOdd) {
  const Script expected = {
      {"erase", "0", "0", "1760", "1800"},
      Text(44, 30, 0, "問2　奇数と奇数の和は偶数になる。"),
      Text(44, 90, 3, "＜説明＞"),
      kWait,
      Text(44, 150, 0, "m,nを整数とすると、2つの奇数は "),
      kWait,
      Continued(150, 3, "2m+1,2n+1"),
      kWait,
      Text(44, 200, 0, "と表されるから、それらの和は"),
      kWait,
      Text(44, 250, 0, " (2m+1)+(2n+1)"),
      kWait,
      Text(44, 300, 0, "=2m+1+2n+1"),
      kWait,
      Text(44, 350, 0, "=2m+2n+2"),
      kWait,
      Text(44, 400, 3, "=2(m+n+1)"),
      kWait,
      Text(44, 460, 0, "m+n+1は整数だから、"),
      Continued(460, 3, "偶数になる。"),
      Text(44, 510, 0, "したがって、奇数と奇数の和は偶数になる。"),
      kField,
  };
  ExpectScript(RunSection("5", Presses(8)), expected);
}

TEST(EvenOddSums, DiscussionShowsTheExplanationAtOnceAndTheReasonsBesideIt) {
  const Script expected = {
      {"erase", "0", "0", "1760", "1800"},
      Text(44, 30, 7, "次の説明が不十分な理由は？"),
      Text(44, 90, 3, "＜説明＞"),
      kWait,
      Text(44, 150, 0, "nを整数とすると、奇数は "),
      Continued(150, 3, "2n+1"),
      Text(44, 200, 0, "と表されるから、奇数と奇数の和は"),
      Text(44, 250, 0, " (2n+1)+(2n+1)"),
      Text(44, 300, 0, "=4n+2"),
      Text(44, 350, 3, "=2(2n+1)"),
      Text(44, 410, 0, "2n+1は整数だから、"),
      Continued(410, 3, "偶数になる。"),
      Text(44, 460, 0, "したがって、"),
      Text(44, 510, 0, "奇数と奇数の和は偶数になる。"),
      kWait,
      Text(680, 30, 0, "①問2とは奇数の表し方がちがう。"),
      Text(680, 80, 3, "　2m+1,2n+1 と 2n+1"),
      kWait,
      Text(680, 130, 0, "②2n+1で、n=3のとき"),
      Text(680, 180, 0, "　2n+1="),
      kWait,
      Continued(180, 0, "2*3+1=7 だから"),
      Text(680, 230, 3, "　7+7=14 "),
      kWait,
      Text(680, 280, 3, "　同じ奇数しか表せない。"),
      kWait,
      Text(680, 330, 0, "③2m+1,2n+1で、"),
      Text(680, 380, 0, "　m=1,n=3のとき"),
      Text(680, 430, 0, "　2m+1="),
      kWait,
      Continued(430, 0, "2*1+1=3 "),
      kWait,
      Text(680, 480, 0, "　2n+1=7 だから"),
      Text(680, 530, 3, "　3+7=10 "),
      kWait,
      Text(680, 580, 3, "　異なる奇数が表せる。"),
      kField,
  };
  ExpectScript(RunSection("6", Presses(9)), expected);
}
