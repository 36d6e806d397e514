// The vertical drills of chapter 3: the problem's texts and their column alignment, the
// screens of a pass and of the closings, the answer row when the first results are 0, and many
// generated problems.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <regex>
#include <string>

#include "corvane/add_subtract/add_subtract.h"
#include "tests/corvane/add_subtract/written_terms.h"
#include "tests/corvane/corvane_test_support.h"

using namespace corvane_testing;
using add_subtract_testing::CoefficientOf;
using add_subtract_testing::WrittenTerm;
using testing_support::EventsOf;

namespace {

platform::HeadlessOptions WithRandom(std::vector<float> random) {
  platform::HeadlessOptions options;
  options.random = std::move(random);
  return options;
}

// A problem by rows: upper a, b, constant; lower a, b, constant.
using Rows = std::array<int, 6>;

// The random fractions that draw each entry as a size from 1 to 9 and then its sign, in the
// drills' order (the four letter coefficients, then the two constants).
std::vector<float> Draws(std::initializer_list<Rows> problems) {
  std::vector<float> random;
  for (const Rows& rows : problems) {
    for (size_t k : {0, 1, 3, 4, 2, 5}) {
      random.push_back(Pick(std::abs(rows[k]), 9));
      random.push_back(Pick(rows[k] < 0 ? 2 : 1, 2));
    }
  }
  return random;
}

std::string Padded(std::string text, size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// The answer row as drawn: every column keeps its place; with no a result a positive b
// result shows its "+" as a blank, and a row of zeros shows 0 in the constant column.
std::array<std::string, 3> AnswerRow(int a, int b, int c) {
  std::string b_text = Padded(WrittenTerm(b, "b", false), 4);
  if (a == 0 && b > 0) b_text[b_text.find('+')] = ' ';
  std::string c_text = Padded(WrittenTerm(c, "", false), 3);
  if (a == 0 && b == 0 && c == 0) c_text = "  0";
  return {Padded(WrittenTerm(a, "a", true), 4), b_text, c_text};
}

// The texts drawn at a place "x y colour", in order.
std::vector<std::string> TextsAt(const Screen& rows, const std::string& place) {
  std::vector<std::string> texts;
  for (const auto& row : rows) {
    if (row.starts_with(place + " ")) texts.push_back(row.substr(place.size() + 1));
  }
  return texts;
}

std::vector<Row> ProblemRows(const char* title, float title_colour, const char* operator_label,
                             const std::array<std::string, 6>& texts) {
  return {Text(title, title_colour, 80, 18),
          Text(texts[0], 0, 144, 122), Text(texts[1], 0, 272, 122), Text(texts[2], 0, 400, 122),
          Text(operator_label, 0, 80, 174),
          Text(texts[3], 0, 144, 174), Text(texts[4], 0, 272, 174), Text(texts[5], 0, 400, 174)};
}

std::vector<Row> ResultRows(const std::array<std::string, 3>& results) {
  return {Key(), Text(results[0], 3, 144, 256), Key(), Text(results[1], 3, 272, 256),
          Key(), Text(results[2], 3, 400, 256)};
}

void Append(std::vector<Row>& rows, const std::vector<Row>& more) {
  rows.insert(rows.end(), more.begin(), more.end());
}

}  // namespace

TEST(VerticalProblem, TermTextsBeforeAlignment) {
  const struct {
    Rows rows;
    std::array<const char*, 9> texts;  // TermTexts(1..6), AuxTexts(1..3)
  } sums[] = {
      {{3, -2, 5, 4, 7, -1}, {"3a", "-2b", "4a", "+7b", "7a", "+5b", "+5", "-1", "+4"}},
      {{1, 1, 1, -1, -1, -1}, {"a", "+b", "-a", "-b", "", "", "+1", "-1", ""}},
      {{1, 1, 1, 1, 1, 1}, {"a", "+b", "a", "+b", "2a", "+2b", "+1", "+1", "+2"}},
      {{-2, 2, -5, 1, -1, 4}, {"-2a", "+2b", "a", "-b", "-a", "+b", "-5", "+4", "-1"}},
      {{9, 9, 9, 9, 9, 9}, {"9a", "+9b", "9a", "+9b", "18a", "+18b", "+9", "+9", "+18"}},
      {{-9, -9, -9, -9, -9, -9},
       {"-9a", "-9b", "-9a", "-9b", "-18a", "-18b", "-9", "-9", "-18"}},
      {{-6, 6, 7, 6, -6, -7}, {"-6a", "+6b", "6a", "-6b", "", "", "+7", "-7", ""}},
  };
  for (const auto& c : sums) {
    lesson::HeadlessSession session(corvane::kCorvane, WithRandom(Draws({c.rows})));
    session.Call(corvane::BuildVerticalAdditionProblem);
    const auto& p = session.program;
    const std::array<std::string, 9> texts{
        p.work.TermTexts(1), p.work.TermTexts(2), p.work.TermTexts(3),
        p.work.TermTexts(4), p.work.TermTexts(5), p.work.TermTexts(6),
        p.work.AuxTexts(1),  p.work.AuxTexts(2),  p.work.AuxTexts(3)};
    EXPECT_EQ(texts, (std::array<std::string, 9>{c.texts[0], c.texts[1], c.texts[2],
                                                 c.texts[3], c.texts[4], c.texts[5],
                                                 c.texts[6], c.texts[7], c.texts[8]}))
        << c.texts[0] << c.texts[1] << c.texts[6];
  }
  // The subtraction keeps the lower row as drawn and takes it from the upper one.
  lesson::HeadlessSession session(corvane::kCorvane, WithRandom(Draws({{5, -2, 3, 5, 4, 1}})));
  session.Call(corvane::BuildVerticalSubtractionProblem);
  const auto& work = session.program.work;
  EXPECT_EQ(work.TermTexts(3) + work.TermTexts(4) + work.AuxTexts(2), "5a+4b+1");
  EXPECT_EQ(work.TermValues(3), 5);
  EXPECT_EQ(work.TermTexts(5) + work.TermTexts(6) + work.AuxTexts(3), "-6b+2");
}

TEST(VerticalProblem, AlignmentPadsToTheColumnWidth) {
  const struct {
    const char *term, *aligned_term, *constant, *aligned_constant;
  } cases[] = {
      {"", "    ", "", "   "},      {"a", "   a", "+5", " +5"},   {"-a", "  -a", "-1", " -1"},
      {"+b", "  +b", "+18", "+18"}, {"7a", "  7a", "-18", "-18"}, {"-7b", " -7b", "0", "  0"},
      {"-18a", "-18a", "+123", "+123"}, {"+12b", "+12b", "", "   "},
      {"+12345", "+12345", "+5", " +5"},
  };
  lesson::HeadlessSession session(corvane::kCorvane);
  auto& work = session.program.work;
  for (const auto& c : cases) {
    for (float i = 1; i <= 6; ++i) work.TermTexts(i) = c.term;
    for (float i = 1; i <= 3; ++i) work.AuxTexts(i) = c.constant;
    work.TermTexts(7) = work.AuxTexts(4) = "x";
    session.Call([](lesson::Program& p) { corvane::AlignColumnTexts(p); });
    for (float i = 1; i <= 6; ++i) EXPECT_EQ(work.TermTexts(i), c.aligned_term) << c.term;
    for (float i = 1; i <= 3; ++i) EXPECT_EQ(work.AuxTexts(i), c.aligned_constant) << c.constant;
    // Only the problem's texts move.
    EXPECT_EQ(work.TermTexts(7), "x");
    EXPECT_EQ(work.AuxTexts(4), "x");
  }
}

TEST(VerticalAdditionDrill, PassesAndTheSummary) {
  // The problems of the chapter's table, then a row that cancels but in b, then one that
  // cancels everywhere.
  const Rows problems[] = {{3, -2, 5, 4, 7, -1}, {1, -9, 9, 9, -9, 9}, {5, 3, 2, -5, 4, -2},
                           {5, 3, 2, -5, -3, -2}, {-7, -3, 3, 7, 4, -3}};
  const std::array<std::string, 3> results[] = {
      {"  7a", " +5b", " +4"}, {" 10a", "-18b", "+18"}, {"    ", "  7b", "   "},
      {"    ", "    ", "  0"}, {"    ", "   b", "   "}};
  auto session = RunCorvane("3\n7\nkkk0\nkkk0\nkkk0\nkkk0\nkkk1\n",
                            Draws({problems[0], problems[1], problems[2], problems[3],
                                   problems[4]}));
  const Screen rows = SectionRows(*session, kChapter3Line);
  std::vector<Row> first{};
  Append(first, ProblemRows("例7 次の計算をしなさい。", 0, "+)",
                            {"  3a", " -2b", " +5", "  4a", " +7b", " -1"}));
  Append(first, ResultRows(results[0]));
  first.push_back(Next());
  ExpectScreen(Screen(rows.begin(), rows.begin() + static_cast<long>(first.size())), first);
  for (size_t k = 0; k < std::size(results); ++k) {
    EXPECT_EQ(TextsAt(rows, "144 256 3")[k], results[k][0]) << k;
    EXPECT_EQ(TextsAt(rows, "272 256 3")[k], results[k][1]) << k;
    EXPECT_EQ(TextsAt(rows, "400 256 3")[k], results[k][2]) << k;
  }
  // The summary beside the last problem, no key after it.
  const std::vector<Row> summary{
      Text("   <縦書きの加法>", 3, 600, 60), Text("①　同類項が上下にそろうように", 0, 600, 120),
      Text(" 　並べて書く。", 0, 600, 180), Text("②　それぞれの項を縦にたす。", 0, 600, 240)};
  ExpectScreen(Screen(rows.end() - 4, rows.end()), summary);
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1500));
  EXPECT_TRUE(Erased(*session, 0, 0, 1200, 1300));
  EXPECT_EQ(TextsAt(rows, "304 256 3").size(), 0u);
}

TEST(VerticalSubtractionDrill, PassesAndTheRules) {
  const Rows problems[] = {{6, 2, -3, 4, -5, 7}, {5, -2, 3, 5, 4, 1}, {-4, -1, -9, -4, -1, -2}};
  auto session = RunCorvane("3\n8\nkkkkkkk\nkkkkkkk0\nkkkkkkk1\nk",
                            Draws({problems[0], problems[1], problems[2]}));
  const Screen rows = SectionRows(*session, kChapter3Line);
  std::vector<Row> first;
  Append(first, ProblemRows("例8 次の計算をしなさい。", 3, "-)",
                            {"  6a", " +2b", " -3", "  4a", " -5b", " +7"}));
  // A plus over the operator, then the changed signs over the lower row.
  Append(first, {Key(), Text("+", 3, 80, 159), Key(), Text("-", 3, 166, 159),
                 Key(), Text("+", 3, 294, 159), Key(), Text("-", 3, 422, 159)});
  Append(first, ResultRows({"  2a", " +7b", "-10"}));
  first.push_back(Next());
  ExpectScreen(Screen(rows.begin(), rows.begin() + static_cast<long>(first.size())), first);
  // Equal a terms: the b result keeps its column and its sign. Equal letter terms: the constant
  // opens the row with its sign. A negative lower constant gets a "+" over it.
  EXPECT_EQ(TextsAt(rows, "272 256 3"), (std::vector<std::string>{" +7b", " -6b", "    "}));
  EXPECT_EQ(TextsAt(rows, "144 256 3"), (std::vector<std::string>{"  2a", "    ", "    "}));
  EXPECT_EQ(TextsAt(rows, "400 256 3"), (std::vector<std::string>{"-10", " +2", " -7"}));
  EXPECT_EQ(TextsAt(rows, "422 159 3"), (std::vector<std::string>{"-", "-", "+"}));
  const std::vector<Row> rules{
      Text("   <縦書きの減法>", 3, 600, 60),
      Text("①　同類項が上下にそろうように", 0, 600, 120),
      Text(" 　並べて書く。", 0, 600, 180),
      Text("②　+(加法)になおす。", 3, 600, 240),
      Text("　項は、すべて符号を変える", 3, 600, 300),
      Text("③　それぞれの項を縦にたす。", 0, 600, 360),
      Key(), Text("教科書P16 問7　をしなさい。", 7, 44, 570)};
  ExpectScreen(Screen(rows.end() - 8, rows.end()), rules);
  EXPECT_TRUE(Erased(*session, 0, 0, 1760, 1500));
  EXPECT_TRUE(Erased(*session, 0, 0, 1320, 1300));
  // Nothing is ever drawn from x 304.
  for (const auto& e : EventsOf(session->trace(), "text", "DrawText")) EXPECT_NE(e[2], "304");
}

// Many problems through both drills, read back from the screen: every entry in range, every
// text of its column's width, every result the true sum or difference.
TEST(VerticalDrills, ManyPassesOnScreen) {
  const std::regex term(R"(^([+-]?\d*)([ab]?)$)");
  const auto value_of = [&](std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    std::smatch m;
    EXPECT_TRUE(std::regex_match(text, m, term)) << text;
    return m[2].length() > 0 ? CoefficientOf(m[1]) : std::stoi(m[1]);
  };
  for (const char* drill : {"7", "8"}) {
    const bool subtract = std::string(drill) == "8";
    const std::string pass = std::string(subtract ? 7 : 3, 'k') + "0\n";
    std::string keys = std::string("3\n") + drill + "\n";
    for (int k = 0; k < 150; ++k) keys += pass;
    auto session = RunCorvane(keys);
    const Screen rows = SectionRows(*session, kChapter3Line);
    std::array<std::vector<std::string>, 9> columns;  // upper, lower, result; a, b, constant
    const float xs[] = {144, 272, 400}, ys[] = {122, 174, 256};
    for (size_t row = 0; row < 3; ++row) {
      for (size_t column = 0; column < 3; ++column) {
        columns[3 * row + column] =
            TextsAt(rows, platform::ShortNumber(xs[column]) + " " +
                              platform::ShortNumber(ys[row]) + (row == 2 ? " 3" : " 0"));
      }
    }
    ASSERT_EQ(columns[8].size(), 150u) << drill;
    for (size_t k = 0; k < 150; ++k) {
      int results[3];
      for (size_t column = 0; column < 3; ++column) {
        const std::string& upper = columns[column][k];
        const std::string& lower = columns[3 + column][k];
        EXPECT_EQ(upper.size(), column < 2 ? 4u : 3u) << upper;
        EXPECT_EQ(lower.size(), column < 2 ? 4u : 3u) << lower;
        const int u = value_of(upper), l = value_of(lower);
        EXPECT_TRUE(u != 0 && std::abs(u) <= 9 && l != 0 && std::abs(l) <= 9) << upper << lower;
        results[column] = subtract ? u - l : u + l;
      }
      const auto expected = AnswerRow(results[0], results[1], results[2]);
      for (size_t column = 0; column < 3; ++column) {
        EXPECT_EQ(columns[6 + column][k], expected[column]) << drill << " pass " << k;
      }
    }
  }
}
