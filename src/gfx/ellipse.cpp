// FillEllipse: the midpoint ellipse walk, in integer decision terms scaled by 4 so that the half
// steps of the textbook algorithm stay exact. Every step fills the spans cx - x .. cx + x on the
// rows cy - y and cy + y. An ellipse that lies inside the surface with a margin writes its spans
// without tests; one that crosses an edge clamps each span to the surface instead.
#include <algorithm>
#include <cstdint>

#include "gfx/primitives.h"

namespace gfx {
namespace {

// Keeps the 64-bit decision terms far from overflow.
constexpr int kMaxRadius = 16383;

// Spans of an ellipse known to lie inside the surface.
struct InsideSpans {
  std::uint16_t* pixels;
  int width;
  void operator()(int cx, int cy, int x, int y, std::uint16_t colour) const {
    for (const int row : {cy - y, cy + y}) {
      for (std::uint16_t *p = pixels + row * width + cx - x, *end = p + 2 * x + 1; p != end; ++p)
        *p = colour;
      if (y == 0) break;
    }
  }
};

// Spans of an ellipse crossing an edge: only pixels with 0 <= x < width, 0 <= y < height.
struct EdgeSpans {
  std::uint16_t* pixels;
  int width, height;
  void operator()(int cx, int cy, int x, int y, std::uint16_t colour) const {
    const int x0 = std::max(cx - x, 0), x1 = std::min(cx + x, width - 1);
    if (x0 > x1) return;
    for (const int row : {cy - y, cy + y}) {
      if (row >= 0 && row < height)
        for (std::uint16_t *p = pixels + row * width + x0, *end = p + (x1 - x0 + 1); p != end; ++p)
          *p = colour;
      if (y == 0) break;
    }
  }
};

template <typename Spans>
void walkEllipse(int cx, int cy, int rx, int ry, std::uint16_t colour, const Spans& spans) {
  if (ry == 0) {  // the walk needs a vertical extent; a flat ellipse is one span
    spans(cx, cy, rx, 0, colour);
    return;
  }
  const std::int64_t a2 = static_cast<std::int64_t>(rx) * rx;
  const std::int64_t b2 = static_cast<std::int64_t>(ry) * ry;
  std::int64_t x = 0, y = ry;
  std::int64_t dx = 0, dy = 2 * a2 * y;  // 2 b^2 x and 2 a^2 y
  // Region 1: slope shallower than 1, stepping x. d1 is 4 times the textbook term. Several steps
  // share a row there; the spans of one row are nested, so only the widest one, reached just
  // before the walk leaves the row, is filled.
  std::int64_t d1 = 4 * b2 - 4 * a2 * ry + a2;
  bool rowPending = false;
  while (dx < dy) {
    rowPending = true;
    ++x;
    dx += 2 * b2;
    if (d1 < 0) {
      d1 += 4 * (dx + b2);
    } else {
      spans(cx, cy, static_cast<int>(x - 1), static_cast<int>(y), colour);
      rowPending = false;
      --y;
      dy -= 2 * a2;
      d1 += 4 * (dx - dy + b2);
    }
  }
  if (rowPending) spans(cx, cy, static_cast<int>(x - 1), static_cast<int>(y), colour);
  // Region 2: steep part, stepping y. d2 is 4 times b^2 (x + 1/2)^2 + a^2 (y - 1)^2 - a^2 b^2.
  std::int64_t d2 = b2 * (2 * x + 1) * (2 * x + 1) + 4 * a2 * (y - 1) * (y - 1) - 4 * a2 * b2;
  while (y >= 0) {
    spans(cx, cy, static_cast<int>(x), static_cast<int>(y), colour);
    --y;
    dy -= 2 * a2;
    if (d2 > 0) {
      d2 += 4 * (a2 - dy);
    } else {
      ++x;
      dx += 2 * b2;
      d2 += 4 * (dx - dy + a2);
    }
  }
}

}  // namespace

void FillEllipse(Surface& s, int cx, int cy, int rx, int ry, std::uint16_t colour) {
  if (rx < 0 || ry < 0 || rx > kMaxRadius || ry > kMaxRadius) return;
  const long long W = s.width, H = s.height;
  if (cx > W + rx || cx < -rx || cy < -ry || cy > H + ry) return;
  if (rx < cx && cx < W - rx - 2 && ry < cy && cy < H - ry - 2)
    walkEllipse(cx, cy, rx, ry, colour, InsideSpans{s.pixels, s.width});
  else
    walkEllipse(cx, cy, rx, ry, colour, EdgeSpans{s.pixels, s.width, s.height});
}

}  // namespace gfx
