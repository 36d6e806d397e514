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

// The runtime-error message is drawn in colour 13 on the cleared (colour 15) screen.
TEST(Palette, ErrorMessageIsLegibleOnTheBackground) {
  EXPECT_GE(ContrastRatio(kPalette[13], kPalette[15]), 3.0);
}
