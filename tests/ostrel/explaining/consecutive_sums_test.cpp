// Sections ① and ③'s sums of consecutive integers from a typed number: the term texts and
// sums, written from the entry exactly as typed, and the screens that show them.
#include <gtest/gtest.h>

#include "lessonlib/headless_session.h"
#include "ostrel/explaining/explaining.h"
#include "ostrel/ostrel.h"
#include "tests/ostrel/explaining/explaining_script.h"
#include "tests/test_support.h"

using namespace explaining_testing;
using namespace ostrel_testing;
using lesson::HeadlessSession;

namespace {

struct TermsCase {
  const char* typed;
  std::vector<std::string> texts;  // TermTexts(1..count+1)
};

void ExpectTerms(float count, std::initializer_list<TermsCase> cases) {
  for (const TermsCase& c : cases) {
    HeadlessSession session(ostrel::kOstrel);
    lesson::Program& p = session.program;
    p.input.InputText = c.typed;
    ostrel::WriteConsecutiveTerms(p, count);
    std::vector<std::string> texts;
    for (float k = 1; k <= count + 1; ++k) texts.push_back(p.work.TermTexts(k));
    EXPECT_EQ(texts, c.texts) << "typed " << c.typed;
  }
}

}  // namespace

TEST(ConsecutiveTerms, ThreeIntegersAndTheirSum) {
  ExpectTerms(3, {
      {"4", {"4", "+5", "+6", "15"}},
      {"-5", {"-5", "+(-4)", "+(-3)", "-12"}},
      {"-2", {"-2", "+(-1)", "+0", "-3"}},
      {"-1", {"-1", "+0", "+1", "0"}},
      {"", {"0", "+1", "+2", "3"}},
      {"0", {"0", "+1", "+2", "3"}},
      {"-0", {"0", "+1", "+2", "3"}},
      {"1/2", {"0.5", "+1.5", "+2.5", "4.5"}},
      {"-1/2", {"-0.5", "+0.5", "+1.5", "1.5"}},
      // Beyond single precision's whole numbers the neighbours stay apart.
      {"16777217", {"16777217", "+16777218", "+16777219", "50331654"}},
      {"999999999", {"999999999", "+1000000000", "+1000000001", "3000000000"}},
      {"-99999999", {"-99999999", "+(-99999998)", "+(-99999997)", "-299999994"}},
      {"9999999999", {"9999999999", "+10000000000", "+10000000001", "30000000000"}},
      // Decimals as typed, never an exponent.
      {"0.1", {"0.1", "+1.1", "+2.1", "3.3"}},
      {"0.0000001", {"0.0000001", "+1.0000001", "+2.0000001", "3.0000003"}},
      {".000000001", {"0.000000001", "+1.000000001", "+2.000000001", "3.000000003"}},
      {"2.50", {"2.5", "+3.5", "+4.5", "10.5"}},
      {"-2.5", {"-2.5", "+(-1.5)", "+(-0.5)", "-4.5"}},
      // A fraction without an ending decimal: seven significant digits, its sum exact.
      {"1/3", {"0.3333333", "+1.333333", "+2.333333", "4"}},
      {"-2/3", {"-0.6666667", "+0.3333333", "+1.333333", "1"}},
      {"1/30000", {"0.00003333333", "+1.000033", "+2.000033", "3.0001"}},
      {"99999999/7", {"14285714", "+14285715", "+14285716", "42857145"}},
      {"0.5/0.25", {"2", "+3", "+4", "9"}},
      // A minus on either side of the bar; a negative term without an ending decimal is
      // bracketed like a whole one.
      {"1/-2", {"-0.5", "+0.5", "+1.5", "1.5"}},
      {"-9/0.7", {"-12.85714", "+(-11.85714)", "+(-10.85714)", "-35.57143"}},
      // The entry is read as the field's parser reads it.
      {"3-4", {"3", "+4", "+5", "12"}},
      {"1.2.3", {"1.2", "+2.2", "+3.2", "6.6"}},
      {"-", {"0", "+1", "+2", "3"}},
  });
}

TEST(ConsecutiveTerms, FiveIntegersAndTheirSum) {
  ExpectTerms(5, {
      {"4", {"4", "+5", "+6", "+7", "+8", "30"}},
      {"1", {"1", "+2", "+3", "+4", "+5", "15"}},
      {"-3", {"-3", "+(-2)", "+(-1)", "+0", "+1", "-5"}},
      {"-2", {"-2", "+(-1)", "+0", "+1", "+2", "0"}},
      {"-7", {"-7", "+(-6)", "+(-5)", "+(-4)", "+(-3)", "-25"}},
      {"", {"0", "+1", "+2", "+3", "+4", "10"}},
      {"16777217",
       {"16777217", "+16777218", "+16777219", "+16777220", "+16777221", "83886095"}},
      {"1/2", {"0.5", "+1.5", "+2.5", "+3.5", "+4.5", "12.5"}},
  });
}

TEST(ConsecutiveTerms, ValuesAndTheOtherTexts) {
  HeadlessSession session(ostrel::kOstrel);
  lesson::Program& p = session.program;
  p.work.TermValues(9) = 100000;
  p.work.AuxValues(2) = -3;
  p.input.InputText = "-5";
  ostrel::WriteConsecutiveTerms(p, 5);
  for (float k = 1; k <= 5; ++k) EXPECT_EQ(p.work.TermValues(k), k - 6);
  EXPECT_EQ(p.work.TermValues(6), -15);
  EXPECT_EQ(p.work.TermTexts(9), "100000");
  EXPECT_EQ(p.work.AuxTexts(2), "-3");
  EXPECT_EQ(p.values.TableIndex, 6);
}

// ---- Section ① ----

namespace {

// Section ①'s fixed sums, up to the first example's prompt.
Script ThreeSumsOpening() {
  return {
      {"erase", "0", "0", "1600", "1800"},
      Text(40, 30, 3, "Q 連続する3つの整数の和の性質を予想しよう。"),
      kWait,
      Text(67, 90, 0, "① 4+5+6="),
      kWait,
      Continued(90, 3, "15"),
      kWait,
      Text(67, 150, 0, "② 11+12+13="),
      kWait,
      Continued(150, 3, "36"),
  };
}

// One example: its line erased, "③ ", the typed number, the terms, a key, the sum, the
// next step.
Script Example(const std::string& terms, const std::string& sum) {
  return {
      {"erase", "0", "210", "1600", "330"},
      Text(67, 210, 0, "③ "),
      kField,
      Text(128, 210, 0, terms),
      kWait,
      Continued(210, 3, sum),
      kField,
  };
}

const Script kConjectureAndPlan = {
    Text(480, 150, 7, "<予想>"),
    Text(480, 200, 3, "連続する3つの整数の和は、3の倍数である。"),
    kWait,
    Text(40, 280, 7, "予想が正しいことを、次の手順で説明しよう。"),
    kWait,
    Text(67, 330, 7, "① "),
    Continued(330, 0, "連続する3つの整数を文字で表す。"),
    kWait,
    Text(67, 380, 7, "② "),
    Continued(380, 0, "連続する3つの整数の和を式で表し、計算する。"),
    kWait,
    Text(67, 430, 7, "③ "),
    Continued(430, 0, "計算した式の意味を読みとる。"),
    kWait,
    Text(67, 480, 7, "④ "),
    Continued(480, 0, "読みとったことから、結論を導く。"),
    kField,  // the item line at once
};

}  // namespace

// Typing 1 as the smallest integer does not end the examples; 1 at the next step does.
TEST(ThreeSumExplore, ExamplesUntilOneAtTheNextStep) {
  Script expected = ThreeSumsOpening();
  Append(expected, Example("4+5+6=", "15"));
  Append(expected, Example("1+2+3=", "6"));
  Append(expected, Example("-5+(-4)+(-3)=", "-12"));
  Append(expected, kConjectureAndPlan);
  ExpectScript(RunSection("1", "    4\n 2\n1\n 3\n-5\n 1\n     "), expected);
}

// What the example line shows for typed numbers the single-precision values got wrong.
TEST(ThreeSumExplore, TypedNumbersOnTheExampleLine) {
  const struct {
    const char* typed;
    const char* terms;
    const char* sum;
  } cases[] = {
      {"4", "4+5+6=", "15"},
      {"-5", "-5+(-4)+(-3)=", "-12"},
      {"-1", "-1+0+1=", "0"},
      {"", "0+1+2=", "3"},
      {"1/2", "0.5+1.5+2.5=", "4.5"},
      {"16777217", "16777217+16777218+16777219=", "50331654"},
      {"999999999", "999999999+1000000000+1000000001=", "3000000000"},
      {"-99999999", "-99999999+(-99999998)+(-99999997)=", "-299999994"},
      {"0.1", "0.1+1.1+2.1=", "3.3"},
      {"0.0000001", "0.0000001+1.0000001+2.0000001=", "3.0000003"},
  };
  for (const auto& c : cases) {
    Script expected = ThreeSumsOpening();
    Append(expected, Example(c.terms, c.sum));
    Append(expected, kConjectureAndPlan);
    SCOPED_TRACE(std::string("typed ") + c.typed);
    ExpectScript(RunSection("1", std::string("    ") + c.typed + "\n 1\n     "), expected);
  }
}

TEST(ThreeSumExplore, AsksOnTheBottomBandAndErasesIt) {
  HeadlessSession session(ostrel::kOstrel, testing_support::WithKeys("2\n1\n    7\n"));
  session.Start();
  const auto events = testing_support::Events(session.trace());
  EXPECT_TRUE(testing_support::HasEvent(
      session.trace(),
      {"text", "DrawWideText", "16", "666", "0", "最も小さい整数を入力して下さい。"}));
  // After Enter: the field, then the band, then the terms.
  const auto after = testing_support::After(events, {"key", "55"});
  std::vector<Fields> erasers;
  for (const auto& e : after) {
    if (e[0] == "text") break;
    if (e[1] == "PsLINE") erasers.push_back(e);
  }
  const std::vector<Fields> field_then_band = {
      {"op", "PsLINE", "1008", "640", "1248", "670", "15", "2", "15", "5"},
      {"op", "PsLINE", "0", "657", "992", "720", "15", "2", "15", "5"},
  };
  EXPECT_EQ(erasers, field_then_band);
}

// ---- Section ③'s first screen ----

TEST(FiveSumExplore, FixedSumsExamplesAndConjectures) {
  Script expected = {
      {"erase", "0", "0", "1600", "1800"},
      Text(40, 30, 3, "Q4 連続する5つの整数の和の性質を予想しよう。"),
      kWait,
      Text(67, 90, 0, "① 4+5+6+7+8="),
      kWait,
      Continued(90, 3, "30"),
      kWait,
      Text(67, 150, 0, "② 11+12+13+14+15="),
      kWait,
      Continued(150, 3, "65"),
  };
  Append(expected, Example("-3+(-2)+(-1)+0+1=", "-5"));
  Append(expected, Example("16777217+16777218+16777219+16777220+16777221=", "83886095"));
  Append(expected, Example("1+2+3+4+5=", "15"));
  Append(expected, {
      Text(40, 280, 7, "<予想>"),
      kWait,
      Text(67, 330, 3, "連続する5つの整数の和は5の倍数になる。"),
      kWait,
      Text(67, 380, 3, "連続する5つの整数の和は真ん中の数の5倍になる。"),
      kWait,
      Text(67, 430, 7, "文字を使って説明しよう。"),
      kWait,
      kWait,
      {"erase", "0", "0", "1760", "1800"},
  });
  Script actual = RunSection("3", "    -3\n 2\n16777217\n 0\n1\n 1\n     ");
  actual.resize(std::min(actual.size(), expected.size()));
  ExpectScript(actual, expected);
}
