// RGB565 colours: red in bits 15..11, green in 10..5, blue in 4..0.
#pragma once

#include <cstdint>

namespace gfx {

/// Converts a 24-bit 0xRRGGBB colour (as scripts and data give them) by plain truncation.
constexpr std::uint16_t Rgb565From24(std::uint32_t rgb) {
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return static_cast<std::uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
}

/// Blends pixel toward colour with weight 0..31 (32 levels): 0 keeps the pixel, 31 replaces it,
/// otherwise each 5/6/5-bit field becomes (old * (31 - weight) + colour * weight) >> 5.
constexpr void BlendPixel(std::uint16_t& pixel, std::uint16_t colour, int weight) {
  if (weight <= 0) return;
  if (weight >= 31) {
    pixel = colour;
    return;
  }
  // All three fields at once: green moves up to bits 21..26, leaving blue in 0..4 and red in
  // 11..15. The weights add up to 31, so each field's weighted sum stays below 2^11 (at most
  // 63 x 31 for green) and never reaches the next field; one shift then divides all three.
  const auto spread = [](std::uint32_t c) { return (c & 0xF81Fu) | ((c & 0x07E0u) << 16); };
  const std::uint32_t keep = static_cast<std::uint32_t>(31 - weight);
  const std::uint32_t take = static_cast<std::uint32_t>(weight);
  const std::uint32_t mixed = ((spread(pixel) * keep + spread(colour) * take) >> 5) & 0x07E0F81Fu;
  pixel = static_cast<std::uint16_t>(mixed | (mixed >> 16));
}

}  // namespace gfx
