// The cancellation marks that Varnick's division screens draw over a fraction: the anchors
// taken from the fraction just drawn, the strokes and reduced numbers placed from them, the
// struck letters of a written-out power, and the strike-through overlay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/formula.h"
#include "tests/test_support.h"
#include "tests/varnick/varnick_test_support.h"
#include "varnick/strokes.h"
#include "varnick/varnick.h"

using namespace testing_support;
using namespace varnick_testing;

namespace {

struct Anchor {
  float x, y;
  bool operator==(const Anchor&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Anchor& a) {
  return out << "(" << a.x << ", " << a.y << ")";
}

Anchor AnchorOf(lesson::Program& p, float k) { return {p.work.PointX(k), p.work.PointY(k)}; }

// A lesson screen in draw width 5 whose line ends at (x, y), as after the text before a
// stroked fraction; two keys to wait for.
struct Screen {
  Screen(float x, float y) : session(varnick::kVarnick, WithKeys("kk")) {
    session.program.layout.LineEndX = x;
    session.program.layout.LineY = y;
    session.runtime.FE_SETDRAWWIDTH(5);
  }
  lesson::HeadlessSession session;
};

std::vector<std::string> MarksOf(const lesson::HeadlessSession& session) {
  return Steps(session.trace(), Detail::kWithMarks);
}

TEST(StrokeAnchors, FirstCellsOfEachPartAndTheWorkedScreensSecondCells) {
  const struct {
    const char* fraction;
    float x, y;
    float bar_y, line_end;
    Anchor numerator, denominator, second_numerator, second_denominator;
  } cases[] = {
      // Letters only: numerator 102 (x, ×, y), denominator 32 centred 35 in.
      {"ﾀx*y/xﾀ", 147, 290, 315, 249, {147, 279}, {182, 319}, {211, 279}, {246, 319}},
      // Two digits over one: 64 wide, the 6 16 in.
      {"ﾀ15/6ﾀ", 147, 210, 235, 211, {147, 199}, {163, 239}, {211, 199}, {227, 239}},
      // The power written out: 172 over 102.
      {"ﾀ6*a*a/2*aﾀ", 120, 330, 355, 292, {120, 319}, {155, 359}, {184, 319}, {219, 359}},
      // The denominator the wider part: the numerator moves right by its offset.
      {"ﾀ3/10*bﾀ", 200, 100, 125, 334, {251, 89}, {200, 129}, {315, 89}, {264, 129}},
  };
  for (const auto& c : cases) {
    Screen screen(c.x, c.y);
    lesson::HeadlessSession& session = screen.session;
    session.Call([&](lesson::Program& p) {
      varnick::DrawStrokedFraction(p, c.fraction);
      varnick::SetWorkedStrokeAnchors(p);
    });
    lesson::Program& p = session.program;
    EXPECT_EQ(AnchorOf(p, 0), (Anchor{c.x, c.y})) << c.fraction;
    EXPECT_EQ(p.renderer.FractionBarY, c.bar_y) << c.fraction;
    EXPECT_EQ(p.layout.LineEndX, c.line_end) << c.fraction;
    EXPECT_EQ(p.layout.LineY, c.y) << c.fraction;
    EXPECT_EQ(AnchorOf(p, 1), c.numerator) << c.fraction;
    EXPECT_EQ(AnchorOf(p, 11), c.denominator) << c.fraction;
    EXPECT_EQ(AnchorOf(p, 2), c.second_numerator) << c.fraction;
    EXPECT_EQ(AnchorOf(p, 12), c.second_denominator) << c.fraction;
    // The fraction itself, in colour 0 where the line ended.
    EXPECT_EQ(Steps(session.trace())[0],
              "text " + platform::ShortNumber(c.x) + " " + platform::ShortNumber(c.y) + " 0 " +
                  c.fraction);
  }
}

TEST(StrokeAnchors, BaseFormSetsOnlyTheFirstCells) {
  Screen screen(235, 338);
  lesson::HeadlessSession& session = screen.session;
  session.program.work.PointX(2) = -1;
  session.program.work.PointX(12) = -1;
  session.Call([](lesson::Program& p) {
    varnick::DrawStrokedFraction(p, "ﾀ6*a*a*b/10*a*b*bﾀ");
    varnick::SetStrokeAnchors(p);
  });
  lesson::Program& p = session.program;
  EXPECT_EQ(AnchorOf(p, 1), (Anchor{251, 327}));
  EXPECT_EQ(AnchorOf(p, 11), (Anchor{235, 367}));
  EXPECT_EQ(p.work.PointX(2), -1);
  EXPECT_EQ(p.work.PointX(12), -1);
}

TEST(CancellationStroke, ColourThreeOverItsCharactersInTheWidthInForce) {
  Screen screen(0, 0);
  lesson::HeadlessSession& session = screen.session;
  session.Call([](lesson::Program& p) {
    varnick::DrawCancellationStroke(p, 182, 319, 1);
    varnick::DrawCancellationStroke(p, 147, 199, 2);
    p.rt.FE_SETDRAWWIDTH(3);
    varnick::DrawCancellationStroke(p, 10, 20, 1);
  });
  EXPECT_EQ(MarksOf(session), (std::vector<std::string>{"stroke 182 319 214 347 3 5",
                                                        "stroke 147 199 211 227 3 5",
                                                        "stroke 10 20 42 48 3 3"}));
  EXPECT_EQ(session.program.layout.LineEndX, 0);
}

TEST(ReducedNumber, AboveTheNumeratorBelowTheDenominatorLayoutUntouched) {
  Screen screen(147, 290);
  lesson::HeadlessSession& session = screen.session;
  session.Call([](lesson::Program& p) {
    varnick::DrawStrokedFraction(p, "ﾀx*y/xﾀ");
    varnick::SetWorkedStrokeAnchors(p);
    varnick::DrawReducedNumber(p, p.work.PointX(11), p.work.PointY(11), "1",
                               varnick::FractionRow::kDenominator);
    varnick::DrawReducedNumber(p, p.work.PointX(1), p.work.PointY(1), "2",
                               varnick::FractionRow::kNumerator);
  });
  lesson::Program& p = session.program;
  const auto steps = Steps(session.trace());
  EXPECT_EQ(steps[1], "text 182 351 3 1");
  EXPECT_EQ(steps[2], "text 147 241 3 2");
  // The anchors, the fraction's layout and the line stay as the fraction left them.
  EXPECT_EQ(AnchorOf(p, 1), (Anchor{147, 279}));
  EXPECT_EQ(AnchorOf(p, 12), (Anchor{246, 319}));
  EXPECT_EQ(p.renderer.FractionBarY, 315);
  EXPECT_EQ(p.renderer.DenominatorOffset, 35);
  EXPECT_EQ(p.layout.LineEndX, 249);
  EXPECT_EQ(p.layout.LineY, 290);
  EXPECT_EQ(p.text.TextColour, 3);
}

TEST(LetterRunStrokes, TheSmallerCountOfLettersFromTheRunsFirstTimes) {
  const struct {
    float here, other;
    std::vector<std::string> strokes;  // from an anchor at (100, 50)
  } cases[] = {
      {1, 1, {"stroke 138 50 170 78 3 5"}},
      {2, 1, {"stroke 138 50 170 78 3 5"}},
      {1, 2, {"stroke 138 50 170 78 3 5"}},
      {2, 2, {"stroke 138 50 170 78 3 5", "stroke 208 50 240 78 3 5"}},
      // A letter on one row only is struck nowhere.
      {0, 2, {}},
      {2, 0, {}},
      {0, 0, {}},
  };
  for (const auto& c : cases) {
    Screen screen(0, 0);
    lesson::HeadlessSession& session = screen.session;
    session.Call([&c](lesson::Program& p) {
      p.work.PointX(3) = 100;
      p.work.PointY(3) = 50;
      varnick::StrikeLetterRun(p, 3, c.here, c.other);
    });
    EXPECT_EQ(MarksOf(session), c.strokes) << c.here << " over " << c.other;
  }
}

TEST(CancelMarks, StrokeThenNumberAtEachAnchorAfterItsKey) {
  Screen screen(147, 210);
  lesson::HeadlessSession& session = screen.session;
  session.Call([](lesson::Program& p) {
    varnick::DrawStrokedFraction(p, "ﾀ15/6ﾀ");
    varnick::SetWorkedStrokeAnchors(p);
    varnick::DrawCancelMarks(p, {{lesson::kKeyFirst, 11, 1, "2"},
                                 {lesson::kKeyFirst, 1, 2, "5"},
                                 {lesson::kAtOnce, 12, 0, "7"},
                                 {lesson::kAtOnce, 2, 1}});
  });
  const auto steps = MarksOf(session);
  const std::vector<std::string> marks(steps.begin() + 1, steps.end());
  EXPECT_EQ(marks, (std::vector<std::string>{"key", "stroke 163 239 195 267 3 5",
                                             "text 163 271 3 2", "key",
                                             "stroke 147 199 211 227 3 5", "text 147 161 3 5",
                                             "text 227 271 3 7", "stroke 211 199 243 227 3 5"}));
}

TEST(StrikeThroughOverlay, StrikesOnlyTheReplacedCellsAndEndsWhereTheLineDid) {
  Screen screen(0, 0);
  lesson::HeadlessSession& session = screen.session;
  session.Call([](lesson::Program& p) {
    p.layout.MarginX = 684;
    lesson::DrawLessonText(p, "=-ﾀ5aa/10aaﾀ", 0, 684, 480);
  });
  const float covered_end = session.program.layout.LineEndX;
  session.Call([](lesson::Program& p) { varnick::DrawStrikeThroughOverlay(p, "=-ﾀｹｹｹ/ｹｹｹｹﾀ"); });
  lesson::Program& p = session.program;
  EXPECT_EQ(p.layout.LineEndX, covered_end);
  EXPECT_EQ(p.layout.LineY, 480);
  EXPECT_EQ(p.figure.LineColour, 7);
  EXPECT_EQ(p.text.TextColour, 0);
  // The fraction starts at 743 after "=-"; the denominator (128) is the wider part, so the
  // numerator stands 16 in. Each struck cell gets a line from 4, 4 to 32, 24 of its corner;
  // the denominator is drawn first.
  Expected expected;
  expected.Text(684, 480, 0, "=-ﾀ5aa/10aaﾀ").Text(684, 480, 0, "=-ﾀｹｹｹ/ｹｹｹｹﾀ");
  for (float x : {743.f, 775.f, 807.f, 839.f}) expected.Stroke(x + 4, 512, x + 32, 532, 7, 5);
  for (float x : {759.f, 791.f, 823.f}) expected.Stroke(x + 4, 474, x + 32, 494, 7, 5);
  EXPECT_EQ(MarksOf(session), expected.steps());
}

}  // namespace
