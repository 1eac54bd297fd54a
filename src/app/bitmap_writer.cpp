#include "app/bitmap_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "app/screen.h"
#include "gfx/color.h"
#include "platform/file.h"

namespace app {
namespace {

constexpr std::size_t kHeaderBytes = 54;
constexpr std::uint32_t kPixelsPerMetre = 2834;  // 72 dots per inch
constexpr std::uint16_t kTintColour = 0x001F;    // pure blue
constexpr int kTintWeight = 16;                  // halfway

void put16(std::byte* p, std::uint16_t v) {
  p[0] = static_cast<std::byte>(v & 0xFF);
  p[1] = static_cast<std::byte>(v >> 8);
}

void put32(std::byte* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    p[i] = static_cast<std::byte>((v >> (8 * i)) & 0xFF);
}

std::array<std::byte, kHeaderBytes> encodeHeader(int width, int height) {
  const std::uint32_t fileSize = BitmapFileSize(width, height);
  std::array<std::byte, kHeaderBytes> h{};
  h[0] = std::byte{'B'};
  h[1] = std::byte{'M'};
  put32(&h[2], fileSize);
  put32(&h[10], kHeaderBytes);
  put32(&h[14], 40);
  put32(&h[18], static_cast<std::uint32_t>(width));
  put32(&h[22], static_cast<std::uint32_t>(height));
  put16(&h[26], 1);
  put16(&h[28], 16);
  put32(&h[34], fileSize - static_cast<std::uint32_t>(kHeaderBytes));
  put32(&h[38], kPixelsPerMetre);
  put32(&h[42], kPixelsPerMetre);
  return h;
}

void encodeRow(const gfx::Surface& s, int row, std::byte* out) {
  const std::uint16_t* p = s.pixels + static_cast<std::ptrdiff_t>(row) * s.width;
  for (int c = 0; c < s.width; ++c, out += 2)
    put16(out, BitmapPixelFrom565(p[c]));
}

}  // namespace

std::uint32_t BitmapRowBytes(int width) {
  return (2u * static_cast<std::uint32_t>(std::max(width, 0)) + 3u) & ~3u;
}

std::uint32_t BitmapFileSize(int width, int height) {
  const std::uint32_t raw = static_cast<std::uint32_t>(
      kHeaderBytes + static_cast<std::uint64_t>(BitmapRowBytes(width)) * std::max(height, 0));
  return (raw + 3u) & ~3u;
}

std::vector<std::byte> EncodeBitmap(const gfx::Surface& surface) {
  const int w = std::max<int>(surface.width, 0), h = std::max<int>(surface.height, 0);
  std::vector<std::byte> out(BitmapFileSize(w, h), std::byte{0});
  const auto header = encodeHeader(w, h);
  std::copy(header.begin(), header.end(), out.begin());
  std::byte* row = out.data() + kHeaderBytes;
  for (int r = h - 1; r >= 0; --r, row += BitmapRowBytes(w))
    encodeRow(surface, r, row);
  return out;
}

util::Status WriteBitmapFile(const gfx::Surface& surface, const std::string& path) {
  return platform::writeFileAtomically(path, EncodeBitmap(surface));
}

bool WriteBitmap(Screen& screen, const std::string& path) {
  if (!WriteBitmapFile(screen.surface(), path)) return false;

  // The player's feedback: every row of the display, bottom row first, turns halfway to blue
  // until the next frame repaints it.
  const Screen::FrameAccess frame = screen.BeginFrameAccess();
  if (frame.origin) {
    for (int r = frame.rows - 1; r >= 0; --r) {
      std::uint16_t* p = frame.origin + static_cast<std::ptrdiff_t>(r) * frame.yPitch;
      for (int c = 0; c < frame.columns; ++c, p += frame.xPitch)
        gfx::BlendPixel(*p, kTintColour, kTintWeight);
    }
  }
  screen.EndFrameAccess(frame);
  return true;
}

std::string ScreenshotPath(const std::string& folder, unsigned counter) {
  char number[16];
  std::snprintf(number, sizeof number, "%4.4u", counter);
  return folder + "screenshot" + number + ".bmp";
}

}  // namespace app
