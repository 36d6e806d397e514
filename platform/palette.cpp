#include "platform/palette.h"

#include <algorithm>
#include <cmath>

namespace platform {

double RelativeLuminance(Rgb colour) {
  const auto channel = [](uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.r) + 0.7152 * channel(colour.g) + 0.0722 * channel(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::optional<Rgb> OutlineFor(int ink, int ground, double needed) {
  const Rgb ink_rgb = kPalette.at(static_cast<size_t>(ink));
  if (ink == ground || ContrastRatio(ink_rgb, kPalette.at(static_cast<size_t>(ground))) >= needed) {
    return std::nullopt;
  }
  constexpr Rgb kWhite{0xFF, 0xFF, 0xFF}, kBlack{0x00, 0x00, 0x00};
  return ContrastRatio(ink_rgb, kWhite) >= ContrastRatio(ink_rgb, kBlack) ? kWhite : kBlack;
}

}  // namespace platform
