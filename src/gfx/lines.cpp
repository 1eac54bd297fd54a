#include <algorithm>

#include "gfx/line_walk.h"
#include "gfx/primitives.h"

namespace gfx {

void DrawLine(Surface& s, int x1, int y1, int x2, int y2, std::uint16_t colour) {
  if (s.width <= 0 || s.height <= 0) return;
  if (!ClipSegment(x1, y1, x2, y2, 0, 0, s.width - 1, s.height - 1)) return;
  std::uint16_t* const pixels = s.pixels;
  const int w = s.width;
  pixels[y1 * w + x1] = colour;
  detail::walkLine(x1, y1, x2, y2, [&](int x, int y) { pixels[y * w + x] = colour; });
}

void DrawLineClipped(Surface& s, int x1, int y1, int x2, int y2, std::uint16_t colour) {
  const int left = s.bounds.x, top = s.bounds.y;
  const int right = left + s.bounds.width, bottom = top + s.bounds.height;
  // A segment that misses the bounds writes nothing; skip its walk.
  if (std::max(x1, x2) <= left || std::min(x1, x2) >= right || std::max(y1, y2) <= top ||
      std::min(y1, y2) >= bottom)
    return;
  std::uint16_t* const pixels = s.pixels;
  const int w = s.width;
  auto plot = [&](int x, int y) {
    if (left < x && x < right && top < y && y < bottom) pixels[y * w + x] = colour;
  };
  plot(x1, y1);
  detail::walkLine(x1, y1, x2, y2, plot);
}

void DrawCross(Surface& s, int cx, int cy, int size, std::uint16_t colour) {
  const int h = size >> 1;
  DrawLine(s, cx - h, cy, cx + h, cy, colour);
  DrawLine(s, cx, cy - h, cx, cy + h, colour);
  if (s.width == kDoubleOutlineWidth) {
    DrawLineClipped(s, cx - h, cy + 1, cx + h, cy + 1, colour);
    DrawLineClipped(s, cx + 1, cy - h, cx + 1, cy + h, colour);
  }
}

}  // namespace gfx
