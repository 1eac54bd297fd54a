#include <algorithm>

#include "gfx/primitives.h"

namespace gfx {
namespace {

// The part of {x, y, w, h} inside the surface, computed wide so that no coordinate wraps.
struct Clipped {
  int x0, y0, x1, y1;  // columns x0 .. x1 - 1, rows y0 .. y1 - 1
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};

Clipped clipToSurface(const Surface& s, int x, int y, int w, int h) {
  const long long left = s.bounds.x, top = s.bounds.y;
  const long long right = left + s.bounds.width, bottom = top + s.bounds.height;
  Clipped c;
  c.x0 = static_cast<int>(std::max<long long>(x, left));
  c.y0 = static_cast<int>(std::max<long long>(y, top));
  c.x1 = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, right));
  c.y1 = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, bottom));
  return c;
}

void fillRow(std::uint16_t* p, int count, std::uint16_t colour) {
  for (std::uint16_t* end = p + count; p != end; ++p)
    *p = colour;
}

}  // namespace

void FillRect(Surface& s, int x, int y, int w, int h, std::uint16_t colour) {
  const Clipped c = clipToSurface(s, x, y, w, h);
  if (c.empty()) return;
  for (int row = c.y0; row < c.y1; ++row)
    fillRow(s.pixels + row * s.width + c.x0, c.x1 - c.x0, colour);
}

void FillRectRows(Surface& s, int x, int y, int w, int h, int firstIndex,
                  std::span<const std::uint16_t> table) {
  const Clipped c = clipToSurface(s, x, y, w, h);
  if (c.empty()) return;
  const long long size = static_cast<long long>(table.size());
  for (int row = c.y0; row < c.y1; ++row) {
    const long long index = static_cast<long long>(firstIndex) - (row - c.y0);
    if (index < 0 || index >= size) continue;
    fillRow(s.pixels + row * s.width + c.x0, c.x1 - c.x0, table[static_cast<std::size_t>(index)]);
  }
}

void FillRectAlpha(Surface& s, int x, int y, int w, int h, std::uint16_t colour, int opacity) {
  if (x < 0 || y < 0 || w <= 0 || h <= 0) return;
  if (static_cast<long long>(x) + w > s.width || static_cast<long long>(y) + h > s.height) return;
  if (opacity >= 31) {
    FillRect(s, x, y, w, h, colour);
    return;
  }
  const std::uint32_t a = static_cast<std::uint32_t>(std::max(opacity, 0));
  const std::uint32_t keep = 255 - a;
  const std::uint32_t sr = (colour >> 11) & 0x1F, sg = (colour >> 5) & 0x3F, sb = colour & 0x1F;
  for (int row = y; row < y + h; ++row) {
    for (std::uint16_t *p = s.pixels + row * s.width + x, *end = p + w; p != end; ++p) {
      const std::uint32_t d = *p;
      const std::uint32_t r = (sr * a + ((d >> 11) & 0x1F) * keep) / 255;
      const std::uint32_t g = (sg * a + ((d >> 5) & 0x3F) * keep) / 255;
      const std::uint32_t b = (sb * a + (d & 0x1F) * keep) / 255;
      *p = static_cast<std::uint16_t>((r << 11) | (g << 5) | b);
    }
  }
}

}  // namespace gfx
