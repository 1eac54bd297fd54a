// ArgbImage: the tools' working picture, 32-bit pixels 0xAARRGGBB, rows top first.
#pragma once

#include <cstdint>
#include <vector>

namespace tools {

struct ArgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height

  ArgbImage() = default;
  ArgbImage(int w, int h, std::uint32_t fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

/// RGB565 widened back to 8 bits a channel, the top bits repeated into the bottom ones.
inline std::uint32_t rgbFrom565(std::uint16_t c) {
  const std::uint32_t r = (c >> 11) & 0x1F, g = (c >> 5) & 0x3F, b = c & 0x1F;
  return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

/// A 5-bit alpha (0..31) widened to 8 bits.
inline std::uint32_t alphaFrom5(std::uint32_t a) { return (a << 3) | (a >> 2); }

}  // namespace tools
