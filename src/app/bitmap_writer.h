// Screenshots: the back buffer as an uncompressed 16-bit Windows bitmap (BITMAPINFOHEADER, 5-5-5
// pixels, rows bottom-up), and the numbered screenshot file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/surface.h"
#include "util/result.h"

namespace app {

class Screen;

/// Bytes of one stored row: 2 a pixel, padded to a multiple of 4 as bitmap readers expect (the
/// screen widths 240 and 480 need no padding).
std::uint32_t BitmapRowBytes(int width);

/// Size of the 16-bit bitmap file for a width x height picture: 54 header bytes plus the rows,
/// rounded up to a multiple of 4 with zero fill bytes (240 x 320 gives 153656).
std::uint32_t BitmapFileSize(int width, int height);

/// The stored 5-5-5 word of an RGB565 pixel: blue and red kept, the lowest green bit dropped.
constexpr std::uint16_t BitmapPixelFrom565(std::uint16_t p) {
  return static_cast<std::uint16_t>((p & 0x1F) | ((p >> 6) << 5));
}

/// The whole bitmap file for a surface, as WriteBitmap writes it.
std::vector<std::byte> EncodeBitmap(const gfx::Surface& surface);

/// Writes surface to path as a bitmap, replacing the file as a whole (a failed write never
/// leaves a partial file).
util::Status WriteBitmapFile(const gfx::Surface& surface, const std::string& path);

/// Writes the Screen's back buffer to path as a bitmap, replacing the file as a whole (a failed
/// write never leaves a partial file). Once it is written, every frame-buffer row, bottom row
/// first, is tinted halfway toward blue as the player's feedback (it stays until the next
/// Present). False, with the display untouched, when the file cannot be created or written.
bool WriteBitmap(Screen& screen, const std::string& path);

/// folder + "screenshot" + counter with at least four digits + ".bmp" (counter 1 gives
/// screenshot0001.bmp, 12345 gives screenshot12345.bmp). folder ends with its separator.
std::string ScreenshotPath(const std::string& folder, unsigned counter);

}  // namespace app
