// Screenshots: the back buffer as an uncompressed 16-bit Windows bitmap (BITMAPINFOHEADER, 5-5-5
// pixels, rows bottom-up), and the numbered screenshot file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/surface.h"

namespace app {

class Screen;

/// Size of the 16-bit bitmap file for a width x height picture: 54 header bytes plus 2 bytes a
/// pixel, rounded up to a multiple of 4.
std::uint32_t BitmapFileSize(int width, int height);

/// The stored 5-5-5 word of an RGB565 pixel: blue and red kept, the lowest green bit dropped.
constexpr std::uint16_t BitmapPixelFrom565(std::uint16_t p) {
  return static_cast<std::uint16_t>((p & 0x1F) | ((p >> 6) << 5));
}

/// The whole bitmap file for a surface, as WriteBitmap writes it.
std::vector<std::byte> EncodeBitmap(const gfx::Surface& surface);

/// Writes the Screen's back buffer to path as a bitmap. While each row is written, the matching
/// frame-buffer row is tinted halfway toward blue as visible progress (it stays until the next
/// Present). False when the file cannot be created or writing it fails.
bool WriteBitmap(Screen& screen, const std::string& path);

/// folder + "screenshot" + counter with at least four digits + ".bmp" (counter 1 gives
/// screenshot0001.bmp, 12345 gives screenshot12345.bmp). folder ends with its separator.
std::string ScreenshotPath(const std::string& folder, unsigned counter);

}  // namespace app
