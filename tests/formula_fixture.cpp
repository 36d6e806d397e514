#include "tests/formula_fixture.h"

namespace formula_testing {

namespace {

lesson::Jump EndRun(lesson::Program& p) { p.rt.PsEND(); }

float Number(const std::string& field) { return std::stof(field); }

}  // namespace

const lesson::ProgramDefinition kStandardProgram{"Formula", EndRun,
                                                 lesson::ApplyStandardGlyphRules};

std::vector<Glyph> Glyphs(const platform::Trace& trace) {
  std::vector<Glyph> glyphs;
  for (const auto& e : testing_support::EventsOf(trace, "op", "PsSYMBOL40")) {
    glyphs.push_back({e[2], Number(e[3]), Number(e[4]), std::stoi(e[5]), std::stoi(e[6]), e[9],
                      std::stoi(e[10]), e[11] == "1", e[12] == "1"});
  }
  return glyphs;
}

std::vector<Line> Lines(const platform::Trace& trace) {
  std::vector<Line> lines;
  for (const auto& e : testing_support::EventsOf(trace, "op", "PsLINE")) {
    lines.push_back({Number(e[2]), Number(e[3]), Number(e[4]), Number(e[5]), std::stoi(e[6]),
                     std::stoi(e[7]), std::stoi(e[9])});
  }
  return lines;
}

std::vector<std::vector<float>> Polylines(const platform::Trace& trace) {
  std::vector<std::vector<float>> polylines;
  for (const auto& e : testing_support::EventsOf(trace, "op", "PsCONNECT")) {
    std::vector<float> points;
    const size_t count = static_cast<size_t>(std::stoi(e[3]));
    for (size_t k = 0; k < 2 * count; ++k) points.push_back(Number(e[4 + k]));
    polylines.push_back(points);
  }
  return polylines;
}

std::vector<float> GlyphXs(const platform::Trace& trace) {
  std::vector<float> xs;
  for (const Glyph& g : Glyphs(trace)) xs.push_back(g.x);
  return xs;
}

void DrawFormula(lesson::Program& p, const std::string& text, float x, float y) {
  p.text.TextToDraw = text;
  p.text.TextX = x;
  p.text.TextY = y;
  p.text.TextColour = 0;
  lesson::DrawText(p);
}

void FormulaTest::Draw(const std::string& text, float x, float y) { DrawFormula(p, text, x, y); }

float FormulaTest::Measure(const std::string& text) {
  p.text.WorkText = text;
  lesson::MeasureTextWidth(p);
  return p.values.MeasuredWidth;
}

void RunGlyphs(lesson::Program& p, const std::string& run, GlyphModes modes) {
  p.renderer.FractionMode = modes.fraction;
  p.text.CaretFlag = modes.caret;
  p.renderer.RaisedFlag = modes.raised;
  p.renderer.TallParenFlag = modes.tall_paren;
  p.text.WorkText = run;
  p.text.TextX = 100;
  p.text.TextY = 200;
  p.text.TextColour = 0;
  lesson::DrawFormulaChars(p);
}

void ExpectGlyphRules(lesson::HeadlessSession& session, const std::vector<GlyphRuleCase>& cases) {
  lesson::Program& p = session.program;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("character \"") + c.ch + "\" fraction mode " +
                 std::to_string(c.modes.fraction));
    session.runtime.FE_SETFONTNAME("ｺﾞｼｯｸ");
    RunGlyphs(p, c.ch, c.modes);
    const auto glyphs = Glyphs(session.trace());
    ASSERT_FALSE(glyphs.empty());
    const Glyph& g = glyphs.back();
    EXPECT_EQ(g.text, c.drawn);
    EXPECT_EQ(g.face, c.face);
    EXPECT_EQ(g.size, c.size);
    EXPECT_TRUE(g.bold);
    EXPECT_EQ(g.italic, c.italic);
    EXPECT_EQ(g.x, 100 + c.dx);
    EXPECT_EQ(g.y, 200 + c.dy);
    EXPECT_EQ(g.mag_x, c.mag_x);
    EXPECT_EQ(g.mag_y, c.mag_y);
    EXPECT_EQ(p.text.TextX - 100, c.advance);
    EXPECT_EQ(p.text.CaretFlag, c.after.caret);
    EXPECT_EQ(p.renderer.RaisedFlag, c.after.raised);
    EXPECT_EQ(p.renderer.TallParenFlag, c.after.tall_paren);
    EXPECT_EQ(session.runtime.font().face, "ゴシック");
    EXPECT_EQ(session.runtime.font().size, 16);
    EXPECT_FALSE(session.runtime.font().bold);
    EXPECT_FALSE(session.runtime.font().italic);
    p.text.CaretFlag = p.renderer.RaisedFlag = p.renderer.TallParenFlag = 0;
  }
}

void ExpectStrokes(const std::vector<Line>& lines, size_t first,
                   const std::vector<std::array<float, 4>>& strokes, int colour, int width) {
  ASSERT_EQ(lines.size() - first, strokes.size());
  for (size_t k = 0; k < strokes.size(); ++k) {
    const Line& l = lines[first + k];
    EXPECT_EQ(l.x1 - 100, strokes[k][0]);
    EXPECT_EQ(l.y1 - 200, strokes[k][1]);
    EXPECT_EQ(l.x2 - 100, strokes[k][2]);
    EXPECT_EQ(l.y2 - 200, strokes[k][3]);
    EXPECT_EQ(l.colour, colour);
    EXPECT_EQ(l.mode, 0);
    EXPECT_EQ(l.width, width);
  }
}

}  // namespace formula_testing
