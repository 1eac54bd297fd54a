#include "gfx/images/palette_picture.h"

#include <algorithm>

#include "gfx/color.h"
#include "gfx/images/byte_reader.h"
#include "gfx/images/draw_region.h"

namespace gfx {
namespace {

constexpr std::size_t kTgaHeaderBytes = 18;

std::size_t packedRowBytes(int bits, int width) {
  switch (bits) {
    case 4:
      return static_cast<std::size_t>((width + 3) / 4) * 2;
    case 8:
      return static_cast<std::size_t>((width + 1) / 2) * 2;
    default:
      return static_cast<std::size_t>(width) * 2;
  }
}

// Walks one run-length row from in, handing each run (count, colour) to emit. False when the
// row runs past the data.
template <typename Emit>
bool walkRunRow(ByteReader& in, int bits, const std::vector<std::uint16_t>& palette, Emit emit) {
  const std::size_t rowStart = in.pos();
  if (bits == 4) {
    for (;;) {
      std::uint8_t b = 0;
      if (!in.u8(b)) return false;
      if (b == 0) break;
      emit(b >> 4, palette[b & 0x0F]);
    }
    // Rows keep the data word-aligned: an odd row length gets a zero pad byte.
    if ((in.pos() - rowStart) % 2 != 0) in.skip(1);
    return true;
  }
  for (;;) {
    std::uint8_t b = 0;
    if (!in.u8(b)) return false;
    if (b == 0) break;
    const int count = b & 0x7F;
    auto pixel = [&](std::uint16_t& out) {
      if (bits == 8) {
        std::uint8_t index = 0;
        if (!in.u8(index)) return false;
        out = palette[index];
        return true;
      }
      return in.u16(out);
    };
    std::uint16_t colour = 0;
    if (b & 0x80) {
      if (!pixel(colour)) return false;
      emit(count, colour);
    } else {
      for (int i = 0; i < count; ++i) {
        if (!pixel(colour)) return false;
        emit(1, colour);
      }
    }
  }
  std::uint8_t next = 1;
  if (in.peek(next) && next == 0) in.skip(1);
  return true;
}

}  // namespace

void PalettePicture::Release() {
  palette_.clear();
  rows_.clear();
  pixels_.clear();
  rows_.shrink_to_fit();
  pixels_.shrink_to_fit();
  allBlack_ = false;
  setSize(0, 0);
}

bool PalettePicture::LoadBytes(std::string_view name, std::span<const std::byte> bytes) {
  const bool ok = nameHas(name, ".tga") ? loadTga(bytes) : loadSpr(bytes);
  if (!ok) Release();
  return ok;
}

bool PalettePicture::loadSpr(std::span<const std::byte> bytes) {
  Release();
  ByteReader in(bytes);
  std::uint16_t w = 0, h = 0;
  std::uint8_t bits = 0, coding = 0;
  if (!in.u16(w) || !in.u16(h) || !in.u8(bits) || !in.u8(coding)) return false;
  if (bits != 4 && bits != 8 && bits != 16) return false;
  const std::size_t paletteCount = bits == 4 ? 16 : bits == 8 ? 256 : 0;
  std::vector<std::uint16_t> palette(paletteCount);
  for (std::uint16_t& entry : palette) {
    if (!in.u16(entry)) return false;
  }
  const std::size_t dataStart = in.pos();
  std::size_t dataEnd = dataStart;
  if (coding == 0) {
    const std::size_t need = packedRowBytes(bits, w) * h;
    if (in.remaining() < need) return false;
    dataEnd = dataStart + need;
  } else {
    ByteReader walk(bytes.subspan(dataStart));
    for (int r = 0; r < h; ++r) {
      if (!walkRunRow(walk, bits, palette, [](int, std::uint16_t) {})) return false;
    }
    dataEnd = dataStart + walk.pos();
  }
  bits_ = bits;
  runLength_ = coding != 0;
  palette_ = std::move(palette);
  rows_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(dataStart),
               bytes.begin() + static_cast<std::ptrdiff_t>(dataEnd));
  setSize(w, h);
  return true;
}

bool PalettePicture::loadTga(std::span<const std::byte> bytes) {
  Release();
  if (bytes.size() < kTgaHeaderBytes) return false;
  const std::uint8_t idLength = static_cast<std::uint8_t>(bytes[0]);
  const std::uint8_t colourMapType = static_cast<std::uint8_t>(bytes[1]);
  const std::uint8_t imageType = static_cast<std::uint8_t>(bytes[2]);
  if (imageType & 0x08) return false;  // run-length compressed types are not read
  const std::size_t mapEntries = readLe16(bytes, 5);
  const std::size_t mapBits = static_cast<std::uint8_t>(bytes[7]);
  const int w = readLe16(bytes, 12), h = readLe16(bytes, 14);
  const int bits = static_cast<std::uint8_t>(bytes[16]);
  const bool topFirst = (static_cast<std::uint8_t>(bytes[17]) & 0x20) != 0;
  const std::size_t count = static_cast<std::size_t>(w) * h;
  if (bits != 16 && bits != 24 && bits != 32) {
    // Other depths give a black picture of the header's size. It is drawn as a fill, so a
    // header claiming 65535 x 65535 pixels costs no memory.
    allBlack_ = true;
    setSize(static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h));
    return true;
  }
  std::vector<std::uint16_t> pixels;
  {
    const std::size_t start =
        kTgaHeaderBytes + idLength + (colourMapType != 0 ? mapEntries * ((mapBits + 7) / 8) : 0);
    const std::size_t bpp = static_cast<std::size_t>(bits) / 8;
    // The pixel data must all be there before any memory is taken for them.
    if (start > bytes.size() || (bytes.size() - start) / bpp < count) return false;
    pixels.assign(count, 0);
    for (int row = 0; row < h; ++row) {
      const int target = topFirst ? row : h - 1 - row;
      for (int col = 0; col < w; ++col) {
        const std::size_t at = start + (static_cast<std::size_t>(row) * w + col) * bpp;
        std::uint16_t out = 0;
        if (bits == 16) {
          const std::uint16_t p = readLe16(bytes, at);
          const unsigned r = (p >> 10) & 0x1F, g = (p >> 5) & 0x1F, b = p & 0x1F;
          // Green widens from 5 to 6 bits with its top bit repeated, so white stays white.
          out = static_cast<std::uint16_t>((r << 11) | (((g << 1) | (g >> 4)) << 5) | b);
        } else {
          const std::uint32_t b = static_cast<std::uint8_t>(bytes[at]);
          const std::uint32_t g = static_cast<std::uint8_t>(bytes[at + 1]);
          const std::uint32_t r = static_cast<std::uint8_t>(bytes[at + 2]);
          out = Rgb565From24((r << 16) | (g << 8) | b);
        }
        pixels[static_cast<std::size_t>(target) * w + col] = out;
      }
    }
  }
  pixels_ = std::move(pixels);
  bits_ = 16;
  runLength_ = false;
  setSize(static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h));
  return true;
}

void PalettePicture::Draw(Surface& surface, int x, int y, const Box* clip,
                          std::uint32_t /*timeMs*/) const {
  if (allBlack_) {
    DrawRegion region;
    if (!computeDrawRegion(surface, x, y, width(), height(), clip, region)) return;
    for (int py = region.top; py < region.bottom; ++py) {
      std::fill(surface.pixels + py * surface.width + region.left,
                surface.pixels + py * surface.width + region.right, std::uint16_t{0});
    }
    return;
  }
  if (!pixels_.empty()) {
    DrawRegion region;
    if (!computeDrawRegion(surface, x, y, width(), height(), clip, region)) return;
    for (int py = region.top; py < region.bottom; ++py) {
      const std::uint16_t* src =
          pixels_.data() + static_cast<std::size_t>(py - y) * width() + (region.left - x);
      std::copy(src, src + (region.right - region.left),
                surface.pixels + py * surface.width + region.left);
    }
    return;
  }
  if (!rows_.empty() || height() == 0) drawSpr(surface, x, y, clip);
}

void PalettePicture::drawSpr(Surface& surface, int x, int y, const Box* clip) const {
  DrawRegion region;
  if (!computeDrawRegion(surface, x, y, width(), height(), clip, region)) return;
  const std::span<const std::byte> data = rows_;
  if (!runLength_) {
    const std::size_t stride = packedRowBytes(bits_, width());
    for (int py = region.top; py < region.bottom; ++py) {
      const std::size_t rowAt = static_cast<std::size_t>(py - y) * stride;
      std::uint16_t* line = surface.pixels + py * surface.width;
      for (int px = region.left; px < region.right; ++px) {
        const std::size_t i = static_cast<std::size_t>(px - x);
        if (bits_ == 4) {
          const std::uint8_t b = static_cast<std::uint8_t>(data[rowAt + i / 2]);
          line[px] = palette_[(i % 2 == 0) ? (b >> 4) : (b & 0x0F)];
        } else if (bits_ == 8) {
          line[px] = palette_[static_cast<std::uint8_t>(data[rowAt + i])];
        } else {
          line[px] = readLe16(data, rowAt + 2 * i);
        }
      }
    }
    return;
  }
  ByteReader in(data);
  for (int row = 0; row < height(); ++row) {
    const int py = y + row;
    if (py >= region.bottom) return;
    std::uint16_t* line = surface.pixels + py * surface.width;
    const bool drawRow = py >= region.top;
    int col = x;
    const bool ok = walkRunRow(in, bits_, palette_, [&](int count, std::uint16_t colour) {
      if (drawRow) {
        const int from = std::max(col, region.left), to = std::min(col + count, region.right);
        if (from < to) std::fill(line + from, line + to, colour);
      }
      col += count;
    });
    if (!ok) return;
  }
}

}  // namespace gfx
