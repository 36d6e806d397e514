// The 16 colours of the palette. Their roles are fixed by the lessons (15 is the background
// every eraser draws in); the values are chosen for a projector in a bright room.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace platform {

struct Rgb {
  uint8_t r, g, b;
};

inline constexpr int kBackgroundColour = 15;

inline constexpr std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},  // 0  body text and figure lines
    {0x15, 0x65, 0xC0},  // 1  blue
    {0x2E, 0x7D, 0x32},  // 2  green
    {0x00, 0x69, 0x5C},  // 3  headings and questions: deep teal
    {0x10, 0x16, 0x4F},  // 4  fill of the any-key box: deep indigo
    {0xC2, 0x18, 0x5B},  // 5  answers and results: crimson pink
    {0x79, 0x55, 0x48},  // 6  brown
    {0xB0, 0x3A, 0x00},  // 7  instructions and textbook prompts: burnt orange
    {0x61, 0x61, 0x61},  // 8  grey
    {0xE0, 0x7A, 0x00},  // 9  text of the prompt boxes, some lesson text: amber
    {0x0B, 0x24, 0x16},  // 10 main-menu panel: chalkboard green
    {0x4D, 0xD0, 0xE1},  // 11 light cyan
    {0x5A, 0x0A, 0x0A},  // 12 fill of the next-step box: maroon
    {0xF0, 0x50, 0x8A},  // 13 main-menu items, prompt-box borders, error message: rose
    {0xB8, 0x86, 0x0B},  // 14 heavy grid lines: dark gold
    {0xFF, 0xFF, 0xFF},  // 15 background
}};

// WCAG relative luminance and contrast ratio, used to check the palette's text pairs.
double RelativeLuminance(Rgb colour);
double ContrastRatio(Rgb a, Rgb b);

// How far a text must stand out from what it is drawn on, as a contrast ratio. Lesson text
// is large (a 16-unit face magnified twice or more): 3:1. Text at magnification 1 (the
// bottom band, the prompt boxes, the error message): 4.5:1.
inline constexpr double kMagnifiedTextContrast = 3.0;
inline constexpr double kPlainTextContrast = 4.5;

// The thin outline a glyph (or a sign drawn as lines) in colour `ink` gets on `ground` when
// the two do not stand apart by `needed`: white or black, whichever stands out more from the
// ink. None when they do, and none when the ink is the ground's own colour: a text drawn in
// the colour under it is hidden or erased, and stays so.
std::optional<Rgb> OutlineFor(int ink, int ground, double needed);

}  // namespace platform
