// Names are drawn as names: the programs' names in their menus' title bands and the pupils'
// names in Corvane's road around the equator go through the formula renderer, which would
// turn a half-width a, c or l into a maths letter. Every glyph of those texts is upright gothic.
#include <gtest/gtest.h>

#include <string>

#include "corvane/corvane.h"
#include "lessonlib/headless_session.h"
#include "ostrel/ostrel.h"
#include "tests/test_support.h"
#include "varnick/varnick.h"

using testing_support::Events;
using testing_support::Fields;
using testing_support::WithKeys;

namespace {

// The glyphs drawn for the DrawText call of `text`: the ops after its text event up to the
// next text event.
std::vector<Fields> GlyphsOfText(const platform::Trace& trace, const std::string& text) {
  std::vector<Fields> glyphs;
  bool inside = false;
  for (const Fields& e : Events(trace)) {
    if (e[0] == "text") inside = e[1] == "DrawText" && e.back() == text;
    if (inside && e[0] == "op" && e[1] == "PsSYMBOL40") glyphs.push_back(e);
  }
  return glyphs;
}

TEST(Names, AreDrawnInUprightGothicLetters) {
  const std::string to_the_road = "1\n1\n" + std::string(18, ' ');
  const struct {
    const lesson::ProgramDefinition* program;
    std::string keys;
    std::string text;
    const char* name;  // as its glyphs spell it
  } cases[] = {
      {&corvane::kCorvane, "", "＜Ｃｏｒｖａｎｅ　メニュー＞", "Ｃｏｒｖａｎｅ"},
      {&ostrel::kOstrel, "", "＜Ｏｓｔｒｅｌ　メニュー＞", "Ｏｓｔｒｅｌ"},
      {&varnick::kVarnick, "", "＜Ｖａｒｎｉｃｋ　メニュー＞", "Ｖａｒｎｉｃｋ"},
      {&corvane::kCorvane, to_the_road, "<Ｔａｖｒｉｎさんの考え>", "Ｔａｖｒｉｎ"},
      {&corvane::kCorvane, to_the_road, "<Ｏｓｋｅｌさんの考え>", "Ｏｓｋｅｌ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    lesson::HeadlessSession session(*c.program, WithKeys(c.keys));
    session.Start();
    const auto glyphs = GlyphsOfText(session.trace(), c.text);
    ASSERT_FALSE(glyphs.empty());
    std::string spelt;
    for (const Fields& g : glyphs) {
      spelt += g[2];
      EXPECT_EQ(g[9], "ゴシック") << g[2];
      EXPECT_EQ(g[12], "0") << g[2];  // not italic
    }
    EXPECT_NE(spelt.find(c.name), std::string::npos) << spelt;
  }
}

}  // namespace
