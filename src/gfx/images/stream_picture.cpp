#include "gfx/images/stream_picture.h"

#include <cmath>
#include <cstdint>

#include "gfx/color.h"
#include "gfx/images/byte_reader.h"
#include "gfx/images/run_stream.h"

namespace gfx {
namespace {

constexpr std::size_t kHeaderBytes = 4;

void putU16(std::vector<std::byte>& out, std::uint16_t v) {
  out.push_back(static_cast<std::byte>(v & 0xFF));
  out.push_back(static_cast<std::byte>(v >> 8));
}

std::uint32_t readU32(std::span<const std::byte> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Box-filters the sw x sh pixels to tw x th. Each channel is summed over the box pixels whose
// alpha is non-zero and divided by the whole box area, so transparent pixels fade the result.
// Box pixels beyond the source edge (the last boxes when the sizes don't divide) are left out.
std::vector<std::uint32_t> resample(const std::vector<std::uint32_t>& src, int sw, int sh, int tw,
                                    int th, bool& ok) {
  const float fx = static_cast<float>(sw) / static_cast<float>(tw);
  const float fy = static_cast<float>(sh) / static_cast<float>(th);
  const int bw = static_cast<int>(std::floor(fx + 0.5f));
  const int bh = static_cast<int>(std::floor(fy + 0.5f));
  ok = bw > 0 && bh > 0;
  std::vector<std::uint32_t> out;
  if (!ok) return out;
  out.resize(static_cast<std::size_t>(tw) * th);
  const std::uint32_t area = static_cast<std::uint32_t>(bw * bh);
  for (int r = 0; r < th; ++r) {
    const int sy0 = static_cast<int>(static_cast<float>(r) * fy);
    for (int c = 0; c < tw; ++c) {
      const int sx0 = static_cast<int>(static_cast<float>(c) * fx);
      std::uint32_t sum[4] = {0, 0, 0, 0};
      for (int sy = sy0; sy < sy0 + bh && sy < sh; ++sy) {
        for (int sx = sx0; sx < sx0 + bw && sx < sw; ++sx) {
          const std::uint32_t p = src[static_cast<std::size_t>(sy) * sw + sx];
          if ((p >> 24) == 0) continue;
          for (int ch = 0; ch < 4; ++ch)
            sum[ch] += (p >> (8 * ch)) & 0xFF;
        }
      }
      std::uint32_t v = 0;
      for (int ch = 0; ch < 4; ++ch)
        v |= (sum[ch] / area) << (8 * ch);
      out[static_cast<std::size_t>(r) * tw + c] = v;
    }
  }
  return out;
}

}  // namespace

void StreamPicture::Draw(Surface& surface, int x, int y, const Box* clip,
                         std::uint32_t /*timeMs*/) const {
  if (!drawRows_.empty()) {
    drawRunStream(surface, x, y, width(), height(), drawRows_, 0, clip);
  } else if (stream_.size() >= kHeaderBytes) {
    drawRunStream(surface, x, y, width(), height(), stream_, kHeaderBytes, clip);
  }
}

void StreamPicture::Release() {
  stream_.clear();
  stream_.shrink_to_fit();
  drawRows_.clear();
  drawRows_.shrink_to_fit();
  setSize(0, 0);
}

bool StreamPicture::LoadBytes(std::string_view name, std::span<const std::byte> bytes) {
  Release();
  const bool ok = nameHas(name, ".sft") ? loadSft(bytes, std::nullopt) : loadEspr(bytes);
  if (!ok) Release();
  return ok;
}

bool StreamPicture::LoadResampled(std::string_view name, EntrySource& source, int targetWidth,
                                  int targetHeight) {
  Release();
  const std::span<const std::byte> bytes = source.find(name);
  if (bytes.empty() || !loadSft(bytes, std::make_pair(targetWidth, targetHeight))) {
    Release();
    return false;
  }
  setName(name);
  return true;
}

bool StreamPicture::loadEspr(std::span<const std::byte> bytes) {
  if (bytes.size() < kHeaderBytes) return false;
  const std::uint16_t w = readLe16(bytes, 0), h = readLe16(bytes, 2);
  std::size_t end = 0;
  if (!validateRunStream(bytes, kHeaderBytes, h, &end)) return false;
  stream_.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(end));
  setSize(w, h);
  prepareDrawing();
  return true;
}

void StreamPicture::prepareDrawing() {
  compactRunStream(stream_, kHeaderBytes, height(), drawRows_);
}

bool StreamPicture::loadSft(std::span<const std::byte> bytes,
                            std::optional<std::pair<int, int>> target) {
  Release();
  if (bytes.size() < kHeaderBytes) return false;
  const int sw = readLe16(bytes, 0), sh = readLe16(bytes, 2);
  const std::size_t count = static_cast<std::size_t>(sw) * sh;
  if (bytes.size() - kHeaderBytes < count * 4) return false;
  std::vector<std::uint32_t> pixels(count);
  for (std::size_t i = 0; i < count; ++i)
    pixels[i] = readU32(bytes, kHeaderBytes + 4 * i);

  int w = sw, h = sh;
  bool reversed = false;
  if (target) {
    w = target->first;
    h = target->second;
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF || sw == 0 || sh == 0) return false;
    bool ok = false;
    pixels = resample(pixels, sw, sh, w, h, ok);
    if (!ok) return false;
    reversed = true;
  }
  if (w > 255) return false;

  std::vector<std::byte> out;
  out.reserve(kHeaderBytes + static_cast<std::size_t>(h) * (4 + 4 * static_cast<std::size_t>(w)));
  putU16(out, static_cast<std::uint16_t>(w));
  putU16(out, static_cast<std::uint16_t>(h));
  for (int r = 0; r < h; ++r) {
    const int sourceRow = reversed ? h - 1 - r : r;
    if (w > 0) putU16(out, static_cast<std::uint16_t>((w << 8) | 2));
    for (int c = 0; c < w; ++c) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(sourceRow) * w + c];
      putU16(out, Rgb565From24(p & 0xFFFFFF));
      putU16(out, static_cast<std::uint16_t>((p >> 24) >> 3));
    }
    putU16(out, 0);
  }
  stream_ = std::move(out);
  setSize(static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h));
  prepareDrawing();
  return true;
}

}  // namespace gfx
