// FillTriangle: spans between the edges of a triangle sorted by row, from the top point down to
// (not including) the bottom point's row.
#include <algorithm>
#include <cstdint>

#include "gfx/primitives.h"

namespace gfx {
namespace {

// x of the edge A-B at row y, truncating toward zero.
int edgeX(Point a, Point b, int y) {
  if (a.x == b.x || a.y == b.y) return a.x;
  const std::int64_t dx = static_cast<std::int64_t>(b.x) - a.x;
  const std::int64_t dy = static_cast<std::int64_t>(b.y) - a.y;
  return static_cast<int>(a.x + dx * (static_cast<std::int64_t>(y) - a.y) / dy);
}

}  // namespace

void FillTriangle(Surface& s, Point p0, Point p1, Point p2, std::uint16_t colour, const Box* clip) {
  // The clip rectangle, never larger than the surface, as columns cx0 .. cx1 - 1 and rows
  // cy0 .. cy1 - 1.
  long long cx0 = s.bounds.x, cy0 = s.bounds.y;
  long long cx1 = cx0 + s.bounds.width, cy1 = cy0 + s.bounds.height;
  if (clip) {
    cx0 = std::max<long long>(cx0, clip->x);
    cy0 = std::max<long long>(cy0, clip->y);
    cx1 = std::min<long long>(cx1, static_cast<long long>(clip->x) + clip->width);
    cy1 = std::min<long long>(cy1, static_cast<long long>(clip->y) + clip->height);
  }
  const long long bx0 = std::min({p0.x, p1.x, p2.x}), bx1 = std::max({p0.x, p1.x, p2.x}) + 1LL;
  const long long by0 = std::min({p0.y, p1.y, p2.y}), by1 = std::max({p0.y, p1.y, p2.y}) + 1LL;
  const long long ix0 = std::max(bx0, cx0), ix1 = std::min(bx1, cx1);
  const long long iy0 = std::max(by0, cy0), iy1 = std::min(by1, cy1);
  if (ix0 >= ix1 || iy0 >= iy1) return;
  const bool clipped = (ix1 - ix0) != (bx1 - bx0) || (iy1 - iy0) != (by1 - by0);

  if (p1.y < p0.y) std::swap(p0, p1);
  if (p2.y < p1.y) std::swap(p1, p2);
  if (p1.y < p0.y) std::swap(p0, p1);

  std::uint16_t* const pixels = s.pixels;
  const int w = s.width;
  if (!clipped && by1 - by0 < 2) {
    FillSpan(pixels + p0.y * w, static_cast<int>(bx0), static_cast<int>(bx1 - 1), w, colour);
    return;
  }
  // In the clipped case only rows strictly inside the intersection's top and bottom are filled.
  auto rowVisible = [&](int y) { return !clipped || (iy0 < y && y < iy1); };
  auto span = [&](int y, int xa, int xb) {
    if (rowVisible(y)) FillSpan(pixels + y * w, xa, xb, w, colour);
  };
  // Rows outside the visible range are skipped without walking them one by one.
  const int firstRow = static_cast<int>(std::max<long long>(p0.y, iy0));
  const int endRow = static_cast<int>(std::min<long long>(p2.y, iy1));

  int y = p0.y;
  if (p0.y == p1.y) {
    if (!clipped || p0.y == iy0) FillSpan(pixels + p0.y * w, p0.x, p1.x, w, colour);
    y = p0.y + 1;
  } else {
    for (y = std::max(p0.y, firstRow); y < std::min(p1.y, endRow); ++y)
      span(y, edgeX(p0, p1, y), edgeX(p0, p2, y));
    y = p1.y;
  }
  for (y = std::max(y, firstRow); y < endRow; ++y)
    span(y, edgeX(p1, p2, y), edgeX(p0, p2, y));
}

}  // namespace gfx
