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
