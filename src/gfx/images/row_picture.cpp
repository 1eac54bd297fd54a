#include "gfx/images/row_picture.h"

#include <algorithm>

#include "gfx/color.h"
#include "gfx/images/byte_reader.h"
#include "gfx/images/draw_region.h"

namespace gfx {

void RowPicture::Release() {
  palette_.clear();
  rows_.clear();
  rows_.shrink_to_fit();
  setSize(0, 0);
}

bool RowPicture::LoadBytes(std::string_view /*name*/, std::span<const std::byte> bytes) {
  Release();
  ByteReader in(bytes);
  std::uint16_t w = 0, h = 0, count = 0;
  std::uint8_t bits = 0, unused = 0;
  if (!in.u16(w) || !in.u16(h) || !in.u8(bits) || !in.u8(unused) || !in.u16(count)) return false;
  std::vector<std::uint16_t> palette(count);
  for (std::uint16_t& entry : palette) {
    if (!in.u16(entry)) return false;
  }
  std::vector<std::uint32_t> offsets(static_cast<std::size_t>(h) + 1);
  for (std::uint32_t& offset : offsets) {
    if (!in.u32(offset)) return false;
  }
  const std::size_t area = in.pos();
  const std::size_t areaBytes = bytes.size() - area;
  std::vector<std::vector<std::uint8_t>> rows(h);
  for (std::size_t r = 0; r < h; ++r) {
    if (offsets[r] > offsets[r + 1] || offsets[r + 1] > areaBytes) return false;
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(area + offsets[r]);
    const auto last = bytes.begin() + static_cast<std::ptrdiff_t>(area + offsets[r + 1]);
    rows[r].reserve(static_cast<std::size_t>(last - first) + 1);
    for (auto it = first; it != last; ++it)
      rows[r].push_back(static_cast<std::uint8_t>(*it));
    rows[r].push_back(0);
  }
  eightBit_ = bits == 8;
  palette_ = std::move(palette);
  rows_ = std::move(rows);
  setSize(w, h);
  return true;
}

void RowPicture::Draw(Surface& surface, int x, int y, const Box* clip,
                      std::uint32_t /*timeMs*/) const {
  DrawRegion region;
  if (rows_.empty() || !computeDrawRegion(surface, x, y, width(), height(), clip, region)) return;
  const std::size_t colours = palette_.size();
  // Row strings are private, so rows above the clip need no walk: start at the first drawn one.
  for (int py = region.top; py < region.bottom; ++py) {
    const std::vector<std::uint8_t>& row = rows_[static_cast<std::size_t>(py - y)];
    std::uint16_t* line = surface.pixels + py * surface.width;
    const std::size_t size = row.size();
    std::size_t at = 0;
    int col = x;
    while (at < size && col < region.right) {
      const std::uint8_t op = row[at++];
      if (op == 0) break;
      const int n = op & 0x1F;
      const std::uint8_t kind = op & 0xE0;
      // The run's pixels i in [first, last) lie inside the clip: each run is clipped once.
      const int first = std::max(region.left - col, 0);
      const int last = std::min(region.right - col, n);
      if (kind == 0x00) {
        col += n;
        continue;
      }
      if (kind == 0x20) {
        const std::size_t need = eightBit_ ? n : (n + 1) / 2;
        if (size - at < need) break;
        for (int i = first; i < last; ++i) {
          const unsigned index = eightBit_      ? row[at + i]
                                 : (i % 2 == 0) ? (row[at + i / 2] & 0x0F)
                                                : (row[at + i / 2] >> 4);
          if (index < colours) line[col + i] = palette_[index];
        }
        at += need;
      } else if (kind == 0x40) {
        const std::size_t need = eightBit_ ? 2 * static_cast<std::size_t>(n) : n;
        if (size - at < need) break;
        for (int i = first; i < last; ++i) {
          const unsigned index = eightBit_ ? row[at + 2 * i] : (row[at + i] & 0x0F);
          const int alpha = eightBit_ ? row[at + 2 * i + 1] : (row[at + i] >> 4) * 2;
          if (index < colours) BlendPixel(line[col + i], palette_[index], alpha);
        }
        at += need;
      } else if (kind == 0x60) {
        if (size - at < 1) break;
        const unsigned index = row[at++];
        if (index < colours && first < last)
          std::fill(line + col + first, line + col + last, palette_[index]);
      } else if (kind == 0x80) {
        const std::size_t need = eightBit_ ? 2 : 1;
        if (size - at < need) break;
        const unsigned index = eightBit_ ? row[at] : (row[at] & 0x0F);
        const int alpha = eightBit_ ? row[at + 1] : (row[at] >> 4) * 2;
        at += need;
        if (index < colours) {
          const std::uint16_t colour = palette_[index];
          for (int i = first; i < last; ++i)
            BlendPixel(line[col + i], colour, alpha);
        }
      } else {
        break;
      }
      col += n;
    }
  }
}

}  // namespace gfx
