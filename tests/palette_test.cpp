#include "platform/palette.h"

#include <gtest/gtest.h>

using namespace platform;

// Every text colour must be readable on what it is drawn on, for a projector in a bright
// classroom: a contrast ratio of at least 4.5:1.
TEST(Palette, TextColoursAreReadableOnTheirBackgrounds) {
  const struct {
    int text, ground;
  } pairs[] = {{0, 15}, {3, 15}, {5, 15}, {7, 15}, {9, 4}, {9, 12}, {13, 10}, {15, 10}};
  for (const auto& pair : pairs) {
    EXPECT_GE(ContrastRatio(kPalette[pair.text], kPalette[pair.ground]), 4.5)
        << "colour " << pair.text << " on " << pair.ground;
  }
}

// Lesson text is large (a line is 48 units of the 900-unit page), and lessons draw some of it
// in colours whose main role is elsewhere (colour 9 in a lesson line, the runtime-error
// message in 13): every colour but the light fill 11 stands out from the background at
// least as much as large text needs, 3:1.
TEST(Palette, EveryColourStandsOutFromTheBackground) {
  for (int colour = 0; colour < 15; ++colour) {
    if (colour == 11) continue;
    EXPECT_GE(ContrastRatio(kPalette[static_cast<size_t>(colour)], kPalette[15]), 3.0)
        << "colour " << colour;
  }
}

// Text on the lessons' filled boxes and panels. Where the two colours stand apart by the 3:1
// that magnified text needs, the text is drawn as it is; where they do not, the page draws it
// with an outline in white or black, whichever stands out more from the text's colour.
TEST(Palette, TextOnLessonBoxesStandsOutByItselfOrByItsOutline) {
  enum Outline { kNone, kWhite, kBlack };
  const struct {
    int text, fill;
    Outline outline;
    const char* where;
  } pairs[] = {
      {15, 10, kNone, "main-menu items"},
      {13, 10, kNone, "main-menu items"},
      {0, 13, kNone, "fill-in boxes, calendar, title boxes"},
      {0, 9, kNone, "chapter 3's picture boxes"},
      {0, 11, kNone, "the globe"},
      {3, 11, kNone, "the globe"},
      {5, 11, kNone, "the globe's labels"},
      {5, 13, kWhite, "answers in fill-in boxes and the partial drills"},
      {3, 13, kWhite, "the fill-in boxes' numbers"},
      {13, 3, kBlack, "exercise-number badges"},
      {5, 7, kWhite, "the flower bed's 1 m column"},
      {5, 9, kWhite, "the flower bed's a columns"},
      {13, 13, kNone, "text hidden in its box's colour"},
      {15, 15, kNone, "text hidden in the background colour"},
  };
  for (const auto& pair : pairs) {
    const auto outline = OutlineFor(pair.text, pair.fill, kMagnifiedTextContrast);
    const Outline expected = !outline ? kNone : outline->r == 0xFF ? kWhite : kBlack;
    EXPECT_EQ(expected, pair.outline) << pair.text << " on " << pair.fill << ": " << pair.where;
    if (pair.text == pair.fill) continue;
    const Rgb ground = outline ? *outline : kPalette[static_cast<size_t>(pair.fill)];
    EXPECT_GE(ContrastRatio(kPalette[static_cast<size_t>(pair.text)], ground), 3.0)
        << pair.text << " on " << pair.fill << ": " << pair.where;
  }
  // The runtime-error message: rose text at magnification 1 on the background, 3.4:1.
  const auto message = OutlineFor(13, 15, kPlainTextContrast);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->r, 0x00);
}
