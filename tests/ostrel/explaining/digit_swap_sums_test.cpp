// Section ⑦: a two-digit number added to its reversal in coloured digit cells, the example
// and typed numbers beside it, the prompt that asks again, and the closing factorisations.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/explaining/explaining_script.h"
#include "tests/test_support.h"

using namespace explaining_testing;
using ostrel_testing::ExpectScript;
using testing_support::Events;

namespace {

// Section ⑦ read as its cells: {"cell", x, y, fill, character} for each 40 by 48 cell with
// its border in the background colour, {"rule", x1, y1, x2, y2, colour, width} for a line
// 120 long, the two-digit prompt, key waits, number fields and the texts drawn outside the
// cells.
Script CellScript(const std::string& keys) {
  lesson::HeadlessSession session(ostrel::kOstrel, testing_support::WithKeys("2\n7\n" + keys));
  session.Start();
  const auto events = Events(session.trace());
  Script script;
  int fields = 0;
  for (size_t k = 0; k < events.size(); ++k) {
    const Fields& e = events[k];
    if (e == Fields{"wait", "ReadFieldKeys"}) {
      // The section starts after the sub-menu's field.
      if (++fields > 2) script.push_back(kField);
    } else if (fields < 2) {
      continue;
    } else if (e == Fields{"wait", "WaitForKey"}) {
      script.push_back(kWait);
    } else if (e[0] == "text" && e[1] == "DrawWideText" && e[5] == "2けたの数を") {
      script.push_back({"prompt"});
    } else if (e[0] == "op" && e[1] == "PsLINE" && e[6] == "15" && e[7] == "2" &&
               std::stof(e[4]) - std::stof(e[2]) == 40 && std::stof(e[5]) - std::stof(e[3]) == 48) {
      const Fields& text = events[k + 1];
      script.push_back({"cell", e[2], e[3], e[8], text.size() > 5 ? text[5] : ""});
      ++k;
    } else if (e[0] == "op" && e[1] == "PsLINE" && e[7] == "0" &&
               std::stof(e[4]) - std::stof(e[2]) == 120) {
      script.push_back({"rule", e[2], e[3], e[4], e[5], e[6], e[9]});
    } else if (e[0] == "text" && e[1] == "DrawText") {
      script.push_back({"text", e[2], e[3], e[4], e.size() > 5 ? e[5] : ""});
    }
  }
  return script;
}

Fields Cell(float x, float y, float fill, const std::string& character) {
  return {"cell", N(x), N(y), N(fill), character};
}

// One addition from (x, 150): tens and ones, a key, the reversal and the rule, a key, the
// three characters of the sum from right to left.
Script Addition(float x, const std::string& tens, const std::string& ones,
                const std::string& sum) {
  return {
      Cell(x + 40, 150, 13, tens),
      Cell(x + 80, 150, 11, ones),
      kWait,
      Cell(x, 210, 15, "+"),
      Cell(x + 40, 210, 11, ones),
      Cell(x + 80, 210, 13, tens),
      {"rule", N(x), "264", N(x + 120), "264", "0", "5"},
      kWait,
      Cell(x + 80, 270, 15, sum.substr(2, 1)),
      Cell(x + 40, 270, 15, sum.substr(1, 1)),
      Cell(x, 270, 15, sum.substr(0, 1)),
  };
}

const Script kBlanking = {
    Cell(280, 150, 13, ""), Cell(320, 150, 11, ""), Cell(280, 210, 11, ""),
    Cell(320, 210, 13, ""), Cell(320, 270, 15, ""), Cell(280, 270, 15, ""),
    Cell(240, 270, 15, ""),
};

Script Closing(const std::string& sum, const std::string& digit_sum) {
  return {
      Text(40, 380, 0, "132="),
      kWait,
      Continued(380, 3, "11"),
      Continued(380, 0, "*12"),
      kWait,
      Text(40, 450, 0, sum + "="),
      kWait,
      Continued(450, 3, "11"),
      Continued(450, 0, "*" + digit_sum),
      kWait,
      Text(40, 530, 3, "11の倍数になりそうだ"),
      kWait,
      Text(40, 590, 5, "文字式を使って説明しよう！"),
      kField,
  };
}

Script Opening() {
  Script s = {
      Text(40, 30, 3, "P26 2けたの正の整数とその数の十の位と一の位の数を"),
      Text(40, 80, 3, "入れかえてできる数との和は、どんな数?"),
  };
  Append(s, Addition(80, "3", "9", "132"));
  s.push_back(kWait);
  return s;
}

// One typed problem: the prompt, the number, the addition, the next step.
Script Problem(const std::string& tens, const std::string& ones, const std::string& sum) {
  Script s = {{"prompt"}, kField};
  Append(s, Addition(240, tens, ones, sum));
  s.push_back(kField);
  return s;
}

}  // namespace

TEST(DigitSwapExplore, ExampleThenTypedNumbersBesideIt) {
  Script expected = Opening();
  Append(expected, Problem("3", "9", "132"));
  Append(expected, kBlanking);
  Append(expected, Problem("9", "9", "198"));
  Append(expected, Closing("198", "18"));
  ExpectScript(CellScript("   39\n  2\n99\n  1\n     "), expected);
}

TEST(DigitSwapExplore, SumsUnderAHundredStartWithABlank) {
  for (const auto& [typed, tens, ones, sum, digit_sum] :
       {std::array<const char*, 5>{"10", "1", "0", " 11", "1"},
        std::array<const char*, 5>{"60/2", "3", "0", " 33", "3"},
        std::array<const char*, 5>{"45", "4", "5", " 99", "9"}}) {
    Script expected = Opening();
    Append(expected, Problem(tens, ones, sum));
    Append(expected, Closing(sum, digit_sum));
    SCOPED_TRACE(typed);
    ExpectScript(CellScript(std::string("   ") + typed + "\n  1\n     "), expected);
  }
}

// Only a whole number from 10 to 99 is taken; anything else brings the prompt back. A value
// between them that is not whole has no digits to exchange.
TEST(DigitSwapExplore, AsksAgainUntilAWholeTwoDigitNumber) {
  for (const char* refused : {"9", "100", "0", "-5", "1", "", "9.5", "95/10", "99.9", "99.99999",
                              "-10", "1/2", "10.5"}) {
    Script expected = Opening();
    Append(expected, {{"prompt"}, kField});
    Append(expected, Problem("2", "5", " 77"));
    Append(expected, Closing(" 77", "7"));
    SCOPED_TRACE(std::string("typed ") + refused);
    ExpectScript(CellScript(std::string("   ") + refused + "\n25\n  1\n     "), expected);
  }
}

TEST(DigitSwapExplore, ThePromptStandsLeftOfTheFieldAndIsErased) {
  lesson::HeadlessSession session(ostrel::kOstrel, testing_support::WithKeys("2\n7\n   9\n"));
  session.Start();
  const auto events = Events(session.trace());
  const Fields prompt{"text", "DrawWideText", "816", "648", "0", "2けたの数を"};
  EXPECT_EQ(std::count(events.begin(), events.end(), prompt), 2);
  const auto after = testing_support::After(events, {"key", "57"});
  EXPECT_NE(std::find(after.begin(), after.end(),
                      Fields{"op", "PsLINE", "816", "640", "1872", "690", "15", "2", "15", "5"}),
            after.end());
}
