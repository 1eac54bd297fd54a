// Expansion of RGB565 pixels to 32-bit XRGB8888 for presenting: each channel's top bits are
// repeated into its low bits, so black stays 0x000000 and white becomes 0xFFFFFF.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

/// One RGB565 pixel as 0x00RRGGBB.
constexpr std::uint32_t ExpandRgb565(std::uint16_t p) {
  const std::uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
  return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

/// Expands count pixels from source into target (which must hold count values).
void ExpandRgb565Pixels(const std::uint16_t* source, std::uint32_t* target, std::size_t count);

}  // namespace platform
